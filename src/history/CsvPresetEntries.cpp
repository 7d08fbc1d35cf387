#include "history/CsvPresetEntries.h"

#include "model/ImportDuplicates.h"
#include "store/LogEntry.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

namespace CsvPresets {

namespace {

enum Field { TextField = 1, AmountField = 2 };

QString fuelWords(FuelUnit unit)
{
    switch (unit) {
    case FuelUnit::Litres:
        return QStringLiteral("litres");
    case FuelUnit::ImperialGallons:
        return QStringLiteral("imperial gallons");
    case FuelUnit::UsGallons:
        break;
    }
    return QStringLiteral("US gallons");
}

QString distanceWords(DistanceUnit unit)
{
    return unit == DistanceUnit::Kilometres ? QStringLiteral("km") : QStringLiteral("miles");
}

// The factors from the file's units to the ride's.
struct Factors
{
    double distance = 1;
    double fuel = 1;
};

Factors factorsOf(const Reading &reading, const RideExtras &ride)
{
    Factors factors;
    if (reading.distanceUnit)
        factors.distance = kilometresIn(*reading.distanceUnit) / kilometresIn(ride.distance);
    if (reading.fuelUnit)
        factors.fuel = litresIn(*reading.fuelUnit) / litresIn(ride.fuel);
    return factors;
}

// A fill-up's place in the chain of odometer readings: an entry of the file,
// or (entry -1) a reading the log already holds.
struct Link
{
    int dateSort = -1;
    qint64 odometer = 0;
    int entry = -1;
};

class Finisher
{
public:
    Finisher(const Reading &reading, CsvImport::Entries &entries, const RideExtras &ride)
        : m_reading(reading)
        , m_plan(reading.plan)
        , m_entries(entries)
        , m_factors(factorsOf(reading, ride))
        , m_dropped(entries.count(), false)
    {
        for (std::size_t i = 0; i < reading.rows.size(); ++i)
            m_rowOfLine.insert(reading.rows[i].line, int(i));
        if (reading.unitPrice != NoColumn)
            m_priceMark = CsvValues::numberEvidence(CsvImport::columnCells(reading.rows, m_plan, reading.unitPrice), true)
                              .needed()
                              .value_or(m_plan.fieldMarks[TextField]);
    }

    void finishEach()
    {
        for (std::size_t i = 0; i < m_entries.count(); ++i) {
            if (std::optional<QString> problem = finishEntry(i))
                leaveOut(i, *problem);
        }
    }

    QStringList chain(const std::vector<OdometerReading> &logReadings);

    void dropLeftOut()
    {
        m_entries.expenses = ImportDuplicates::unflagged(m_entries.expenses, m_dropped);
        m_entries.trips = ImportDuplicates::unflagged(m_entries.trips, m_dropped);
        m_entries.gas = ImportDuplicates::unflagged(m_entries.gas, m_dropped);
        m_entries.extras = ImportDuplicates::unflagged(m_entries.extras, m_dropped);
        m_entries.lines = ImportDuplicates::unflagged(m_entries.lines, m_dropped);
        std::stable_sort(m_entries.problems.begin(), m_entries.problems.end(),
                         [](const CsvImport::Problem &a, const CsvImport::Problem &b) { return a.line < b.line; });
    }

private:
    const CsvRecord &rowOf(std::size_t entry) const { return m_reading.rows[std::size_t(m_rowOfLine.value(m_entries.lines[entry]))]; }
    QString cell(std::size_t entry, int column) const { return column == NoColumn ? QString() : rowOf(entry).cells.value(column); }

    // The entry's extras, made for every entry when the first is needed.
    EntryExtras &extrasOf(std::size_t entry)
    {
        if (m_entries.extras.empty())
            m_entries.extras.resize(m_entries.count());
        return m_entries.extras[entry];
    }

    void leaveOut(std::size_t entry, const QString &problem)
    {
        m_dropped[entry] = true;
        m_entries.problems.push_back({m_entries.lines[entry], problem});
    }

    // The number of the entry's cell exactly as written: the cell has passed
    // CsvImport's reading in this mark already.
    double exactly(std::size_t entry, int column, CsvValues::DecimalMark mark) const
    {
        return CsvValues::readNumber(cell(entry, column), mark).value.value_or(0.0);
    }

