#pragma once

#include "data/FileStatus.h"

#include <QString>
#include <QStringList>

// Where a ride's picture is, as the ride file can keep it. The ride file
// keeps a picture path of at most 150 characters of the Windows-1252 code
// page. A picture whose own path the file cannot keep is used through a copy
// in the Pictures folder of the data folder, under a short name.
//
// A picture inside the data folder is kept by its path relative to the data
// folder ("Pictures/Blue Heron.png"), so that it goes with the folder when
// the folder is moved or restored elsewhere. A stored path is never changed
// by reading it: a picture that is not where its path says stays the ride's
// picture until the user chooses another or removes it.
namespace PicturePaths {

// Why the ride file cannot keep the path, one sentence per reason; empty
// when it can.
QStringList whyNotStorable(const QString &path);

// The short name of a copy of `original` in a folder that already holds
// `taken`: "Picture 1.jpg", "Picture 2.jpg", ..., with the original's
// suffix when the ride file can keep it.
QString copyName(const QString &original, const QStringList &taken);

// The path the ride file keeps for the picture `file`: relative to the data
// folder when the file lies inside it, otherwise `file` as it is.
QString storedPath(const QString &dataFolder, const QString &file);

// The picture file a stored path names: a relative path is read against the
// data folder; a path whose file is not there (the data folder moved, a
// drive unplugged) is looked for by its file name in the data folder's
// Pictures folder. When the file is in neither place, the absolute path
// where it was looked for. Empty for an empty path.
QString pictureFile(const QString &dataFolder, const QString &stored);

// Copies `original` into the Pictures folder of the data folder (made when
// missing) under a short name; `stored` is then the path the ride file
// keeps for the copy ("Pictures/Picture 1.jpg"). A failure names the file
// and copies nothing.
FileStatus copyIntoDataFolder(const QString &dataFolder, const QString &original, QString &stored);

} // namespace PicturePaths
