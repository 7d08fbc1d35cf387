#pragma once

#include "platform/SingleInstance.h"

#include <QString>

#include <memory>

// The data folder's lock, tried. Needs no display, so the program tries it on
// a second thread while the display opens (StartAhead.h) when the folder is
// there already; the start procedure reports a refusal.
struct DataFolderLock
{
    std::unique_ptr<SingleInstance> instance; // null: not tried yet
    SingleInstance::Outcome outcome = SingleInstance::Outcome::CannotMake;
};
DataFolderLock LockDataFolder(const QString &folder);
