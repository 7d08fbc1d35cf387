#include "store/ReminderStore.h"

#include "platform/Identity.h"
#include "store/EntryExtras.h"
#include "store/ImportNote.h"
#include "store/RideExtras.h"
#include "store/SqlFailure.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <atomic>

namespace {

const QString Driver = QStringLiteral("QSQLITE");

// How long an operation waits for another program's lock on the file.
constexpr int LockWaitMs = 2000;

const QString Columns = QStringLiteral("id, ride_key, description, repeating, on_date, at_miles, every_months, "
                                       "every_miles, last_done_date, last_done_miles");

QVariant dateColumn(QDate date)
{
    return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant();
}

Reminder reminderOf(const QSqlQuery &row)
{
    Reminder reminder;
    reminder.id = row.value(0).toLongLong();
    reminder.rideKey = row.value(1).toDouble();
    reminder.description = row.value(2).toString();
    reminder.repeating = row.value(3).toInt() != 0;
    reminder.onDate = QDate::fromString(row.value(4).toString(), Qt::ISODate);
    reminder.atMiles = row.value(5).toLongLong();
    reminder.everyMonths = row.value(6).toInt();
    reminder.everyMiles = row.value(7).toLongLong();
    reminder.lastDoneDate = QDate::fromString(row.value(8).toString(), Qt::ISODate);
    reminder.lastDoneMiles = row.value(9).toLongLong();
    return reminder;
}

// The values of a reminder's columns after its id, in the order of Columns.
QVariantList valuesOf(const Reminder &reminder)
{
    return {reminder.rideKey,       reminder.description,          reminder.repeating ? 1 : 0,
            dateColumn(reminder.onDate), reminder.atMiles,          reminder.everyMonths,
            reminder.everyMiles,    dateColumn(reminder.lastDoneDate), reminder.lastDoneMiles};
}

QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("reminders-%1").arg(++next);
}

} // namespace

ReminderStore::ReminderStore(const QString &path, Access access, std::span<const ReminderSchema::Migration> steps)
    : m_path(path), m_connection(newConnectionName())
{
    m_status = open(access, steps);
    if (!m_status || !m_open) {
        m_open = false;
        if (QSqlDatabase::contains(m_connection))
            QSqlDatabase::database(m_connection, false).close();
    }
}

ReminderStore::~ReminderStore()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

FileStatus ReminderStore::open(Access access, std::span<const ReminderSchema::Migration> steps)
{
    const bool readOnly = access == Access::ReadOnly;
    if (readOnly && !QFileInfo::exists(m_path))
        return {};
    auto refuse = [this](Problem problem, const QString &message) { return failed(problem, FileStatus::failure(m_path, message)); };
    if (!QSqlDatabase::isDriverAvailable(Driver)) {
        return refuse(Problem::Unreadable, QStringLiteral("Could not open %1: Qt's SQLite driver is not installed "
                                                          "(Debian package libqt6sql6-sqlite)")
                                               .arg(m_path));
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(Driver, m_connection);
    database.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(LockWaitMs);
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    database.setConnectOptions(options);
    if (!database.open())
        return failed(QStringLiteral("open ") + m_path, database.lastError());

    {
        QSqlQuery check(database);
        if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next())
            return failed(QStringLiteral("read ") + m_path, check.lastError());
        const QString verdict = check.value(0).toString();
        if (verdict != QLatin1String("ok"))
            return refuse(Problem::Damaged, QStringLiteral("%1 is damaged: %2").arg(m_path, verdict));
    }

    int version = 0;
    if (FileStatus status = ReminderSchema::readVersion(database, m_path, version); !status)
        return failed(Problem::Unreadable, std::move(status));
    if (version == 0) {
        bool holdsTables = false;
        if (FileStatus status = ReminderSchema::holdsTables(database, m_path, holdsTables); !status)
            return failed(Problem::Unreadable, std::move(status));
        if (holdsTables) {
            return refuse(Problem::Damaged, QStringLiteral("%1 is no reminders file of %2: it holds tables, but no version "
                                                           "of their layout")
                                                .arg(m_path, ApplicationTitle));
        }
    }
    if (readOnly) {
        const int latest = steps.empty() ? 0 : steps.back().version;
        if (version == 0)
            return {}; // created, but never given a reminder
        if (version != latest) {
            return refuse(Problem::Unreadable, QStringLiteral("%1 has layout %2, which this version of the tool does "
                                                              "not read (it reads layout %3)")
                                                   .arg(m_path)
                                                   .arg(version)
                                                   .arg(latest));
        }
    } else {
        QSqlQuery pragma(database);
        if (!pragma.exec(QStringLiteral("PRAGMA synchronous = FULL")))
            return failed(QStringLiteral("open ") + m_path, pragma.lastError());
        if (FileStatus status = ReminderSchema::migrate(database, m_path, steps); !status)
            return failed(Problem::Unreadable, std::move(status));
        if (FileStatus status = steps.empty() ? FileStatus() : ReminderSchema::addTables(database, m_path); !status)
            return failed(Problem::Unreadable, std::move(status));
    }
    m_open = true;
    return {};
}

