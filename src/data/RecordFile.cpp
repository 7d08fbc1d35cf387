#include "data/RecordFile.h"

#include "data/PartialRecords.h"
#include "data/ScratchRecovery.h"
#include "data/SystemCalls.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <vector>

namespace {

bool refusesWriting(int error) { return error == EACCES || error == EROFS || error == EPERM; }

} // namespace

RecordFileBase::RecordFileBase(DataFileKind kind)
    : m_info(dataFileInfo(kind)), m_path(m_info.name.toLocal8Bit())
{
}

RecordFileBase::~RecordFileBase()
{
    if (isOpen())
        SystemCalls::close(m_fd);
}

FileStatus RecordFileBase::open()
{
    if (isOpen()) {
        FileStatus closed = close();
        if (!closed)
            return closed;
    }
    FileStatus restored = ScratchRecovery::restoreMissingFile(m_info);
    if (!restored)
        return restored;

    m_fd = SystemCalls::open(m_path.constData(), O_RDWR | O_CREAT, 0666);
    m_writable = m_fd >= 0;
    if (m_fd < 0 && refusesWriting(errno)) {
        m_readOnlyReason = errno;
        m_fd = SystemCalls::open(m_path.constData(), O_RDONLY);
        if (m_fd < 0)
            errno = m_readOnlyReason;
    }
    if (m_fd < 0)
        return FileStatus::systemFailure(QStringLiteral("open"), name(), errno);

    FileStatus counted = recount();
    if (!counted) {
        SystemCalls::close(m_fd);
        m_fd = -1;
    }
    return counted;
}

FileStatus RecordFileBase::recount()
{
    struct stat status {};
    if (SystemCalls::fstat(m_fd, &status) != 0)
        return FileStatus::systemFailure(QStringLiteral("read the length of"), name(), errno);
    const qint64 count = recordCountForLength(status.st_size, recordLength());
    if (count > MaxRecords) {
        return FileStatus::failure(name(), QStringLiteral("Could not open %1: it holds %2 records, more than the %3 a data file can hold")
                                               .arg(name()).arg(count).arg(MaxRecords));
    }
    m_count = static_cast<qint16>(count);
    m_endsInPartialRecord = endsInPartialRecord(status.st_size, recordLength());
    return {};
}

FileStatus RecordFileBase::close()
{
    if (!isOpen())
        return {};
    FileStatus counted = m_info.recountOnClose ? recount() : FileStatus();
    const int fd = std::exchange(m_fd, -1);
    if (SystemCalls::close(fd) != 0 && counted)
        return FileStatus::systemFailure(QStringLiteral("close"), name(), errno);
    return counted;
}

FileStatus RecordFileBase::readBytes(int number, char *record)
{
    if (!isOpen())
        return notOpen(QStringLiteral("read"));
    if (number < 1 || number > MaxRecords)
        return FileStatus::failure(name(), QStringLiteral("Could not read %1: there is no record %2").arg(name()).arg(number));
    const off_t offset = static_cast<off_t>(number - 1) * recordLength();
    const qint64 got = SystemCalls::readUpTo(m_fd, record, recordLength(), offset);
    if (got < 0)
        return FileStatus::systemFailure(QStringLiteral("read"), name(), errno);
    if (got == 0)
        return FileStatus::failure(name(), QStringLiteral("Could not read %1: there is no record %2").arg(name()).arg(number));
    // The last record of a damaged file may be cut short: the rest reads as zeros.
    std::fill(record + got, record + recordLength(), '\0');
    return {};
}

FileStatus RecordFileBase::checkWrite(qint64 lastNumber, struct stat &status)
{
    if (!isOpen())
        return notOpen(QStringLiteral("write"));
    if (!m_writable)
        return FileStatus::systemFailure(QStringLiteral("write"), name(), m_readOnlyReason);
    if (lastNumber > MaxRecords) {
        return FileStatus::failure(name(), QStringLiteral("Could not write %1: it already holds %2 records, the most a data file can hold")
                                               .arg(name()).arg(MaxRecords));
    }
    if (SystemCalls::fstat(m_fd, &status) != 0)
        return FileStatus::systemFailure(QStringLiteral("write"), name(), errno);
    if (endsInPartialRecord(status.st_size, recordLength()))
        return refusedAsDamaged(QStringLiteral("write"));
    return {};
}

