#pragma once

#include "history/HistorySummary.h"

#include <QTextEdit>

// The summary page of the history window: a line for each figure, its name
// in bold and its value in a column beside it ("Overall miles per gallon:
// 28.6"). It is read-only text with a caret the arrow keys move, so that a
// screen reader reads it line by line, each figure with its name.
class HistorySummaryView final : public QTextEdit
{
    Q_OBJECT

public:
    explicit HistorySummaryView(QWidget *parent = nullptr);

    // Shows the lines in place of those shown before.
    void showLines(const QList<SummaryLine> &lines);
};
