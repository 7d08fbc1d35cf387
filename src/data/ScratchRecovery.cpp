#include "data/ScratchRecovery.h"

#include "data/SystemCalls.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace ScratchRecovery {

namespace {

QByteArray scratchPath() { return ScratchFileName.toLocal8Bit(); }

// The file's length, or nothing when it does not exist or cannot be looked at.
std::optional<qint64> lengthOf(const QByteArray &path)
{
    struct stat status {};
    if (SystemCalls::lstat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status.st_size;
}

bool exists(const QByteArray &path)
{
    struct stat status {};
    return SystemCalls::lstat(path.constData(), &status) == 0 || errno != ENOENT;
}

// Calls `visit` for each record of the file, a partial last record filled up
// with zero bytes. False when the file cannot be read or `visit` says stop.
bool forEachRecord(const QByteArray &path, int recordLength, const std::function<bool(const char *)> &visit)
{
    const int fd = SystemCalls::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const qsizetype recordsPerChunk = std::max(1, (1 << 20) / recordLength);
    std::vector<char> chunk(static_cast<std::size_t>(recordsPerChunk * recordLength));
    off_t offset = 0;
    bool complete = true;
    for (;;) {
        const ssize_t got = SystemCalls::pread(fd, chunk.data(), chunk.size(), offset);
        if (got < 0) {
            complete = false;
            break;
        }
        if (got == 0)
            break;
        const auto whole = static_cast<std::size_t>(got);
        const std::size_t records = (whole + static_cast<std::size_t>(recordLength) - 1) / static_cast<std::size_t>(recordLength);
        std::fill(chunk.begin() + static_cast<std::ptrdiff_t>(whole),
                  chunk.begin() + static_cast<std::ptrdiff_t>(records * static_cast<std::size_t>(recordLength)), '\0');
        for (std::size_t r = 0; r < records && complete; ++r)
            complete = visit(chunk.data() + r * static_cast<std::size_t>(recordLength));
        if (!complete)
            break;
        offset += got;
    }
    SystemCalls::close(fd);
    return complete;
}

std::size_t hashOf(const char *record, int recordLength)
{
    return std::hash<std::string_view>{}(std::string_view(record, static_cast<std::size_t>(recordLength)));
}

// True when every record of the scratch file is also a record of an existing
// data file with the same record length: the scratch file is a stale copy.
bool isStaleCopy(qint64 scratchLength)
{
    for (const DataFileInfo &file : DataFileTable()) {
        if (scratchLength % file.recordLength != 0)
            continue;
        const QByteArray path = file.name.toLocal8Bit();
        if (!lengthOf(path))
            continue;
        std::unordered_set<std::size_t> present;
        const bool readAll = forEachRecord(path, file.recordLength, [&](const char *record) {
            present.insert(hashOf(record, file.recordLength));
            return true;
        });
        if (!readAll)
            continue;
        const bool allPresent = forEachRecord(scratchPath(), file.recordLength, [&](const char *record) {
            return present.contains(hashOf(record, file.recordLength));
        });
        if (allPresent)
            return true;
    }
    return false;
}

} // namespace

namespace {

// The missing data files that a scratch file of `length` bytes can come from.
QList<const DataFileInfo *> possibleOrigins(qint64 length)
{
    QList<const DataFileInfo *> origins;
    for (const DataFileInfo &file : DataFileTable()) {
        if (length % file.recordLength == 0 && !exists(file.name.toLocal8Bit())
            && forEachRecord(scratchPath(), file.recordLength, file.looksLikeRecord))
            origins << &file;
    }
    return origins;
}

FileStatus setAside(Outcome *outcome)
{
    for (int number = 1; number <= MaxRecords; ++number) {
        const QString aside = QStringLiteral("TempFile-%1.$$$").arg(number);
        if (SystemCalls::renameNoReplace(scratchPath().constData(), aside.toLocal8Bit().constData()) == 0) {
            if (outcome)
                *outcome = {Outcome::Kind::SetAside, aside};
            if (SystemCalls::syncWorkingFolder() != 0)
                return FileStatus::systemFailure(QStringLiteral("set aside"), ScratchFileName, errno);
            return {};
        }
        if (errno != EEXIST)
            return FileStatus::systemFailure(QStringLiteral("set aside"), ScratchFileName, errno);
    }
    return FileStatus::failure(ScratchFileName, QStringLiteral("Could not set aside %1: too many files set aside already").arg(ScratchFileName));
}

} // namespace

FileStatus recover(Outcome *outcome)
{
    if (outcome)
        *outcome = {};
    struct stat status {};
    if (SystemCalls::lstat(scratchPath().constData(), &status) != 0) {
        if (errno == ENOENT)
            return {};
        return FileStatus::systemFailure(QStringLiteral("look at"), ScratchFileName, errno);
    }
    if (!S_ISREG(status.st_mode) || status.st_size == 0 || isStaleCopy(status.st_size))
        return {};
    const QList<const DataFileInfo *> origins = possibleOrigins(status.st_size);
    if (origins.size() != 1)
        return setAside(outcome);
    const DataFileInfo &origin = *origins.constFirst();
    if (SystemCalls::rename(scratchPath().constData(), origin.name.toLocal8Bit().constData()) != 0)
        return FileStatus::systemFailure(QStringLiteral("restore %1 from").arg(origin.name), ScratchFileName, errno);
    if (outcome)
        *outcome = {Outcome::Kind::Restored, origin.name};
    if (SystemCalls::syncWorkingFolder() != 0)
        return FileStatus::systemFailure(QStringLiteral("restore"), origin.name, errno);
    return {};
}

FileStatus restoreMissingFile(const DataFileInfo &file)
{
    if (exists(file.name.toLocal8Bit()))
        return {};
    return recover();
}

bool isStaleLeftover()
{
    struct stat status {};
    return SystemCalls::lstat(scratchPath().constData(), &status) == 0 && S_ISREG(status.st_mode)
        && (status.st_size == 0 || isStaleCopy(status.st_size));
}

FileStatus setAsideLeftover()
{
    struct stat status {};
    if (SystemCalls::lstat(scratchPath().constData(), &status) != 0) {
        if (errno == ENOENT)
            return {};
        return FileStatus::systemFailure(QStringLiteral("look at"), ScratchFileName, errno);
    }
    if (S_ISREG(status.st_mode) && (status.st_size == 0 || isStaleCopy(status.st_size)))
        return {};
    return setAside(nullptr);
}

bool isSetAsideName(QStringView fileName)
{
    const QStringView prefix = u"TempFile-";
    const QStringView suffix = u".$$$";
    if (!fileName.startsWith(prefix) || !fileName.endsWith(suffix))
        return false;
    const QStringView number = fileName.sliced(prefix.size(), fileName.size() - prefix.size() - suffix.size());
    return !number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace ScratchRecovery
