#include "history/CsvExport.h"

#include "data/DateValue.h"
#include "history/Csv.h"
#include "model/FuelEconomy.h"
#include "model/Units.h"
#include "platform/ValueFormats.h"
#include "store/RideLabels.h"

#include <QDir>
#include <QSaveFile>

#include <charconv>
#include <cmath>
#include <memory>

using ValueFormats::trimBlanks;

namespace {

// The header names of the ride's fields, in the order RideRecord lists them
// after its key.
const QStringList &rideHeader()
{
    static const QStringList names = {
        QStringLiteral("Year"), QStringLiteral("Make"), QStringLiteral("Model"), QStringLiteral("Style"),
        QStringLiteral("Color"), QStringLiteral("License State Type"), QStringLiteral("Name"),
        QStringLiteral("Purchase Date"), QStringLiteral("Purchased From"), QStringLiteral("Purchase Address"),
        QStringLiteral("Purchase City State Zip"), QStringLiteral("Purchase Phone"), QStringLiteral("Price Paid"),
        QStringLiteral("Selling Date"), QStringLiteral("Sold To"), QStringLiteral("Sold To Address"),
        QStringLiteral("Sold To City State Zip"), QStringLiteral("Sold To Phone"), QStringLiteral("Price Sold"),
        QStringLiteral("Insurance Company"), QStringLiteral("Insurance Policy"), QStringLiteral("Title Number"),
        QStringLiteral("VIN"), QStringLiteral("Engine Serial"), QStringLiteral("Paint Code"),
        QStringLiteral("Key Code"), QStringLiteral("Picture"), QStringLiteral("Notes")};
    return names;
}

// Adds the ride's fields to a row in the record's own order.
class RideCells
{
public:
    explicit RideCells(CsvRow &row) : m_row(row) {}
    void key(const char *, double) {}
    void date(const char *, double value) { m_row.add(csvDate(value)); }
    void money(const char *, qint64 value) { m_row.add(value == 0 ? QString() : csvMoney(value)); }
    void text(const char *, const QString &value, int) { m_row.addText(trimBlanks(value)); }

private:
    CsvRow &m_row;
};

CsvRow headerRow(const QStringList &names, bool withRideColumn)
{
    CsvRow row;
    if (withRideColumn) {
        row.add(QStringLiteral("Ride"));
        row.add(QStringLiteral("Ride Name"));
    }
    for (const QString &name : names)
        row.add(name);
    return row;
}

CsvRow entryRow(const RideHistory &ride, bool withRideColumn)
{
    CsvRow row;
    if (withRideColumn) {
        row.add(QString::number(ride.rideNumber));
        row.addText(trimBlanks(RideLabels::MenuLabel(ride.ride)));
    }
    return row;
}

QString optionalNumber(const std::optional<qint64> &value)
{
    return value ? QString::number(*value) : QString();
}

QString yesWhen(bool set)
{
    return set ? QStringLiteral("yes") : QString();
}

// One entry's cells. `figure` is a fill-up's miles per gallon.
void addCells(CsvRow &row, const ExpenseRecord &entry, LogKind kind, const EntryExtras &extras, std::optional<double>)
{
    row.add(csvDate(entry.EntryDate));
    row.addText(trimBlanks(entry.Description));
    row.add(entry.Cost == 0 ? QString() : csvMoney(entry.Cost));
    row.addText(trimBlanks(entry.Notes));
    if (kind == LogKind::Maintenance)
        row.add(optionalNumber(extras.odometer));
}

void addCells(CsvRow &row, const TripRecord &entry, LogKind, const EntryExtras &extras, std::optional<double>)
{
    row.add(csvDate(entry.EntryDate));
    row.addText(trimBlanks(entry.Description));
    row.add(entry.Miles == 0 ? QString() : QString::number(entry.Miles));
    row.addText(trimBlanks(entry.Notes));
    row.add(optionalNumber(extras.odometer));
}

void addCells(CsvRow &row, const GasRecord &entry, LogKind, const EntryExtras &extras, std::optional<double> figure)
{
    row.add(csvDate(entry.EntryDate));
    row.add(csvNumber(entry.Gallons));
    row.add(QString::number(entry.Miles));
    row.add(figure ? QString::number(*figure, 'f', 1) : QString());
    row.addText(trimBlanks(entry.Notes));
    row.add(optionalNumber(extras.odometer));
    row.add(extras.cost ? csvMoney(*extras.cost) : QString());
    row.add(yesWhen(extras.partial));
    row.add(yesWhen(extras.missed));
}

std::vector<std::optional<double>> figuresOf(const RideHistory &ride)
{
    return FuelEconomy::of(ride.gas.size(), [&](std::size_t i) {
        const EntryExtras own = ride.extrasOf(LogKind::Gas, i);
        return FuelEconomy::FillUp{double(ride.gas[i].Miles), double(ride.gas[i].Gallons), own.partial, own.missed};
    }).perFillUp;
}

template<class Record>
CsvFile logFile(LogKind kind, const std::vector<RideHistory> &rides, std::vector<Record> RideHistory::*log,
                bool withRideColumn)
{
    // The header names the rides' units; rides of different units name
    // theirs in a column of its own.
    const bool mixed = std::any_of(rides.begin(), rides.end(), [&](const RideHistory &ride) { return ride.units != rides.front().units; });
    const bool counted = kind == LogKind::Trips || kind == LogKind::Gas;
    QStringList header = csvLogHeader(kind, mixed || rides.empty() ? RideExtras() : rides.front().units);
    if (mixed && counted)
        header << QStringLiteral("Units");
    CsvFile file{csvFileName(kind), headerRow(header, withRideColumn).line()};
    for (const RideHistory &ride : rides) {
        const std::vector<Record> &entries = ride.*log;
        const std::vector<std::optional<double>> figures =
            kind == LogKind::Gas ? figuresOf(ride) : std::vector<std::optional<double>>(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            CsvRow row = entryRow(ride, withRideColumn);
            addCells(row, entries[i], kind, ride.extrasOf(kind, i), Units::shownEconomy(figures[i], ride.units));
            if (mixed && counted)
                row.add(Units::distanceName(ride.units.distance) + QStringLiteral(", ") + Units::fuelName(ride.units.fuel)
                        + QStringLiteral(", ") + Units::economyName(ride.units.economy));
            file.text += row.line();
        }
    }
    return file;
}

} // namespace

