#pragma once

#include "ui/WindowFade.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

// Runs the event loop until the window's fade has finished (or the window is
// gone). Only tests wait so: the program goes on in a fade's follow-up.
inline void WaitForFade(const QWidget *window)
{
    const QPointer<const QWidget> alive(window);
    while (alive && FadeRunning(alive))
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
