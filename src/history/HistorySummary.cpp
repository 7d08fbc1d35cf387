#include "history/HistorySummary.h"

#include "history/HistoryFigures.h"
#include "data/DateValue.h"
#include "model/LogTotals.h"

#include <algorithm>
#include <limits>

using namespace ValueFormats;

namespace {

template<class Record>
LogTotals totalsOf(LogKind kind, const std::vector<Record> &entries)
{
    LogTotals totals;
    for (const Record &entry : entries)
        totals.add(kind, logEntry(entry, 0));
    return totals;
}

template<class Record>
std::optional<HistorySummary::Latest> latestOf(const std::vector<Record> &entries, QString (*textOf)(const Record &))
{
    if (entries.empty())
        return std::nullopt;
    return HistorySummary::Latest{HistoryFigures::entryDay(entries.back().EntryDate), textOf(entries.back())};
}

QString expenseText(const ExpenseRecord &entry) { return trimBlanks(entry.Description); }
QString tripText(const TripRecord &entry) { return trimBlanks(entry.Description); }
QString fillUpText(const GasRecord &entry)
{
    return QStringLiteral("%1 gallons, %2 miles").arg(oneDecimalText(entry.Gallons)).arg(entry.Miles);
}

} // namespace

HistorySummary summarise(const RideHistory &history)
{
    HistorySummary summary;
    const RideRecord &ride = history.ride;
    summary.pricePaid = ride.PricePaid;
    summary.maintenance = totalsOf(LogKind::Maintenance, history.maintenance).cost;
    summary.goodies = totalsOf(LogKind::Goodies, history.goodies).cost;
    summary.sold = ride.SellingDate > 0 || ride.PriceSold != 0;
    summary.priceSold = ride.PriceSold;

    summary.netCost = summary.pricePaid;
    AddTo(summary.netCost, summary.maintenance);
    AddTo(summary.netCost, summary.goodies);
    // The most negative amount has no positive counterpart: it counts as the
    // largest one.
    AddTo(summary.netCost, summary.priceSold == std::numeric_limits<Money>::min()
                               ? std::numeric_limits<Money>::max()
                               : -summary.priceSold);

    const LogTotals gas = totalsOf(LogKind::Gas, history.gas);
    summary.milesLogged = gas.miles;
    if (gas.miles >= 1)
        summary.costPerMile = moneyFromDouble(moneyToDouble(summary.netCost) / double(gas.miles));
    summary.overallMpg = gas.overallMpg();
    const std::vector<HistoryFigures::MpgPoint> points = HistoryFigures::milesPerGallon(history.gas);
    if (!points.empty()) {
        const auto [worst, best] = std::minmax_element(
            points.begin(), points.end(), [](const auto &a, const auto &b) { return a.mpg < b.mpg; });
        summary.bestMpg = best->mpg;
        summary.worstMpg = worst->mpg;
    }
    summary.latest = {latestOf(history.maintenance, expenseText), latestOf(history.goodies, expenseText),
                      latestOf(history.trips, tripText), latestOf(history.gas, fillUpText)};
    return summary;
}

QList<SummaryLine> summaryLines(const HistorySummary &summary, const QLocale &locale)
{
    const auto mpgText = [&](const std::optional<double> &mpg) {
        return mpg ? oneDecimalText(*mpg, locale) : QStringLiteral("(no fill-ups with miles and gallons)");
    };
    QList<SummaryLine> lines{
        {QStringLiteral("Price paid"), moneyText(summary.pricePaid, locale)},
        {QStringLiteral("Maintenance and repairs"), moneyText(summary.maintenance, locale)},
        {QStringLiteral("Goodies"), moneyText(summary.goodies, locale)},
    };
    if (summary.sold)
        lines.append({QStringLiteral("Price sold"), moneyText(summary.priceSold, locale)});
    lines.append({QStringLiteral("Net cost of the ride"), moneyText(summary.netCost, locale)});
    lines.append({QStringLiteral("Miles logged (gasoline log)"), QString::number(summary.milesLogged)});
    lines.append({QStringLiteral("Cost per mile"), summary.costPerMile ? moneyText(*summary.costPerMile, locale)
                                                                      : QStringLiteral("(no miles logged)")});
    lines.append({QStringLiteral("Overall miles per gallon"), mpgText(summary.overallMpg)});
    lines.append({QStringLiteral("Best miles per gallon"), mpgText(summary.bestMpg)});
    lines.append({QStringLiteral("Worst miles per gallon"), mpgText(summary.worstMpg)});

    static const std::array<QString, 4> latestLabels = {
        QStringLiteral("Latest maintenance or repair"), QStringLiteral("Latest goody"), QStringLiteral("Latest trip"),
        QStringLiteral("Latest fill-up")};
    for (std::size_t log = 0; log < latestLabels.size(); ++log) {
        const auto &latest = summary.latest[log];
        QString value = QStringLiteral("(no entries)");
        if (latest)
            value = (latest->date.isValid() ? dateText(DateValue::fromDateTime(latest->date), locale) + QStringLiteral("   ")
                                            : QString())
                    + latest->text;
        lines.append({latestLabels[log], value});
    }
    return lines;
}
