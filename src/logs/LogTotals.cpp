#include "logs/LogTotals.h"

#include "logs/LogRows.h"
#include "platform/ValueFormats.h"

using namespace ValueFormats;

void LogTotals::add(const ExpenseRecord &record)
{
    if (record.Cost != 0)
        AddTo(cost, record.Cost);
}

void LogTotals::add(const TripRecord &record)
{
    if (record.Miles > 0)
        AddTo(miles, record.Miles);
}

void LogTotals::add(const GasRecord &record)
{
    AddTo(gallons, record.Gallons);
    AddTo(miles, record.Miles);
}

QList<TotalCaption> totalCaptions(LogKind kind, const LogTotals &totals)
{
    const std::array<int, 3> &labels = logKindInfo(kind).totalCaptions;
    switch (kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        return {{labels[0], QStringLiteral(" Total Cost: ") + moneyText(totals.cost), totals.cost > 0}};
    case LogKind::Trips:
        return {{labels[0], QStringLiteral(" Total Miles: ") + QString::number(totals.miles), totals.miles >= 1}};
    case LogKind::Gas:
        break;
    }
    const QString mpg = milesPerGallonText(totals.miles, totals.gallons);
    return {
        {labels[0], QStringLiteral(" Total Gallons: ") + oneDecimalText(totals.gallons) + QLatin1Char(' '), totals.gallons > 0},
        {labels[1], QStringLiteral(" Total Miles: ") + oneDecimalText(static_cast<double>(totals.miles)) + QLatin1Char(' '),
         totals.miles >= 1},
        {labels[2], QStringLiteral(" Overall MPG: ") + (mpg.isEmpty() ? QString() : mpg + QLatin1Char(' ')), totals.miles >= 1},
    };
}
