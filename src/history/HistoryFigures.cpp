#include "history/HistoryFigures.h"

#include "data/DateValue.h"
#include "model/FuelEconomy.h"
#include "model/LogTotals.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>
#include <optional>

using ValueFormats::Money;
using ValueFormats::moneyToDouble;

namespace HistoryFigures {

namespace {

int monthIndex(QDate day) { return day.year() * 12 + day.month() - 1; }
QDate monthOf(int index) { return QDate(index / 12, index % 12 + 1, 1); }

// A log whose entries go into the months: each dated entry widens the time
// line to its month, and add(month, entry) puts it into that month.
template<class Entries, class Add>
struct MonthLog
{
    const Entries &entries;
    Add add;
};
template<class Entries, class Add>
MonthLog(const Entries &, Add) -> MonthLog<Entries, Add>;

// The months from the earliest to the latest dated entry of the logs, each
// with what the logs put into it.
template<class Month, class... Logs>
std::vector<Month> perMonth(const Logs &...logs)
{
    std::optional<int> earliest, latest;
    auto widen = [&](const auto &entries) {
        for (const auto &entry : entries) {
            const QDate day = entryDay(entry.EntryDate);
            if (!day.isValid())
                continue;
            const int index = monthIndex(day);
            earliest = std::min(earliest.value_or(index), index);
            latest = std::max(latest.value_or(index), index);
        }
    };
    (widen(logs.entries), ...);
    if (!earliest)
        return {};
    std::vector<Month> months(std::size_t(*latest - *earliest + 1));
    for (std::size_t i = 0; i < months.size(); ++i)
        months[i].month = monthOf(*earliest + int(i));
    auto fill = [&](const auto &entries, auto add) {
        for (const auto &entry : entries) {
            const QDate day = entryDay(entry.EntryDate);
            if (day.isValid())
                add(months[std::size_t(monthIndex(day) - *earliest)], entry);
        }
    };
    (fill(logs.entries, logs.add), ...);
    return months;
}

// Each point's average: the mean of its value and of those of up to four
// points before it.
void average(std::vector<FillUpPoint> &points)
{
    std::deque<double> recent;
    for (FillUpPoint &point : points) {
        recent.push_back(point.value);
        if (recent.size() > AverageOver)
            recent.pop_front();
        point.average = std::accumulate(recent.begin(), recent.end(), 0.0) / double(recent.size());
    }
}

EntryExtras extrasAt(const std::vector<EntryExtras> &extras, std::size_t i)
{
    return i < extras.size() ? extras[i] : EntryExtras();
}

// The lengths of the spans between month marks, in months: 1, 2, 3, 6, then
// 1, 2, 5, 10, 20, 50 ... years.
int markSpan(int choice)
{
    constexpr int shortSpans[] = {1, 2, 3, 6};
    if (choice < 4)
        return shortSpans[choice];
    constexpr int yearSteps[] = {1, 2, 5};
    int years = yearSteps[(choice - 4) % 3];
    for (int tens = (choice - 4) / 3; tens > 0; --tens)
        years *= 10;
    return 12 * years;
}

} // namespace

std::vector<QDate> monthMarks(QDate first, QDate last)
{
    const int from = monthIndex(first);
    const int to = monthIndex(last) + 1;
    int span = 1, start = from, end = to;
    for (int choice = 0;; ++choice) {
        span = markSpan(choice);
        start = from / span * span;
        end = (to + span - 1) / span * span;
        if ((end - start) / span <= MarkedSpans)
            break;
    }
    std::vector<QDate> marks;
    for (int month = start; month <= end; month += span)
        marks.push_back(monthOf(month));
    return marks;
}

QDate entryDay(double dateValue)
{
    if (!(dateValue > 0))
        return {};
    const QDateTime moment = DateValue::toDateTime(dateValue);
    return moment.isValid() ? moment.date() : QDate();
}

std::vector<FillUpPoint> milesPerGallon(const std::vector<GasRecord> &gas, const std::vector<EntryExtras> &extras)
{
    const std::vector<std::optional<double>> figures = FuelEconomy::of(gas.size(), [&](std::size_t i) {
        const EntryExtras own = extrasAt(extras, i);
        return FuelEconomy::FillUp{double(gas[i].Miles), double(gas[i].Gallons), own.partial, own.missed};
    }).perFillUp;
    std::vector<FillUpPoint> points;
    for (std::size_t i = 0; i < gas.size(); ++i) {
        const QDate day = entryDay(gas[i].EntryDate);
        if (day.isValid() && gas[i].Gallons > 0 && figures[i] && *figures[i] > 0)
            points.push_back({day, *figures[i], 0});
    }
    average(points);
    return points;
}

std::vector<FillUpPoint> fuelPrices(const std::vector<GasRecord> &gas, const std::vector<EntryExtras> &extras)
{
    std::vector<FillUpPoint> points;
    for (std::size_t i = 0; i < gas.size(); ++i) {
        const QDate day = entryDay(gas[i].EntryDate);
        const std::optional<Money> cost = extrasAt(extras, i).cost;
        if (day.isValid() && cost && *cost > 0 && gas[i].Gallons > 0)
            points.push_back({day, moneyToDouble(*cost) / double(gas[i].Gallons), 0});
    }
    average(points);
    return points;
}

std::vector<FillUpPoint> drawnPoints(const std::vector<FillUpPoint> &points, int columns, double FillUpPoint::*value)
{
    if (points.size() <= std::size_t(2 * columns))
        return points;
    const qint64 first = points.front().date.toJulianDay();
    const qint64 days = points.back().date.toJulianDay() - first + 1;
    std::vector<FillUpPoint> drawn;
    std::size_t low = 0, high = 0;
    const auto keep = [&] {
        drawn.push_back(points[std::min(low, high)]);
        if (low != high)
            drawn.push_back(points[std::max(low, high)]);
    };
    qint64 column = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const qint64 at = (points[i].date.toJulianDay() - first) * columns / days;
        if (i == 0 || at != column) {
            if (i != 0)
                keep();
            column = at;
            low = high = i;
        } else if (points[i].*value < points[low].*value) {
            low = i;
        } else if (points[i].*value > points[high].*value) {
            high = i;
        }
    }
    keep();
    return drawn;
}

