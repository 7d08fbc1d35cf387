#include "CheckCommand.h"

#include "RecordReader.h"

#include "data/ScratchRecovery.h"
#include "reminders/ReminderStore.h"

#include <QDir>
#include <QFileInfo>

#include <set>

namespace {

// At most this many record numbers are listed per finding.
constexpr int ListedNumbers = 10;

QString numberList(const QList<qint64> &numbers, const QString &one = QStringLiteral("record"),
                   const QString &many = QStringLiteral("records"))
{
    QStringList shown;
    for (qint64 number : numbers.first(std::min<qsizetype>(numbers.size(), ListedNumbers)))
        shown << QString::number(number);
    QString list = shown.join(QStringLiteral(", "));
    if (numbers.size() > ListedNumbers)
        list += QStringLiteral(", ...");
    return QStringLiteral("%1 %2").arg(numbers.size() == 1 ? one : many, list);
}

class FolderCheck
{
public:
    FolderCheck(QDir folder, QTextStream &out, QTextStream &errors) : m_folder(std::move(folder)), m_out(out), m_errors(errors) {}

    int run()
    {
        // The rides first: the log entries are checked against their keys.
        for (const DataFileInfo &info : DataFileTable()) {
            if (!checkFile(info))
                return 2;
        }
        checkScratchFiles();
        checkReminders();
        m_out << (m_damaged ? "Damage found.\n" : "No damage found.\n");
        return m_damaged ? 1 : 0;
    }

private:
    bool checkFile(const DataFileInfo &info)
    {
        const QString path = m_folder.filePath(info.name);
        if (!QFileInfo::exists(path)) {
            m_out << info.name << ": not present (no records)\n";
            return true;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_errors << "torqal-data: cannot open " << path << ": " << file.errorString() << "\n";
            return false;
        }
        const qint64 length = file.size();
        const qint64 count = recordCountForLength(length, info.recordLength);
        QStringList problems;
        const qint64 rest = length % info.recordLength;
        if (rest != 0 && count * info.recordLength > length)
            problems << QStringLiteral("record %1 is cut short (%2 of %3 bytes)").arg(count).arg(rest).arg(info.recordLength);
        else if (rest != 0)
            problems << QStringLiteral("%1 stray bytes after the last record").arg(rest);
        if (count > MaxRecords)
            problems << QStringLiteral("more than the %1 records a data file may hold").arg(MaxRecords);

        QList<qint64> marked;
        QList<qint64> orphans;
        const bool read = withRecordType(info.kind, [&](auto record) {
            return forEachRecord(file, info.recordLength, [&](qint64 number, const char *bytes) {
                decodeRecord(bytes, record);
                if (IsMarked(record))
                    marked << number;
                if (info.kind == DataFileKind::Rides)
                    m_rideKeys.insert(record.RideKey);
                else if (!m_rideKeys.contains(record.RideKey))
                    orphans << number;
            });
        });
        if (!read) {
            m_errors << "torqal-data: cannot read " << path << ": " << file.errorString() << "\n";
            return false;
        }
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

    void checkScratchFiles()
    {
        for (const QFileInfo &entry : m_folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
            if (entry.fileName() != ScratchFileName && !ScratchRecovery::isSetAsideName(entry.fileName()))
                continue;
            m_out << entry.fileName() << ": " << entry.size() << " bytes left over from an interrupted compaction\n";
            m_damaged = true;
        }
    }

    // The reminders database: whether it can be read, and reminders whose
    // ride is not in Torqal.Dat.
    void checkReminders()
    {
        const QString name = ReminderStore::FileName;
        const QString path = m_folder.filePath(name);
        if (!QFileInfo::exists(path)) {
            m_out << name << ": not present (no reminders)\n";
            return;
        }
        const ReminderStore store(path, ReminderStore::Access::ReadOnly);
        QList<Reminder> reminders;
        if (const FileStatus status = store.allReminders(reminders); !status) {
            m_out << name << ": " << status.message() << "\n";
            m_damaged = true;
            return;
        }
        QList<qint64> orphans;
        for (const Reminder &reminder : reminders) {
            if (!m_rideKeys.contains(reminder.rideKey))
                orphans << reminder.id;
        }
        m_out << name << ": " << reminders.size() << (reminders.size() == 1 ? " reminder" : " reminders");
        if (!orphans.isEmpty()) {
            m_out << "; " << orphans.size() << " belonging to no ride ("
                  << numberList(orphans, QStringLiteral("reminder"), QStringLiteral("reminders")) << ")";
            m_damaged = true;
        }
        m_out << "\n";
    }

    QDir m_folder;
    QTextStream &m_out;
    QTextStream &m_errors;
    std::set<double> m_rideKeys;
    bool m_damaged = false;
};

} // namespace

int checkCommand(const QString &folder, QTextStream &out, QTextStream &errors)
{
    const QFileInfo info(folder);
    if (!info.exists()) {
        errors << "torqal-data: " << folder << ": no such folder\n";
        return 2;
    }
    if (!info.isDir()) {
        errors << "torqal-data: " << folder << " is a file, not a folder\n";
        return 2;
    }
    return FolderCheck(QDir(folder), out, errors).run();
}
