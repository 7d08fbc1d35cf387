#pragma once

#include "app/DataFolderLock.h"

#include <QApplication>
#include <QStringList>

#include <latch>
#include <memory>
#include <thread>

// The start-up work that needs no display, done on a second thread while the
// display connection opens, which mostly waits for the display server:
// loading the font configuration (fontconfig reads its configuration files
// and font caches, some 10 ms that the first window would otherwise spend
// measuring its first text), taking the data folder's lock when the folder is
// there (the lock file is written through to the disk), and reading the first
// windows' button layouts. The application's identity and the data folder
// must be set before (SetApplicationIdentity, DataFolder::choose).
//
// What the second thread relies on, and how each is kept:
// - The toolkit takes the first thread that uses its thread data (by making a
//   QObject, such as the file of a layout) as the main thread, the thread of
//   the application object and of every window. The constructor makes the
//   calling thread the main thread before the second thread starts; construct
//   it on the thread that opens the display, before any other thread runs.
// - fontconfig reads the environment with getenv, which takes no lock, while
//   setenv and unsetenv change the environment's table in place. Nothing
//   changes the environment while fontconfig loads: the program changes none
//   while it starts, and the toolkit changes it while the display opens only
//   to take out a launch token of the desktop (DESKTOP_STARTUP_ID,
//   XDG_ACTIVATION_TOKEN), so that programs started from this one do not
//   inherit it. With such a token in the environment, openDisplay opens the
//   display once the font configuration is loaded; without one it opens it at
//   once. The rest of the work reads the environment, if at all, through the
//   toolkit, which takes the lock of its own changes.
// - fontconfig reads decimal numbers by the locale's decimal point, and the
//   toolkit sets the locale from the environment while the display opens:
//   the constructor sets that locale first, so that the toolkit's setting
//   changes nothing.
// - The lock and the layouts are handed over when the work is done (finish).
class StartAhead
{
public:
    StartAhead();
    ~StartAhead();
    StartAhead(const StartAhead &) = delete;
    StartAhead &operator=(const StartAhead &) = delete;

    // Opens the display (OpenDisplay, DisplayConnection.h). Where there is no
    // display, the lock taken ahead is given back before the process ends.
    std::unique_ptr<QApplication> openDisplay(int &argc, char **argv, const QString &program);

    // Waits until the work is done and hands over the data folder's lock.
    DataFolderLock finish();

    // The button layouts of the windows the program starts with.
    static QStringList firstLayouts() { return {QStringLiteral("frmTitlePage"), QStringLiteral("frmMain")}; }

private:
    void wait();

    std::latch m_fontsLoaded{1};
    DataFolderLock m_lock;
    std::thread m_work;
};
