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

// Where the display settings are on the desktop named as in
// XDG_CURRENT_DESKTOP (e.g. "GNOME", "ubuntu:GNOME", "KDE"), as a line of the
// warning below; a general description for other desktops.
QString displaySettings(const QString &desktop);

// The warning for such a screen, naming its width and height and where the
// user's desktop changes them.
QString screenResolutionMessage(QSize screenPixels,
                                const QString &desktop = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")));
QString screenResolutionTitle();

} // namespace StartTexts
