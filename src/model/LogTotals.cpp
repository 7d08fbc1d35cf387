#include "model/LogTotals.h"

#include "model/LogRows.h"
#include "model/Units.h"
#include "platform/ValueFormats.h"

using namespace ValueFormats;

void LogTotals::add(LogKind kind, const LogEntry &entry, const EntryExtras &extras)
{
    if (entry.marked)
        return;
    switch (kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        if (entry.cost != 0)
            AddTo(cost, entry.cost);
        return;
    case LogKind::Trips:
        if (entry.miles > 0)
            AddTo(miles, qint64(entry.miles));
        return;
    case LogKind::Gas:
        break;
    }
    AddTo(gallons, entry.gallons);
    AddTo(miles, qint64(entry.miles));
    countedGallons += double(entry.gallons);
    countedMiles += double(entry.miles);
    if (extras.cost)
        AddTo(cost, *extras.cost);
}

std::optional<double> LogTotals::overallMpg() const
{
    if (countedMiles < 1 || countedGallons == 0)
        return std::nullopt;
    return countedMiles / countedGallons;
}

QList<TotalCaption> totalCaptions(LogKind kind, const LogTotals &totals, const RideExtras &units)
{
    const std::array<int, 3> &labels = logKindInfo(kind).totalCaptions;
    switch (kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        return {{labels[0], QStringLiteral(" Total Cost: ") + moneyText(totals.cost), totals.cost > 0}};
    case LogKind::Trips:
        return {{labels[0], QStringLiteral(" Total %1: ").arg(Units::distanceName(units.distance)) + QString::number(totals.miles),
                 totals.miles >= 1}};
    case LogKind::Gas:
        break;
    }
    const std::optional<double> overall = Units::shownEconomy(totals.overallMpg(), units);
    const QString mpg = overall ? oneDecimalText(*overall) : QString();
    return {
        {labels[0], QStringLiteral(" Total %1: ").arg(Units::fuelName(units.fuel)) + oneDecimalText(totals.gallons) + QLatin1Char(' '),
         totals.gallons > 0},
        {labels[1],
         QStringLiteral(" Total %1: ").arg(Units::distanceName(units.distance)) + oneDecimalText(static_cast<double>(totals.miles))
             + QLatin1Char(' '),
         totals.miles >= 1},
        {labels[2], QStringLiteral(" Overall %1: ").arg(Units::economyName(units.economy)) + (mpg.isEmpty() ? QString() : mpg + QLatin1Char(' ')),
         totals.miles >= 1},
    };
}
