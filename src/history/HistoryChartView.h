#pragma once

#include "history/HistoryCharts.h"

#include <QChartView>
#include <QString>

// A history chart on the screen. The text of the point or bar under the
// pointer shows as a tooltip, which stays while the pointer rests there and
// goes when the pointer leaves it.
class HistoryChartView final : public QChartView
{
    Q_OBJECT

public:
    // The chart of the figures, which must have something to draw.
    HistoryChartView(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures);

    // Shows the text as the tooltip at the pointer; an empty text hides it.
    void showTip(const QString &text);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    QString tip_;
};
