#pragma once

#include "app/DataFolderLock.h"
#include "platform/SingleInstance.h"

#include <QString>

#include <memory>

class frmTitlePage;

// The application-wide set-up before any window: names, style, fonts.
void ConfigureApplication();

// The program's icon from the desktop's icon theme, for every window. Looking
// it up takes a while, so it waits until the main window is on screen.
void SetProgramIcon();

// The start procedure: moves into the data folder, refuses a second program
// on that folder (`instance` then holds the folder's lock for the run), looks
// after the data folder (StartChecks.h) and shows the title window, which it
// returns. Returns null when the program has to end at once (the user has
// been told why). The lock is taken here unless `lock` was tried ahead.
frmTitlePage *StartProgram(std::unique_ptr<SingleInstance> &instance);
frmTitlePage *StartProgram(DataFolderLock lock, std::unique_ptr<SingleInstance> &instance);
