#include "ui/AfterFirstPaint.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Waits, as a child of the window, for the expose of its native window.
class FirstExposeWatch : public QObject
{
public:
    FirstExposeWatch(QWidget *window, std::function<void()> step) : QObject(window), m_step(std::move(step))
    {
        QWindow *native = window->windowHandle();
        if (native && !native->isExposed())
            native->installEventFilter(this);
        else
            runSoon();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // Posted now, handled after this expose, whose handling paints.
            runSoon();
        }
        return false;
    }

private:
    void runSoon()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const std::function<void()> step = std::move(m_step);
                deleteLater();
                step();
            },
            Qt::QueuedConnection);
    }

    std::function<void()> m_step;
};

} // namespace

void AfterFirstPaint(QWidget *window, std::function<void()> step)
{
    new FirstExposeWatch(window, std::move(step));
}
