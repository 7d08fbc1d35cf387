#include "history/HistoryChartPainter.h"

#include "history/HistoryChartAxes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace HistoryCharts;
using AxisMark = HistoryChartAxes::Mark;
using HistoryChartAxes::Scale;
using HistoryFigures::FillUpPoint;

namespace HistoryChartPainter {

namespace {

// The colours of the charts on the screen (the first three of their theme),
// its grid and its text.
const QColor SeriesColours[3] = {QColor(0x20, 0x9f, 0xdf), QColor(0x99, 0xca, 0x53), QColor(0xf6, 0xa6, 0x25)};
const QColor GridColour(0xe2, 0xe2, 0xe2);
const QColor AxisColour(0x8c, 0x8c, 0x8c);
const QColor TextColour(0x40, 0x40, 0x40);

constexpr double Gap = 8;
constexpr double MarkerDiameter = 7;
constexpr double BarWidth = 0.9;

// Where the values of both axes land on the image.
struct Plot
{
    QRectF area;
    double fromX = 0, toX = 1;
    Scale scale;

    double x(double at) const { return area.left() + (at - fromX) / (toX - fromX) * area.width(); }
    double y(double value) const
    {
        return area.bottom() - (value - scale.low) / (scale.high - scale.low) * area.height();
    }
};

QFont sized(const QFont &font, double points, bool bold = false)
{
    QFont sized = font;
    sized.setPointSizeF(points);
    sized.setBold(bold);
    return sized;
}

// The legend at the bottom, centred: a square of each series' colour and its
// name. Returns its height.
double paintLegend(QPainter &painter, Chart chart, const Figures &figures, const QRectF &bounds)
{
    const std::vector<QString> names = seriesNames(chart, figures);
    const QFontMetricsF metrics(painter.font());
    const double box = metrics.height() * 0.7;
    double width = 0;
    for (const QString &name : names)
        width += box + Gap / 2 + metrics.horizontalAdvance(name) + 2 * Gap;
    double x = bounds.center().x() - width / 2;
    const double y = bounds.bottom() - metrics.height();
    for (std::size_t i = 0; i < names.size(); ++i) {
        painter.fillRect(QRectF(x, y + (metrics.height() - box) / 2, box, box), SeriesColours[i]);
        x += box + Gap / 2;
        painter.setPen(TextColour);
        painter.drawText(QPointF(x, y + metrics.ascent()), names[i]);
        x += metrics.horizontalAdvance(names[i]) + 2 * Gap;
    }
    return metrics.height() + Gap;
}

// The grid, the value axis at the left with its labels and title, and the
// time axis at the bottom with its marks.
void paintAxes(QPainter &painter, Chart chart, const RideExtras &units, const Plot &plot, const std::vector<AxisMark> &marks)
{
    const QFontMetricsF metrics(painter.font());
    const double step = (plot.scale.high - plot.scale.low) / std::max(1, plot.scale.ticks - 1);
    for (int tick = 0; tick < plot.scale.ticks; ++tick) {
        const double value = plot.scale.low + tick * step;
        const double y = plot.y(value);
        painter.setPen(QPen(GridColour, 1));
        painter.drawLine(QPointF(plot.area.left(), y), QPointF(plot.area.right(), y));
        const QString label = HistoryChartAxes::valueLabel(chart, value);
        painter.setPen(TextColour);
        painter.drawText(QPointF(plot.area.left() - Gap - metrics.horizontalAdvance(label), y + metrics.ascent() / 2 - 1),
                         label);
    }
    for (const AxisMark &mark : marks) {
        const double x = plot.x(mark.at);
        painter.setPen(QPen(GridColour, 1));
        painter.drawLine(QPointF(x, plot.area.top()), QPointF(x, plot.area.bottom()));
        painter.setPen(TextColour);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(mark.label) / 2, plot.area.bottom() + Gap / 2 + metrics.ascent()),
                         mark.label);
    }
    painter.setPen(QPen(AxisColour, 1));
    painter.drawLine(plot.area.bottomLeft(), plot.area.bottomRight());
    painter.drawLine(plot.area.bottomLeft(), plot.area.topLeft());

    painter.save();
    painter.translate(Gap, plot.area.center().y());
    painter.rotate(-90);
    const QString title = valueTitle(chart, units);
    painter.setPen(TextColour);
    painter.drawText(QPointF(-metrics.horizontalAdvance(title) / 2, metrics.ascent()), title);
    painter.restore();
}

