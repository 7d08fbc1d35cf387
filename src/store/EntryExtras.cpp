#include "store/EntryExtras.h"

#include "store/ReminderSchema.h"
#include "store/SqlFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

quint64 recordHead(const char *bytes, int length)
{
    // FNV-1a, 64 bits: stable across versions and platforms, as the rows of
    // Torqal.db outlive the program that wrote them.
    quint64 hash = 14695981039346656037ULL;
    for (int i = 0; i < length; ++i) {
        hash ^= quint8(bytes[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

namespace EntryExtrasTable {

namespace {

QVariant optional(const std::optional<qint64> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::LongLong));
}

std::optional<qint64> optionalOf(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional<qint64>(value.toLongLong());
}

FileStatus run(QSqlDatabase &database, const QString &fileName, const QString &doing, const QString &statement,
               const QVariantList &values, QSqlQuery *result = nullptr)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return sqlFailure(fileName, doing, query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return sqlFailure(fileName, doing, query.lastError());
    if (result)
        *result = std::move(query);
    return {};
}

const QString Columns = QStringLiteral("log, ride_key, head, occurrence, odometer, cost, partial, missed");

EntryExtras extrasOf(const QSqlQuery &query, int first)
{
    return {optionalOf(query.value(first)), optionalOf(query.value(first + 1)), query.value(first + 2).toBool(),
            query.value(first + 3).toBool()};
}

QString changing(const QString &fileName) { return QStringLiteral("change the entries' values in ") + fileName; }

// Moves the entries of a head from `from` on by `by` places. The rows have
// no unique key on their place, so a move never collides half way.
FileStatus shift(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, EntryHead from, int by)
{
    return run(database, fileName, changing(fileName),
               QStringLiteral("UPDATE entry_extra SET occurrence = occurrence + ? "
                              "WHERE log = ? AND ride_key = ? AND head = ? AND occurrence >= ?"),
               {by, logIndex(log), rideKey, qint64(from.head), from.occurrence});
}

const QString TableName = QStringLiteral("entry_extra");

} // namespace

QStringList tables()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS entry_extra (log INTEGER NOT NULL, ride_key REAL NOT NULL, head INTEGER NOT NULL, "
                           "occurrence INTEGER NOT NULL, odometer INTEGER, cost INTEGER, "
                           "partial INTEGER NOT NULL DEFAULT 0, missed INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS entry_extra_entry ON entry_extra (log, ride_key, head, occurrence)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS entry_extra_ride ON entry_extra (ride_key)")};
}

FileStatus read(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, ExtrasByHead &extras)
{
    extras.clear();
    bool holds = false;
    if (FileStatus status = ReminderSchema::holdsTable(database, fileName, TableName, holds); !status || !holds)
        return status;
    QSqlQuery query;
    FileStatus status = run(database, fileName, QStringLiteral("read ") + fileName,
                            QStringLiteral("SELECT head, occurrence, odometer, cost, partial, missed FROM entry_extra "
                                           "WHERE log = ? AND ride_key = ?"),
                            {logIndex(log), rideKey}, &query);
    while (status && query.next())
        extras.insert({quint64(query.value(0).toLongLong()), query.value(1).toInt()}, extrasOf(query, 2));
    return status;
}

namespace {

// The two statements of put, prepared once for any number of entries.
class Puts
{
public:
    Puts(QSqlDatabase &database, const QString &fileName) : m_delete(database), m_insert(database), m_fileName(fileName)
    {
        m_delete.setForwardOnly(true);
        m_insert.setForwardOnly(true);
    }

    FileStatus put(LogKind log, double rideKey, EntryHead entry, const EntryExtras &extras)
    {
        if (!m_prepared) {
            if (!m_delete.prepare(QStringLiteral("DELETE FROM entry_extra WHERE log = ? AND ride_key = ? AND head = ? AND occurrence = ?")))
                return sqlFailure(m_fileName, changing(m_fileName), m_delete.lastError());
            if (!m_insert.prepare(QStringLiteral("INSERT INTO entry_extra (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?)").arg(Columns)))
                return sqlFailure(m_fileName, changing(m_fileName), m_insert.lastError());
            m_prepared = true;
        }
        const QVariantList key{logIndex(log), rideKey, qint64(entry.head), entry.occurrence};
        if (FileStatus status = exec(m_delete, key); !status || extras.empty())
            return status;
        return exec(m_insert, key + QVariantList{optional(extras.odometer), optional(extras.cost), int(extras.partial),
                                                  int(extras.missed)});
    }

private:
    FileStatus exec(QSqlQuery &query, const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        return query.exec() ? FileStatus() : sqlFailure(m_fileName, changing(m_fileName), query.lastError());
    }

    QSqlQuery m_delete;
    QSqlQuery m_insert;
    const QString &m_fileName;
    bool m_prepared = false;
};

} // namespace

FileStatus put(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, EntryHead entry,
               const EntryExtras &extras)
{
    return Puts(database, fileName).put(log, rideKey, entry, extras);
}

FileStatus putAll(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey,
                  const std::vector<EntryHead> &entries, const std::vector<EntryExtras> &extras)
{
    Puts puts(database, fileName);
    FileStatus status;
    for (std::size_t i = 0; status && i < entries.size(); ++i)
        status = puts.put(log, rideKey, entries[i], i < extras.size() ? extras[i] : EntryExtras());
    return status;
}

FileStatus remove(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, EntryHead entry)
{
    FileStatus status = put(database, fileName, log, rideKey, entry, {});
    return status ? shift(database, fileName, log, rideKey, {entry.head, entry.occurrence + 1}, -1) : status;
}

FileStatus makeRoom(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, EntryHead entry)
{
    return shift(database, fileName, log, rideKey, entry, 1);
}

FileStatus removeRide(QSqlDatabase &database, const QString &fileName, double rideKey)
{
    return run(database, fileName, changing(fileName), QStringLiteral("DELETE FROM entry_extra WHERE ride_key = ?"), {rideKey});
}

namespace {

FileStatus readRows(QSqlDatabase &database, const QString &fileName, const QString &condition, const QVariantList &values,
                    std::vector<Row> &rows)
{
    rows.clear();
    bool holds = false;
    if (FileStatus status = ReminderSchema::holdsTable(database, fileName, TableName, holds); !status || !holds)
        return status;
    QSqlQuery query;
    FileStatus status = run(database, fileName, QStringLiteral("read ") + fileName,
                            QStringLiteral("SELECT %1 FROM entry_extra %2 ORDER BY log, ride_key, head, occurrence").arg(Columns, condition),
                            values, &query);
    while (status && query.next()) {
        LogKind log = LogKind::Maintenance;
        if (!logKindFromIndex(query.value(0).toInt(), log))
            continue;
        rows.push_back({log, query.value(1).toDouble(), {quint64(query.value(2).toLongLong()), query.value(3).toInt()},
                        extrasOf(query, 4)});
    }
    return status;
}

} // namespace

FileStatus readAll(QSqlDatabase &database, const QString &fileName, std::vector<Row> &rows)
{
    return readRows(database, fileName, QString(), {}, rows);
}

FileStatus readReadings(QSqlDatabase &database, const QString &fileName, std::optional<double> rideKey, std::vector<Row> &rows)
{
    if (rideKey)
        return readRows(database, fileName, QStringLiteral("WHERE odometer IS NOT NULL AND ride_key = ?"), {*rideKey}, rows);
    return readRows(database, fileName, QStringLiteral("WHERE odometer IS NOT NULL"), {}, rows);
}

} // namespace EntryExtrasTable
