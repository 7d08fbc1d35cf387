#pragma once

#include "ride/MainWindowControls.h"

#include <QString>

// The hover texts of the main window's commands, set once when the window
// first becomes active. The save and cancel commands get theirs from the
// ride editing, the fade command while the mouse is over it, the log
// commands theirs as their pages are built.
void SetMainWindowHoverTexts(const MainWindowControls &controls);
void SetLogCommandHoverTexts(const MainWindowControls &controls);

// The fade command's hover text for the effect being on or off.
QString FadeStatusHoverText(bool fadeActive);
