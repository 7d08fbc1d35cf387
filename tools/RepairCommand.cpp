#include "RepairCommand.h"

#include "backup/AutomaticBackups.h"
#include "backup/FolderSwap.h"
#include "data/PartialRecords.h"
#include "data/SystemCalls.h"
#include "data/WriteJournal.h"
#include "store/StoreFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace {

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Closes a file descriptor when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            SystemCalls::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now; false (errno set) when closing reports a failure.
    bool close() { return SystemCalls::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

class FolderRepair
{
public:
    FolderRepair(QString folder, QTextStream &out, QTextStream &errors) : m_folder(std::move(folder)), m_out(out), m_errors(errors) {}

    int run()
    {
        bool repaired = false;
        for (const DataFileInfo &info : DataFileTable()) {
            const std::optional<bool> done = repair(info);
            if (!done)
                return 2;
            repaired = repaired || *done;
        }
        if (!repaired)
            m_out << "Every data file holds whole records; nothing to repair.\n";
        return 0;
    }

private:
    QByteArray path(const QString &name) const { return QFile::encodeName(QDir(m_folder).filePath(name)); }

    bool fail(const QString &problem)
    {
        m_errors << "torqal-data: " << problem << "\n";
        return false;
    }

    // Whether the file was repaired; nothing when it could not be. The side
    // file and its name in the folder are on disk before the data file is
    // shortened, so that no moment exists where the cut-off bytes are
    // nowhere; once the shortening is flushed the repair of the file is done.
    std::optional<bool> repair(const DataFileInfo &info)
    {
        Descriptor data(SystemCalls::open(path(info.name).constData(), O_RDWR | O_NONBLOCK));
        if (!data.valid()) {
            if (errno == ENOENT)
                return false;
            fail(QStringLiteral("cannot open %1: %2").arg(info.name, systemText(errno)));
            return std::nullopt;
        }
        struct stat status {};
        if (SystemCalls::fstat(data.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
            fail(QStringLiteral("%1 is not a regular file, not a data file").arg(info.name));
            return std::nullopt;
        }
        if (!endsInPartialRecord(status.st_size, info.recordLength))
            return false;
        const qint64 whole = status.st_size - status.st_size % info.recordLength;
        QByteArray rest(status.st_size - whole, Qt::Uninitialized);
        if (SystemCalls::readUpTo(data.get(), rest.data(), rest.size(), static_cast<off_t>(whole)) != rest.size()) {
            fail(QStringLiteral("cannot read %1: %2").arg(info.name, systemText(errno)));
            return std::nullopt;
        }
        // A name that cannot be looked at is tried as well: the side file is
        // made only where no file is, so nothing is written over.
        const QString side = repairSideFileName(info.name, [this](const QString &name) {
            struct stat any {};
            return SystemCalls::lstat(path(name).constData(), &any) != 0;
        });
        if (!writeSideFile(side, rest) || !syncFolder())
            return std::nullopt;
        if (SystemCalls::ftruncate(data.get(), static_cast<off_t>(whole)) != 0 || SystemCalls::fsync(data.get()) != 0) {
            fail(QStringLiteral("cannot shorten %1: %2 (its last %3 bytes are copied to %4 as well)")
                     .arg(info.name, systemText(errno)).arg(rest.size()).arg(side));
            return std::nullopt;
        }
        const qint64 records = whole / info.recordLength;
        m_out << info.name << ": moved the " << rest.size() << " bytes after record " << records << " to " << side << "; "
              << whole << " bytes, " << records << (records == 1 ? " record" : " records") << " remain\n";
        return true;
    }

    bool writeSideFile(const QString &side, const QByteArray &bytes)
    {
        Descriptor file(SystemCalls::open(path(side).constData(), O_WRONLY | O_CREAT | O_EXCL, 0666));
        const bool created = file.valid();
        const bool written = created && SystemCalls::writeAll(file.get(), bytes.constData(), bytes.size(), 0) == bytes.size()
                             && SystemCalls::fsync(file.get()) == 0 && file.close();
        if (written)
            return true;
        const int error = errno;
        if (created)
            SystemCalls::unlink(path(side).constData()); // our own incomplete copy; the data file is untouched
        return fail(QStringLiteral("cannot write %1: %2").arg(side, systemText(error)));
    }

    bool syncFolder()
    {
        if (SystemCalls::syncFolder(QFile::encodeName(m_folder).constData()) == 0)
            return true;
        return fail(QStringLiteral("cannot flush the folder %1: %2").arg(m_folder, systemText(errno)));
    }

    QString m_folder;
    QTextStream &m_out;
    QTextStream &m_errors;
};

// Whether a data file of the folder ends in part of a record.
bool needsRepair(const QString &folder)
{
    const QDir dir(folder);
    return std::any_of(DataFileTable().begin(), DataFileTable().end(), [&dir](const DataFileInfo &info) {
        const QFileInfo file(dir.filePath(info.name));
        return file.isFile() && endsInPartialRecord(file.size(), info.recordLength);
    });
}

// The files as they are, kept in the folder's Backups/ before the repair
// changes them, unless the user has said to go on without.
bool keepBeforeRepair(const QString &folder, bool withoutBackup, QTextStream &out, QTextStream &errors)
{
    if (withoutBackup || !needsRepair(folder))
        return true;
    QString keptIn;
    if (const FileStatus kept = AutomaticBackups::make(folder, QStringLiteral("repair"), &keptIn); !kept) {
        errors << "torqal-data: no backup could be made before the repair, so nothing was repaired: " << kept.message()
               << " (to repair without a backup, add --without-backup)\n";
        return false;
    }
    out << "The files as they were are kept in " << keptIn << ".\n";
    return true;
}

} // namespace

bool putBackCutShortChange(const QString &folder, QTextStream &out, QTextStream &errors)
{
    const QString working = QDir::currentPath();
    if (!QDir::setCurrent(folder)) {
        errors << "torqal-data: cannot enter " << folder << "\n";
        return false;
    }
    JournalRecovery::Outcome outcome;
    const FileStatus putBack = StoreFiles::putBackPending(&outcome);
    QDir::setCurrent(working);
    if (!putBack) {
        errors << "torqal-data: " << putBack.message() << "\n";
        return false;
    }
    if (outcome.kind == JournalRecovery::Outcome::Kind::RolledBack)
        out << "A change cut short was taken back (" << WriteJournal::FileName << "): its files are as they were before it.\n";
    else if (outcome.kind == JournalRecovery::Outcome::Kind::Completed)
        out << "A change cut short was finished (" << WriteJournal::FileName << ").\n";
    else if (outcome.kind == JournalRecovery::Outcome::Kind::SetAside)
        out << WriteJournal::FileName << " no longer fits the data files (another program changed them); it was set aside as "
            << outcome.setAsideAs << " and the files left as they are.\n";
    return true;
}

int repairCommand(const QString &folder, QTextStream &out, QTextStream &errors, bool withoutBackup)
{
    if (!isFolder(folder, errors))
        return 2;
    // The program keeps its counts between commands: it must not run on the
    // folder while its files change length.
    SingleInstance lock(folder);
    if (!lockFolder(lock, QStringLiteral("repair"), errors))
        return 2;
    if (const FileStatus restored = FolderSwap::finishPending(folder); !restored) {
        errors << "torqal-data: " << restored.message() << "\n";
        return 2;
    }
    if (!putBackCutShortChange(folder, out, errors) || !keepBeforeRepair(folder, withoutBackup, out, errors))
        return 2;
    return FolderRepair(folder, out, errors).run();
}

Verb repairVerb()
{
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data repair");
    usage.summary = QStringLiteral("Mends the data files in a folder that end in part of a record.");
    usage.description = QStringLiteral(
        "A data file whose length is no whole number of records (a copy that stopped short, a damaged disk) is "
        "read by Torqal as well as it can, but Torqal writes nothing into it, so that no record lands over the "
        "partial one. For each such file, \"repair\" writes the bytes after the last whole record to a new side "
        "file, NAME.partial (or NAME.2.partial, ... when that name is taken), flushes it to disk, and only then "
        "shortens the data file to its whole records. It deletes nothing: the side file keeps the bytes for "
        "whoever wants to look at them. Files that hold whole records are left as they are. A change that Torqal "
        "could not finish (its journal Torqal.jnl is still there) is first taken back, as Torqal does when it "
        "starts. Torqal must not be "
        "running on the folder; \"repair\" refuses while it is. Before it changes a file, it keeps the folder as it "
        "is in a backup in the folder's Backups/ (see \"backup\"); should that backup fail, nothing is repaired, "
        "unless --without-backup is given.\n\n"
        "Exit status: 0 when every data file holds whole records afterwards, 2 when the folder or a file cannot "
        "be repaired; a file that could not be shortened is then as it was.");
    const QCommandLineOption withoutBackup(QStringLiteral("without-backup"),
                                           QStringLiteral("repair even when no backup can be made first"));
    usage.options = {withoutBackup};
    usage.arguments = {folderArgument()};
    usage.offersVersion = false;
    return {usage, [withoutBackup](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                return repairCommand(folderOf(parser), out, errors, parser.isSet(withoutBackup));
            }};
}
