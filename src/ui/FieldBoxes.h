#pragma once

#include "platform/TestSeam.h"

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

// The one-line field boxes of every window take only what their record
// field stores as typed (the rules of FieldText), whichever way the text
// comes: typed, pasted, dropped or set by assistive technology. What a box
// does not take, the user is told by the box. Text that the program itself
// shows in a box (setText) is shown whole and as it is.
namespace FieldBoxes {

// Box takes at most `limit` characters of what the user types; calling it
// again changes the limit.
void limitOneLine(QLineEdit *box, int limit);
// The limit of a box, 0 when it has none.
int limitOf(const QLineEdit *box);

// Shows the program's text in a box: never cut, never changed.
void setText(QLineEdit *box, const QString &text);

// Tells the user, next to the box, what it did not take.
void tell(QWidget *box, const QString &note);

// Test seam: while it exists the notes are recorded instead of shown.
class NoteScript : public TestSeam<NoteScript>
{
public:
    struct Note
    {
        QWidget *box;
        QString text;
    };
    QList<Note> notes;
};

} // namespace FieldBoxes