    std::optional<QString> distanceInRideUnits(std::size_t entry, qint32 &miles) const
    {
        if (m_factors.distance == 1 || m_reading.fromReadings)
            return std::nullopt;
        const double converted = std::round(exactly(entry, m_plan.columns[AmountField], m_plan.fieldMarks[AmountField]) * m_factors.distance);
        if (std::abs(converted) > double(std::numeric_limits<qint32>::max()))
            return QStringLiteral("the distance \"%1\" is too large to store").arg(cell(entry, m_plan.columns[AmountField]));
        miles = qint32(converted);
        return std::nullopt;
    }

    void odometerInRideUnits(std::size_t entry)
    {
        if (m_entries.extras.empty() || !m_entries.extras[entry].odometer || m_factors.distance == 1)
            return;
        std::optional<qint64> &odometer = m_entries.extras[entry].odometer;
        odometer = qint64(std::llround(double(*odometer) * m_factors.distance));
    }

    std::optional<QString> finishEntry(std::size_t entry)
    {
        odometerInRideUnits(entry);
        switch (m_plan.kind) {
        case LogKind::Trips:
            return distanceInRideUnits(entry, m_entries.trips[entry].Miles);
        case LogKind::Gas:
            break;
        case LogKind::Maintenance:
        case LogKind::Goodies:
            return std::nullopt;
        }
        GasRecord &fillUp = m_entries.gas[entry];
        if (auto problem = distanceInRideUnits(entry, fillUp.Miles))
            return problem;
        const double fuel = exactly(entry, m_plan.columns[TextField], m_plan.fieldMarks[TextField]);
        if (m_factors.fuel != 1)
            fillUp.Gallons = float(fuel * m_factors.fuel);
        if (auto problem = readFlags(entry))
            return problem;
        return costFromPrice(entry, fuel);
    }

    std::optional<QString> readFlags(std::size_t entry)
    {
        const auto tick = [&](int column, bool &flag, bool ticked) -> std::optional<QString> {
            if (column == NoColumn)
                return std::nullopt;
            const std::optional<bool> read = CsvImport::readTick(cell(entry, column));
            if (!read)
                return QStringLiteral("\"%1\" is neither yes nor no").arg(cell(entry, column));
            if (*read == ticked)
                flag = true;
            return std::nullopt;
        };
        bool partial = false;
        bool missed = false;
        if (auto problem = tick(m_reading.full, partial, false))
            return problem;
        if (auto problem = tick(m_reading.partial, partial, true))
            return problem;
        if (auto problem = tick(m_reading.missed, missed, true))
            return problem;
        if (m_reading.fuelingType != NoColumn) {
            // 1 a full tank; 2 a partial one; 3 the first fueling and 0 one
            // not counted, both after fuel the log does not know of.
            const QString type = cell(entry, m_reading.fuelingType).trimmed();
            if (type == u"2")
                partial = true;
            else if (type == u"0" || type == u"3")
                missed = true;
            else if (type != u"1")
                return QStringLiteral("\"%1\" is no type of fueling (1 full, 2 partial, 3 first, 0 not counted)").arg(type);
        }
        if (partial || missed) {
            EntryExtras &extras = extrasOf(entry);
            extras.partial = extras.partial || partial;
            extras.missed = extras.missed || missed;
        }
        return std::nullopt;
    }

    std::optional<QString> costFromPrice(std::size_t entry, double fuel)
    {
        if (m_reading.unitPrice == NoColumn || (!m_entries.extras.empty() && m_entries.extras[entry].cost))
            return std::nullopt;
        const QString price = cell(entry, m_reading.unitPrice);
        if (price.trimmed().isEmpty())
            return std::nullopt;
        const CsvValues::Reading<qint64> perUnit = CsvValues::readMoney(price, m_priceMark);
        if (!perUnit.value)
            return perUnit.problem;
        if (*perUnit.value < 0)
            return QStringLiteral("the price \"%1\" is below 0").arg(price);
        const double cost = std::round(double(*perUnit.value) * fuel);
        if (!(cost < 9e17))
            return QStringLiteral("the price \"%1\" makes a cost too large to store").arg(price);
        extrasOf(entry).cost = qint64(cost);
        return std::nullopt;
    }

