#include "reminders/ReminderStore.h"

#include "platform/Identity.h"
#include "reminders/SqlFailure.h"

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
void bindValues(QSqlQuery &query, const Reminder &reminder)
{
    query.addBindValue(reminder.rideKey);
    query.addBindValue(reminder.description);
    query.addBindValue(reminder.repeating ? 1 : 0);
    query.addBindValue(dateColumn(reminder.onDate));
    query.addBindValue(reminder.atMiles);
    query.addBindValue(reminder.everyMonths);
    query.addBindValue(reminder.everyMiles);
    query.addBindValue(dateColumn(reminder.lastDoneDate));
    query.addBindValue(reminder.lastDoneMiles);
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

template<class Bind, class Check>
FileStatus ReminderStore::change(const QString &what, const QString &statement, Bind bind, Check check)
{
    if (!m_open || !m_status)
        return refused();
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    const QString doing = what + QStringLiteral(" in ") + m_path;
    if (!database.transaction())
        return sqlFailure(m_path, doing, database.lastError());
    FileStatus status;
    {
        QSqlQuery query(database);
        if (!query.prepare(statement))
            status = sqlFailure(m_path, doing, query.lastError());
        bind(query);
        if (status && !query.exec())
            status = sqlFailure(m_path, doing, query.lastError());
        else if (status && !check(query))
            status = FileStatus::failure(m_path, QStringLiteral("Could not %1: the reminder is no longer there").arg(doing));
    }
    if (status && !database.commit())
        status = sqlFailure(m_path, doing, database.lastError());
    if (!status)
        database.rollback();
    return status;
}

namespace {

bool anyRow(const QSqlQuery &) { return true; }
bool oneRow(const QSqlQuery &query) { return query.numRowsAffected() > 0; }

} // namespace

FileStatus ReminderStore::add(Reminder &reminder)
{
    qint64 id = 0;
    const FileStatus status = change(
        QStringLiteral("add a reminder"),
        QStringLiteral("INSERT INTO reminder (%1) VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(Columns),
        [&](QSqlQuery &query) { bindValues(query, reminder); },
        [&](const QSqlQuery &query) {
            id = query.lastInsertId().toLongLong();
            return true;
        });
    if (status)
        reminder.id = id;
    return status;
}

FileStatus ReminderStore::update(const Reminder &reminder)
{
    return change(
        QStringLiteral("change a reminder"),
        QStringLiteral("UPDATE reminder SET (%1) = (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) WHERE id = ?").arg(Columns),
        [&](QSqlQuery &query) {
            query.addBindValue(reminder.id);
            bindValues(query, reminder);
            query.addBindValue(reminder.id);
        },
        oneRow);
}

FileStatus ReminderStore::remove(qint64 id)
{
    return change(QStringLiteral("delete a reminder"), QStringLiteral("DELETE FROM reminder WHERE id = ?"),
                  [&](QSqlQuery &query) { query.addBindValue(id); }, oneRow);
}

FileStatus ReminderStore::removeRide(double rideKey)
{
    return change(QStringLiteral("delete the reminders of a ride"), QStringLiteral("DELETE FROM reminder WHERE ride_key = ?"),
                  [&](QSqlQuery &query) { query.addBindValue(rideKey); }, anyRow);
}