FileStatus RecordFileBase::writeBytes(int number, const char *record)
{
    struct stat status {};
    if (FileStatus writable = checkWrite(number, status); !writable)
        return writable;
    const qint64 present = recordCountForLength(status.st_size, recordLength());
    if (number < 1 || number > present + 1)
        return FileStatus::failure(name(), QStringLiteral("Could not write %1: there is no record %2").arg(name()).arg(number));

    const off_t offset = static_cast<off_t>(number - 1) * recordLength();
    // The record's present bytes, to put back should the write stop halfway.
    std::vector<char> oldBytes(static_cast<std::size_t>(recordLength()));
    const qint64 oldLength = SystemCalls::readUpTo(m_fd, oldBytes.data(), recordLength(), offset);
    if (oldLength < 0)
        return FileStatus::systemFailure(QStringLiteral("write"), name(), errno);
    oldBytes.resize(static_cast<std::size_t>(oldLength));

    const qint64 written = SystemCalls::writeAll(m_fd, record, recordLength(), offset);
    if (written == recordLength())
        return {};
    const int error = errno;
    FileStatus undone = undoPartialWrite(offset, written, status.st_size, oldBytes);
    if (!undone)
        return undone;
    return FileStatus::systemFailure(QStringLiteral("write"), name(), error);
}

FileStatus RecordFileBase::appendBytes(int number, const char *records, int count)
{
    if (count < 1)
        return {};
    struct stat status {};
    if (FileStatus writable = checkWrite(qint64(number) + count - 1, status); !writable)
        return writable;
    if (number != recordCountForLength(status.st_size, recordLength()) + 1)
        return FileStatus::failure(name(), QStringLiteral("Could not write %1: there is no record %2").arg(name()).arg(number));

    const off_t offset = static_cast<off_t>(number - 1) * recordLength();
    const qint64 length = qint64(count) * recordLength();
    const qint64 written = SystemCalls::writeAll(m_fd, records, length, offset);
    if (written == length)
        return {};
    const int error = errno;
    FileStatus undone = undoPartialWrite(offset, written, status.st_size, {});
    if (!undone)
        return undone;
    return FileStatus::systemFailure(QStringLiteral("write"), name(), error);
}

FileStatus RecordFileBase::byteLength(qint64 &length)
{
    if (!isOpen())
        return notOpen(QStringLiteral("read"));
    struct stat status {};
    if (SystemCalls::fstat(m_fd, &status) != 0)
        return FileStatus::systemFailure(QStringLiteral("read the length of"), name(), errno);
    length = status.st_size;
    return {};
}

FileStatus RecordFileBase::flush()
{
    if (!isOpen())
        return notOpen(QStringLiteral("write"));
    if (SystemCalls::fsync(m_fd) != 0)
        return FileStatus::systemFailure(QStringLiteral("write"), name(), errno);
    return {};
}

FileStatus RecordFileBase::cutAfter(int count)
{
    if (!isOpen())
        return notOpen(QStringLiteral("write"));
    if (!m_writable)
        return FileStatus::systemFailure(QStringLiteral("write"), name(), m_readOnlyReason);
    if (m_endsInPartialRecord)
        return refusedAsDamaged(QStringLiteral("write"));
    if (count < 0 || count > m_count)
        return FileStatus::failure(name(), QStringLiteral("Could not write %1: there is no record %2").arg(name()).arg(count));
    if (SystemCalls::ftruncate(m_fd, static_cast<off_t>(count) * recordLength()) != 0)
        return FileStatus::systemFailure(QStringLiteral("write"), name(), errno);
    m_count = static_cast<qint16>(count);
    return {};
}

FileStatus RecordFileBase::undoPartialWrite(off_t offset, qint64 written, qint64 oldFileLength, const std::vector<char> &oldBytes)
{
    if (written == 0)
        return {};
    const qint64 overwritten = std::min<qint64>(written, static_cast<qint64>(oldBytes.size()));
    const bool restored = overwritten == 0 || SystemCalls::writeAll(m_fd, oldBytes.data(), overwritten, offset) == overwritten;
    const bool cut = offset + written <= oldFileLength || SystemCalls::ftruncate(m_fd, static_cast<off_t>(oldFileLength)) == 0;
    if (restored && cut)
        return {};
    return FileStatus::failure(name(), QStringLiteral("Could not write %1: %2; the record was only partly written and could not be put back")
                                           .arg(name(), QString::fromLocal8Bit(std::strerror(errno))));
}

