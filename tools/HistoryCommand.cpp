#include "HistoryCommand.h"

#include "data/DataFileTable.h"
#include "history/HistoryPdf.h"
#include "model/ShownRideOf.h"
#include "platform/ValueFormats.h"
#include "store/ProgramSettings.h"
#include "store/ReminderStore.h"

#include <QDir>
#include <QFileInfo>

std::optional<int> rideNumberOf(const QString &text, QTextStream &errors)
{
    bool number = false;
    const int ride = text.toInt(&number);
    if (number && ride >= 1 && ride <= MaxRecords)
        return ride;
    errors << "torqal-data: a ride is given by its number in Torqal.Dat (1, 2, ...), not '" << text << "'\n";
    return std::nullopt;
}

bool enterDataFolder(const QString &folder, QTextStream &errors)
{
    if (!isFolder(folder, errors))
        return false;
    if (QDir::setCurrent(folder))
        return true;
    errors << "torqal-data: " << folder << " cannot be entered\n";
    return false;
}

int historyCommand(const QString &folder, int ride, const QString &pdfPath, QTextStream &out, QTextStream &errors)
{
    // The data files are named relative to the data folder: the PDF's path is
    // made absolute before the command moves there.
    const QString pdf = QFileInfo(pdfPath).absoluteFilePath();
    // The PDF goes into a folder the user has: a mistyped folder is named,
    // not made.
    if (!isFolder(QFileInfo(pdf).absolutePath(), errors) || !enterDataFolder(folder, errors))
        return 2;
    // The entries' extras from Torqal.db, read only; without one, or with one
    // that cannot be read, the history has none.
    const ReminderStore database(ReminderStore::FileName, ReminderStore::Access::ReadOnly);
    const StoreRead<RideHistory> history = Store::readRideHistory(ride, database.isOpen() ? &database : nullptr);
    if (!history.status) {
        errors << "torqal-data: " << history.status.message() << '\n';
        return 2;
    }
    // Its amounts in the user's currency, as the window writes them.
    ValueFormats::setCurrency(Store::currencyOf(database));
    if (const QString failure = WriteHistoryPdf(pdf, ShownRideOf(history.value.ride), history.value); !failure.isEmpty()) {
        errors << "torqal-data: " << failure << '\n';
        return 2;
    }
    out << "History of ride " << ride << " written to " << QDir::toNativeSeparators(pdf) << '\n';
    return 0;
}

Verb historyVerb()
{
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data history");
    usage.summary = QStringLiteral("Writes the full history of one ride as a PDF file.");
    usage.description = QStringLiteral(
        "The same PDF as the history window's \"Save history as PDF...\": a title page with the ride's picture "
        "and summary, every ride field that is filled in, the notes, the four logs with their totals, and the "
        "charts, with page numbers. It needs no display and no printer. The data files are only read.\n\n"
        "Exit status: 0 when the PDF is written, 2 when the folder or the ride cannot be read or the PDF cannot "
        "be written.");
    usage.arguments = {{QStringLiteral("FOLDER"), QStringLiteral("the folder of the data files")},
                       {QStringLiteral("RIDE"), QStringLiteral("the ride's number in Torqal.Dat: 1 for its first ride")},
                       {QStringLiteral("FILE.pdf"),
                        QStringLiteral("the PDF file to write (replaced when it exists), in a folder that exists")}};
    usage.offersVersion = false;
    return {usage, [](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                const QStringList given = parser.positionalArguments();
                const std::optional<int> ride = rideNumberOf(given[1], errors);
                return ride ? historyCommand(given[0], *ride, given[2], out, errors) : 2;
            }};
}