FileStatus ReminderStore::failed(Problem problem, FileStatus status)
{
    m_problem = problem;
    return status;
}

FileStatus ReminderStore::failed(const QString &what, const QSqlError &error)
{
    Problem problem = Problem::Unreadable;
    switch (sqlitePrimaryCode(error)) {
    case SqliteBusy:
        problem = Problem::InUse;
        break;
    case SqliteCorrupt:
    case SqliteNotADatabase:
        problem = Problem::Damaged;
        break;
    case SqliteReadOnly:
        // Reading only, SQLite cannot undo the change that its journal holds.
        if (QFileInfo::exists(m_path + QStringLiteral("-journal")))
            problem = Problem::ChangeCutShort;
        break;
    }
    return failed(problem, sqlFailure(m_path, what, error));
}

FileStatus ReminderStore::refused() const
{
    if (!m_status)
        return m_status;
    return FileStatus::failure(m_path, QStringLiteral("Could not change %1: it is open for reading only").arg(m_path));
}

FileStatus ReminderStore::select(const QString &condition, const QVariant &value, QList<Reminder> &reminders) const
{
    reminders.clear();
    if (!m_open)
        return m_status;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM reminder %2 ORDER BY id").arg(Columns, condition));
    if (value.isValid())
        query.addBindValue(value);
    if (!query.exec())
        return sqlFailure(m_path, QStringLiteral("read ") + m_path, query.lastError());
    while (query.next())
        reminders << reminderOf(query);
    if (query.lastError().isValid())
        return sqlFailure(m_path, QStringLiteral("read ") + m_path, query.lastError());
    return {};
}

FileStatus ReminderStore::remindersOf(double rideKey, QList<Reminder> &reminders) const
{
    return select(QStringLiteral("WHERE ride_key = ?"), rideKey, reminders);
}

FileStatus ReminderStore::allReminders(QList<Reminder> &reminders) const
{
    return select(QString(), QVariant(), reminders);
}

