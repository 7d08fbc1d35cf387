#include "app/StartAhead.h"

#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "ui/ButtonLayout.h"

#include <QFileInfo>

#include <fontconfig/fontconfig.h>

StartAhead::StartAhead()
    : m_work([this] {
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
      })
{
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