std::vector<MonthSpending> spendingPerMonth(const std::vector<ExpenseRecord> &maintenance,
                                            const std::vector<ExpenseRecord> &goodies, const std::vector<GasRecord> &gas,
                                            const std::vector<EntryExtras> &gasExtras)
{
    struct FuelCost
    {
        double EntryDate;
        Money cost;
    };
    std::vector<FuelCost> fuel;
    for (std::size_t i = 0; i < gas.size(); ++i) {
        if (const std::optional<Money> cost = extrasAt(gasExtras, i).cost)
            fuel.push_back({gas[i].EntryDate, *cost});
    }
    return perMonth<MonthSpending>(
        MonthLog{maintenance, [](MonthSpending &month, const ExpenseRecord &e) { AddTo(month.maintenance, e.Cost); }},
        MonthLog{goodies, [](MonthSpending &month, const ExpenseRecord &e) { AddTo(month.goodies, e.Cost); }},
        MonthLog{fuel, [](MonthSpending &month, const FuelCost &f) { AddTo(month.fuel, f.cost); }});
}

std::vector<MonthMiles> milesPerMonth(const std::vector<GasRecord> &gas, const std::vector<TripRecord> &trips)
{
    return perMonth<MonthMiles>(
        MonthLog{gas, [](MonthMiles &month, const GasRecord &g) { AddTo(month.gasoline, qint64(g.Miles)); }},
        MonthLog{trips, [](MonthMiles &month, const TripRecord &t) {
                     if (t.Miles > 0)
                         AddTo(month.trips, qint64(t.Miles));
                 }});
}

} // namespace HistoryFigures
