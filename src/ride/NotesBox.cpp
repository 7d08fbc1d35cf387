#include "ride/NotesBox.h"

#include <QTextCursor>

NotesBox::NotesBox(int maxLength, QWidget *parent)
    : QPlainTextEdit(parent)
    , maximum(maxLength)
{
    connect(this, &QPlainTextEdit::textChanged, this, &NotesBox::cutExcess);
}

// Removes what was just typed or pasted beyond the limit, which lies right
// before the cursor.
void NotesBox::cutExcess()
{
    if (isReadOnly())
        return;
    const int excess = int(toPlainText().size()) - maximum;
    if (excess <= 0)
        return;
    QTextCursor cursor = textCursor();
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
