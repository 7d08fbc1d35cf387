#pragma once

#include <functional>

class QWidget;

// While fading is on, the main window dims to 80 % (255 to 204, step 2)
// before a modal window opened from it and comes back (step 3) after the
// modal window has closed. modalStep shows that window and returns when it
// has closed.
void DimAround(QWidget *mainWindow, const std::function<void()> &modalStep);
