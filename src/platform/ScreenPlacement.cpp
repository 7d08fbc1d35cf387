#include "platform/ScreenPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The desktop adds its frame only once a window is on screen. Until then the
// frame of a window of the program already on screen tells its size, or a
// title bar and thin borders do.
QMargins frameMargins()
{
    for (const QWidget *shown : QApplication::topLevelWidgets()) {
        if (!shown->isVisible())
            continue;
        const QRect outer = shown->frameGeometry();
        const QRect inner = shown->geometry();
        const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (!margins.isNull())
            return margins;
    }
    return {4, 30, 4, 4};
}

int clampedStart(int start, int length, int areaStart, int areaLength)
{
    return std::clamp(start, areaStart, areaStart + std::max(0, areaLength - length));
}

} // namespace

QRect PlaceWindow(QSize size, QPoint centre, QMargins frame, QRect available)
{
    const QSize room = available.size().shrunkBy(frame).expandedTo(QSize(1, 1));
    QRect outer(QPoint(), size.boundedTo(room).grownBy(frame));
    outer.moveCenter(centre);
    outer.moveTo(clampedStart(outer.left(), outer.width(), available.left(), available.width()),
                 clampedStart(outer.top(), outer.height(), available.top(), available.height()));
    return outer;
}

void PlaceOnScreen(QWidget *window, const QWidget *over)
{
    const QScreen *screen = over ? over->screen() : window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QPoint centre = over ? over->frameGeometry().center() : available.center();
    const QMargins frame = frameMargins();
    const QRect placed = PlaceWindow(window->size(), centre, frame, available);
    const QSize size = placed.size().shrunkBy(frame);
    if (size != window->size()) {
        if (window->minimumSize() == window->maximumSize())
            window->setFixedSize(size);
        else
            window->resize(size);
    }
    // A window's position is that of its frame.
    window->move(placed.topLeft());
}
