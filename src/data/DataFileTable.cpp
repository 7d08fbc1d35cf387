#include "data/DataFileTable.h"

#include "data/Records.h"

#include <cmath>
#include <cstring>

namespace {

// Date values between 1 January 100 and 31 December 9999.
constexpr double LowestDate = -657434.0;
constexpr double HighestDate = 2958466.0;

// Reads the fields of a record's bytes and notes whether any is implausible.
class PlausibilityCheck
{
public:
    explicit PlausibilityCheck(const char *record) : m_at(record) {}

    // A key is the moment a ride was first saved, so never before 1900.
    void key(const char *, double) { check(isDate(FieldCodec::loadDouble(advance(8)), 1.0)); }
    void date(const char *, double) { check(isDate(FieldCodec::loadDouble(advance(8)), LowestDate)); }
    void money(const char *, qint64) { advance(8); }
    void single(const char *, float) { check(std::isfinite(FieldCodec::loadFloat(advance(4)))); }
    void long32(const char *, qint32) { advance(4); }
    void text(const char *name, const QString &, int width)
    {
        const char *field = advance(width);
        if (std::strcmp(name, "Notes") == 0)
            return; // free text: anything goes
        for (int i = 0; i < width; ++i)
            check(static_cast<unsigned char>(field[i]) >= 0x20);
    }

    bool plausible() const { return m_plausible; }

private:
    static bool isDate(double value, double lowest) { return value == 0.0 || (value >= lowest && value < HighestDate); }
    void check(bool condition) { m_plausible = m_plausible && condition; }
    const char *advance(int width)
    {
        const char *field = m_at;
        m_at += width;
        return field;
    }

    const char *m_at;
    bool m_plausible = true;
};

template<DataRecord Record>
bool looksLike(const char *bytes)
{
    const Record none;
    PlausibilityCheck check(bytes);
    Record::visitFields(none, check);
    return check.plausible();
}

} // namespace

const std::array<DataFileInfo, 5> &DataFileTable()
{
    static const std::array<DataFileInfo, 5> table = {{
        {DataFileKind::Rides, QStringLiteral("Torqal.Dat"), RideRecord::Length, true, &looksLike<RideRecord>},
        {DataFileKind::Maintenance, QStringLiteral("Maint.Dat"), ExpenseRecord::Length, false, &looksLike<ExpenseRecord>},
        {DataFileKind::Goodies, QStringLiteral("Goody.Dat"), ExpenseRecord::Length, false, &looksLike<ExpenseRecord>},
        {DataFileKind::Trips, QStringLiteral("Trip.Dat"), TripRecord::Length, false, &looksLike<TripRecord>},
        {DataFileKind::Gas, QStringLiteral("Gas.Dat"), GasRecord::Length, false, &looksLike<GasRecord>},
    }};
    return table;
}

const DataFileInfo &dataFileInfo(DataFileKind kind)
{
    return DataFileTable()[static_cast<std::size_t>(kind)];
}

const DataFileInfo *findDataFile(QStringView fileName)
{
    for (const DataFileInfo &info : DataFileTable()) {
        if (fileName.compare(info.name, Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

qint64 recordCountForLength(qint64 length, int recordLength)
{
    qint64 count = length / recordLength;
    const qint64 rest = length % recordLength;
    if (2 * rest > recordLength || (2 * rest == recordLength && count % 2 == 1))
        ++count;
    return count;
}
