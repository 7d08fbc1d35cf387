#include "history/HistorySummaryView.h"

#include <QFontMetricsF>
#include <QTextCursor>

#include <algorithm>

HistorySummaryView::HistorySummaryView(QWidget *parent)
    : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtSummary"));
    setAccessibleName(QStringLiteral("Summary"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    document()->setDocumentMargin(12);
}

void HistorySummaryView::showLines(const QList<SummaryLine> &lines)
{
    clear();
    QTextCharFormat name;
    name.setFontWeight(QFont::Bold);
    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF measure(bold);
    qreal widest = 0;
    QTextCursor cursor(document());
    for (const SummaryLine &line : lines) {
        if (!cursor.atStart())
            cursor.insertBlock();
        const QString label = line.label + u':';
        cursor.insertText(label, name);
        // One tab stop past the longest name lines the values up in a column.
        cursor.insertText(u'\t' + line.value, QTextCharFormat());
        widest = std::max(widest, measure.horizontalAdvance(label));
    }
    setTabStopDistance(widest + measure.horizontalAdvance(QStringLiteral("    ")));
    moveCursor(QTextCursor::Start);
}
