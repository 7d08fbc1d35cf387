#include "platform/DisplayConnection.h"

#include <QList>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QString text;
};

// The display being opened. The toolkit sends its messages from whichever
// thread makes them, and the start-up work runs on a second thread while
// the display opens, so everything here is read and written under the guard.
struct Opening
{
    std::mutex guard;
    bool holding = false;
    std::thread::id opener;
    QString program;
    std::function<void()> ending;
    QtMessageHandler previous = nullptr;
    QList<HeldMessage> messages;
};

Opening &opening()
{
    static Opening state;
    return state;
}

QString whyNoDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return QStringLiteral("cannot open its windows on the platform \"%1\" (QT_QPA_PLATFORM)").arg(QString::fromLocal8Bit(platform));
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty())
        return QStringLiteral("cannot open its windows: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    return QStringLiteral("cannot open its windows: the display %1 does not answer")
        .arg(QString::fromLocal8Bit(x11.isEmpty() ? wayland : x11));
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Opening &state = opening();
    std::unique_lock locked(state.guard);
    // A message that was on its way while the held ones were shown follows
    // them; another thread's failure is no failure to open the display and
    // ends the program as the toolkit ends it.
    if (!state.holding || (type == QtFatalMsg && std::this_thread::get_id() != state.opener)) {
        const QtMessageHandler previous = state.previous;
        locked.unlock();
        previous(type, context, text);
        return;
    }
    if (type == QtFatalMsg) {
        const QByteArray line = (state.program + QStringLiteral(": ") + whyNoDisplay() + QLatin1Char('\n')).toLocal8Bit();
        const std::function<void()> ending = std::move(state.ending);
        // The ending may wait for a thread that is sending a message.
        locked.unlock();
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
        if (ending)
            ending();
        std::_Exit(1);
    }
    state.messages.append({type, text});
}

} // namespace

std::unique_ptr<QApplication> OpenDisplay(int &argc, char **argv, const QString &program, std::function<void()> ending)
{
    Opening &state = opening();
    {
        const std::lock_guard locked(state.guard);
        state.holding = true;
        state.opener = std::this_thread::get_id();
        state.program = program;
        state.ending = std::move(ending);
        state.previous = qInstallMessageHandler(holdMessage);
    }
    auto application = std::make_unique<QApplication>(argc, argv);
    const std::lock_guard locked(state.guard);
    // Shown in the order they came, before any later message.
    for (const HeldMessage &message : std::exchange(state.messages, {}))
        state.previous(message.type, QMessageLogContext(), message.text);
    state.holding = false;
    state.ending = nullptr;
    qInstallMessageHandler(state.previous);
    return application;
}
