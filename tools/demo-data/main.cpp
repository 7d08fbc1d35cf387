// torqal-demo-data: fills a data folder with a few demo rides and their logs,
// for trying the program out (`make demo`).

#include "DemoWriter.h"

#include "platform/CommandLine.h"
#include "platform/DataFolder.h"
#include "platform/Identity.h"

#include <QDate>
#include <QGuiApplication>
#include <QTextStream>

namespace {

CommandLine::Usage usage()
{
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-demo-data");
    usage.summary = QStringLiteral("Fills a data folder with demo rides for trying Torqal out.");
    usage.description = QStringLiteral(
        "Writes three rides (a car, a motorcycle and an ATV) with their pictures and some months of maintenance, "
        "goodies, trip and gasoline entries into the five data files of the folder, and the pictures into its "
        "Pictures folder. The folder is created when missing. A folder that already holds a data file is refused, "
        "so that nobody's records are ever mixed with the demo's.\n\n"
        "Exit status: 0 when the demo rides are written, 1 when they cannot be (the folder holds data, or cannot "
        "be written), 2 for a command line that cannot be understood.");
    usage.arguments = {{QStringLiteral("FOLDER"),
                        QStringLiteral("the data folder to fill; without it, the folder Torqal itself uses "
                                       "($XDG_DATA_HOME/Torqal, usually ~/.local/share/Torqal)"),
                        true}};
    return usage;
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    QTextStream errors(stderr);
    QCommandLineParser parser;
    if (const std::optional<int> done = CommandLine::read(usage(), CommandLine::argumentsOf(argc, argv), parser, out, errors))
        return *done;

    // Painting the pictures needs an application object, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    SetApplicationIdentity();

    const QStringList given = parser.positionalArguments();
    const QString folder = given.isEmpty() ? DataFolder::usualPath() : given.first();
    const QString problem = writeDemoData(folder, QDate::currentDate());
    if (!problem.isEmpty()) {
        errors << "torqal-demo-data: " << problem << "\n";
        return 1;
    }
    out << "Demo rides written to " << folder << "\n";
    return 0;
}
