#include "history/HistoryChartTable.h"

#include "data/DateValue.h"
#include "platform/ValueFormats.h"

using namespace ValueFormats;
using HistoryFigures::FillUpPoint;

namespace HistoryCharts {

Table table(Chart chart, const Figures &figures)
{
    Table drawn;
    const std::vector<QString> series = seriesNames(chart, figures);
    if (const std::vector<FillUpPoint> *points = fillUpPoints(chart, figures)) {
        drawn.columns = {QStringLiteral("Date"), valueTitle(chart, figures.units), series[1]};
        const auto figure = [chart](double value) {
            return chart == Chart::FuelPrice ? moneyText(moneyFromDouble(value)) : oneDecimalText(value);
        };
        for (const FillUpPoint &point : *points)
            drawn.rows.append({dateText(DateValue::fromDateTime(point.date)), figure(point.value), figure(point.average)});
        return drawn;
    }
    drawn.columns = {QStringLiteral("Month")};
    for (const QString &name : series)
        drawn.columns.append(name);
    if (chart == Chart::MoneyPerMonth) {
        for (const HistoryFigures::MonthSpending &spent : figures.spending) {
            QStringList row{monthName(spent.month), moneyText(spent.maintenance), moneyText(spent.goodies)};
            if (series.size() > 2)
                row.append(moneyText(spent.fuel));
            drawn.rows.append(row);
        }
        return drawn;
    }
    for (const HistoryFigures::MonthMiles &miles : figures.miles)
        drawn.rows.append({monthName(miles.month), QString::number(miles.gasoline), QString::number(miles.trips)});
    return drawn;
}

} // namespace HistoryCharts
