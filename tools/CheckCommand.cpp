#include "CheckCommand.h"

#include "NumberList.h"
#include "RecordReader.h"
#include "ReminderReading.h"
#include "data/PartialRecords.h"

#include "data/OtherSpellings.h"
#include "data/ScratchRecovery.h"
#include "data/WriteJournal.h"
#include "store/LogKind.h"
#include "store/ReminderStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <dirent.h>
#include <optional>
#include <set>
#include <vector>

namespace {

// "Torqal-<n>.jnl", a journal the program set aside.
bool isSetAsideJournal(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^Torqal-[0-9]+\\.jnl$"));
    return pattern.match(name).hasMatch();
}

// Whether any key or date of the record is no number at all (NaN, infinite).
class NumberCheck
{
public:
    void key(const char *, double value) { check(value); }
    void date(const char *, double value) { check(value); }
    void money(const char *, qint64) {}
    void single(const char *, float) {}
    void long32(const char *, qint32) {}
    void text(const char *, const QString &, int) {}

    bool sound = true;

private:
    void check(double value) { sound = sound && std::isfinite(value); }
};

bool isBlank(const char *bytes, int length)
{
    const auto first = static_cast<unsigned char>(bytes[0]);
    return (first == 0x00 || first == 0xFF) && std::all_of(bytes, bytes + length, [first](char c) { return static_cast<unsigned char>(c) == first; });
}

// The names in the folder, or the reason it cannot be listed.
bool listFolder(const QString &folder, QStringList &names, QString &problem)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    errno = 0;
    while (const dirent *entry = ::readdir(dir))
        names << QFile::decodeName(entry->d_name);
    const int error = errno;
    ::closedir(dir);
    if (error != 0)
        problem = QString::fromLocal8Bit(std::strerror(error));
    names.sort();
    return error == 0;
}

class FolderCheck
{
public:
    FolderCheck(QString folder, QTextStream &out, QTextStream &errors) : m_folder(std::move(folder)), m_out(out), m_errors(errors) {}

    int run()
    {
        QStringList names;
        QString problem;
        if (!listFolder(m_folder, names, problem)) {
            m_errors << "torqal-data: cannot list " << m_folder << ": " << problem << "\n";
            return 2;
        }
        // Every data file is opened, and the reminders are read, before
        // anything is said, so that a folder that cannot be checked gets no
        // report at all.
        std::vector<std::optional<QFile>> files(DataFileTable().size());
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (!open(DataFileTable()[i], files[i]))
                return 2;
        }
        const ReminderReading reminders = readReminders(QDir(m_folder));
        if (reminders.verdict == ReminderReading::Verdict::CannotRead) {
            m_errors << "torqal-data: " << reminders.problem << "\n";
            return 2;
        }
        // The rides first: the log entries are checked against their keys.
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (!checkFile(DataFileTable()[i], files[i]))
                return 2;
        }
        for (const OtherSpelling &spelling : otherSpellings(m_folder))
            reportSpelling(spelling);
        for (const QString &name : names)
            reportLeftover(name);
        checkReminders(reminders);
        m_out << (m_damaged ? "Damage found.\n" : "No damage found.\n");
        if (m_partial)
            m_out << "To cut the partial records off into side files, quit Torqal and run: " << dataToolCommandLine(QStringLiteral("repair"), m_folder) << "\n";
        if (m_scratch)
            m_out << "To read a scratch file, run: torqal-data dump --kind ride|maint|goody|trip|gas FILE\n";
        return m_damaged ? 1 : 0;
    }