    const Reading &m_reading;
    const CsvImport::Plan &m_plan;
    CsvImport::Entries &m_entries;
    Factors m_factors;
    std::vector<bool> m_dropped;
    QHash<int, int> m_rowOfLine;
    CsvValues::DecimalMark m_priceMark = CsvValues::DecimalMark::Point;
};

QStringList Finisher::chain(const std::vector<OdometerReading> &logReadings)
{
    QStringList notes;
    if (!m_reading.fromReadings || m_plan.kind != LogKind::Gas)
        return notes;
    std::vector<Link> links;
    for (const OdometerReading &reading : logReadings)
        links.push_back({reading.dateSort, reading.odometer, -1});
    for (std::size_t i = 0; i < m_entries.gas.size(); ++i) {
        if (!m_dropped[i] && !m_entries.extras.empty() && m_entries.extras[i].odometer)
            links.push_back({logEntry(m_entries.gas[i], 0).dateSort, *m_entries.extras[i].odometer, int(i)});
    }
    // Of one day and one reading, the file's fill-up comes before the log's:
    // a file imported again drives the distances it drove the first time.
    std::stable_sort(links.begin(), links.end(), [](const Link &a, const Link &b) {
        return std::tuple(a.dateSort, a.odometer, a.entry < 0) < std::tuple(b.dateSort, b.odometer, b.entry < 0);
    });
    std::optional<Link> before;
    for (const Link &link : links) {
        if (link.entry < 0) {
            before = link;
            continue;
        }
        const std::size_t entry = std::size_t(link.entry);
        qint64 distance = 0;
        if (!before) {
            notes << QStringLiteral("Line %1: its odometer reading, %2, is the first, so its distance is 0")
                         .arg(m_entries.lines[entry])
                         .arg(link.odometer);
        } else if (link.odometer < before->odometer) {
            leaveOut(entry, before->entry < 0 ? QStringLiteral("the odometer reading %1 is below %2, the log's reading of an earlier fill-up")
                                                    .arg(link.odometer)
                                                    .arg(before->odometer)
                                              : QStringLiteral("the odometer reading %1 is below %2, that of the fill-up on line %3")
                                                    .arg(link.odometer)
                                                    .arg(before->odometer)
                                                    .arg(m_entries.lines[std::size_t(before->entry)]));
            continue;
        } else {
            distance = link.odometer - before->odometer;
        }
        if (distance > std::numeric_limits<qint32>::max()) {
            leaveOut(entry, QStringLiteral("the distance since the reading before, %1, is too large to store").arg(distance));
            continue;
        }
        m_entries.gas[entry].Miles = qint32(distance);
        before = link;
    }
    return notes;
}

} // namespace

QString conversions(const Reading &reading, const RideExtras &ride)
{
    QStringList said;
    const LogKind kind = reading.plan.kind;
    if (kind == LogKind::Gas && reading.fuelUnit && *reading.fuelUnit != ride.fuel)
        said << fuelWords(*reading.fuelUnit) + QStringLiteral(" → ") + fuelWords(ride.fuel);
    if (reading.distanceUnit && *reading.distanceUnit != ride.distance)
        said << distanceWords(*reading.distanceUnit) + QStringLiteral(" → ") + distanceWords(ride.distance);
    if (reading.fromReadings)
        said << QStringLiteral("distances from the odometer readings");
    if (kind == LogKind::Gas && reading.unitPrice != NoColumn && reading.plan.extraColumns[1] == NoColumn)
        said << QStringLiteral("cost from the price per unit");
    const bool counts = kind == LogKind::Gas || kind == LogKind::Trips || reading.plan.extraColumns[0] != NoColumn;
    if (reading.preset && !reading.preset->generic() && counts && !reading.distanceUnit)
        said << QStringLiteral("numbers in the ride's units (the file does not name its units)");
    return said.join(QStringLiteral(", "));
}

QStringList finish(const Reading &reading, CsvImport::Entries &entries, const RideExtras &ride,
                   const std::vector<OdometerReading> &logReadings)
{
    Finisher finisher(reading, entries, ride);
    finisher.finishEach();
    const QStringList notes = finisher.chain(logReadings);
    finisher.dropLeftOut();
    return notes;
}

} // namespace CsvPresets
