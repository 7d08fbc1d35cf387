#include "history/HistoryScreenChart.h"

#include "history/HistoryChartAxes.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

using namespace HistoryCharts;
using HistoryFigures::FillUpPoint;

namespace HistoryScreenChart {

namespace {

std::unique_ptr<QChart> newChart(Chart chart, const Figures &figures)
{
    auto drawn = std::make_unique<QChart>();
    drawn->setTitle(title(chart, figures.units));
    drawn->setAnimationOptions(QChart::NoAnimation);
    drawn->legend()->setAlignment(Qt::AlignBottom);
    return drawn;
}

QCategoryAxis *markedAxis(const std::vector<HistoryChartAxes::Mark> &marks, double from, double to)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (const HistoryChartAxes::Mark &mark : marks)
        axis->append(mark.label, mark.at);
    axis->setRange(from, to);
    return axis;
}

// The value axis, at the left, once the chart's series are attached to it.
void addValueAxis(QChart &drawn, Chart chart, const Figures &figures)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(valueTitle(chart, figures.units));
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(HistoryChartAxes::valueDecimals(chart)));
    drawn.addAxis(axis, Qt::AlignLeft);
    for (QAbstractSeries *series : drawn.series())
        series->attachAxis(axis);
    const HistoryChartAxes::Scale scale = HistoryChartAxes::valueScale(chart, figures);
    axis->setRange(scale.low, scale.high);
    axis->setTickCount(scale.ticks);
}

QString barText(Chart chart, const Figures &figures, std::size_t month, std::size_t series)
{
    return chart == Chart::MoneyPerMonth ? spendingBarText(figures.spending[month], series)
                                         : milesBarText(figures.miles[month], series == 1, figures.units);
}

std::unique_ptr<QChart> barChart(Chart chart, const Figures &figures, const HoverTip &tip)
{
    auto drawn = newChart(chart, figures);
    QAbstractBarSeries *series = barsStack(chart) ? static_cast<QAbstractBarSeries *>(new QStackedBarSeries)
                                                  : new QBarSeries;
    std::vector<QBarSet *> sets;
    for (const QString &name : seriesNames(chart, figures))
        sets.push_back(new QBarSet(name));
    const std::vector<MonthBars> months = monthBars(chart, figures);
    std::vector<QDate> dates;
    for (const MonthBars &month : months) {
        for (std::size_t k = 0; k < sets.size(); ++k)
            sets[k]->append(month.values[k]);
        dates.push_back(month.month);
    }
    for (QBarSet *set : sets)
        series->append(set);
    series->setBarWidth(0.9);
    drawn->addSeries(series);
    if (tip) {
        for (std::size_t k = 0; k < sets.size(); ++k) {
            const std::size_t count = months.size();
            QObject::connect(sets[k], &QBarSet::hovered, series, [chart, figures, count, tip, k](bool over, int index) {
                const bool onBar = over && index >= 0 && std::size_t(index) < count;
                tip(onBar ? barText(chart, figures, std::size_t(index), k) : QString());
            });
        }
    }
    QCategoryAxis *timeAxis = markedAxis(HistoryChartAxes::monthLine(dates), -0.5, double(dates.size()) - 0.5);
    drawn->addAxis(timeAxis, Qt::AlignBottom);
    series->attachAxis(timeAxis);
    addValueAxis(*drawn, chart, figures);
    return drawn;
}

QList<QPointF> drawnAt(const std::vector<FillUpPoint> &points, double FillUpPoint::*value)
{
    QList<QPointF> at;
    for (const FillUpPoint &point :
         HistoryFigures::drawnPoints(points, HistoryChartAxes::DrawnColumns, value))
        at.append(QPointF(HistoryChartAxes::momentOf(point.date), point.*value));
    return at;
}

std::unique_ptr<QChart> fillUpChart(Chart chart, const Figures &figures, const HoverTip &tip)
{
    const std::vector<FillUpPoint> &points = *fillUpPoints(chart, figures);
    auto drawn = newChart(chart, figures);
    const std::vector<QString> names = seriesNames(chart, figures);
    auto *fillUps = new QScatterSeries;
    fillUps->setName(names[0]);
    fillUps->setMarkerSize(7);
    auto *average = new QLineSeries;
    average->setName(names[1]);
    fillUps->replace(drawnAt(points, &FillUpPoint::value));
    average->replace(drawnAt(points, &FillUpPoint::average));
    drawn->addSeries(fillUps);
    drawn->addSeries(average);
    if (tip) {
        const auto tipAt = [chart, points, tip, units = figures.units](const QPointF &at, bool over) {
            if (!over) {
                tip(QString());
                return;
            }
            // The fill-up nearest to the pointer along the time line.
            const auto distance = [&](const FillUpPoint &point) {
                return std::abs(HistoryChartAxes::momentOf(point.date) - at.x());
            };
            const auto nearest = std::min_element(points.begin(), points.end(), [&](const FillUpPoint &a, const FillUpPoint &b) {
                return distance(a) < distance(b);
            });
            tip(pointText(chart, *nearest, units));
        };
        QObject::connect(fillUps, &QScatterSeries::hovered, fillUps, tipAt);
        QObject::connect(average, &QLineSeries::hovered, average, tipAt);
    }

    const std::vector<HistoryChartAxes::Mark> marks = HistoryChartAxes::timeLine(points.front().date, points.back().date);
    QCategoryAxis *timeAxis = markedAxis(marks, marks.front().at, marks.back().at);
    timeAxis->setStartValue(marks.front().at);
    drawn->addAxis(timeAxis, Qt::AlignBottom);
    fillUps->attachAxis(timeAxis);
    average->attachAxis(timeAxis);
    addValueAxis(*drawn, chart, figures);
    return drawn;
}

} // namespace

std::unique_ptr<QChart> make(Chart chart, const Figures &figures, const HoverTip &tip)
{
    if (!nothingToDraw(chart, figures).isEmpty())
        return {};
    if (fillUpPoints(chart, figures))
        return fillUpChart(chart, figures, tip);
    return barChart(chart, figures, tip);
}

} // namespace HistoryScreenChart
