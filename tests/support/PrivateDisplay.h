#pragma once

// A private X display (Xvfb) for the tests that need a real display server
// instead of the offscreen platform: it starts on a free display number and
// ends with the object.

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>

class PrivateDisplay
{
public:
    PrivateDisplay()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (server.isEmpty()) {
            problem = "Xvfb is not installed (scripts/setup-deps installs it)";
            return;
        }
        // Xvfb picks a free display number and writes it to standard output
        // once it takes connections.
        process.start(server, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("1024x768x24")});
        QByteArray number;
        while (!number.endsWith('\n') && process.waitForReadyRead(10000))
            number += process.readAllStandardOutput();
        if (!number.endsWith('\n')) {
            problem = "Xvfb did not start: " + process.readAllStandardError();
            return;
        }
        name = ':' + number.trimmed();
    }

    ~PrivateDisplay()
    {
        process.terminate();
        process.waitForFinished(5000);
    }

    bool started() const { return !name.isEmpty(); }

    QByteArray name;    // for DISPLAY, e.g. ":3"
    QByteArray problem; // why it did not start

private:
    QProcess process;
};