Compaction RecordFileBase::compact(const std::function<bool(int number, const char *record)> &keep)
{
    if (!isOpen()) {
        FileStatus opened = open();
        if (!opened)
            return {std::move(opened)};
    }
    // Until the rename the data file is untouched: a failure leaves it as it was.
    auto notReplaced = [this](FileStatus failure) {
        (void)close();
        return Compaction{std::move(failure)};
    };
    if (!m_writable)
        return notReplaced(FileStatus::systemFailure(QStringLiteral("compact"), name(), m_readOnlyReason));
    // Records appended since the file was opened take part too.
    FileStatus counted = recount();
    if (!counted)
        return notReplaced(std::move(counted));
    if (m_endsInPartialRecord)
        return notReplaced(refusedAsDamaged(QStringLiteral("compact")));
    Rebuild rebuild;
    FileStatus placed = placeRebuild(rebuild);
    if (!placed)
        return notReplaced(std::move(placed));
    if (!rebuild.linked) {
        FileStatus setAside = ScratchRecovery::setAsideLeftover();
        if (!setAside)
            return notReplaced(std::move(setAside));
    }

    const int scratch = SystemCalls::open(rebuild.scratch.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (scratch < 0)
        return notReplaced(FileStatus::systemFailure(QStringLiteral("compact"), name(), errno));
    qint64 kept = 0;
    FileStatus copied = copyKeptRecords(scratch, keep, kept);
    if (copied && SystemCalls::fsync(scratch) != 0)
        copied = FileStatus::systemFailure(QStringLiteral("compact"), name(), errno);
    if (SystemCalls::close(scratch) != 0 && copied)
        copied = FileStatus::systemFailure(QStringLiteral("compact"), name(), errno);
    if (copied)
        copied = close();
    if (!copied) {
        SystemCalls::unlink(rebuild.scratch.constData()); // our own partial copy
        return notReplaced(std::move(copied));
    }
    return replaceWithScratch(rebuild, kept);
}

FileStatus RecordFileBase::placeRebuild(Rebuild &rebuild) const
{
    struct stat status {};
    if (SystemCalls::lstat(m_path.constData(), &status) != 0)
        return FileStatus::systemFailure(QStringLiteral("compact"), name(), errno);
    rebuild.linked = S_ISLNK(status.st_mode);
    if (!rebuild.linked) {
        rebuild.scratch = ScratchFileName.toLocal8Bit();
        rebuild.target = m_path;
        rebuild.folder = ".";
        return {};
    }
    std::string target;
    if (SystemCalls::realPath(m_path.constData(), target) != 0)
        return FileStatus::systemFailure(QStringLiteral("compact"), name(), errno);
    rebuild.target = QByteArray::fromStdString(target);
    rebuild.folder = rebuild.target.left(std::max<qsizetype>(1, rebuild.target.lastIndexOf('/')));
    rebuild.scratch = rebuild.target + ".$$$";
    return {};
}

FileStatus RecordFileBase::copyKeptRecords(int scratch, const std::function<bool(int, const char *)> &keep, qint64 &kept)
{
    // Kept records are gathered and written about a megabyte at a time.
    const int perChunk = std::max(1, (1 << 20) / recordLength());
    std::vector<char> chunk(static_cast<std::size_t>(perChunk * recordLength()));
    int inChunk = 0;
    auto flush = [&] {
        const qint64 length = static_cast<qint64>(inChunk) * recordLength();
        inChunk = 0;
        const off_t offset = static_cast<off_t>((kept * recordLength()) - length);
        return SystemCalls::writeAll(scratch, chunk.data(), length, offset) == length;
    };
    bool written = true;
    FileStatus read = scan([&](int number, const char *record) {
        if (!keep(number, record))
            return true;
        std::memcpy(chunk.data() + static_cast<std::ptrdiff_t>(inChunk) * recordLength(), record, static_cast<std::size_t>(recordLength()));
        ++kept;
        written = ++inChunk < perChunk || flush();
        return written;
    });
    if (!read)
        return read;
    if (!written || (inChunk > 0 && !flush()))
        return FileStatus::systemFailure(QStringLiteral("compact"), name(), errno);
    return {};
}

FileStatus RecordFileBase::scan(const std::function<bool(int, const char *)> &visit)
{
    if (!isOpen())
        return notOpen(QStringLiteral("read"));
    const int perBlock = std::max(1, (1 << 20) / recordLength());
    std::vector<char> block(static_cast<std::size_t>(perBlock * recordLength()));
    for (int first = 1; first <= m_count; first += perBlock) {
        const int records = std::min(perBlock, m_count - first + 1);
        const qint64 wanted = static_cast<qint64>(records) * recordLength();
        const qint64 got = SystemCalls::readUpTo(m_fd, block.data(), wanted, static_cast<off_t>(first - 1) * recordLength());
        if (got < 0)
            return FileStatus::systemFailure(QStringLiteral("read"), name(), errno);
        // The last record of a damaged file may be cut short: the rest reads as zeros.
        std::fill(block.begin() + static_cast<std::ptrdiff_t>(got), block.begin() + static_cast<std::ptrdiff_t>(wanted), '\0');
        for (int i = 0; i < records; ++i) {
            if (!visit(first + i, block.data() + static_cast<std::ptrdiff_t>(i) * recordLength()))
                return {};
        }
    }
    return {};
}

FileStatus RecordFileBase::scanLeading(int length, const std::function<bool(int, const char *)> &visit)
{
    // Reading a record's leading bytes costs a system call; reading it whole
    // in a block costs copying it. The first wins when little of a long
    // record is wanted.
    constexpr int ShortRecord = 4096;
    if (recordLength() < ShortRecord || length * 8 > recordLength())
        return scan(visit);
    if (!isOpen())
        return notOpen(QStringLiteral("read"));
    std::vector<char> record(static_cast<std::size_t>(recordLength()), '\0');
    for (int number = 1; number <= m_count; ++number) {
        const qint64 got = SystemCalls::readUpTo(m_fd, record.data(), length, static_cast<off_t>(number - 1) * recordLength());
        if (got < 0)
            return FileStatus::systemFailure(QStringLiteral("read"), name(), errno);
        std::fill(record.begin() + static_cast<std::ptrdiff_t>(got), record.begin() + length, '\0');
        if (!visit(number, record.data()))
            return {};
    }
    return {};
}

FileStatus RecordFileBase::refusedAsDamaged(const QString &action) const
{
    return FileStatus::failure(name(), QStringLiteral("Could not %1 %2: the file ends in part of a record (it is damaged); "
                                                      "quit Torqal and mend it with %3")
                                           .arg(action, name(), dataToolCommandLine(QStringLiteral("repair"), QDir::currentPath())));
}

FileStatus RecordFileBase::notOpen(const QString &action) const
{
    return FileStatus::failure(name(), QStringLiteral("Could not %1 %2: the file is not open").arg(action, name()));
}

Compaction RecordFileBase::replaceWithScratch(const Rebuild &rebuild, qint64 kept)
{
    // One rename replaces the data file. With nothing kept the (empty) file
    // is then removed, unless a link leads to it; should that fail, the empty
    // file holds no records all the same, as a removed one would.
    if (SystemCalls::rename(rebuild.scratch.constData(), rebuild.target.constData()) != 0) {
        const int error = errno;
        SystemCalls::unlink(rebuild.scratch.constData()); // our own copy; the data file is as it was
        return {FileStatus::systemFailure(QStringLiteral("compact"), name(), error)};
    }
    if (kept == 0 && !rebuild.linked)
        SystemCalls::unlink(m_path.constData());
    if (SystemCalls::syncFolder(rebuild.folder.constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        const QString folder = rebuild.linked ? QFile::decodeName(rebuild.folder) : QDir::currentPath();
        return {FileStatus::failure(name(), QStringLiteral("Could not flush the folder %1 to disk after rewriting %2: %3")
                                                .arg(QDir::toNativeSeparators(folder), name(), reason)),
                true};
    }
    return {FileStatus(), true};
}
