#include "backup/BackupCheck.h"

#include "backup/ZipArchive.h"
#include "data/DataFileTable.h"
#include "store/ReminderStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The manifest is small; anything larger is no manifest of ours.
constexpr qint64 ManifestLimit = 16 * 1024 * 1024;

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("backup-check-%1").arg(++next);
}

// SQLite's full integrity check of the database at `path`: empty when it
// passes, otherwise what it found.
QString integrityProblem(const QString &path)
{
    const QString connection = newConnectionName();
    QString problem;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!database.open()) {
            problem = QStringLiteral("it is no SQLite database");
        } else {
            QSqlQuery query(database);
            if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next())
                problem = QStringLiteral("it is no SQLite database");
            else if (const QString result = query.value(0).toString(); result != QLatin1String("ok"))
                problem = result;
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return problem;
}

class Check
{
public:
    Check(const QString &archive, const QString &folder, BackupChecks checks)
        : m_archive(archive), m_reader(archive), m_folder(folder), m_checks(checks)
    {
    }

    BackupCheck run()
    {
        if (m_reader.opened() == ZipArchive::Reader::Opened::CannotRead)
            return cannotRead(QStringLiteral("Could not read %1: %2").arg(m_archive, m_reader.problem()));
        if (m_reader.opened() == ZipArchive::Reader::Opened::NotAnArchive)
            return refused(QStringLiteral("it is no zip archive, or a damaged one (%1)").arg(m_reader.problem()));
        const QStringList names = m_reader.names();
        if (!names.contains(BackupManifest::EntryName))
            return refused(QStringLiteral("it holds no manifest (%1), so it is no Torqal backup").arg(BackupManifest::EntryName));
        QString problem;
        if (!readManifest(problem))
            return refused(problem);
        QSet<QString> listed;
        for (const BackupManifest::File &file : m_result.manifest.files) {
            listed.insert(file.name);
            if (!names.contains(file.name))
                return refused(QStringLiteral("%1 is missing from it").arg(file.name));
        }
        for (const QString &name : names) {
            if (name != BackupManifest::EntryName && !name.endsWith(QLatin1Char('/')) && !listed.contains(name))
                return refused(QStringLiteral("it holds %1, which its manifest does not list").arg(name));
        }
        for (const BackupManifest::File &file : m_result.manifest.files) {
            if (!extract(file))
                return m_result;
        }
        if (m_checks == BackupChecks::Everything && (!checkRecords(problem) || !checkDatabase(problem)))
            return refused(problem);
        m_result.verdict = BackupCheck::Verdict::Sound;
        return m_result;
    }

private:
    BackupCheck refused(const QString &problem)
    {
        m_result.verdict = BackupCheck::Verdict::Refused;
        m_result.problem = QStringLiteral("%1 cannot be restored: %2.").arg(m_archive, problem);
        return m_result;
    }
    BackupCheck cannotRead(const QString &problem)
    {
        m_result.verdict = BackupCheck::Verdict::CannotRead;
        m_result.problem = problem;
        return m_result;
    }

    bool readManifest(QString &problem)
    {
        QByteArray json;
        const bool read = m_reader.read(BackupManifest::EntryName, [&](const char *bytes, qint64 length) {
            json.append(bytes, length);
            return json.size() <= ManifestLimit;
        }, problem);
        if (!read) {
            problem = QStringLiteral("its manifest cannot be read (%1)").arg(problem.isEmpty() ? QStringLiteral("too large") : problem);
            return false;
        }
        return BackupManifest::fromJson(json, m_result.manifest, problem);
    }

    // Writes the file out into the folder while taking its checksum, and
    // compares; false with the verdict set when it differs or cannot be
    // written.
    bool extract(const BackupManifest::File &file)
    {
        const QString path = QDir(m_folder).filePath(file.name);
        if (!QDir().mkpath(QFileInfo(path).path())) {
            cannotRead(QStringLiteral("Could not make the folder %1").arg(QFileInfo(path).path()));
            return false;
        }
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            cannotRead(QStringLiteral("Could not write %1: %2").arg(path, out.errorString()));
            return false;
        }
        QCryptographicHash hash(QCryptographicHash::Sha256);
        qint64 size = 0;
        bool written = true;
        bool overrun = false;
        QString problem;
        const bool read = m_reader.read(file.name, [&](const char *bytes, qint64 length) {
            // A crafted archive cannot fill the disk: no more than the
            // manifest gives is written.
            if (length > file.size - size) {
                overrun = true;
                return false;
            }
            written = out.write(bytes, length) == length;
            hash.addData(QByteArrayView(bytes, length));
            size += length;
            return written;
        }, problem);
        // On disk before the staging counts as complete (see FolderSwap).
        if (written && (!out.flush() || ::fsync(out.handle()) != 0))
            written = false;
        if (!written) {
            cannotRead(QStringLiteral("Could not write %1: %2").arg(path, out.error() != QFileDevice::NoError ? out.errorString() : systemText(errno)));
            return false;
        }
        if (overrun) {
            refused(QStringLiteral("%1 in it is larger than its manifest says").arg(file.name));
            return false;
        }
        if (!read) {
            refused(QStringLiteral("%1 in it cannot be read whole (%2)").arg(file.name, problem));
            return false;
        }
        if (size != file.size || hash.result().toHex() != file.sha256) {
            refused(QStringLiteral("%1 in it does not match the checksum its manifest gives").arg(file.name));
            return false;
        }
        return true;
    }

    bool checkRecords(QString &problem)
    {
        for (const BackupManifest::File &file : m_result.manifest.files) {
            const DataFileInfo *info = findDataFile(file.name);
            if (!info || info->name != file.name)
                continue;
            if (file.size % info->recordLength != 0 || file.size / info->recordLength > MaxRecords) {
                problem = QStringLiteral("%1 in it does not hold whole records of %2 bytes, or holds more than %3")
                              .arg(file.name).arg(info->recordLength).arg(MaxRecords);
                return false;
            }
        }
        BackupManifest counted;
        if (const FileStatus status = countRecords(m_folder, counted); !status) {
            problem = status.message();
            return false;
        }
        if (counted.rides != m_result.manifest.rides || counted.entries != m_result.manifest.entries) {
            problem = QStringLiteral("its rides or entries are not those its manifest counts");
            return false;
        }
        return true;
    }

    bool checkDatabase(QString &problem)
    {
        const QString path = QDir(m_folder).filePath(ReminderStore::FileName);
        if (!m_result.manifest.file(ReminderStore::FileName)) {
            if (m_result.manifest.reminders == 0)
                return true;
            problem = QStringLiteral("its manifest counts reminders, but it holds no %1").arg(ReminderStore::FileName);
            return false;
        }
        if (const QString integrity = integrityProblem(path); !integrity.isEmpty()) {
            problem = QStringLiteral("%1 in it fails SQLite's integrity check (%2)").arg(ReminderStore::FileName, integrity);
            return false;
        }
        qint64 reminders = 0;
        if (const FileStatus status = countReminders(path, reminders); !status) {
            problem = QStringLiteral("%1 in it cannot be read (%2)").arg(ReminderStore::FileName, status.message());
            return false;
        }
        if (reminders != m_result.manifest.reminders) {
            problem = QStringLiteral("its reminders are not those its manifest counts");
            return false;
        }
        return true;
    }

    QString m_archive;
    ZipArchive::Reader m_reader;
    QString m_folder;
    BackupChecks m_checks;
    BackupCheck m_result;
};

} // namespace

BackupCheck checkBackup(const QString &archive, const QString &folder, BackupChecks checks)
{
    return Check(archive, folder, checks).run();
}
