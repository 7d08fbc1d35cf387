#pragma once

#include <QPixmap>

// The background textures of the program's windows, painted here so that
// they are the program's own.
namespace Textures {

// Dark woven carbon: the main window behind its tabs.
QPixmap carbon();

// Light brushed steel: the new-user overview and the smaller windows.
QPixmap brushedSteel();

} // namespace Textures
