#pragma once

#include "app/StartUp.h"

#include <QStringList>

#include <thread>

// The start-up work that needs no display, done on a second thread while the
// display connection opens, which mostly waits for the display server:
// loading the font configuration (fontconfig reads its configuration files
// and font caches, some 10 ms that the first window would otherwise spend
// measuring its first text), taking the data folder's lock when the folder is
// there (the lock file is written through to the disk), and reading the first
// windows' button layouts. The application's identity and the data folder
// must be set before (SetApplicationIdentity, DataFolder::choose).
class StartAhead
{
public:
    StartAhead();
    ~StartAhead();
    StartAhead(const StartAhead &) = delete;
    StartAhead &operator=(const StartAhead &) = delete;

    // Waits until the work is done and hands over the data folder's lock.
    DataFolderLock finish();

    // The button layouts of the windows the program starts with.
    static QStringList firstLayouts() { return {QStringLiteral("frmTitlePage"), QStringLiteral("frmMain")}; }

private:
    void wait();

    DataFolderLock m_lock;
    std::thread m_work;
};
