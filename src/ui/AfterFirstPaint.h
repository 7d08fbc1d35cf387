#pragma once

#include <functional>

class QWidget;

// Runs `step` once the window is on screen with its first picture painted:
// right after the first expose of its native window has been handled (which
// paints the window at once), or at the next turn of the event loop when the
// window is exposed already. Work a window need not show in its first frame
// (a picture to decode, a list to fill, a message) waits for it here, so that
// the window comes up sooner. Nothing runs once the window is gone.
// The window must have been shown (it has its native window).
void AfterFirstPaint(QWidget *window, std::function<void()> step);
