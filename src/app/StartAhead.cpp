#include "app/StartAhead.h"

#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "ui/ButtonLayout.h"

#include <QFileInfo>

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <string>

namespace {

// While the display connection opens, the toolkit takes the desktop's launch
// tokens out of the environment (so that programs started from this one do
// not inherit them), and fontconfig on the second thread reads the
// environment without any guard. Taking a variable out moves every variable
// after it one place up, so that a reading at that moment could miss one.
// With the tokens at the very end of the environment, taking them out moves
// no other variable.
void moveLaunchTokensToTheEnd()
{
    for (const char *name : {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"}) {
        if (const char *value = std::getenv(name)) {
            const std::string kept(value);
            ::unsetenv(name);
            ::setenv(name, kept.c_str(), 1); // a new variable goes at the end
        }
    }
}

} // namespace

StartAhead::StartAhead()
{
    moveLaunchTokensToTheEnd();
    m_work = std::thread([this] {
        FcInit();
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
