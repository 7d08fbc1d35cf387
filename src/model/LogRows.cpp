#include "model/LogRows.h"

#include "platform/ValueFormats.h"

using namespace ValueFormats;

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

QString gasMilesCell(qint32 miles, std::optional<double> economy)
{
    const QString figure = economy ? oneDecimalText(*economy) : QString();
    return QString::number(miles) + (figure.isEmpty() ? QString() : QStringLiteral("   (") + figure + QLatin1Char(')'));
}

LogRow logRow(LogKind kind, const LogEntry &entry)
{
    return LogRow{{logCell(kind, entry, 0), logCell(kind, entry, 1), logCell(kind, entry, 2)},
                  entry.recordNumber,
                  dateSortText(entry.dateSort)};
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
