#include "app/ProgramCommandLine.h"

#include "platform/CommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QCommandLineOption DataFolderOption(QStringLiteral("data-folder"),
                                          QStringLiteral("Keep the data files in FOLDER instead of the usual data folder, "
                                                         "for this run: files brought over from another computer, or a "
                                                         "folder on a removable disk. The folder has to exist. The usual "
                                                         "data folder is not touched; the lock against a second Torqal "
                                                         "and the ride shown at the next start belong to FOLDER."),
                                          QStringLiteral("FOLDER"));

CommandLine::Usage programUsage()
{
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal");
    usage.summary = QStringLiteral("Keeps the records of your vehicles (\"rides\"): their details and picture, and logs of "
                                   "maintenance and repairs, goodies, trips and gasoline, with totals, miles per gallon "
                                   "and printed reports.");
    usage.description = QStringLiteral(
        "Torqal keeps its data in five files in its data folder, $XDG_DATA_HOME/Torqal (usually "
        "~/.local/share/Torqal): Torqal.Dat (the rides), Maint.Dat, Goody.Dat, Trip.Dat and Gas.Dat (the four "
        "logs), and the rides' reminders beside them in the SQLite database Torqal.db. Its settings (fade "
        "effects, the new-user overview, the ride last viewed, the list of overdue reminders at start) are kept in "
        "$XDG_CONFIG_HOME/Torqal/Torqal.conf (usually ~/.config/Torqal/Torqal.conf). One Torqal runs on a data "
        "folder at a time. The data files can be checked, read and repaired with torqal-data(1).\n\n"
        "Torqal needs a display (DISPLAY or WAYLAND_DISPLAY) for its windows; only --help and --version work "
        "without one.\n\n"
        "Exit status: 0 when Torqal ends through its quit command, or after --help or --version; 1 when it cannot "
        "start (no display, another Torqal on the data folder, a data folder it cannot use); 2 for a command line "
        "it does not understand.");
    usage.options = {DataFolderOption};
    return usage;
}

} // namespace

std::optional<int> ProgramCommandLine::read(const QStringList &arguments, ProgramCommandLine &options, QTextStream &out,
                                            QTextStream &errors)
{
    const CommandLine::Usage usage = programUsage();
    QCommandLineParser parser;
    if (const std::optional<int> done = CommandLine::read(usage, arguments, parser, out, errors))
        return done;
    if (parser.isSet(DataFolderOption)) {
        // A data folder it cannot use: the command line itself was understood.
        const QString folder = parser.value(DataFolderOption);
        const QFileInfo found(folder);
        if (!found.isDir()) {
            errors << usage.command << ": "
                   << (found.exists() ? QStringLiteral("%1 is a file, not a folder") : QStringLiteral("%1: no such folder")).arg(folder)
                   << '\n';
            return 1;
        }
        options.dataFolder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    }
    return std::nullopt;
}
