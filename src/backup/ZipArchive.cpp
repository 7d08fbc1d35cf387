#include "backup/ZipArchive.h"

#include <zip.h>

#include <QFile>

#include <array>

namespace ZipArchive {

namespace {

QString textOf(zip_error_t *error) { return QString::fromLocal8Bit(zip_error_strerror(error)); }

QString textOfCode(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    QString text = textOf(&error);
    zip_error_fini(&error);
    return text;
}

// Codes that say the file itself could not be read, as against its
// contents being no sound archive.
bool isReadFailure(int code)
{
    return code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ || code == ZIP_ER_SEEK
           || code == ZIP_ER_MEMORY;
}

constexpr qint64 PieceSize = 1 << 16;

} // namespace

Reader::Reader(const QString &path)
{
    int code = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (m_archive) {
        m_opened = Opened::Ok;
        return;
    }
    m_opened = isReadFailure(code) ? Opened::CannotRead : Opened::NotAnArchive;
    m_problem = textOfCode(code);
}

Reader::~Reader()
{
    if (m_archive)
        zip_discard(m_archive);
}

QStringList Reader::names() const
{
    QStringList names;
    const zip_int64_t count = m_archive ? zip_get_num_entries(m_archive, 0) : 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const char *name = zip_get_name(m_archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS))
            names << QString::fromUtf8(name);
    }
    return names;
}

bool Reader::read(const QString &name, const Sink &sink, QString &problem) const
{
    const QByteArray utf8 = name.toUtf8();
    zip_file_t *entry = m_archive ? zip_fopen(m_archive, utf8.constData(), ZIP_FL_ENC_UTF_8) : nullptr;
    if (!entry) {
        problem = m_archive ? textOf(zip_get_error(m_archive)) : m_problem;
        return false;
    }
    std::array<char, PieceSize> piece;
    bool sound = true;
    for (;;) {
        const zip_int64_t got = zip_fread(entry, piece.data(), piece.size());
        if (got < 0) {
            problem = textOf(zip_file_get_error(entry));
            sound = false;
            break;
        }
        if (got == 0)
            break;
        if (!sink(piece.data(), got)) {
            sound = false;
            break;
        }
    }
    zip_fclose(entry);
    return sound;
}

Writer::Writer()
{
    zip_error_t error;
    zip_error_init(&error);
    m_buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_buffer) {
        zip_source_keep(m_buffer); // the bytes are read out after the archive is closed
        m_archive = zip_open_from_source(m_buffer, ZIP_TRUNCATE, &error);
    }
    zip_error_fini(&error);
}

Writer::~Writer()
{
    if (m_archive)
        zip_discard(m_archive);
    if (m_buffer)
        zip_source_free(m_buffer);
}

bool Writer::add(const QString &name, zip_source *source, bool compress, QString &problem)
{
    if (!source) {
        problem = textOf(zip_get_error(m_archive));
        return false;
    }
    const zip_int64_t index = zip_file_add(m_archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        problem = textOf(zip_get_error(m_archive));
        return false;
    }
    if (!compress && zip_set_file_compression(m_archive, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0) {
        problem = textOf(zip_get_error(m_archive));
        return false;
    }
    return true;
}

bool Writer::addFile(const QString &name, const QString &path, bool compress, QString &problem)
{
    if (!m_archive) {
        problem = textOfCode(ZIP_ER_MEMORY);
        return false;
    }
    return add(name, zip_source_file(m_archive, QFile::encodeName(path).constData(), 0, -1), compress, problem);
}

bool Writer::addBytes(const QString &name, const QByteArray &bytes, QString &problem)
{
    if (!m_archive) {
        problem = textOfCode(ZIP_ER_MEMORY);
        return false;
    }
    const QByteArray &kept = m_keep.emplace_back(bytes);
    return add(name, zip_source_buffer(m_archive, kept.constData(), zip_uint64_t(kept.size()), 0), true, problem);
}

bool Writer::finish(const Sink &sink, QString &problem)
{
    if (!m_archive) {
        problem = textOfCode(ZIP_ER_MEMORY);
        return false;
    }
    if (zip_close(m_archive) != 0) {
        problem = textOf(zip_get_error(m_archive));
        return false;
    }
    m_archive = nullptr;
    if (zip_source_open(m_buffer) != 0) {
        problem = textOf(zip_source_error(m_buffer));
        return false;
    }
    std::array<char, PieceSize> piece;
    bool sound = true;
    for (;;) {
        const zip_int64_t got = zip_source_read(m_buffer, piece.data(), piece.size());
        if (got < 0) {
            problem = textOf(zip_source_error(m_buffer));
            sound = false;
            break;
        }
        if (got == 0 || !sink(piece.data(), got)) {
            sound = got == 0;
            break;
        }
    }
    zip_source_close(m_buffer);
    return sound;
}

} // namespace ZipArchive