FileStatus ReminderStore::add(Reminder &reminder)
{
    QVariant id;
    const FileStatus status = inTransaction(QStringLiteral("add a reminder"), [&](QSqlDatabase &database) {
        return run(database, QStringLiteral("INSERT INTO reminder (%1) VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(Columns),
                   valuesOf(reminder), nullptr, &id);
    });
    if (status)
        reminder.id = id.toLongLong();
    return status;
}

FileStatus ReminderStore::update(const Reminder &reminder)
{
    return inTransaction(QStringLiteral("change a reminder"), [&](QSqlDatabase &database) { return updateIn(database, reminder); });
}

FileStatus ReminderStore::updateIn(QSqlDatabase &database, const Reminder &reminder)
{
    int rows = 0;
    FileStatus status = run(database, QStringLiteral("UPDATE reminder SET (%1) = (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) WHERE id = ?").arg(Columns),
                            QVariantList{reminder.id} + valuesOf(reminder) + QVariantList{reminder.id}, &rows);
    return status && rows == 0 ? FileStatus::failure(m_path, QStringLiteral("Could not %1: the reminder is no longer there").arg(m_doing))
                               : status;
}

FileStatus ReminderStore::remove(qint64 id)
{
    return inTransaction(QStringLiteral("delete a reminder"), [&](QSqlDatabase &database) {
        int rows = 0;
        FileStatus status = run(database, QStringLiteral("DELETE FROM reminder WHERE id = ?"), {id}, &rows);
        return status && rows == 0 ? FileStatus::failure(m_path, QStringLiteral("Could not %1: the reminder is no longer there").arg(m_doing))
                                   : status;
    });
}

FileStatus ReminderStore::removeRide(double rideKey)
{
    return inTransaction(QStringLiteral("delete the reminders of a ride"), [&](QSqlDatabase &database) {
        FileStatus status = run(database, QStringLiteral("DELETE FROM reminder WHERE ride_key = ?"), {rideKey});
        if (status)
            status = EntryExtrasTable::removeRide(database, m_path, rideKey);
        if (status)
            status = RideExtrasTable::removeRide(database, m_path, rideKey);
        if (status)
            status = ImportNoteTable::forgetRide(database, m_path, rideKey);
        return status ? run(database, QStringLiteral("DELETE FROM ride_deletion WHERE ride_key = ?"), {rideKey}) : status;
    });
}

FileStatus ReminderStore::markDone(const Reminder &reminder, quint64 changeId)
{
    return change(QStringLiteral("mark a reminder done"), changeId,
                  [&](QSqlDatabase &database) { return updateIn(database, reminder); });
}

FileStatus ReminderStore::change(const QString &doing, quint64 changeId,
                                 const std::function<FileStatus(QSqlDatabase &)> &statements)
{
    return inTransaction(doing, [&](QSqlDatabase &database) {
        FileStatus status = statements(database);
        if (status && changeId != 0)
            status = run(database, QStringLiteral("INSERT INTO finished_change (id) VALUES (?)"), {qint64(changeId)});
        return status;
    });
}

FileStatus ReminderStore::read(const std::function<FileStatus(QSqlDatabase &)> &reading) const
{
    if (!m_open)
        return m_status;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return reading(database);
}

FileStatus ReminderStore::isFinished(quint64 changeId, bool &finished) const
{
    finished = false;
    if (!m_open)
        return m_status;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT 1 FROM finished_change WHERE id = ?"));
    query.addBindValue(qint64(changeId));
    if (!query.exec())
        return sqlFailure(m_path, QStringLiteral("read ") + m_path, query.lastError());
    finished = query.next();
    return {};
}

FileStatus ReminderStore::forgetFinishedChanges()
{
    return inTransaction(QStringLiteral("forget the finished changes"), [&](QSqlDatabase &database) {
        return run(database, QStringLiteral("DELETE FROM finished_change"), {});
    });
}

FileStatus ReminderStore::noteRideDeletion(double rideKey)
{
    return inTransaction(QStringLiteral("note a ride's deletion"), [&](QSqlDatabase &database) {
        return run(database, QStringLiteral("INSERT OR IGNORE INTO ride_deletion (ride_key) VALUES (?)"), {rideKey});
    });
}

FileStatus ReminderStore::ridesBeingDeleted(QList<double> &rideKeys) const
{
    rideKeys.clear();
    if (!m_open)
        return m_status;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("SELECT ride_key FROM ride_deletion ORDER BY ride_key")))
        return sqlFailure(m_path, QStringLiteral("read ") + m_path, query.lastError());
    while (query.next())
        rideKeys << query.value(0).toDouble();
    return {};
}

FileStatus ReminderStore::inTransaction(const QString &doing, const std::function<FileStatus(QSqlDatabase &)> &statements)
{
    if (!m_open || !m_status)
        return refused();
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    m_doing = doing + QStringLiteral(" in ") + m_path;
    if (!database.transaction())
        return sqlFailure(m_path, m_doing, database.lastError());
    FileStatus status = statements(database);
    if (status && !database.commit())
        status = sqlFailure(m_path, m_doing, database.lastError());
    if (!status)
        database.rollback();
    return status;
}

FileStatus ReminderStore::run(QSqlDatabase &database, const QString &statement, const QVariantList &values, int *rows, QVariant *insertedId)
{
    QSqlQuery query(database);
    if (!query.prepare(statement))
        return sqlFailure(m_path, m_doing, query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return sqlFailure(m_path, m_doing, query.lastError());
    if (rows)
        *rows = query.numRowsAffected();
    if (insertedId)
        *insertedId = query.lastInsertId();
    return {};
}
