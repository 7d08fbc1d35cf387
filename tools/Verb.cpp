#include "Verb.h"

#include "platform/DataFolder.h"

#include <QFileInfo>

namespace {

const QString Program = QStringLiteral("torqal-data");

// The tool's usage as its help shows it: with every command's help.
CommandLine::Usage toolHelp(const QList<Verb> &verbs)
{
    CommandLine::Usage usage = toolUsage();
    QString commands;
    for (const Verb &verb : verbs)
        commands += QStringLiteral("\n  ") + verb.usage.synopsis().mid(Program.size() + 1) + QStringLiteral("\n") + verb.usage.entry(6);
    usage.description += QStringLiteral("\n\nCommands:") + commands.chopped(1);
    return usage;
}

QString lockProblem(SingleInstance::Outcome outcome, const QString &lockFile, const QString &verb)
{
    switch (outcome) {
    case SingleInstance::Outcome::HeldElsewhere:
        return QStringLiteral("Torqal is running on this folder (it holds %1); quit it, then %2").arg(lockFile, verb);
    case SingleInstance::Outcome::Unreadable:
        return QStringLiteral("the lock file %1 cannot be read; if Torqal is not running, delete it and %2 again").arg(lockFile, verb);
    case SingleInstance::Outcome::InTheWay:
        return QStringLiteral("%1 is not a file; move it away and %2 again").arg(lockFile, verb);
    case SingleInstance::Outcome::CannotMake:
        return QStringLiteral("cannot make the lock file %1; the folder has to be writable to %2").arg(lockFile, verb);
    case SingleInstance::Outcome::Acquired:
        break;
    }
    return {};
}

} // namespace

bool lockFolder(SingleInstance &lock, const QString &verb, QTextStream &errors)
{
    const SingleInstance::Outcome locked = lock.acquire();
    if (locked == SingleInstance::Outcome::Acquired)
        return true;
    errors << "torqal-data: " << lockProblem(locked, lock.lockFilePath(), verb) << "\n";
    return false;
}

CommandLine::Usage toolUsage()
{
    CommandLine::Usage usage;
    usage.command = Program;
    usage.summary = QStringLiteral("Checks, reads and mends the data files of Torqal, the vehicle records program.");
    usage.description =
        QStringLiteral("Torqal keeps its records in five files of fixed-length records: Torqal.Dat (the rides), "
                       "Maint.Dat, Goody.Dat, Trip.Dat and Gas.Dat (the four logs), in its data folder "
                       "($XDG_DATA_HOME/Torqal, usually ~/.local/share/Torqal); the rides' reminders lie beside them in the "
                       "SQLite database Torqal.db. Every command below works on "
                       "them without Torqal's windows and without a display. Only \"repair\", \"restore\" and \"import\" "
                       "change a data file; \"backup\" writes an archive of the folder, and the others only read.\n\n"
                       "Run \"torqal-data COMMAND --help\" for the help of one command.");
    usage.arguments = {{QStringLiteral("COMMAND"), QStringLiteral("one of the commands above")},
                       {QStringLiteral("ARGUMENTS"), QStringLiteral("the command's own options and arguments"), true, true}};
    return usage;
}

CommandLine::Argument folderArgument()
{
    return {QStringLiteral("FOLDER"),
            QStringLiteral("the folder of the data files; without it, Torqal's own data folder "
                           "($XDG_DATA_HOME/Torqal, usually ~/.local/share/Torqal)"),
            true};
}

QString folderOf(const QCommandLineParser &parser)
{
    const QStringList given = parser.positionalArguments();
    return given.isEmpty() ? DataFolder::usualPath() : given.first();
}

bool isFolder(const QString &folder, QTextStream &errors)
{
    const QFileInfo info(folder);
    if (!info.exists())
        errors << "torqal-data: " << folder << ": no such folder\n";
    else if (!info.isDir())
        errors << "torqal-data: " << folder << " is a file, not a folder\n";
    return info.isDir();
}

QString Verb::name() const
{
    return usage.command.section(QLatin1Char(' '), 1);
}

int runVerbs(const QList<Verb> &verbs, const QStringList &arguments, QTextStream &out, QTextStream &errors)
{
    const CommandLine::Usage tool = toolHelp(verbs);
    QCommandLineParser toolParser;
    // Everything after the command's name belongs to the command.
    toolParser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (const std::optional<int> done = CommandLine::read(tool, arguments, toolParser, out, errors))
        return *done;
    const QStringList given = toolParser.positionalArguments();
    for (const Verb &verb : verbs) {
        if (verb.name() != given.first())
            continue;
        QCommandLineParser parser;
        if (const std::optional<int> done = CommandLine::read(verb.usage, QStringList{arguments.first()} + given.mid(1), parser, out, errors))
            return *done;
        return verb.run(parser, out, errors);
    }
    return CommandLine::refuse(tool, QStringLiteral("unknown command '%1'").arg(given.first()), errors);
}