private:
    // Opens the data file into `file`, leaving it empty when there is none
    // (or only a broken link, which is noted).
    bool open(const DataFileInfo &info, std::optional<QFile> &file)
    {
        const QString path = QDir(m_folder).filePath(info.name);
        QString refusal;
        switch (presenceOf(path, refusal)) {
        case Presence::Missing:
            return true;
        case Presence::BrokenLink:
            m_brokenLinks.insert(info.kind);
            return true;
        case Presence::Unknown:
            m_errors << "torqal-data: " << refusal << "\n";
            return false;
        case Presence::Present:
            break;
        }
        if (!openForReading(file.emplace(), path, refusal)) {
            m_errors << "torqal-data: " << refusal << "\n";
            return false;
        }
        return true;
    }

    bool checkFile(const DataFileInfo &info, std::optional<QFile> &present)
    {
        if (m_brokenLinks.contains(info.kind)) {
            m_out << info.name << ": a broken link to " << QFile::symLinkTarget(QDir(m_folder).filePath(info.name))
                  << ", which is not there (no records can be read)\n";
            m_damaged = true;
            return true;
        }
        if (!present) {
            m_out << info.name << ": not present (no records)\n";
            return true;
        }
        QFile &file = *present;
        const qint64 length = file.size();
        const qint64 count = recordCountForLength(length, info.recordLength);
        QStringList problems;
        const qint64 rest = length % info.recordLength;
        if (rest != 0 && count * info.recordLength > length)
            problems << QStringLiteral("record %1 is cut short (%2 of %3 bytes)").arg(count).arg(rest).arg(info.recordLength);
        else if (rest != 0)
            problems << QStringLiteral("%1 stray bytes after the last record").arg(rest);
        m_partial = m_partial || rest != 0;
        if (count > MaxRecords)
            problems << QStringLiteral("more than the %1 records a data file may hold").arg(MaxRecords);

        QList<qint64> blank;
        QList<qint64> noNumber;
        QList<qint64> marked;
        QList<qint64> orphans;
        const bool read = withRecordType(info.kind, [&](auto record) {
            return forEachRecord(file, info.recordLength, [&](qint64 number, const char *bytes) {
                if (isBlank(bytes, info.recordLength)) {
                    blank << number;
                    return;
                }
                decodeRecord(bytes, record);
                NumberCheck numbers;
                decltype(record)::visitFields(std::as_const(record), numbers);
                if (!numbers.sound)
                    noNumber << number;
                if (IsMarked(record))
                    marked << number;
                if (!std::isfinite(record.RideKey))
                    return; // reported as no number; no ride can own it
                if (info.kind == DataFileKind::Rides) {
                    m_rideKeys.insert(record.RideKey);
                    return;
                }
                if (!m_rideKeys.contains(record.RideKey))
                    orphans << number;
                if (!IsMarked(record))
                    ++m_heads[info.kind][recordHead(bytes, info.recordLength - decltype(record)::NotesWidth)];
            });
        });
        if (!read) {
            m_errors << "torqal-data: cannot read " << QDir(m_folder).filePath(info.name) << ": " << file.errorString() << "\n";
            return false;
        }
        if (!blank.isEmpty())
            problems << QStringLiteral("%1 of only zero bytes or only 0xFF bytes (%2)").arg(blank.size()).arg(numberList(blank));
        if (!noNumber.isEmpty())
            problems << QStringLiteral("%1 with a key or date that is no number (%2)").arg(noNumber.size()).arg(numberList(noNumber));
        if (!marked.isEmpty())
            problems << QStringLiteral("%1 marked deleted (%2)").arg(marked.size()).arg(numberList(marked));
        if (!orphans.isEmpty())
            problems << QStringLiteral("%1 belonging to no ride (%2)").arg(orphans.size()).arg(numberList(orphans));

        m_out << info.name << ": " << length << " bytes, " << count << (count == 1 ? " record" : " records");
        for (const QString &problem : problems)
            m_out << "; " << problem;
        m_out << "\n";
        m_damaged = m_damaged || !problems.isEmpty();
        return true;
    }

    void reportSpelling(const OtherSpelling &spelling)
    {
        for (const QString &name : spelling.names) {
            m_out << name << ": named " << spelling.file->name << " in other letters' case, which Torqal does not read";
            if (spelling.canBeRenamed())
                m_out << "; rename it to " << spelling.file->name << " to use it";
            m_out << "\n";
        }
        m_damaged = true;
    }

    void reportLeftover(const QString &name)
    {
        const QFileInfo entry(QDir(m_folder).filePath(name));
        if (name == ScratchFileName && isStaleLeftover()) {
            m_out << name << ": " << entry.size()
                  << " bytes left over from an interrupted compaction, a stale copy: every record of it is in a data file\n";
        } else if (name == ScratchFileName || ScratchRecovery::isSetAsideName(name)) {
            m_out << name << ": " << entry.size() << " bytes left over from an interrupted compaction\n";
            m_damaged = true;
            m_scratch = true;
        } else if (name == WriteJournal::FileName) {
            m_out << name << ": the journal of a change that was cut short; Torqal puts the data files back as they were "
                             "before it when it next starts (so does torqal-data repair)\n";
        } else if (isSetAsideJournal(name)) {
            m_out << name << ": the journal of a change that was cut short, set aside because the data files had been changed "
                             "since by another program; the record it names may be part old, part new\n";
            m_damaged = true;
        } else if (isRepairSideFile(name)) {
            m_out << name << ": " << entry.size() << " bytes cut off a damaged data file by torqal-data repair\n";
        }
    }

    // A scratch file that a compaction of this program left behind when it
    // was stopped before its rename does no harm: the data files are whole.
    bool isStaleLeftover() const
    {
        const QString working = QDir::currentPath();
        if (!QDir::setCurrent(m_folder))
            return false;
        const bool stale = ScratchRecovery::isStaleLeftover();
        QDir::setCurrent(working);
        return stale;
    }

    // The reminders database: whether it is sound, and reminders whose
    // ride is not in Torqal.Dat.
    void checkReminders(const ReminderReading &reading)
    {
        const QString name = ReminderStore::FileName;
        if (reading.verdict == ReminderReading::Verdict::Missing) {
            m_out << name << ": not present (no reminders)\n";
            return;
        }
        if (reading.verdict != ReminderReading::Verdict::Read) {
            m_out << name << ": " << reading.problem << "\n";
            m_damaged = true;
            return;
        }
        QList<qint64> orphans;
        QList<qint64> ofDeletedRides;
        for (const Reminder &reminder : reading.reminders) {
            if (m_rideKeys.contains(reminder.rideKey))
                continue;
            (reading.ridesBeingDeleted.contains(reminder.rideKey) ? ofDeletedRides : orphans) << reminder.id;
        }
        m_out << name << ": " << reading.reminders.size() << (reading.reminders.size() == 1 ? " reminder" : " reminders");
        if (reading.changeCutShort)
            m_out << " as they were before a change that was cut short (Torqal undoes it when it next opens the file)";
        if (!ofDeletedRides.isEmpty()) {
            m_out << "; " << ofDeletedRides.size() << " of a deleted ride, which Torqal removes when it next opens the file ("
                  << numberList(ofDeletedRides, QStringLiteral("reminder"), QStringLiteral("reminders")) << ")";
        }
        if (!orphans.isEmpty()) {
            m_out << "; " << orphans.size() << " belonging to no ride ("
                  << numberList(orphans, QStringLiteral("reminder"), QStringLiteral("reminders")) << ")";
            m_damaged = true;
        }
        reportEntryValuesLeft(reading.entryExtras);
        m_out << "\n";
    }

    // Values kept for log entries that their log no longer holds as Torqal
    // wrote them: another program changed or deleted the entry. Torqal shows
    // them with no entry; they do no harm.
    void reportEntryValuesLeft(const std::vector<EntryExtrasTable::Row> &rows)
    {
        std::map<QString, int> left;
        for (const EntryExtrasTable::Row &row : rows) {
            const DataFileKind file = logDataFile(row.log);
            if (m_heads[file].value(row.entry.head) <= row.entry.occurrence)
                ++left[dataFileInfo(file).name];
        }
        if (left.empty())
            return;
        QStringList counts;
        int total = 0;
        for (const auto &[name, count] : left) {
            counts << QStringLiteral("%1: %2").arg(name).arg(count);
            total += count;
        }
        m_out << "; the values of " << total << (total == 1 ? " entry" : " entries")
              << " that another program changed or deleted, which Torqal no longer shows (" << counts.join(QStringLiteral(", "))
              << ")";
    }

    // How many unmarked records of each head every log holds.
    std::map<DataFileKind, QHash<quint64, int>> m_heads;
    QString m_folder;
    QTextStream &m_out;
    QTextStream &m_errors;
    std::set<double> m_rideKeys;
    std::set<DataFileKind> m_brokenLinks;
    bool m_damaged = false;
    bool m_partial = false;
    bool m_scratch = false;
};

} // namespace

