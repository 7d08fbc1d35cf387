#include "platform/BusyPointer.h"

#include <QApplication>

BusyPointer::BusyPointer(QWidget *busyWindow, bool withPointer)
    : window(busyWindow), pointer(withPointer)
{
    if (pointer)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    if (window)
        window->setEnabled(false);
}

BusyPointer::~BusyPointer()
{
    if (window)
        window->setEnabled(true);
    if (pointer)
        QApplication::restoreOverrideCursor();
}
