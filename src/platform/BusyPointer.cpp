#include "platform/BusyPointer.h"

#include <QApplication>

BusyPointer::BusyPointer(QWidget *busyWindow)
    : window(busyWindow)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (window)
        window->setEnabled(false);
}

BusyPointer::~BusyPointer()
{
    if (window)
        window->setEnabled(true);
    QApplication::restoreOverrideCursor();
}
