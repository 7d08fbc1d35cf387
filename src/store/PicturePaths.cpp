#include "store/PicturePaths.h"

#include "data/Cp1252.h"
#include "data/Records.h"
#include "data/SystemCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <vector>

namespace PicturePaths {

namespace {

const QString CopiesFolder = QStringLiteral("Pictures");

bool fitsRecord(const QString &path)
{
    return whyNotStorable(path).isEmpty();
}

// The absolute path with its links resolved where the file is there, so that
// a data folder reached through a link still holds the pictures inside it.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The copy being made, until it is whole.
const QString PartialCopyName = QStringLiteral("Picture copy.partial");

// Copies the file `from` to `to` (replacing it) and flushes the copy to disk.
// A failure names the file and removes the part copied.
FileStatus copyWhole(const QString &from, const QString &to)
{
    const int source = SystemCalls::open(QFile::encodeName(from).constData(), O_RDONLY);
    if (source < 0)
        return FileStatus::systemFailure(QStringLiteral("read the picture"), from, errno);
    const QByteArray target = QFile::encodeName(to);
    const int copy = SystemCalls::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (copy < 0) {
        const int error = errno;
        SystemCalls::close(source);
        return FileStatus::systemFailure(QStringLiteral("copy the picture to"), to, error);
    }
    std::vector<char> chunk(1 << 20);
    FileStatus status;
    for (off_t offset = 0;;) {
        const qint64 got = SystemCalls::readUpTo(source, chunk.data(), qint64(chunk.size()), offset);
        if (got < 0) {
            status = FileStatus::systemFailure(QStringLiteral("read the picture"), from, errno);
            break;
        }
        if (got > 0 && SystemCalls::writeAll(copy, chunk.data(), got, offset) != got) {
            status = FileStatus::systemFailure(QStringLiteral("copy the picture to"), to, errno);
            break;
        }
        if (got < qint64(chunk.size()))
            break;
        offset += static_cast<off_t>(got);
    }
    if (status && SystemCalls::fsync(copy) != 0)
        status = FileStatus::systemFailure(QStringLiteral("copy the picture to"), to, errno);
    if (SystemCalls::close(copy) != 0 && status)
        status = FileStatus::systemFailure(QStringLiteral("copy the picture to"), to, errno);
    SystemCalls::close(source);
    if (!status)
        SystemCalls::unlink(target.constData());
    return status;
}

// Gives the whole copy `partial` the first free short name in the folder
// `copies` (never replacing a file); `name` receives it.
FileStatus nameCopy(const QString &partial, const QString &original, const QString &copies, QString &name)
{
    const QByteArray from = QFile::encodeName(partial);
    QStringList taken = QDir(copies).entryList(QDir::Files | QDir::Hidden);
    for (;;) {
        const QString candidate = copyName(original, taken);
        if (SystemCalls::renameNoReplace(from.constData(), QFile::encodeName(QDir(copies).filePath(candidate)).constData()) == 0) {
            name = candidate;
            return {};
        }
        if (errno != EEXIST)
            return FileStatus::systemFailure(QStringLiteral("copy the picture to"), QDir(copies).filePath(candidate), errno);
        taken << candidate; // made meanwhile by someone else
    }
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

QString storedPath(const QString &dataFolder, const QString &file)
{
    const QString relative = QDir(resolved(dataFolder)).relativeFilePath(resolved(file));
    if (relative.isEmpty() || relative == QLatin1String("..") || relative.startsWith(QLatin1String("../"))
        || QDir::isAbsolutePath(relative))
        return file;
    return relative;
}

QString pictureFile(const QString &dataFolder, const QString &stored)
{
    if (stored.isEmpty())
        return {};
    const QDir folder(dataFolder);
    const QString where = folder.absoluteFilePath(stored);
    if (QFileInfo::exists(where))
        return where;
    // The name after the last separator, also of a path written on Windows.
    const qsizetype separator = std::max(stored.lastIndexOf(QLatin1Char('/')), stored.lastIndexOf(QLatin1Char('\\')));
    const QString name = stored.mid(separator + 1);
    const QString copy = folder.absoluteFilePath(CopiesFolder + QLatin1Char('/') + name);
    if (!name.isEmpty() && QFileInfo(copy).isFile())
        return copy;
    return where;
}

FileStatus copyIntoDataFolder(const QString &dataFolder, const QString &original, QString &stored)
{
    const QDir folder(dataFolder);
    const QString copies = folder.filePath(CopiesFolder);
    if (!folder.mkpath(CopiesFolder))
        return FileStatus::failure(copies, QStringLiteral("Could not make the folder %1").arg(copies));
    // The copy is made whole under a name no picture has, flushed, and only
    // then named as a picture: a copy cut short is never taken for one.
    const QString partial = QDir(copies).filePath(PartialCopyName);
    if (FileStatus copied = copyWhole(original, partial); !copied)
        return copied;
    QString name;
    FileStatus named = nameCopy(partial, original, copies, name);
    if (named && SystemCalls::syncFolder(QFile::encodeName(copies).constData()) != 0)
        named = FileStatus::systemFailure(QStringLiteral("copy the picture to"), QDir(copies).filePath(name), errno);
    if (!named) {
        SystemCalls::unlink(QFile::encodeName(name.isEmpty() ? partial : QDir(copies).filePath(name)).constData());
        return named;
    }
    stored = CopiesFolder + QLatin1Char('/') + name;
    return {};
}

} // namespace PicturePaths
