#pragma once

class QWidget;

// Whether the keyboard and the mouse reach the widget: it is enabled, no
// modal window stands in front of its window, and its window is not fading
// (a fading window drops input without greying its controls). What
// assistive technology does on a control goes by the same rule, so that it
// cannot act on a window the user cannot.
bool ReachedByInput(const QWidget *widget);
