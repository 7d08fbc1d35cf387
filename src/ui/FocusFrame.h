#pragma once

class QColor;
class QPainter;
class QRect;

// The frame that shows where the keyboard is, in the controls whose style
// draws too faint a sign of it: two pixels wide, just inside rect.
void DrawFocusFrame(QPainter &painter, const QRect &rect, const QColor &colour);
