#pragma once

#include <QString>

class QLabel;
class QWidget;

// How the program's controls are named to assistive technology (screen
// readers and the like): by the caption the user sees beside them.
namespace AccessibleNames {

// A caption as it is read out: access-key ampersands removed (a doubled one
// stays as one "&"), line breaks (CR LF, CR or LF) read as blanks, no blanks
// around it.
QString plainCaption(const QString &caption);

// Names box by the caption label beside it: the label becomes the box's buddy,
// so that the two are related, and the box's name is the label's plain text.
// Call it again when the label's text changes.
void nameByCaption(QLabel *caption, QWidget *box);

} // namespace AccessibleNames
