#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "platform/TestSeam.h"

// Hands a mailto: or http:// address to the desktop's opener (xdg-open),
// which opens it with the user's default program.
class LinkOpener
{
public:
    // Starts the opener and returns at once. When the opener cannot be
    // started, or ends with a failure (a non-zero exit status, as when no
    // program is set up for the address) within ReportWithinSeconds, failed
    // runs, later, from the event loop. An opener still running by then has
    // handed the address to a program that is running it (a browser opened
    // in the foreground, say): whatever it ends with later is that program's
    // business.
    static void open(const QString &target, std::function<void()> failed);

    static constexpr int ReportWithinSeconds = 15;

    // Test seam. While a Script exists nothing is started: every target is
    // recorded exactly as given, and a failing script calls failed at once.
    class Script : public TestSeam<Script>
    {
    public:
        void setFailing(bool fail) { failing = fail; }
        const QList<QString> &targets() const { return opened; }

    private:
        friend class LinkOpener;
        QList<QString> opened;
        bool failing = false;
    };

    // Test seam: run this program, with the address as its one argument, in
    // place of the desktop's opener; ended() counts its runs that are over.
    class Program : public TestSeam<Program>
    {
    public:
        explicit Program(QString path) : program(std::move(path)) {}
        int ended() const { return runsEnded; }

    private:
        friend class LinkOpener;
        QString program;
        int runsEnded = 0;
    };
};
