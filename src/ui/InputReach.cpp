#include "ui/InputReach.h"

#include "ui/WindowFade.h"

#include <QApplication>
#include <QWidget>

namespace {

// Whether window is ancestor or one of its parent windows, however many
// windows apart.
bool withinWindowOf(const QWidget *window, const QWidget *ancestor)
{
    for (const QWidget *w = window; w; w = w->parentWidget()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

// A modal window blocks every other window but its own children (a message
// box over it, its pop-up menus); a window-modal one only the windows it
// belongs to.
bool blockedByModal(const QWidget *window)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (!modal || withinWindowOf(window, modal))
        return false;
    if (modal->windowModality() == Qt::WindowModal)
        return withinWindowOf(modal, window);
    return true;
}

} // namespace

bool ReachedByInput(const QWidget *widget)
{
    const QWidget *window = widget->window();
    return widget->isEnabled() && !blockedByModal(window) && !FadeRunning(window);
}
