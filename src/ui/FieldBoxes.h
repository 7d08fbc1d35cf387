#pragma once

#include "platform/TestSeam.h"

#include <QList>
#include <QString>
#include <QStringView>

class QLabel;
class QLineEdit;
class QWidget;

// The one-line field boxes of every window take only what their record
// field stores as typed (the rules of FieldText), whichever way the text
// comes: typed, pasted, dropped or set by assistive technology. What a box
// does not take never costs the text it holds: a refused keystroke or paste
// leaves the box as it was, selection included; of a paste partly refused
// the rest goes in, as an edit of its own that undo takes back; a text set
// by assistive technology keeps the part the field stores, or the old text
// when it stores none of it. What a box does not take, the user is told
// inside the window. Text that the program itself shows in a box (setText)
// is shown whole and as it is.
namespace FieldBoxes {

// Box takes at most `limit` characters of what the user types; calling it
// again changes the limit.
void limitOneLine(QLineEdit *box, int limit);
// The limit of a box, 0 when it has none.
int limitOf(const QLineEdit *box);

// Shows the program's text in a box: never cut, never changed.
void setText(QLineEdit *box, const QString &text);

// What an edit from `before` to `after` put in place of part of the text
// (every character that differs, between the parts both texts share at
// their start and their end) and where that part starts.
struct Change
{
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;
};
Change changeBetween(QStringView before, QStringView after);

// Tells the user what a box did not take: a note under the box, inside its
// window, that assistive technology announces.
void tell(QWidget *box, const QString &note);

// The note a window shows (null before its first note).
QLabel *noteOf(const QWidget *window);

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
