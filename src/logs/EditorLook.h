#pragma once

#include "store/LogKind.h"

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The entry editor's look, shared by its boxes: captions on a dark strip,
// boxes cyan at rest and yellow (adding) or magenta (editing) with focus.
namespace EditorLook {

QRect twipsRect(int left, int top, int width, int height);

// A caption above a box, named `name`, at `left`, `top` (twips).
QLabel *caption(QWidget *parent, const QString &name, int left, int top);

// A box's resting look.
void restBox(QWidget *box);

// The box and its caption as focus comes or goes: the caption bold and
// yellow or pink, the box yellow or magenta, while it has focus.
void showFocus(QLabel *caption, QWidget *box, bool hasFocus, bool adding);

// The background of the editor's rectangle for the log.
QColor kindColour(LogKind kind);

} // namespace EditorLook
