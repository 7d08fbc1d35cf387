#include "app/StartAhead.h"

#include "platform/DataFolder.h"
#include "platform/DisplayConnection.h"
#include "ui/ButtonLayout.h"

#include <QFileInfo>
#include <QThread>

#include <fontconfig/fontconfig.h>

#include <clocale>

namespace {

// Whether the toolkit will take a launch token out of the environment while
// the display opens.
bool launchTokenGiven()
{
    return qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID") || qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN");
}

} // namespace

StartAhead::StartAhead()
{
    // Both before the second thread starts (see the header): this thread
    // becomes the toolkit's main thread, and the locale is the one the
    // toolkit sets while the display opens.
    QThread::currentThread();
    std::setlocale(LC_ALL, "");
    m_work = std::thread([this] {
        FcInit();
        m_fontsLoaded.count_down();
        // A data folder yet to be made is made by the start procedure, so
        // that a start without a display leaves nothing behind.
        if (const QString folder = DataFolder::path(); QFileInfo(folder).isDir())
            m_lock = LockDataFolder(folder);
        for (const QString &window : firstLayouts()) {
            ButtonLayout layout;
            // A layout that cannot be read is reported when its window loads it.
            programButtonLayout(window, layout);
        }
    });
}

StartAhead::~StartAhead()
{
    wait();
}

std::unique_ptr<QApplication> StartAhead::openDisplay(int &argc, char **argv, const QString &program)
{
    if (launchTokenGiven())
        m_fontsLoaded.wait();
    return OpenDisplay(argc, argv, program, [this] { finish(); });
}

void StartAhead::wait()
{
    if (m_work.joinable())
        m_work.join();
}

DataFolderLock StartAhead::finish()
{
    wait();
    return std::move(m_lock);
}
