#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Every window fits the screen's available area (the screen without the
// desktop's panels) and is placed on it, whatever the screen's size and the
// desktop's scaling: no part of a window, its frame included, lies off the
// screen where the user could not reach it.

// Where a window of the given size goes, as its frame geometry (the window
// with the desktop's frame around it): no larger than the available area,
// centred on centre as far as the area allows, and inside the area. The
// window itself is that rectangle without the frame's margins.
QRect PlaceWindow(QSize size, QPoint centre, QMargins frame, QRect available);

// Places a top-level window by PlaceWindow on the screen it shows on: centred
// over the window `over`, or on the screen when there is none. A window too
// large for the screen is made smaller, its fixed size included.
void PlaceOnScreen(QWidget *window, const QWidget *over = nullptr);
