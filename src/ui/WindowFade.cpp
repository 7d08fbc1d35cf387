#include "ui/WindowFade.h"

#include "platform/Settings.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QShortcut>
#include <QWidget>

#ifdef TORQAL_HAVE_XCB
#include <xcb/xcb.h>
#include <cstdlib>
#endif

namespace {

bool fadesOn = false;

std::optional<bool> &translucencyOverride()
{
    static std::optional<bool> value;
    return value;
}

#ifdef TORQAL_HAVE_XCB
xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif

void applyAlpha(QWidget *window, int alpha)
{
    // The widget keeps its opacity in 1/255 steps: land exactly on alpha.
    window->setWindowOpacity((alpha + 0.5) / 255.0);
#ifdef TORQAL_HAVE_XCB
    // On X11 the new opacity is a request that waits in the connection's
    // output until something sends it. Under the GLib event loop nothing
    // does until the next event arrives from the display, so without this a
    // fade would stand still until the mouse moves.
    if (xcb_connection_t *connection = x11Connection())
        xcb_flush(connection);
#endif
}

#ifdef TORQAL_HAVE_XCB
// An X11 display shows translucent windows only while a compositing manager
// owns the _NET_WM_CM_S<screen> selection.
bool x11CompositorRunning()
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return false;
    int screen = 0;
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    if (dot > display.lastIndexOf(':'))
        screen = display.mid(dot + 1).toInt();
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    if (!owner)
        return false;
    const bool owned = owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return owned;
}
#endif

} // namespace

bool TranslucencySupported()
{
    if (translucencyOverride())
        return *translucencyOverride();
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")
        || platform.startsWith(QLatin1String("wayland")))
        return false;
#ifdef TORQAL_HAVE_XCB
    if (platform == QLatin1String("xcb"))
        return x11CompositorRunning();
#endif
    return true;
}

void SetTranslucencyOverride(std::optional<bool> supported)
{
    translucencyOverride() = supported;
}

bool SetWindowOpacity(QWidget *window, int alpha, bool force)
{
    if (!force && !Settings::fadeStatus())
        return false;
    if (!window || !TranslucencySupported())
        return false;
    applyAlpha(window, std::clamp(alpha, 0, 255));
    return true;
}

bool FadesOn()
{
    return fadesOn;
}

bool ClearForFadeIn(QWidget *window)
{
    fadesOn = SetWindowOpacity(window, 0, false);
    return fadesOn;
}

void SetFadesOn(bool on)
{
    fadesOn = on;
    Settings::setFadeStatus(on);
}

WindowFader::WindowFader(QWidget *window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("timerFadeInOut"));
    m_timer.setInterval(15);
    connect(&m_timer, &QTimer::timeout, this, &WindowFader::tick);
}

WindowFader *WindowFader::of(const QWidget *window)
{
    return window ? window->findChild<WindowFader *>(QStringLiteral("timerFadeInOut"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void WindowFader::start(int start, int end, int step, bool unloadAtEnd, std::function<void()> followUp)
{
    m_start = static_cast<quint8>(std::clamp(start, 0, 255));
    m_end = static_cast<quint8>(std::clamp(end, 0, 255));
    m_step = static_cast<quint16>(std::clamp(step, 0, 255));
    m_unloadAtEnd = unloadAtEnd;
    m_followUp = std::move(followUp);
    m_firstTick = true;
    blockInput(true);
    m_timer.start();
}

void WindowFader::tick()
{
    if (m_firstTick) {
        m_firstTick = false;
        m_current = m_start;
    }
    if (m_start < m_end)
        m_current = static_cast<qint16>(std::min<int>(m_current + m_step, m_end));
    else
        m_current = static_cast<qint16>(std::max<int>(m_current - m_step, m_end));
    applyAlpha(m_window, m_current);
    if (m_current != m_end)
        return;
    m_timer.stop();
    blockInput(false);
    // The follow-up may start the next fade of this window (or close it), so
    // nothing of this one is touched after it.
    const std::function<void()> followUp = std::move(m_followUp);
    m_followUp = nullptr;
    if (m_unloadAtEnd) {
        m_closing = true;
        m_window->close();
        m_closing = false;
    }
    if (followUp)
        followUp();
}

void WindowFader::blockInput(bool on)
{
    if (on == m_blocking)
        return;
    m_blocking = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

namespace {

// The widget an event of this object acts on: a shortcut or an action acts on
// the widget it belongs to.
const QWidget *actedOn(const QObject *object)
{
    if (const auto *widget = qobject_cast<const QWidget *>(object))
        return widget;
    if (const auto *shortcut = qobject_cast<const QShortcut *>(object))
        return qobject_cast<const QWidget *>(shortcut->parent());
    if (const auto *action = qobject_cast<const QAction *>(object))
        return qobject_cast<const QWidget *>(action->parent());
    return nullptr;
}

} // namespace

bool WindowFader::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Close:
        // The desktop's close request; the window's own closing goes through.
        if (!event->spontaneous())
            return false;
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu: {
        const QWidget *widget = actedOn(watched);
        return widget && (widget == m_window || m_window->isAncestorOf(widget));
    }
    default:
        return false;
    }
}

void StartFade(QWidget *window, int start, int end, int step, bool unloadAtEnd, std::function<void()> followUp)
{
    if (!window)
        return;
    WindowFader *fader = WindowFader::of(window);
    if (!fader)
        fader = new WindowFader(window);
    fader->start(start, end, step, unloadAtEnd, std::move(followUp));
}

bool FadeRunning(const QWidget *window)
{
    const WindowFader *fader = WindowFader::of(window);
    return fader && fader->running();
}

bool ClosingByFade(const QWidget *window)
{
    const WindowFader *fader = WindowFader::of(window);
    return fader && fader->closing();
}
