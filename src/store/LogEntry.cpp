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

LogEntry logEntryWithoutDescription(const ExpenseRecord &record, int recordNumber)
{
    LogEntry entry = datedEntry(record.EntryDate, recordNumber);
    entry.cost = record.Cost;
    return entry;
}

LogEntry logEntryWithoutDescription(const TripRecord &record, int recordNumber)
{
    LogEntry entry = datedEntry(record.EntryDate, recordNumber);
    entry.miles = record.Miles;
    return entry;
}

LogEntry logEntryWithoutDescription(const GasRecord &record, int recordNumber)
{
    LogEntry entry = datedEntry(record.EntryDate, recordNumber);
    entry.gallons = record.Gallons;
    entry.miles = record.Miles;
    return entry;
}

namespace {

template<class Record>
LogEntry describedEntry(const Record &record, int recordNumber)
{
    LogEntry entry = logEntryWithoutDescription(record, recordNumber);
    entry.description = descriptionOf(record.Description);
    return entry;
}

template<class Record>
LogEntry withMark(LogEntry entry, const Record &record)
{
    entry.marked = IsMarked(record);
    return entry;
}

} // namespace

LogEntry logEntry(const ExpenseRecord &record, int recordNumber)
{
    return withMark(describedEntry(record, recordNumber), record);
}

LogEntry logEntry(const TripRecord &record, int recordNumber)
{
    return withMark(describedEntry(record, recordNumber), record);
}

LogEntry logEntry(const GasRecord &record, int recordNumber)
{
    return withMark(logEntryWithoutDescription(record, recordNumber), record);
}

int dateSortNumber(double dateValue)
{
    int year = 0, month = 0, day = 0;
    if (!DateValue::toDay(dateValue, year, month, day))
        return -1;
    return year * 10000 + month * 100 + day;
}
