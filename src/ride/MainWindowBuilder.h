#pragma once

#include "ride/MainWindowControls.h"

#include <QSize>

class QWidget;

// Creates every control of the main window inside window, laid out in the
// window's design, and returns them by name. Every field box starts locked
// and in the view colours; the commands carry their stored layouts but no
// hover texts yet (the window sets those when it first becomes active).
MainWindowControls BuildMainWindow(QWidget *window);

// The least size the main window's content takes; a smaller window scrolls
// its content.
QSize MainWindowContentSize(const QWidget *window);
