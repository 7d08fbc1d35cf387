#include "data/WriteJournal.h"

#include "data/DataFileTable.h"
#include "data/RecordFile.h"
#include "data/SetAside.h"
#include "data/SystemCalls.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

#include <cerrno>
#include <fcntl.h>
#include <vector>

namespace {

// The journal's bytes: a header, the notes, and the SHA-256 of all before it.
constexpr quint32 Magic = 0x544A4E4C; // "TJNL"
constexpr quint16 Version = 1;
constexpr int ChecksumLength = 32;

QByteArray journalPath() { return WriteJournal::FileName.toLocal8Bit(); }

FileStatus journalFailure(const QString &action, int error) { return FileStatus::systemFailure(action, WriteJournal::FileName, error); }

// The journal's whole content, or a failure to read it. Nothing read when
// there is none.
FileStatus readJournal(QByteArray &content, bool &present)
{
    present = false;
    const int fd = SystemCalls::open(journalPath().constData(), O_RDONLY);
    if (fd < 0)
        return errno == ENOENT ? FileStatus() : journalFailure(QStringLiteral("read"), errno);
    present = true;
    struct stat status {};
    FileStatus read;
    if (SystemCalls::fstat(fd, &status) != 0) {
        read = journalFailure(QStringLiteral("read"), errno);
    } else {
        content.resize(static_cast<qsizetype>(status.st_size));
        if (SystemCalls::readUpTo(fd, content.data(), content.size(), 0) != content.size())
            read = journalFailure(QStringLiteral("read"), errno ? errno : EIO);
    }
    SystemCalls::close(fd);
    return read;
}

// The file's present length, or -1 when it does not exist; a failure when
// it cannot be looked at.
FileStatus lengthOf(const QString &fileName, qint64 &length)
{
    struct stat status {};
    if (SystemCalls::lstat(fileName.toLocal8Bit().constData(), &status) == 0) {
        length = status.st_size;
        return {};
    }
    if (errno != ENOENT)
        return FileStatus::systemFailure(QStringLiteral("read the length of"), fileName, errno);
    length = -1;
    return {};
}

FileStatus removeJournal()
{
    if (SystemCalls::unlink(journalPath().constData()) != 0 && errno != ENOENT)
        return journalFailure(QStringLiteral("remove"), errno);
    if (SystemCalls::syncWorkingFolder() != 0)
        return journalFailure(QStringLiteral("flush the folder after removing"), errno);
    return {};
}

FileStatus setAside(JournalRecovery::Outcome *outcome)
{
    QString aside;
    FileStatus status = setAsideUnderFreeName(WriteJournal::FileName, QStringLiteral("Torqal-%1.jnl"), aside);
    if (outcome && !aside.isEmpty())
        *outcome = {JournalRecovery::Outcome::Kind::SetAside, aside};
    return status;
}

} // namespace

// The journal file: its notes written as bytes and read back, checked
// against the data files and put back.
class JournalFile
{
public:
    static QByteArray write(const WriteJournal &journal)
    {
        const QList<WriteJournal::Note> &notes = journal.m_notes;
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << Magic << Version << journal.m_decidedBy << qint32(notes.size());
        for (const WriteJournal::Note &note : notes) {
            out << note.fileName << note.oldLength << note.newLength << qint32(note.overwrites.size());
            for (const WriteJournal::Overwrite &overwrite : note.overwrites)
                out << overwrite.offset << overwrite.oldBytes << overwrite.newBytes;
        }
        bytes += QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        return bytes;
    }

    enum class Reading { Whole, CutShort, LaterVersion };

