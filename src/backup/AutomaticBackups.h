#pragma once

#include "data/FileStatus.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The backups the program makes by itself before a command that changes
// much at once (an import, deleting a ride, undoing an import, a repair, a
// restore), in the data folder's Backups/, named by the local date and time
// and the command: "2026-12-07 22-15 before import.zip".
namespace AutomaticBackups {

inline const QString FolderName = QStringLiteral("Backups");
// The newest backups kept whatever their age.
constexpr int KeptNewest = 20;
// Besides those, the newest backup of each month is kept for this many months.
constexpr int KeptMonths = 12;

QString fileName(const QDateTime &made, const QString &command);
// When the backup of that name was made (to the minute); invalid for any
// other name, which the pruning then leaves alone.
QDateTime madeAt(const QString &fileName);

// Which of the backups made at `made` go at `now`: every one except the
// newest KeptNewest and the newest of each month of the last KeptMonths.
// Indexes into `made`, in its order.
QList<int> toPrune(const QList<QDateTime> &made, const QDateTime &now);

// Writes a backup of the data folder `folder` into its Backups/ before
// `command` (see BackupWrite), then removes the backups there that the rule
// above lets go. `writtenTo` receives the archive's path. A failure to
// write the backup is returned; one to prune is not (the backup is made,
// and the next one prunes again).
FileStatus make(const QString &folder, const QString &command, QString *writtenTo = nullptr);

} // namespace AutomaticBackups
