#include "history/HistoryCharts.h"

#include "data/DateValue.h"
#include "platform/ValueFormats.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QBarSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

using namespace ValueFormats;
using namespace HistoryFigures;

namespace HistoryCharts {

namespace {

QString monthName(QDate month) { return QLocale().toString(month, QStringLiteral("MMMM yyyy")); }

// Noon of the day on the time line, in the time of the desktop, as the axis
// shows it.
qint64 momentOf(QDate day) { return QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch(); }

std::unique_ptr<QChart> newChart(Chart chart)
{
    auto drawn = std::make_unique<QChart>();
    drawn->setTitle(title(chart));
    drawn->setAnimationOptions(QChart::NoAnimation);
    drawn->legend()->setAlignment(Qt::AlignBottom);
    return drawn;
}

// Month bars stand at 0, 1, 2, ...; the axis names every month of a history
// of up to two years, and otherwise the years at their Januaries (every few
// years on a long history).
QCategoryAxis *monthAxis(const std::vector<QDate> &months)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const bool everyMonth = months.size() <= 24;
    const int firstYear = months.front().year();
    const int everyYears = std::max(1, (months.back().year() - firstYear + 12) / 12);
    for (std::size_t i = 0; i < months.size(); ++i) {
        const QDate month = months[i];
        if (everyMonth)
            axis->append(month.toString(QStringLiteral("MMM yy")), double(i));
        else if (i == 0)
            axis->append(month.toString(QStringLiteral("MMM yyyy")), 0);
        else if (month.month() == 1 && i >= 3 && (month.year() - firstYear) % everyYears == 0)
            axis->append(QString::number(month.year()), double(i));
    }
    axis->setRange(-0.5, double(months.size()) - 0.5);
    return axis;
}

// Two bars a month: stacked where they add up to one figure (the money
// spent), side by side where they do not (the miles of the gasoline log and
// of the trips are often the same miles).
enum class Bars { Stacked, SideBySide };

template<class Month, class First, class Second>
std::unique_ptr<QChart> monthBars(Chart chart, Bars bars, const std::vector<Month> &months, const QString &firstName,
                                  const QString &secondName, First first, Second second, const QString &valueTitle,
                                  QString (*barText)(const Month &, bool), const HoverTip &tip)
{
    auto drawn = newChart(chart);
    QAbstractBarSeries *series = bars == Bars::Stacked ? static_cast<QAbstractBarSeries *>(new QStackedBarSeries)
                                                       : new QBarSeries;
    auto *firstSet = new QBarSet(firstName);
    auto *secondSet = new QBarSet(secondName);
    std::vector<QDate> dates;
    for (const Month &month : months) {
        firstSet->append(first(month));
        secondSet->append(second(month));
        dates.push_back(month.month);
    }
    series->append(firstSet);
    series->append(secondSet);
    series->setBarWidth(0.9);
    drawn->addSeries(series);
    if (tip) {
        for (QBarSet *set : {firstSet, secondSet}) {
            const bool ofSecond = set == secondSet;
            QObject::connect(set, &QBarSet::hovered, series, [months, barText, tip, ofSecond](bool over, int index) {
                const bool onBar = over && index >= 0 && std::size_t(index) < months.size();
                tip(onBar ? barText(months[std::size_t(index)], ofSecond) : QString());
            });
        }
    }
    QCategoryAxis *timeAxis = monthAxis(dates);
    drawn->addAxis(timeAxis, Qt::AlignBottom);
    series->attachAxis(timeAxis);
    auto *valueAxis = new QValueAxis;
    valueAxis->setTitleText(valueTitle);
    valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    drawn->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(valueAxis);
    valueAxis->applyNiceNumbers();
    return drawn;
}

// The time line of the fill-ups, marked and labelled at month starts (see
// monthMarks), so that a fill-up of 21 September stands two thirds of the way
// from "Sep" to "Oct".
QCategoryAxis *monthStartAxis(QDate first, QDate last)
{
    const std::vector<QDate> marks = monthMarks(first, last);
    const bool years = marks.size() > 1 && marks[0].month() == marks[1].month();
    const auto at = [](QDate month) { return double(month.startOfDay().toMSecsSinceEpoch()); };
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(at(marks.front()));
    for (const QDate month : marks)
        axis->append(month.toString(years ? QStringLiteral("yyyy") : QStringLiteral("MMM yyyy")), at(month));
    axis->setRange(at(marks.front()), at(marks.back()));
    return axis;
}

// The columns of the time line that the fill-ups are drawn in: about one a
// pixel of the widest chart drawn (the saved picture), so that a long log
// draws as quickly as a short one.
constexpr int DrawnColumns = 800;

std::unique_ptr<QChart> mpgChart(const std::vector<MpgPoint> &points, const HoverTip &tip)
{
    auto drawn = newChart(Chart::MilesPerGallon);
    auto *fillUps = new QScatterSeries;
    fillUps->setName(QStringLiteral("Each fill-up"));
    fillUps->setMarkerSize(7);
    auto *average = new QLineSeries;
    average->setName(QStringLiteral("Average of the last five fill-ups"));
    double lowest = points.front().mpg, highest = points.front().mpg;
    QList<QPointF> drawnAt;
    for (const MpgPoint &point : drawnPoints(points, DrawnColumns, &MpgPoint::mpg)) {
        drawnAt.append(QPointF(double(momentOf(point.date)), point.mpg));
        lowest = std::min(lowest, point.mpg);
        highest = std::max(highest, point.mpg);
    }
    fillUps->replace(drawnAt);
    drawnAt.clear();
    for (const MpgPoint &point : drawnPoints(points, DrawnColumns, &MpgPoint::average))
        drawnAt.append(QPointF(double(momentOf(point.date)), point.average));
    average->replace(drawnAt);
    drawn->addSeries(fillUps);
    drawn->addSeries(average);
    if (tip) {
        const auto tipAt = [points, tip](const QPointF &at, bool over) {
            if (!over) {
                tip(QString());
                return;
            }
            // The fill-up nearest to the pointer along the time line.
            const auto nearest = std::min_element(points.begin(), points.end(), [&](const MpgPoint &a, const MpgPoint &b) {
                return std::abs(double(momentOf(a.date)) - at.x()) < std::abs(double(momentOf(b.date)) - at.x());
            });
            tip(mpgPointText(*nearest));
        };
        QObject::connect(fillUps, &QScatterSeries::hovered, fillUps, tipAt);
        QObject::connect(average, &QLineSeries::hovered, average, tipAt);
    }

    QCategoryAxis *timeAxis = monthStartAxis(points.front().date, points.back().date);
    drawn->addAxis(timeAxis, Qt::AlignBottom);
    auto *mpgAxis = new QValueAxis;
    mpgAxis->setTitleText(QStringLiteral("Miles per gallon"));
    mpgAxis->setRange(std::max(0.0, lowest - 2), highest + 2);
    mpgAxis->applyNiceNumbers();
    drawn->addAxis(mpgAxis, Qt::AlignLeft);
    for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(fillUps), static_cast<QAbstractSeries *>(average)}) {
        series->attachAxis(timeAxis);
        series->attachAxis(mpgAxis);
    }
    return drawn;
}

} // namespace

