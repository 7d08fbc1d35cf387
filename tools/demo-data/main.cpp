// torqal-demo-data: fills a data folder with a few demo rides and their logs,
// for trying the program out (`make demo`).
//   torqal-demo-data [DATA_FOLDER]
// Without DATA_FOLDER it writes into the folder the program itself would use
// (found exactly as the program finds it, so XDG_DATA_HOME decides); it never
// writes into a folder that already holds data files.

#include "DemoWriter.h"

#include "app/StartUp.h"
#include "platform/DataFolder.h"

#include <QApplication>
#include <QDate>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // The program's set-up needs an application object, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ConfigureApplication();

    QTextStream out(stdout);
    QTextStream errors(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() > 1) {
        errors << "usage: torqal-demo-data [DATA_FOLDER]\n";
        return 2;
    }
    const QString folder = arguments.isEmpty() ? DataFolder::path() : arguments[0];
    const QString problem = writeDemoData(folder, QDate::currentDate());
    if (!problem.isEmpty()) {
        errors << "torqal-demo-data: " << problem << "\n";
        return 1;
    }
    out << "Demo rides written to " << folder << "\n";
    return 0;
}