    static Reading read(const QByteArray &bytes, quint64 &decidedBy, QList<WriteJournal::Note> &notes)
    {
        if (bytes.size() < ChecksumLength)
            return Reading::CutShort;
        const QByteArray body = bytes.first(bytes.size() - ChecksumLength);
        if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.last(ChecksumLength))
            return Reading::CutShort;
        QDataStream in(body);
        in.setVersion(QDataStream::Qt_6_0);
        quint32 magic = 0;
        quint16 version = 0;
        qint32 count = 0;
        in >> magic >> version;
        if (magic != Magic)
            return Reading::CutShort;
        if (version != Version)
            return Reading::LaterVersion;
        in >> decidedBy >> count;
        for (qint32 n = 0; n < count && in.status() == QDataStream::Ok; ++n) {
            WriteJournal::Note note;
            qint32 overwrites = 0;
            in >> note.fileName >> note.oldLength >> note.newLength >> overwrites;
            for (qint32 o = 0; o < overwrites && in.status() == QDataStream::Ok; ++o) {
                WriteJournal::Overwrite overwrite;
                in >> overwrite.offset >> overwrite.oldBytes >> overwrite.newBytes;
                note.overwrites << overwrite;
            }
            notes << note;
        }
        return in.status() == QDataStream::Ok ? Reading::Whole : Reading::CutShort;
    }

    // Whether the file is as the command could have left it (see WriteJournal).
    static FileStatus fits(const WriteJournal::Note &note, bool &fits)
    {
        fits = false;
        // Only the data files are ever journalled; a journal naming another
        // file is not one of this program's.
        if (!findDataFile(note.fileName) || note.fileName != findDataFile(note.fileName)->name)
            return {};
        qint64 length = 0;
        if (FileStatus looked = lengthOf(note.fileName, length); !looked)
            return looked;
        if (length < 0) {
            fits = note.oldLength == 0;
            return {};
        }
        if (length < std::min(note.oldLength, note.newLength) || length > std::max(note.oldLength, note.newLength))
            return {};
        const int fd = SystemCalls::open(note.fileName.toLocal8Bit().constData(), O_RDONLY);
        if (fd < 0)
            return FileStatus::systemFailure(QStringLiteral("read"), note.fileName, errno);
        FileStatus read;
        fits = true;
        for (const WriteJournal::Overwrite &overwrite : note.overwrites) {
            QByteArray present(overwrite.oldBytes.size(), '\0');
            const qint64 got = SystemCalls::readUpTo(fd, present.data(), present.size(), static_cast<off_t>(overwrite.offset));
            if (got < 0) {
                read = FileStatus::systemFailure(QStringLiteral("read"), note.fileName, errno);
                break;
            }
            // A write cut short leaves the record part new, part old; the
            // bytes of records cut off reach only as far as the file does.
            for (qsizetype i = 0; fits && i < got; ++i)
                fits = present[i] == overwrite.oldBytes[i] || (i < overwrite.newBytes.size() && present[i] == overwrite.newBytes[i]);
        }
        SystemCalls::close(fd);
        return read;
    }

    // Puts the file back: the old bytes of every record written over, the
    // old length, flushed to disk.
    static FileStatus putBack(const WriteJournal::Note &note)
    {
        const int fd = SystemCalls::open(note.fileName.toLocal8Bit().constData(), O_RDWR);
        if (fd < 0) {
            if (errno == ENOENT && note.oldLength == 0)
                return {};
            return FileStatus::systemFailure(QStringLiteral("put back"), note.fileName, errno);
        }
        bool done = true;
        for (const WriteJournal::Overwrite &overwrite : note.overwrites) {
            const qint64 length = overwrite.oldBytes.size();
            done = done && SystemCalls::writeAll(fd, overwrite.oldBytes.constData(), length, static_cast<off_t>(overwrite.offset)) == length;
        }
        struct stat status {};
        done = done && SystemCalls::fstat(fd, &status) == 0;
        done = done && (status.st_size <= note.oldLength || SystemCalls::ftruncate(fd, static_cast<off_t>(note.oldLength)) == 0);
        done = done && SystemCalls::fsync(fd) == 0;
        const int error = errno;
        SystemCalls::close(fd);
        if (!done)
            return FileStatus::systemFailure(QStringLiteral("put back"), note.fileName, error);
        return {};
    }

    static FileStatus putBackAll(const QList<WriteJournal::Note> &notes)
    {
        for (auto note = notes.crbegin(); note != notes.crend(); ++note) {
            if (FileStatus back = putBack(*note); !back)
                return back;
        }
        return removeJournal();
    }

    // Puts back a journal left by a command cut short (see JournalRecovery).
    static FileStatus rollBackPending(JournalRecovery::Outcome *outcome, const JournalRecovery::Decider &decider)
    {
        QByteArray bytes;
        bool present = false;
        if (FileStatus read = readJournal(bytes, present); !read || !present)
            return read;
        QList<WriteJournal::Note> notes;
        quint64 decidedBy = 0;
        switch (JournalFile::read(bytes, decidedBy, notes)) {
        case JournalFile::Reading::CutShort:
            // Cut short while it was written: no data file was touched yet.
            return removeJournal();
        case JournalFile::Reading::LaterVersion:
            return FileStatus::failure(WriteJournal::FileName,
                                       QStringLiteral("Could not put back %1: it was written by a later version of Torqal").arg(WriteJournal::FileName));
        case JournalFile::Reading::Whole:
            break;
        }
        if (decidedBy != 0) {
            if (!decider)
                return FileStatus::failure(WriteJournal::FileName,
                                           QStringLiteral("Could not put back %1: the change it belongs to is finished by Torqal when it starts")
                                               .arg(WriteJournal::FileName));
            bool done = false;
            if (FileStatus decided = decider(decidedBy, done); !decided)
                return decided;
            if (done) {
                FileStatus removed = removeJournal();
                if (removed && outcome)
                    *outcome = {JournalRecovery::Outcome::Kind::Completed, {}};
                return removed;
            }
        }
        for (const WriteJournal::Note &note : std::as_const(notes)) {
            bool fits = false;
            if (FileStatus looked = JournalFile::fits(note, fits); !looked)
                return looked;
            if (!fits)
                return setAside(outcome);
        }
        FileStatus back = JournalFile::putBackAll(notes);
        if (back && outcome)
            *outcome = {JournalRecovery::Outcome::Kind::RolledBack, {}};
        return back;
    }
};