QString csvFileName(LogKind kind)
{
    switch (kind) {
    case LogKind::Maintenance:
        return QStringLiteral("maintenance.csv");
    case LogKind::Goodies:
        return QStringLiteral("goodies.csv");
    case LogKind::Trips:
        return QStringLiteral("trips.csv");
    case LogKind::Gas:
        break;
    }
    return QStringLiteral("gasoline.csv");
}

QStringList csvLogHeader(LogKind kind, const RideExtras &units)
{
    const QString distance = Units::distanceName(units.distance);
    switch (kind) {
    case LogKind::Maintenance:
        return {QStringLiteral("Date"), QStringLiteral("Description"), QStringLiteral("Cost"), QStringLiteral("Notes"),
                QStringLiteral("Odometer")};
    case LogKind::Goodies:
        return {QStringLiteral("Date"), QStringLiteral("Description"), QStringLiteral("Cost"), QStringLiteral("Notes")};
    case LogKind::Trips:
        return {QStringLiteral("Date"), QStringLiteral("Description"), distance, QStringLiteral("Notes"),
                QStringLiteral("Odometer")};
    case LogKind::Gas:
        break;
    }
    return {QStringLiteral("Date"), Units::fuelName(units.fuel), distance, Units::economyName(units.economy),
            QStringLiteral("Notes"), QStringLiteral("Odometer"), QStringLiteral("Cost"), QStringLiteral("Partial"),
            QStringLiteral("Missed")};
}

std::vector<CsvFile> csvExport(const std::vector<RideHistory> &rides, bool withRideColumn)
{
    CsvFile rideFile{QStringLiteral("ride.csv"), headerRow(rideHeader(), withRideColumn).line()};
    for (const RideHistory &ride : rides) {
        CsvRow row = entryRow(ride, withRideColumn);
        RideCells cells(row);
        RideRecord::visitFields(ride.ride, cells);
        rideFile.text += row.line();
    }
    return {rideFile, logFile(LogKind::Maintenance, rides, &RideHistory::maintenance, withRideColumn),
            logFile(LogKind::Goodies, rides, &RideHistory::goodies, withRideColumn),
            logFile(LogKind::Trips, rides, &RideHistory::trips, withRideColumn),
            logFile(LogKind::Gas, rides, &RideHistory::gas, withRideColumn)};
}

FileStatus writeCsvFiles(const QString &folder, const std::vector<CsvFile> &files)
{
    if (!QDir().mkpath(folder))
        return FileStatus::failure(folder, QStringLiteral("The folder \"%1\" could not be created.")
                                               .arg(QDir::toNativeSeparators(folder)));
    const auto failure = [](const QSaveFile &out) {
        const QString path = out.fileName();
        return FileStatus::failure(path, QStringLiteral("Could not write %1: %2")
                                             .arg(QDir::toNativeSeparators(path), out.errorString()));
    };
    // Every file is written out in full beside its place before the first of
    // them takes its place: a file that cannot be written leaves every file
    // of the folder as it was.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const CsvFile &file : files) {
        QSaveFile &out = *written.emplace_back(std::make_unique<QSaveFile>(QDir(folder).filePath(file.name)));
        const QByteArray bytes = file.text.toUtf8();
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
            return failure(out);
    }
    for (const std::unique_ptr<QSaveFile> &out : written) {
        if (!out->commit())
            return failure(*out);
    }
    return {};
}

QString csvMoney(qint64 amount)
{
    const quint64 magnitude = amount < 0 ? 0 - static_cast<quint64>(amount) : static_cast<quint64>(amount);
    QString decimals = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (decimals.size() > 2 && decimals.endsWith(u'0'))
        decimals.chop(1);
    return QStringLiteral("%1%2.%3").arg(amount < 0 ? QStringLiteral("-") : QString()).arg(magnitude / 10000).arg(decimals);
}

QString csvNumber(float value)
{
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, result.ptr - text);
}

QString csvDate(double dateValue)
{
    if (!(dateValue > 0))
        return {};
    const QDateTime moment = DateValue::toDateTime(dateValue).addMSecs(500);
    if (!moment.isValid())
        return {};
    const QTime time = moment.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return moment.toString(QStringLiteral("yyyy-MM-dd"));
    return moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}
