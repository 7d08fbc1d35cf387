#include "store/PicturePaths.h"

#include "data/Cp1252.h"
#include "data/Records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PicturePaths {

namespace {

const QString CopiesFolder = QStringLiteral("Pictures");

bool fitsRecord(const QString &path)
{
    return whyNotStorable(path).isEmpty();
}

} // namespace

QStringList whyNotStorable(const QString &path)
{
    const QList<uint> characters = path.toUcs4();
    QString outside;
    for (const char32_t c : characters) {
        const QString character = QString::fromUcs4(&c, 1);
        if (!Cp1252::canEncode(c) && !outside.contains(character))
            outside += character;
    }
    QStringList reasons;
    if (characters.size() > RideRecord::PicturePathWidth)
        reasons << QStringLiteral("It is longer than %1 characters.").arg(RideRecord::PicturePathWidth);
    if (!outside.isEmpty())
        reasons << QStringLiteral("It holds characters outside the Windows-1252 character set: %1").arg(outside);
    return reasons;
}

QString copyName(const QString &original, const QStringList &taken)
{
    QString suffix = QFileInfo(original).suffix();
    if (suffix.size() > 5 || !fitsRecord(suffix))
        suffix.clear();
    for (int n = 1;; ++n) {
        QString name = QStringLiteral("Picture %1").arg(n);
        if (!suffix.isEmpty())
            name += QLatin1Char('.') + suffix;
        if (!taken.contains(name, Qt::CaseInsensitive))
            return name;
    }
}

QString storedPathInDataFolder(const QString &dataFolder, const QString &relativePath)
{
    const QString whole = QDir(dataFolder).absoluteFilePath(relativePath);
    return fitsRecord(whole) ? whole : relativePath;
}

FileStatus copyIntoDataFolder(const QString &dataFolder, const QString &original, QString &stored)
{
    const QDir folder(dataFolder);
    const QString copies = folder.filePath(CopiesFolder);
    if (!folder.mkpath(CopiesFolder))
        return FileStatus::failure(copies, QStringLiteral("Could not make the folder %1").arg(copies));
    const QString relative =
        CopiesFolder + QLatin1Char('/') + copyName(original, QDir(copies).entryList(QDir::Files | QDir::Hidden));
    const QString copy = folder.filePath(relative);
    QFile source(original);
    if (!source.copy(copy))
        return FileStatus::failure(copy, QStringLiteral("Could not copy the picture to %1: %2").arg(copy, source.errorString()));
    stored = storedPathInDataFolder(dataFolder, relative);
    return {};
}

} // namespace PicturePaths
