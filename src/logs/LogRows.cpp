#include "logs/LogRows.h"

#include "platform/ValueFormats.h"

using namespace ValueFormats;

namespace {

LogRow rowOf(double entryDate, QString description, QString amount, int recordNumber)
{
    return LogRow{{dateText(entryDate), std::move(description), std::move(amount)}, recordNumber,
                  dateSortKey(entryDate)};
}

} // namespace

QString milesPerGallonText(qint32 miles, float gallons)
{
    if (gallons == 0)
        return {};
    return oneDecimalText(static_cast<double>(miles) / static_cast<double>(gallons)); // "" when not finite
}

LogRow logRow(const ExpenseRecord &record, int recordNumber)
{
    return rowOf(record.EntryDate, trimBlanks(record.Description), moneyTextWhenSet(record.Cost), recordNumber);
}

LogRow logRow(const TripRecord &record, int recordNumber)
{
    const QString miles = record.Miles == 0 ? QString() : QString::number(record.Miles);
    return rowOf(record.EntryDate, trimBlanks(record.Description), miles, recordNumber);
}

LogRow logRow(const GasRecord &record, int recordNumber)
{
    QString milesCell = QString::number(record.Miles);
    const QString mpg = milesPerGallonText(record.Miles, record.Gallons);
    if (!mpg.isEmpty())
        milesCell += QStringLiteral("   (") + mpg + QLatin1Char(')');
    return rowOf(record.EntryDate, oneDecimalText(record.Gallons), milesCell, recordNumber);
}
