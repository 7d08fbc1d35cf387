#include "history/HistoryChartView.h"

#include "history/HistoryScreenChart.h"

#include <QChart>
#include <QCursor>
#include <QHelpEvent>
#include <QToolTip>

namespace {

// A day: for as long as the pointer rests there. (The timer behind a tooltip
// takes no longer times.)
constexpr int ShownWhileResting = 24 * 3600 * 1000;

} // namespace

HistoryChartView::HistoryChartView(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures)
    : QChartView(HistoryScreenChart::make(chart, figures, [this](const QString &text) { showTip(text); }).release())
{
    setRenderHint(QPainter::Antialiasing);
}

void HistoryChartView::showTip(const QString &text)
{
    tip_ = text;
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), text, viewport(), QRect(), ShownWhileResting);
}

bool HistoryChartView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // The chart's points have no tooltips of their own: left to the
        // scene, the pointer coming to rest would hide the point's text.
        if (!tip_.isEmpty())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip_, viewport(), QRect(),
                               ShownWhileResting);
        return true;
    case QEvent::Leave:
        showTip(QString());
        break;
    default:
        break;
    }
    return QChartView::viewportEvent(event);
}
