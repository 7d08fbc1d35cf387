#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <list>

struct zip;
struct zip_source;

// The zip archives of the backups, through libzip.
namespace ZipArchive {

// Receives an entry's or an archive's bytes piece by piece; false stops the
// reading (the receiver has said why).
using Sink = std::function<bool(const char *bytes, qint64 length)>;

// An archive opened to read. Opening checks the archive's directory against
// its entries; reading an entry checks its checksum (CRC-32) at its end.
class Reader
{
public:
    enum class Opened {
        Ok,
        CannotRead,   // the file is missing or cannot be read: nothing is known about it
        NotAnArchive, // it is read, but is no zip archive or a damaged one
    };

    explicit Reader(const QString &path);
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    Opened opened() const { return m_opened; }
    // Why it could not be opened, in the archive library's words.
    const QString &problem() const { return m_problem; }

    // The names of its entries, in the archive's order (folders end in "/").
    QStringList names() const;
    // Hands the bytes of entry `name` to `sink`. False when the entry is
    // missing or cannot be read whole and sound (`problem` says why), or when
    // `sink` stopped.
    bool read(const QString &name, const Sink &sink, QString &problem) const;

private:
    zip *m_archive = nullptr;
    Opened m_opened = Opened::CannotRead;
    QString m_problem;
};

// An archive built in memory, so that its file on disk is written in one
// piece by whoever saves it (beside the target, then renamed over it).
class Writer
{
public:
    Writer();
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    // Adds the file at `path` as entry `name`, compressed unless
    // `compress` is false (pictures are compressed already). The file is
    // read when the archive is finished.
    bool addFile(const QString &name, const QString &path, bool compress, QString &problem);
    // Adds `bytes` as entry `name`.
    bool addBytes(const QString &name, const QByteArray &bytes, QString &problem);
    // Finishes the archive and hands its bytes to `sink`; false when a file
    // added could not be read (`problem` says why) or `sink` stopped.
    bool finish(const Sink &sink, QString &problem);

private:
    bool add(const QString &name, zip_source *source, bool compress, QString &problem);

    zip_source *m_buffer = nullptr;
    zip *m_archive = nullptr;
    std::list<QByteArray> m_keep; // the bytes added, kept until the archive is finished
};

} // namespace ZipArchive
