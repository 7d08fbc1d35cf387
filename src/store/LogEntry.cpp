#include "store/LogEntry.h"

#include "data/Cp1252.h"
#include "data/DateValue.h"

namespace {

LogEntry datedEntry(double entryDate, int recordNumber)
{
    LogEntry entry;
    entry.recordNumber = recordNumber;
    entry.entryDate = entryDate;
    entry.dateSort = dateSortNumber(entryDate);
    return entry;
}

QByteArray descriptionOf(const QString &description)
{
    QByteArray bytes(description.size(), ' ');
    Cp1252::encodeField(description, bytes.data(), bytes.size());
    return descriptionBytes(bytes.constData(), bytes.size());
}

} // namespace

QByteArray descriptionBytes(const char *field, qsizetype width)
{
    qsizetype first = 0;
    while (first < width && field[first] == ' ')
        ++first;
    while (width > first && field[width - 1] == ' ')
        --width;
    return QByteArray(field + first, width - first);
}

QString descriptionText(const LogEntry &entry)
{
    return Cp1252::decode(entry.description.constData(), entry.description.size());
}

LogEntry logEntry(const ExpenseRecord &record, int recordNumber)
{
    LogEntry entry = datedEntry(record.EntryDate, recordNumber);
    entry.description = descriptionOf(record.Description);
    entry.cost = record.Cost;
    return entry;
}

LogEntry logEntry(const TripRecord &record, int recordNumber)
{
    LogEntry entry = datedEntry(record.EntryDate, recordNumber);
    entry.description = descriptionOf(record.Description);
    entry.miles = record.Miles;
    return entry;
}

LogEntry logEntry(const GasRecord &record, int recordNumber)
{
    LogEntry entry = datedEntry(record.EntryDate, recordNumber);
    entry.gallons = record.Gallons;
    entry.miles = record.Miles;
    return entry;
}

int dateSortNumber(double dateValue)
{
    const QDateTime moment = DateValue::toDateTime(dateValue);
    if (!moment.isValid())
        return -1;
    const QDate date = moment.date();
    return date.year() * 10000 + date.month() * 100 + date.day();
}