QString title(Chart chart)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return QStringLiteral("Miles per gallon of each fill-up");
    case Chart::MoneyPerMonth:
        return QStringLiteral("Money spent per month");
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("Miles per month");
}

namespace {

// Which of a chart's two logs have something to draw: a month with an
// amount other than 0.
template<class Month>
std::pair<bool, bool> drawnLogs(const std::vector<Month> &months, auto Month::*first, auto Month::*second)
{
    const auto any = [&](auto Month::*value) {
        return std::any_of(months.begin(), months.end(), [&](const Month &month) { return month.*value != 0; });
    };
    return {any(first), any(second)};
}

std::pair<bool, bool> drawnLogs(Chart chart, const Figures &figures)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return {!figures.mpg.empty(), false};
    case Chart::MoneyPerMonth:
        return drawnLogs(figures.spending, &MonthSpending::maintenance, &MonthSpending::goodies);
    case Chart::MilesPerMonth:
        break;
    }
    return drawnLogs(figures.miles, &MonthMiles::gasoline, &MonthMiles::trips);
}

} // namespace

QString nothingToDraw(Chart chart, const Figures &figures)
{
    const auto [first, second] = drawnLogs(chart, figures);
    if (first || second)
        return {};
    switch (chart) {
    case Chart::MilesPerGallon:
        return QStringLiteral("The gasoline log has no fill-up with both miles and gallons to draw yet.");
    case Chart::MoneyPerMonth:
        return QStringLiteral("The maintenance and repairs log and the goodies log have no costs to draw yet.");
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("The gasoline log and the trips log have no miles to draw yet.");
}

QString nothingToDrawOfOneLog(Chart chart, const Figures &figures)
{
    const auto [first, second] = drawnLogs(chart, figures);
    if (first == second)
        return {};
    switch (chart) {
    case Chart::MilesPerGallon:
        return {};
    case Chart::MoneyPerMonth:
        return QStringLiteral("The %1 log has no costs to draw yet.")
            .arg(first ? QStringLiteral("goodies") : QStringLiteral("maintenance and repairs"));
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("The %1 log has no miles to draw yet.")
        .arg(first ? QStringLiteral("trips") : QStringLiteral("gasoline"));
}

std::unique_ptr<QChart> makeChart(Chart chart, const Figures &figures, const HoverTip &tip)
{
    if (!nothingToDraw(chart, figures).isEmpty())
        return {};
    switch (chart) {
    case Chart::MilesPerGallon:
        return mpgChart(figures.mpg, tip);
    case Chart::MoneyPerMonth:
        return monthBars(
            chart, Bars::Stacked, figures.spending, QStringLiteral("Maintenance and repairs"), QStringLiteral("Goodies"),
            [](const MonthSpending &m) { return moneyToDouble(m.maintenance); },
            [](const MonthSpending &m) { return moneyToDouble(m.goodies); }, QStringLiteral("Dollars"), spendingBarText, tip);
    case Chart::MilesPerMonth:
        break;
    }
    return monthBars(
        chart, Bars::SideBySide, figures.miles, QStringLiteral("Gasoline log"), QStringLiteral("Trips"),
        [](const MonthMiles &m) { return double(m.gasoline); }, [](const MonthMiles &m) { return double(m.trips); },
        QStringLiteral("Miles"), milesBarText, tip);
}

QImage chartImage(QChart &chart, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(image.rect()), QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    scene.removeItem(&chart);
    return image;
}

QString mpgPointText(const MpgPoint &point)
{
    return QStringLiteral("%1: %2 mpg (average of the last five: %3)")
        .arg(dateText(DateValue::fromDateTime(point.date)), oneDecimalText(point.mpg), oneDecimalText(point.average));
}

QString spendingBarText(const MonthSpending &month, bool goodies)
{
    return goodies ? QStringLiteral("%1: goodies %2").arg(monthName(month.month), moneyText(month.goodies))
                   : QStringLiteral("%1: maintenance and repairs %2").arg(monthName(month.month), moneyText(month.maintenance));
}

QString milesBarText(const MonthMiles &month, bool trips)
{
    return trips ? QStringLiteral("%1: trips %2 miles").arg(monthName(month.month)).arg(month.trips)
                 : QStringLiteral("%1: gasoline log %2 miles").arg(monthName(month.month)).arg(month.gasoline);
}

} // namespace HistoryCharts
