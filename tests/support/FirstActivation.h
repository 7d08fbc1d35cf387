#pragma once

#include "support/FadeWait.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

// Waits until a window that was just shown is on screen and its first
// activation has run to its end: the fade-in, when fading is on, and what
// follows once the window is up (the main window's message that no ride is
// on file, which a MessageBox::Script in scope takes).
[[nodiscard]] inline bool WaitForFirstActivation(QWidget &window)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    WaitForFade(&window);
    QCoreApplication::processEvents();
    return true;
}
