#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

// The program's own button icons and hand cursor, painted here. Icons are
// square (16 or 32 pixels) with a transparent background and crisp edges, so
// that drawn over the buttons' mask colour they key out cleanly.
namespace ButtonIcons {

// The roles: add, edit, delete, print, history, help, picture, largerpicture, save,
// cancel, quit, fade, friend, select, continue, return, topics.
QStringList roles();

// name is "<role>-<size>", e.g. "add-16"; a null image for an unknown name.
QImage icon(const QString &name);
QImage icon(const QString &role, int size);

QImage handCursor();
QPoint handCursorHotSpot();

} // namespace ButtonIcons
