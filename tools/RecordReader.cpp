#include "RecordReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

Presence presenceOf(const QString &path, QString &problem)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return Presence::Missing;
        problem = QStringLiteral("cannot look at %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return Presence::Unknown;
    }
    if (!S_ISLNK(status.st_mode) || ::stat(name.constData(), &status) == 0)
        return Presence::Present;
    if (errno == ENOENT) {
        problem = QStringLiteral("%1 is a broken link: the file it leads to, %2, is not there").arg(path, QFile::symLinkTarget(path));
        return Presence::BrokenLink;
    }
    problem = QStringLiteral("cannot follow the link %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    return Presence::Unknown;
}

bool openForReading(QFile &file, const QString &path, QString &problem)
{
    // Opening without waiting, so that a FIFO cannot hold the tool up; only
    // a regular file is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (S_ISDIR(status.st_mode))
            problem = QStringLiteral("%1 is a folder, not a data file").arg(path);
        else if (status.st_mode != 0)
            problem = QStringLiteral("%1 is not a regular file (a pipe or a device), not a data file").arg(path);
        else
            problem = QStringLiteral("cannot read %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        problem = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool forEachRecord(QFile &file, int recordLength, const std::function<void(qint64, const char *)> &visit)
{
    const qint64 count = recordCountForLength(file.size(), recordLength);
    std::vector<char> record(static_cast<std::size_t>(recordLength));
    for (qint64 number = 1; number <= count; ++number) {
        const qint64 got = file.read(record.data(), recordLength);
        if (got < 0)
            return false;
        std::fill(record.begin() + got, record.end(), '\0');
        visit(number, record.data());
    }
    return true;
}