WriteJournal::~WriteJournal() = default;

WriteJournal::Note &WriteJournal::noteOf(RecordFileBase &file, FileStatus &status)
{
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (m_files[i] == &file)
            return m_notes[i];
    }
    qint64 length = 0;
    status = file.byteLength(length);
    m_files << &file;
    m_notes << Note{file.name(), length, length, {}};
    return m_notes.last();
}

FileStatus WriteJournal::noteAppend(RecordFileBase &file, int records)
{
    Q_ASSERT(!m_begun);
    FileStatus status;
    Note &note = noteOf(file, status);
    note.newLength += qint64(records) * file.recordLength();
    return status;
}

FileStatus WriteJournal::noteOverwrite(RecordFileBase &file, int number, const char *newBytes)
{
    Q_ASSERT(!m_begun);
    FileStatus status;
    Note &note = noteOf(file, status);
    QByteArray oldBytes(file.recordLength(), '\0');
    if (status)
        status = file.readBytes(number, oldBytes.data());
    note.overwrites << Overwrite{qint64(number - 1) * file.recordLength(), oldBytes, QByteArray(newBytes, file.recordLength())};
    return status;
}

FileStatus WriteJournal::noteCut(RecordFileBase &file, int records)
{
    Q_ASSERT(!m_begun);
    FileStatus status;
    Note &note = noteOf(file, status);
    const qint64 cut = qint64(records) * file.recordLength();
    QByteArray oldBytes(cut, '\0');
    const int first = int(note.newLength / file.recordLength()) - records + 1;
    for (int n = 0; status && n < records; ++n)
        status = file.readBytes(first + n, oldBytes.data() + qint64(n) * file.recordLength());
    note.newLength -= cut;
    note.overwrites << Overwrite{note.newLength, oldBytes, QByteArray()};
    return status;
}

FileStatus WriteJournal::begin()
{
    const QByteArray bytes = JournalFile::write(*this);
    const int fd = SystemCalls::open(journalPath().constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    // The journal is part of writing the data files: a failure to write it
    // names the data file the command was to change.
    const QString changing = m_notes.isEmpty() ? FileName : m_notes.constFirst().fileName;
    if (fd < 0) {
        if (errno == EEXIST)
            return FileStatus::failure(changing, QStringLiteral("Could not write %1: %2 of a change cut short is still to be put back").arg(changing, FileName));
        return FileStatus::systemFailure(QStringLiteral("write"), changing, errno);
    }
    int error = 0;
    if (SystemCalls::writeAll(fd, bytes.constData(), bytes.size(), 0) != bytes.size() || SystemCalls::fsync(fd) != 0)
        error = errno;
    if (SystemCalls::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && SystemCalls::syncWorkingFolder() != 0)
        error = errno;
    if (error != 0) {
        SystemCalls::unlink(journalPath().constData()); // our own journal; no data file was touched
        return FileStatus::systemFailure(QStringLiteral("write"), changing, error);
    }
    m_begun = true;
    return {};
}

FileStatus WriteJournal::commit(FileStatus &warning)
{
    FileStatus status = flushFiles();
    return status ? finish(warning) : status;
}

FileStatus WriteJournal::flushFiles()
{
    Q_ASSERT(m_begun);
    for (RecordFileBase *file : std::as_const(m_files)) {
        if (FileStatus flushed = file->flush(); !flushed)
            return flushed;
    }
    return {};
}

FileStatus WriteJournal::finish(FileStatus &warning)
{
    Q_ASSERT(m_begun);
    if (SystemCalls::unlink(journalPath().constData()) != 0)
        return journalFailure(QStringLiteral("remove"), errno);
    m_begun = false;
    if (SystemCalls::syncWorkingFolder() != 0)
        warning = journalFailure(QStringLiteral("flush the folder after removing"), errno);
    return {};
}

FileStatus WriteJournal::rollBack()
{
    Q_ASSERT(m_begun);
    FileStatus back = JournalFile::putBackAll(m_notes);
    if (back)
        m_begun = false;
    return back;
}

namespace JournalRecovery {

FileStatus rollBackPending(Outcome *outcome, const Decider &decider)
{
    if (outcome)
        *outcome = {};
    return JournalFile::rollBackPending(outcome, decider);
}

bool isPending()
{
    struct stat status {};
    return SystemCalls::lstat(journalPath().constData(), &status) == 0 || errno != ENOENT;
}

} // namespace JournalRecovery