int checkCommand(const QString &folder, QTextStream &out, QTextStream &errors)
{
    if (!isFolder(folder, errors))
        return 2;
    return FolderCheck(folder, out, errors).run();
}

Verb checkVerb()
{
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data check");
    usage.summary = QStringLiteral("Checks the data files in a folder and reports what is wrong with them.");
    usage.description = QStringLiteral(
        "Prints one line per data file with its length, its number of records and what is wrong with it:\n"
        "- a last record cut short, or stray bytes after the last record (a file copied incompletely or damaged; "
        "\"torqal-data repair\" mends it);\n"
        "- records of only zero bytes or only 0xFF bytes, or with a key or date that is no number;\n"
        "- records marked deleted (a deletion that did not finish);\n"
        "- log entries whose ride is not in Torqal.Dat (for example after copying only some of the five files);\n"
        "- more records than a data file may hold (32767);\n"
        "- a symbolic link in a data file's place that leads nowhere (a broken link).\n"
        "Then it names the data files found under another spelling (TORQAL.DAT, maint.dat), which Torqal does "
        "not read; the scratch files left over by an interrupted deletion (TempFile.$$$, or TempFile-N.$$$ where "
        "Torqal set one aside), which \"torqal-data dump --kind\" reads; and the side files of a repair "
        "(Torqal.Dat.partial). The reminders database Torqal.db gets a line of its own, "
        "with the number of reminders and those whose ride is not in Torqal.Dat (they are never shown), the values "
        "kept for log entries (odometer, cost) whose entry another program changed or deleted, or what makes "
        "it unusable for Torqal; a change to it that a crash cut short is read as undone, as Torqal will undo it. "
        "It ends with "
        "\"No damage found.\" or \"Damage found.\" and the commands that help "
        "further. It never changes a file.\n\n"
        "Exit status: 0 when nothing is wrong, 1 when something is, 2 when the folder, a data file or the "
        "reminders database cannot be read (also while another program is changing the database), or a data file's "
        "name stands for something other than a file (a folder, a pipe, a device).");
    usage.arguments = {folderArgument()};
    usage.offersVersion = false;
    return {usage, [](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                return checkCommand(folderOf(parser), out, errors);
            }};
}
