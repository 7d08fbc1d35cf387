#include "logs/LogRows.h"

#include "data/Cp1252.h"
#include "data/DateValue.h"
#include "platform/ValueFormats.h"

using namespace ValueFormats;

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

QString descriptionText(const LogEntry &entry)
{
    return Cp1252::decode(entry.description.constData(), entry.description.size());
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

QString logCell(LogKind kind, const LogEntry &entry, int column)
{
    if (column == 0)
        return dateText(entry.entryDate);
    switch (kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        return column == 1 ? descriptionText(entry) : moneyTextWhenSet(entry.cost);
    case LogKind::Trips:
        if (column == 1)
            return descriptionText(entry);
        return entry.miles == 0 ? QString() : QString::number(entry.miles);
    case LogKind::Gas:
        break;
    }
    if (column == 1)
        return oneDecimalText(entry.gallons);
    const QString mpg = milesPerGallonText(entry.miles, entry.gallons);
    return QString::number(entry.miles) + (mpg.isEmpty() ? QString() : QStringLiteral("   (") + mpg + QLatin1Char(')'));
}

LogRow logRow(LogKind kind, const LogEntry &entry)
{
    return LogRow{{logCell(kind, entry, 0), logCell(kind, entry, 1), logCell(kind, entry, 2)},
                  entry.recordNumber,
                  dateSortText(entry.dateSort)};
}

int dateSortNumber(double dateValue)
{
    const QDateTime moment = DateValue::toDateTime(dateValue);
    if (!moment.isValid())
        return -1;
    const QDate date = moment.date();
    return date.year() * 10000 + date.month() * 100 + date.day();
}

QString dateSortText(int dateSort)
{
    return dateSort < 0 ? QString() : QStringLiteral("%1").arg(dateSort, 8, 10, QLatin1Char('0'));
}

QString milesPerGallonText(qint32 miles, float gallons)
{
    if (gallons == 0)
        return {};
    return oneDecimalText(static_cast<double>(miles) / static_cast<double>(gallons)); // "" when not finite
}