void paintFillUps(QPainter &painter, const Plot &plot, const std::vector<FillUpPoint> &points)
{
    const std::vector<FillUpPoint> fillUps =
        HistoryFigures::drawnPoints(points, HistoryChartAxes::DrawnColumns, &FillUpPoint::value);
    const std::vector<FillUpPoint> averages =
        HistoryFigures::drawnPoints(points, HistoryChartAxes::DrawnColumns, &FillUpPoint::average);
    QPainterPath line;
    for (const FillUpPoint &point : averages) {
        const QPointF at(plot.x(HistoryChartAxes::momentOf(point.date)), plot.y(point.average));
        line.elementCount() == 0 ? line.moveTo(at) : line.lineTo(at);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(SeriesColours[1], 2));
    painter.drawPath(line);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(SeriesColours[0]);
    for (const FillUpPoint &point : fillUps)
        painter.drawEllipse(QPointF(plot.x(HistoryChartAxes::momentOf(point.date)), plot.y(point.value)),
                            MarkerDiameter / 2, MarkerDiameter / 2);
}

// Stacked bars go up from 0 with what is above 0 and down with what is
// below; bars side by side share the month's width.
void paintBars(QPainter &painter, const Plot &plot, const std::vector<MonthBars> &months, bool stacked)
{
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < months.size(); ++i) {
        double above = 0, below = 0;
        const std::size_t series = months[i].values.size();
        for (std::size_t k = 0; k < series; ++k) {
            const double value = months[i].values[k];
            double from = 0, left = double(i) - BarWidth / 2, width = BarWidth;
            if (stacked) {
                from = value >= 0 ? above : below;
                (value >= 0 ? above : below) += value;
            } else {
                width = BarWidth / double(series);
                left += double(k) * width;
            }
            const QRectF bar(QPointF(plot.x(left), plot.y(from + value)), QPointF(plot.x(left + width), plot.y(from)));
            painter.fillRect(bar.normalized(), SeriesColours[k]);
        }
    }
}

} // namespace

QImage paint(Chart chart, const Figures &figures, QSize pixels, Title title)
{
    if (!nothingToDraw(chart, figures).isEmpty())
        return {};
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = sized(painter.font(), 9);
    QRectF bounds = QRectF(image.rect()).adjusted(Gap, Gap, -Gap, -Gap);
    if (title == Title::Shown) {
        painter.setFont(sized(font, 12, true));
        const QFontMetricsF metrics(painter.font());
        painter.setPen(TextColour);
        const QString text = HistoryCharts::title(chart, figures.units);
        painter.drawText(QPointF(bounds.center().x() - metrics.horizontalAdvance(text) / 2, bounds.top() + metrics.ascent()),
                         text);
        bounds.setTop(bounds.top() + metrics.height() + Gap);
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    bounds.setBottom(bounds.bottom() - paintLegend(painter, chart, figures, bounds));

    Plot plot;
    plot.scale = HistoryChartAxes::valueScale(chart, figures);
    std::vector<AxisMark> marks;
    std::vector<MonthBars> months;
    const std::vector<FillUpPoint> *points = fillUpPoints(chart, figures);
    if (points) {
        marks = HistoryChartAxes::timeLine(points->front().date, points->back().date);
        plot.fromX = marks.front().at;
        plot.toX = std::max(marks.back().at, plot.fromX + 1);
    } else {
        months = monthBars(chart, figures);
        std::vector<QDate> dates;
        for (const MonthBars &month : months)
            dates.push_back(month.month);
        marks = HistoryChartAxes::monthLine(dates);
        plot.fromX = -0.5;
        plot.toX = double(months.size()) - 0.5;
    }
    double widestLabel = 0;
    for (int tick = 0; tick < plot.scale.ticks; ++tick) {
        const double value = plot.scale.low + tick * (plot.scale.high - plot.scale.low) / std::max(1, plot.scale.ticks - 1);
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(HistoryChartAxes::valueLabel(chart, value)));
    }
    plot.area = bounds.adjusted(metrics.height() + 2 * Gap + widestLabel, metrics.height() / 2,
                                -metrics.horizontalAdvance(QStringLiteral("0000")), -(metrics.height() + Gap));
    paintAxes(painter, chart, figures.units, plot, marks);
    painter.setClipRect(plot.area.adjusted(-MarkerDiameter, -MarkerDiameter, MarkerDiameter, 0));
    if (points)
        paintFillUps(painter, plot, *points);
    else
        paintBars(painter, plot, months, barsStack(chart));
    return image;
}

} // namespace HistoryChartPainter
