#include "data/ScratchRecovery.h"

#include "data/SetAside.h"
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

FileStatus lookFailure(const QString &fileName, int error) { return FileStatus::systemFailure(QStringLiteral("look at"), fileName, error); }

// Whether the file exists, as a plain file (`length` set) or otherwise; a
// failure when that cannot be told.
FileStatus lookAt(const QString &fileName, bool &exists, std::optional<qint64> *length = nullptr)
{
    struct stat status {};
    exists = SystemCalls::lstat(fileName.toLocal8Bit().constData(), &status) == 0;
    if (!exists && errno != ENOENT)
        return lookFailure(fileName, errno);
    if (length)
        *length = exists && S_ISREG(status.st_mode) ? std::optional<qint64>(status.st_size) : std::nullopt;
    return {};
}

// Calls `visit` for each record of the file, a partial last record filled up
// with zero bytes, until `visit` says stop (`complete` false then). A
// failure when the file cannot be read.
FileStatus forEachRecord(const QString &fileName, int recordLength, const std::function<bool(const char *)> &visit, bool &complete)
{
    complete = false;
    const int fd = SystemCalls::open(fileName.toLocal8Bit().constData(), O_RDONLY);
    if (fd < 0)
        return FileStatus::systemFailure(QStringLiteral("read"), fileName, errno);
    const qsizetype recordsPerChunk = std::max(1, (1 << 20) / recordLength);
    std::vector<char> chunk(static_cast<std::size_t>(recordsPerChunk * recordLength));
    off_t offset = 0;
    FileStatus read;
    bool going = true;
    while (going) {
        const ssize_t got = SystemCalls::pread(fd, chunk.data(), chunk.size(), offset);
        if (got < 0) {
            read = FileStatus::systemFailure(QStringLiteral("read"), fileName, errno);
            break;
        }
        if (got == 0) {
            complete = true;
            break;
        }
        const auto whole = static_cast<std::size_t>(got);
        const std::size_t records = (whole + static_cast<std::size_t>(recordLength) - 1) / static_cast<std::size_t>(recordLength);
        std::fill(chunk.begin() + static_cast<std::ptrdiff_t>(whole),
                  chunk.begin() + static_cast<std::ptrdiff_t>(records * static_cast<std::size_t>(recordLength)), '\0');
        for (std::size_t r = 0; r < records && going; ++r)
            going = visit(chunk.data() + r * static_cast<std::size_t>(recordLength));
        offset += got;
    }
    SystemCalls::close(fd);
    return read;
}

std::size_t hashOf(const char *record, int recordLength)
{
    return std::hash<std::string_view>{}(std::string_view(record, static_cast<std::size_t>(recordLength)));
}

// Whether every record of the scratch file is also a record of an existing
// data file with the same record length: the scratch file is a stale copy.
// A compaction stopped while it wrote may have left part of a record at the
// end; that part is found as the start of a record of the data file.
FileStatus isStaleCopy(qint64 scratchLength, bool &stale)
{
    stale = false;
    for (const DataFileInfo &file : DataFileTable()) {
        bool exists = false;
        std::optional<qint64> length;
        if (FileStatus looked = lookAt(file.name, exists, &length); !looked)
            return looked;
        if (!length)
            continue;
        const qint64 wholeRecords = scratchLength / file.recordLength;
        const int partLength = int(scratchLength % file.recordLength);
        std::unordered_set<std::size_t> records;
        std::unordered_set<std::size_t> starts;
        bool complete = false;
        FileStatus read = forEachRecord(file.name, file.recordLength, [&](const char *record) {
            records.insert(hashOf(record, file.recordLength));
            if (partLength > 0)
                starts.insert(hashOf(record, partLength));
            return true;
        }, complete);
        qint64 seen = 0;
        if (read) {
            read = forEachRecord(ScratchFileName, file.recordLength, [&](const char *record) {
                return seen++ < wholeRecords ? records.contains(hashOf(record, file.recordLength)) : starts.contains(hashOf(record, partLength));
            }, stale);
        }
        if (!read || stale)
            return read;
    }
    return {};
}

// The missing data files that a scratch file of `length` bytes can come from.
FileStatus possibleOrigins(qint64 length, QList<const DataFileInfo *> &origins)
{
    for (const DataFileInfo &file : DataFileTable()) {
        if (length % file.recordLength != 0)
            continue;
        bool exists = false;
        if (FileStatus looked = lookAt(file.name, exists); !looked)
            return looked;
        bool looksLikeIt = false;
        if (!exists) {
            if (FileStatus read = forEachRecord(ScratchFileName, file.recordLength, file.looksLikeRecord, looksLikeIt); !read)
                return read;
        }
        if (looksLikeIt)
            origins << &file;
    }
    return {};
}

// The scratch file's length when it is a plain file that is neither empty
// nor a stale copy: a leftover to recover or set aside.
FileStatus leftover(std::optional<qint64> &length)
{
    bool exists = false;
    if (FileStatus looked = lookAt(ScratchFileName, exists, &length); !looked)
        return looked;
    bool stale = false;
    FileStatus read = length && *length > 0 ? isStaleCopy(*length, stale) : FileStatus();
    if (!length || *length == 0 || stale)
        length.reset();
    return read;
}

FileStatus setAside(Outcome *outcome)
{
    QString aside;
    FileStatus status = setAsideUnderFreeName(ScratchFileName, QStringLiteral("TempFile-%1.$$$"), aside);
    if (outcome && !aside.isEmpty())
        *outcome = {Outcome::Kind::SetAside, aside};
    return status;
}

} // namespace

FileStatus recover(Outcome *outcome)
{
    if (outcome)
        *outcome = {};
    // Any failure along the way changes nothing: the scratch file stays
    // where it is, and the next start tries again.
    std::optional<qint64> length;
    QList<const DataFileInfo *> origins;
    FileStatus looked = leftover(length);
    if (looked && length)
        looked = possibleOrigins(*length, origins);
    if (!looked || !length)
        return looked;
    if (origins.size() != 1)
        return setAside(outcome);
    const DataFileInfo &origin = *origins.constFirst();
    if (SystemCalls::renameNoReplace(scratchPath().constData(), origin.name.toLocal8Bit().constData()) != 0)
        return FileStatus::systemFailure(QStringLiteral("restore %1 from").arg(origin.name), ScratchFileName, errno);
    if (outcome)
        *outcome = {Outcome::Kind::Restored, origin.name};
    if (SystemCalls::syncWorkingFolder() != 0)
        return FileStatus::systemFailure(QStringLiteral("restore"), origin.name, errno);
    return {};
}

FileStatus restoreMissingFile(const DataFileInfo &file)
{
    bool exists = false;
    FileStatus looked = lookAt(file.name, exists);
    if (!looked || exists)
        return looked;
    return recover();
}

bool isStaleLeftover()
{
    bool exists = false;
    std::optional<qint64> length;
    std::optional<qint64> toRecover;
    return lookAt(ScratchFileName, exists, &length) && length && leftover(toRecover) && !toRecover;
}

FileStatus setAsideLeftover()
{
    std::optional<qint64> length;
    FileStatus looked = leftover(length);
    if (!looked || !length)
        return looked;
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
