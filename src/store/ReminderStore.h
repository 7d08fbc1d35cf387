#pragma once

#include "data/FileStatus.h"
#include "store/Reminder.h"
#include "store/ReminderSchema.h"

#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>

class QSqlDatabase;
class QSqlError;

// The reminders of every ride, in the SQLite database Torqal.db beside the
// data files, and what else the five files cannot hold (the entries' extras,
// see EntryExtras). Reminders never touch the five data files; they name
// their ride by its RideKey.
//
// What it guarantees:
// - Every change is one transaction, written through to the disk before the
//   call reports success. A change cut short by a crash or a power cut is
//   undone by SQLite the next time the file is opened, so the file holds the
//   reminders as they were before or after each change, never in between.
// - A missing file is created; a file of an earlier layout is brought up to
//   date, step by step (see ReminderSchema), before anything else is done.
// - A damaged file (no database, failing SQLite's quick check, or holding
//   tables without a layout version, which no Torqal writes), a file
//   written by a later version of the program, and a file that another
//   program keeps locked for more than two seconds are not used: the store
//   stays closed, holds no reminders, refuses every change, and status()
//   names the file and the reason, problem() its kind. The file is left
//   exactly as it was.
// - Read-only access (for torqal-data) never creates, upgrades or changes
//   the file; a missing file then simply holds no reminders. A file whose
//   last change was cut short (its rollback journal is still beside it)
//   cannot be read so: SQLite has to undo the change first, which takes a
//   program that may write.
// Every operation reports how it went; none throws.
class ReminderStore
{
public:
    static inline const QString FileName = QStringLiteral("Torqal.db");

    enum class Access { ReadWrite, ReadOnly };

    // Why the file is not used.
    enum class Problem {
        None,
        InUse,          // another program kept it locked
        Damaged,        // see above
        Unreadable,     // it cannot be opened or read, or its layout is not this program's
        ChangeCutShort, // a change cut short has to be undone first, which this access cannot do
    };

    // Opens the database at path. The steps are the layout's migrations;
    // tests hand in their own.
    explicit ReminderStore(const QString &path, Access access = Access::ReadWrite,
                           std::span<const ReminderSchema::Migration> steps = ReminderSchema::migrations());
    ~ReminderStore();
    ReminderStore(const ReminderStore &) = delete;
    ReminderStore &operator=(const ReminderStore &) = delete;

    // Whether the file could be used, and if not, why.
    bool isOpen() const { return m_open; }
    const FileStatus &status() const { return m_status; }
    Problem problem() const { return m_problem; }
    const QString &path() const { return m_path; }

    // The reminders of one ride, or of every ride, in the order they were added.
    FileStatus remindersOf(double rideKey, QList<Reminder> &reminders) const;
    FileStatus allReminders(QList<Reminder> &reminders) const;

    // Stores a new reminder and sets its id.
    FileStatus add(Reminder &reminder);
    // Stores the reminder over the one with its id (which must still be there).
    FileStatus update(const Reminder &reminder);
    FileStatus remove(qint64 id);
    // Removes every reminder of the ride (none is no failure), its entries'
    // extras, and its note as a ride being deleted.
    FileStatus removeRide(double rideKey);

    // Stores the reminder over the one with its id and notes the change of
    // the data files `changeId` as finished, in one transaction: the
    // reminder is marked done with the maintenance entry that change wrote
    // (see WriteJournal::decideBy).
    FileStatus markDone(const Reminder &reminder, quint64 changeId);
    // Whether the change `changeId` is noted as finished. Once no journal
    // is waiting for the answer, the notes can go.
    FileStatus isFinished(quint64 changeId, bool &finished) const;
    FileStatus forgetFinishedChanges();

    // Notes that the ride is being deleted, before its records go: should the
    // deletion be cut short after the ride left the ride file, its reminders
    // are removed later (finishCutShortChanges).
    FileStatus noteRideDeletion(double rideKey);
    // The rides noted as being deleted.
    FileStatus ridesBeingDeleted(QList<double> &rideKeys) const;

    // Runs `statements` in one transaction, which also notes the change of
    // the data files `changeId` as finished when it is not 0: for the tables
    // with functions of their own (EntryExtrasTable). A failure says it could
    // not do `doing`.
    FileStatus change(const QString &doing, quint64 changeId, const std::function<FileStatus(QSqlDatabase &)> &statements);
    FileStatus read(const std::function<FileStatus(QSqlDatabase &)> &reading) const;

private:
    FileStatus open(Access access, std::span<const ReminderSchema::Migration> steps);
    FileStatus select(const QString &condition, const QVariant &value, QList<Reminder> &reminders) const;
    // Runs statements(database) in one transaction, which it commits when
    // they succeed and rolls back otherwise; a failure says it could not do
    // `doing`.
    FileStatus inTransaction(const QString &doing, const std::function<FileStatus(QSqlDatabase &)> &statements);
    // Runs one statement of the transaction with its values; `rows`
    // receives the rows it changed, `insertedId` the id of the row it added.
    FileStatus run(QSqlDatabase &database, const QString &statement, const QVariantList &values, int *rows = nullptr,
                   QVariant *insertedId = nullptr);
    FileStatus updateIn(QSqlDatabase &database, const Reminder &reminder);
    FileStatus refused() const;
    FileStatus failed(Problem problem, FileStatus status);
    FileStatus failed(const QString &what, const QSqlError &error);

    QString m_path;
    QString m_connection;
    bool m_open = false;
    FileStatus m_status;
    Problem m_problem = Problem::None;
    QString m_doing; // what the transaction running does, for its messages
};
