#include "ImportCommand.h"

#include "HistoryCommand.h"
#include "RepairCommand.h"

#include "backup/AutomaticBackups.h"
#include "backup/FolderSwap.h"
#include "history/CsvExport.h"
#include "history/CsvFormatChoices.h"
#include "history/CsvPresets.h"
#include "history/ImportReading.h"
#include "history/ImportWrite.h"
#include "model/LogKindInfo.h"
#include "platform/Clock.h"
#include "store/ReminderStore.h"
#include "store/RideRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString entries(std::size_t count)
{
    return count == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(count);
}

// The whole file, or nothing with one line on `errors`: a file read only in
// part is not imported in part.
std::optional<QByteArray> wholeFile(const QString &path, QTextStream &errors)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError && file.atEnd())
            return bytes;
    }
    errors << "torqal-data: cannot read " << QDir::toNativeSeparators(path) << ": " << file.errorString() << '\n';
    return std::nullopt;
}

// The rows left out and the entries that look wrong, one line each.
void tellRows(const ImportReading::Outcome &outcome, QTextStream &out)
{
    for (const CsvImport::Problem &problem : outcome.entries.problems)
        out << "line " << problem.line << ": left out: " << problem.message << '\n';
    for (std::size_t entry = 0; entry < outcome.suspicions.size(); ++entry)
        if (!outcome.skipped(entry) && !outcome.suspicions[entry].isEmpty())
            out << "line " << outcome.entries.lines[entry] << ": looks wrong: " << outcome.suspicions[entry] << '\n';
}

QString summary(const ImportReading::Outcome &outcome, const QString &log, int ride, bool dryRun)
{
    QString text = QStringLiteral("%1 %2 to the '%3' log of ride %4")
                       .arg(dryRun ? QStringLiteral("Would add") : QStringLiteral("Added"), entries(outcome.storedCount()), log)
                       .arg(ride);
    text += QStringLiteral("; %1 left out").arg(outcome.entries.problems.size() == 1
                                                    ? QStringLiteral("1 row")
                                                    : QStringLiteral("%1 rows").arg(outcome.entries.problems.size()));
    text += QStringLiteral(", %1 already in the log").arg(outcome.duplicateCount());
    if (outcome.entries.otherRides > 0)
        text += QStringLiteral(", %1 of other rides not read").arg(outcome.entries.otherRides);
    text += QStringLiteral("; %1 that look wrong.").arg(entries(outcome.suspiciousCount()));
    return text;
}

} // namespace

int importCommand(const ImportRequest &request, QTextStream &out, QTextStream &errors)
{
    const std::optional<QByteArray> bytes = wholeFile(QFileInfo(request.file).absoluteFilePath(), errors);
    if (!bytes || !enterDataFolder(request.folder, errors))
        return 2;
    // The lock, the change cut short and the backup concern a command that
    // writes; a dry run only reads.
    SingleInstance lock(QDir::currentPath());
    if (!request.dryRun) {
        if (!lockFolder(lock, QStringLiteral("import"), errors))
            return 2;
        if (const FileStatus restored = FolderSwap::finishPending(QDir::currentPath()); !restored) {
            errors << "torqal-data: " << restored.message() << '\n';
            return 2;
        }
        if (!putBackCutShortChange(QDir::currentPath(), out, errors))
            return 2;
    }
    const StoreRead<RideRecord> ride = Store::readRide(request.ride);
    if (!ride.status) {
        errors << "torqal-data: ride " << request.ride << " cannot be read: " << ride.status.message() << '\n';
        return 2;
    }
    ReminderStore database(ReminderStore::FileName,
                                 request.dryRun ? ReminderStore::Access::ReadOnly : ReminderStore::Access::ReadWrite);
    if (!request.dryRun && !database.isOpen()) {
        errors << "torqal-data: " << database.status().message() << '\n';
        return 2;
    }
    const ImportReading::Ride target{ride.value.RideKey, QString::number(request.ride)};
    ImportReading::Choices choices;
    choices.kind = request.log;
    choices.preset = request.preset;
    const ImportReading::Outcome outcome =
        ImportReading::read(*bytes, choices, target, ImportReading::knownIn(database.isOpen() ? &database : nullptr, target.key),
                            Clock::now().date(), QLocale());
    for (const FileStatus &status : {outcome.rideStatus, outcome.logStatus}) {
        if (!status) {
            errors << "torqal-data: the ride's log cannot be read: " << status.message() << '\n';
            return 2;
        }
    }
    if (outcome.file.undecodable) {
        errors << "torqal-data: " << QDir::toNativeSeparators(request.file) << " cannot be read: line "
               << outcome.file.undecodable->line << ": " << outcome.file.undecodable->message << '\n';
        return 2;
    }
    out << "Read as " << csvEncodingName(outcome.file.encoding) << ", " << csvDelimiterName(outcome.file.delimiter).toLower()
        << " between the cells, under the preset " << outcome.preset.preset->name;
    if (const QString reading = CsvImport::formatSummary(outcome.preset.rows, outcome.plan); !reading.isEmpty())
        out << "; " << reading;
    if (!outcome.conversions.isEmpty())
        out << "; converted: " << outcome.conversions;
    out << ".\n";
    for (const QString &note : outcome.notes)
        out << note << ".\n";
    tellRows(outcome, out);
    const QString logName = logKindInfo(request.log).tabCaption;
    if (!request.dryRun && outcome.storedCount() > 0) {
        QString keptIn;
        if (const FileStatus kept = AutomaticBackups::make(QDir::currentPath(), QStringLiteral("import"), &keptIn); !kept) {
            errors << "torqal-data: no backup could be made before the import, so nothing was imported: " << kept.message()
                   << '\n';
            return 2;
        }
        out << "The files as they were are kept in " << QDir::toNativeSeparators(keptIn) << ".\n";
        const StoreResult written = writeImport(&database, request.log, outcome.toStore());
        if (!written.done()) {
            errors << "torqal-data: nothing was imported: " << written.status.message() << '\n';
            return 2;
        }
        if (written.outcome == StoreOutcome::WrittenWithWarning)
            errors << "torqal-data: " << written.status.message() << '\n';
    }
    out << summary(outcome, logName, request.ride, request.dryRun) << '\n';
    return outcome.storedCount() == 0 || !outcome.entries.problems.empty() ? 1 : 0;
}

