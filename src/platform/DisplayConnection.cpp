#include "platform/DisplayConnection.h"

#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QString text;
};

QList<HeldMessage> &heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

QString &programName()
{
    static QString name;
    return name;
}

std::function<void()> &beforeEnding()
{
    static std::function<void()> step;
    return step;
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

void holdMessage(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg) {
        const QByteArray line = (programName() + QStringLiteral(": ") + whyNoDisplay() + QLatin1Char('\n')).toLocal8Bit();
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
        if (beforeEnding())
            beforeEnding()();
        std::_Exit(1);
    }
    heldMessages().append({type, text});
}

} // namespace

std::unique_ptr<QApplication> OpenDisplay(int &argc, char **argv, const QString &program, std::function<void()> ending)
{
    programName() = program;
    beforeEnding() = std::move(ending);
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    beforeEnding() = nullptr;
    for (const HeldMessage &message : std::exchange(heldMessages(), {}))
        qt_message_output(message.type, QMessageLogContext(), message.text);
    return application;
}
