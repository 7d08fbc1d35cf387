#include "ExportCommand.h"

#include "HistoryCommand.h"

#include "history/CsvExport.h"
#include "store/ReminderStore.h"

#include <QDir>
#include <QFileInfo>

int exportCommand(const QString &folder, const QString &outFolder, int ride, QTextStream &out, QTextStream &errors)
{
    const QString target = QFileInfo(outFolder).absoluteFilePath();
    if (!enterDataFolder(folder, errors))
        return 2;
    // The entries' extras from Torqal.db, read only (see historyCommand).
    const ReminderStore database(ReminderStore::FileName, ReminderStore::Access::ReadOnly);
    const ReminderStore *extras = database.isOpen() ? &database : nullptr;
    if (const FileStatus written = exportCsvFiles(target, ride == 0 ? std::nullopt : std::optional<int>(ride), extras);
        !written) {
        errors << "torqal-data: " << written.message() << '\n';
        return 2;
    }
    for (const QString &name : {QStringLiteral("ride.csv"), csvFileName(LogKind::Maintenance), csvFileName(LogKind::Goodies),
                                csvFileName(LogKind::Trips), csvFileName(LogKind::Gas)})
        out << QDir::toNativeSeparators(QDir(target).filePath(name)) << '\n';
    return 0;
}

Verb exportVerb()
{
    const QCommandLineOption ride(QStringLiteral("ride"),
                                  QStringLiteral("Export ride number N of Torqal.Dat alone (1 for its first ride), "
                                                 "without the Ride and Ride Name columns."),
                                  QStringLiteral("N"));
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data export");
    usage.summary = QStringLiteral("Writes the rides and their four logs as CSV files.");
    usage.description = QStringLiteral(
        "Writes ride.csv (every field of a ride) and maintenance.csv, goodies.csv, trips.csv and gasoline.csv "
        "into OUTDIR, made when missing, as the history window's \"Export as CSV...\" does: UTF-8, a header row of "
        "plain names, dates as yyyy-mm-dd and amounts with a decimal point. Without --ride every ride is written, "
        "each row starting with a Ride column numbering the rides as Torqal.Dat holds them and a Ride Name column "
        "with the name the rides menu lists the ride by. Files of those names in OUTDIR are "
        "replaced; the data files are only read.\n\n"
        "Exit status: 0 when the files are written, 2 when the folder or the ride cannot be read or a file cannot "
        "be written.");
    usage.options = {ride};
    usage.arguments = {{QStringLiteral("FOLDER"), QStringLiteral("the folder of the data files")},
                       {QStringLiteral("OUTDIR"), QStringLiteral("the folder to write the CSV files into")}};
    usage.offersVersion = false;
    return {usage, [ride](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                const QStringList given = parser.positionalArguments();
                std::optional<int> number = 0;
                if (parser.isSet(ride))
                    number = rideNumberOf(parser.value(ride), errors);
                return number ? exportCommand(given[0], given[1], *number, out, errors) : 2;
            }};
}
