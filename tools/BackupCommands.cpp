#include "BackupCommands.h"

#include "backup/AutomaticBackups.h"
#include "backup/BackupWrite.h"
#include "backup/FolderSwap.h"
#include "backup/Restore.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

namespace {

int exitStatusOf(BackupCheck::Verdict verdict)
{
    switch (verdict) {
    case BackupCheck::Verdict::Sound:
        return 0;
    case BackupCheck::Verdict::Refused:
        return 1;
    case BackupCheck::Verdict::CannotRead:
        break;
    }
    return 2;
}

void describe(const BackupManifest &manifest, QTextStream &out)
{
    static const char *const logs[] = {"maintenance", "goodies", "trips", "gasoline"};
    out << "Made " << manifest.made.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) << " by Torqal "
        << manifest.programVersion << ".\n";
    out << manifest.rides.size() << (manifest.rides.size() == 1 ? " ride" : " rides")
        << (manifest.rides.isEmpty() ? QString() : QStringLiteral(": ") + manifest.rides.join(QStringLiteral(", "))) << "\n";
    out << "Entries:";
    for (std::size_t i = 0; i < manifest.entries.size(); ++i)
        out << (i == 0 ? " " : ", ") << manifest.entries[i] << " " << logs[i];
    out << "\n" << manifest.reminders << (manifest.reminders == 1 ? " reminder" : " reminders") << "; "
        << manifest.files.size() << " files\n";
}

int report(const BackupCheck &check, QTextStream &out, QTextStream &errors)
{
    if (check.verdict != BackupCheck::Verdict::Sound) {
        errors << "torqal-data: " << check.problem << "\n";
        return exitStatusOf(check.verdict);
    }
    describe(check.manifest, out);
    return 0;
}

int backupCommand(const QString &folder, const QString &target, QTextStream &out, QTextStream &errors)
{
    if (!isFolder(folder, errors))
        return 2;
    if (const FileStatus finished = FolderSwap::finishPending(folder); !finished) {
        errors << "torqal-data: " << finished.message() << "\n";
        return 2;
    }
    BackupManifest manifest;
    if (const FileStatus written = writeBackup(folder, target, &manifest); !written) {
        errors << "torqal-data: " << written.message() << "\n";
        return 2;
    }
    out << "Wrote " << target << ", " << QFileInfo(target).size() << " bytes.\n";
    describe(manifest, out);
    return 0;
}

int verifyCommand(const QString &archive, QTextStream &out, QTextStream &errors)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        errors << "torqal-data: cannot make a folder to check " << archive << " in: " << scratch.errorString() << "\n";
        return 2;
    }
    const int status = report(checkBackup(archive, scratch.path()), out, errors);
    if (status == 0)
        out << archive << " can be restored.\n";
    return status;
}

int restoreCommand(const QString &archive, const QString &folder, bool replace, QTextStream &out, QTextStream &errors)
{
    if (!replace) {
        const int status = report(Restore::intoEmptyFolder(archive, folder), out, errors);
        if (status == 0)
            out << "Restored into " << folder << ".\n";
        return status;
    }
    if (!isFolder(folder, errors))
        return 2;
    SingleInstance lock(folder);
    if (!lockFolder(lock, QStringLiteral("restore"), errors))
        return 2;
    QString keptIn;
    const int status = report(Restore::overFolder(archive, folder, [&] {
        return AutomaticBackups::make(folder, QStringLiteral("restore"), &keptIn);
    }), out, errors);
    if (status == 0)
        out << "Restored into " << folder << "; its files before are kept in " << keptIn << ".\n";
    return status;
}

const QString ExitStatus = QStringLiteral("Exit status: 0 done, 1 refused (a damaged archive or no backup at all, a folder not "
                                          "empty), 2 cannot read or write (with one line on standard error).");

CommandLine::Argument archiveArgument(const QString &description)
{
    return {QStringLiteral("FILE.zip"), description};
}

} // namespace

Verb backupVerb()
{
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data backup");
    usage.summary = QStringLiteral("Writes everything of a data folder into one backup file.");
    usage.description = QStringLiteral(
        "Writes one zip archive holding the five data files, a snapshot of the reminders database Torqal.db (taken "
        "through SQLite, so Torqal may be running), every file under Pictures/, and a manifest: the program's version, "
        "the date, the rides by name, the entries of each log, the reminders, and a SHA-256 checksum per file. The "
        "archive is written beside FILE.zip and renamed over it when complete, then read back and checked; a file "
        "already at FILE.zip stays as it was should that fail. To move Torqal to another computer, back up there, "
        "copy the file over, and restore it.\n\n") + ExitStatus;
    usage.arguments = {{QStringLiteral("FOLDER"), QStringLiteral("the folder of the data files")},
                       archiveArgument(QStringLiteral("the backup to write"))};
    usage.offersVersion = false;
    return {usage, [](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                const QStringList given = parser.positionalArguments();
                return backupCommand(given.value(0), given.value(1), out, errors);
            }};
}

Verb verifyVerb()
{
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data verify");
    usage.summary = QStringLiteral("Checks a backup file as a restore would, and says what it holds.");
    usage.description = QStringLiteral(
        "Checks that FILE.zip is a Torqal backup and whole: its manifest, the checksum of every file, that the data "
        "files hold whole records, and SQLite's integrity check of Torqal.db. Then lists its date, its rides by name, "
        "the entries of each log and the reminders. Changes nothing.\n\n") + ExitStatus;
    usage.arguments = {archiveArgument(QStringLiteral("the backup to check"))};
    usage.offersVersion = false;
    return {usage, [](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                return verifyCommand(parser.positionalArguments().value(0), out, errors);
            }};
}

Verb restoreVerb()
{
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("replace the files of FOLDER, a data folder no Torqal is running on (takes its lock); "
                                                    "its files are first kept as a backup in FOLDER/Backups/"));
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data restore");
    usage.summary = QStringLiteral("Restores a backup file into a data folder, all of it or nothing.");
    usage.description = QStringLiteral(
        "Checks FILE.zip as \"verify\" does and writes its files beside the folder's own; only when all are there "
        "and whole does it swap them in, by renames, all together. A damaged archive or another zip file is refused "
        "and nothing changes. Should the restore be cut short (a crash, a power cut), the next start of Torqal or the "
        "next command on the folder finishes it, or undoes it if the swap had not begun.\n\n") + ExitStatus;
    usage.options = {replace};
    usage.arguments = {archiveArgument(QStringLiteral("the backup to restore")),
                       {QStringLiteral("FOLDER"), QStringLiteral("the data folder to restore into: new or empty, unless --replace is given")}};
    usage.offersVersion = false;
    return {usage, [replace](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                const QStringList given = parser.positionalArguments();
                return restoreCommand(given.value(0), given.value(1), parser.isSet(replace), out, errors);
            }};
}
