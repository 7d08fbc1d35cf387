#pragma once

#include "data/FileStatus.h"

#include <QString>
#include <QStringList>

// Where a ride's picture is, as the ride file can keep it. The ride file
// keeps a picture path of at most 150 characters of the Windows-1252 code
// page. A picture whose own path the file cannot keep is used through a copy
// in the Pictures folder of the data folder, under a short name. The copy's
// path is kept whole when the file can keep it, otherwise relative to the
// data folder; the program reads a relative path against the data folder,
// which is its working folder.
namespace PicturePaths {

// Why the ride file cannot keep the path, one sentence per reason; empty
// when it can.
QStringList whyNotStorable(const QString &path);

// The short name of a copy of `original` in a folder that already holds
// `taken`: "Picture 1.jpg", "Picture 2.jpg", ..., with the original's
// suffix when the ride file can keep it.
QString copyName(const QString &original, const QStringList &taken);

// The path the ride file keeps for a file in the data folder: the whole
// path when it fits, otherwise the path relative to the data folder.
QString storedPathInDataFolder(const QString &dataFolder, const QString &relativePath);

// Copies `original` into the Pictures folder of the data folder (made when
// missing) under a short name; `stored` is then the path the ride file
// keeps for the copy. A failure names the file and copies nothing.
FileStatus copyIntoDataFolder(const QString &dataFolder, const QString &original, QString &stored);

} // namespace PicturePaths
