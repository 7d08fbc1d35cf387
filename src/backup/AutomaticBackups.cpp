#include "backup/AutomaticBackups.h"

#include "backup/BackupWrite.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace AutomaticBackups {

namespace {

const QString StampFormat = QStringLiteral("yyyy-MM-dd HH-mm");

} // namespace

QString fileName(const QDateTime &made, const QString &command)
{
    return QStringLiteral("%1 before %2.zip").arg(made.toString(StampFormat), command);
}

QDateTime madeAt(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2} \\d{2}-\\d{2}) before .+\\.zip$"));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? QDateTime::fromString(match.captured(1), StampFormat) : QDateTime();
}

QList<int> toPrune(const QList<QDateTime> &made, const QDateTime &now)
{
    QList<int> newestFirst(made.size());
    std::iota(newestFirst.begin(), newestFirst.end(), 0);
    std::stable_sort(newestFirst.begin(), newestFirst.end(), [&made](int a, int b) { return made[a] > made[b]; });
    const QDate firstMonthKept = now.date().addMonths(1 - KeptMonths);
    const QDate cutOff(firstMonthKept.year(), firstMonthKept.month(), 1);
    QSet<int> monthsSeen;
    QList<int> pruned;
    for (int rank = 0; rank < newestFirst.size(); ++rank) {
        const QDate date = made[newestFirst[rank]].date();
        const int month = date.year() * 12 + date.month();
        const bool newestOfItsMonth = date >= cutOff && !monthsSeen.contains(month);
        monthsSeen.insert(month);
        if (rank >= KeptNewest && !newestOfItsMonth)
            pruned << newestFirst[rank];
    }
    std::sort(pruned.begin(), pruned.end());
    return pruned;
}

FileStatus make(const QString &folder, const QString &command, QString *writtenTo)
{
    const QDir backups(QDir(folder).filePath(FolderName));
    if (!QDir().mkpath(backups.path()))
        return FileStatus::failure(backups.path(), QStringLiteral("Could not make the folder %1").arg(backups.path()));
    const QDateTime now = Clock::now();
    QString name = fileName(now, command);
    for (int n = 2; backups.exists(name); ++n)
        name = fileName(now, QStringLiteral("%1 (%2)").arg(command).arg(n));
    const QString target = backups.filePath(name);
    if (FileStatus status = writeBackup(folder, target); !status)
        return status;
    if (writtenTo)
        *writtenTo = target;

    QStringList names;
    QList<QDateTime> made;
    for (const QString &present : backups.entryList({QStringLiteral("*.zip")}, QDir::Files)) {
        if (const QDateTime when = madeAt(present); when.isValid()) {
            names << present;
            made << when;
        }
    }
    for (int index : toPrune(made, now))
        QFile::remove(backups.filePath(names[index]));
    return {};
}

} // namespace AutomaticBackups
