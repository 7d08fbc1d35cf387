#include "logs/NotesEdit.h"

#include "logs/LogEntryForm.h"

#include <QTextCursor>

NotesEdit::NotesEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the next control, as in the main window's notes, so
    // that a keyboard user can leave the box; notes hold no tab characters.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &NotesEdit::cutExcess);
}

void NotesEdit::setMaxLength(int length)
{
    m_maxLength = length;
    cutExcess();
}

QString NotesEdit::storedText() const
{
    return LogEntryForm::notesForStorage(toPlainText());
}

void NotesEdit::setStoredText(const QString &text)
{
    setPlainText(LogEntryForm::notesForDisplay(text));
}

// Removes the characters beyond the limit, from what was just typed or
// pasted, which ends at the cursor.
void NotesEdit::cutExcess()
{
    int excess = int(storedText().size()) - m_maxLength;
    if (excess <= 0)
        return;
    QTextCursor cursor = textCursor();
    const QString shown = toPlainText();
    int start = cursor.position();
    while (excess > 0 && start > 0) {
        --start;
        excess -= shown.at(start) == QLatin1Char('\n') ? 2 : 1;
    }
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (excess > 0) { // more than the limit before the cursor: cut the end
        QString kept = storedText().left(m_maxLength);
        if (kept.endsWith(QLatin1Char('\r')))
            kept.chop(1);
        setStoredText(kept);
    }
}
