#include "platform/ScreenSize.h"

#include <QGuiApplication>
#include <QScreen>

QSize ScreenSize::pixels()
{
    if (const Pretend *pretend = Pretend::active())
        return pretend->size;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}
