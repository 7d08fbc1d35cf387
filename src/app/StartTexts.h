#pragma once

#include <QSize>
#include <QString>

// The texts the start-up shows.
namespace StartTexts {

// "Version w" and the version's three parts, e.g. "Version w1.31.20".
QString versionText(int major, int minor, int revision);

// The program's description under its name on the title window.
QString description();

// The new-user overview's greeting followed by the overview text.
QString overview();

// The screens on which the program does not display correctly.
bool screenTooNarrow(QSize screenPixels);

// The warning for such a screen, naming its width and height.
QString screenResolutionMessage(QSize screenPixels);
QString screenResolutionTitle();

} // namespace StartTexts