Verb importVerb()
{
    const QCommandLineOption ride(QStringLiteral("ride"), QStringLiteral("Import into ride number N of Torqal.Dat (1 for its first ride)."),
                                  QStringLiteral("N"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("The log to import into: maintenance, goodies, trips or gasoline."),
                                 QStringLiteral("LOG"));
    QStringList presets;
    for (const CsvPreset &known : CsvPresets::all())
        presets << known.name;
    const QCommandLineOption preset(QStringLiteral("preset"),
                                    QStringLiteral("The tracker whose export FILE is: %1 (Generic reads the columns by "
                                                   "their header names). Without it, the one its header shows.")
                                        .arg(presets.join(QStringLiteral(", "))),
                                    QStringLiteral("NAME"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QStringLiteral("Show what would be imported; write nothing."));
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data import");
    usage.summary = QStringLiteral("Imports the rows of a CSV file as new entries of one log of a ride.");
    usage.description = QStringLiteral(
        "Reads FILE as the import window of the history does: its encoding (UTF-8, UTF-16, Windows-1252) and its "
        "delimiter (comma, semicolon, tab) from the file; the tracker whose export it is from its header (or "
        "--preset), which gives its columns, units and flags, converted into the ride's units; each date and number "
        "column in the way its values show (day or month first, decimal point or comma). A cell that is not wholly a "
        "value leaves its row out, with the reason; rows already in the log (same day, amounts and description) are "
        "skipped, so that the same file imported twice adds nothing. Entries whose values look wrong (an economy "
        "beyond 3 to 150 miles per gallon, a distance more than ten times the median, a date after today) are named "
        "and imported. --ride and --log are required.\n\n"
        "The entries are added as one command, all or none, after a backup of the folder in its Backups/; the "
        "history window's \"Undo the last import\" takes them back. Torqal must not be running on the folder; "
        "\"import\" refuses while it is. With --dry-run nothing is written and the folder is not locked.\n\n"
        "Exit status: 0 when every row was imported (or is in the log already), 1 when rows were left out or "
        "nothing was imported, 2 when the file, the folder or the ride cannot be read or the entries cannot be "
        "written.");
    usage.options = {ride, log, preset, dryRun};
    usage.arguments = {{QStringLiteral("FOLDER"), QStringLiteral("the folder of the data files")},
                       {QStringLiteral("FILE"), QStringLiteral("the CSV file to import")}};
    usage.offersVersion = false;
    return {usage, [=](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                const QStringList given = parser.positionalArguments();
                ImportRequest request{given[0], 0, LogKind::Maintenance, given[1], parser.isSet(dryRun)};
                const std::optional<int> number = parser.isSet(ride) ? rideNumberOf(parser.value(ride), errors) : std::nullopt;
                if (!parser.isSet(ride))
                    errors << "torqal-data: import needs --ride N\n";
                if (!number)
                    return 2;
                request.ride = *number;
                const QString logName = parser.value(log).toLower();
                const auto kind = std::find_if(AllLogKinds.begin(), AllLogKinds.end(), [&](LogKind k) {
                    return csvFileName(k) == logName + QStringLiteral(".csv");
                });
                if (kind == AllLogKinds.end()) {
                    errors << "torqal-data: --log is one of maintenance, goodies, trips, gasoline, not '" << parser.value(log)
                           << "'\n";
                    return 2;
                }
                request.log = *kind;
                if (parser.isSet(preset)) {
                    request.preset = CsvPresets::named(parser.value(preset));
                    if (!request.preset) {
                        QStringList names;
                        for (const CsvPreset &known : CsvPresets::all())
                            names << known.name;
                        errors << "torqal-data: --preset is one of " << names.join(QStringLiteral(", ")) << ", not '"
                               << parser.value(preset) << "'\n";
                        return 2;
                    }
                }
                return importCommand(request, out, errors);
            }};
}
