#pragma once

// Working a modal window that opens with exec() rather than through
// RunModal (and so its ModalScript): the step runs once the window is up.

#include <QApplication>
#include <QTimer>

#include <functional>

// Runs `step` on the modal window of type Window once it is up.
template<class Window>
void whenOpen(QObject *context, std::function<void(Window &)> step)
{
    QTimer::singleShot(0, context, [step] {
        if (auto *window = qobject_cast<Window *>(QApplication::activeModalWidget()))
            step(*window);
    });
}
