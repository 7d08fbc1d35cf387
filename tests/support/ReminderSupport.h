#pragma once

// Reminders as the reminder tests write them: once(...) and every(...); a
// connection to the database as another program holds it.

#include "reminders/Reminder.h"

#include <QMetaType>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace ReminderTest {

// Due once: on a date (a null date for none) and/or at a mileage (0 for none).
inline Reminder once(QDate onDate, qint64 atMiles = 0, const QString &description = QStringLiteral("Inspection"))
{
    Reminder reminder;
    reminder.description = description;
    reminder.onDate = onDate;
    reminder.atMiles = atMiles;
    return reminder;
}

// Due every so many months and/or miles (0 for none), last done on lastDone at lastMiles.
inline Reminder every(int months, qint64 miles, QDate lastDone, qint64 lastMiles = 0,
                      const QString &description = QStringLiteral("Oil change"))
{
    Reminder reminder;
    reminder.description = description;
    reminder.repeating = true;
    reminder.everyMonths = months;
    reminder.everyMiles = miles;
    reminder.lastDoneDate = lastDone;
    reminder.lastDoneMiles = lastMiles;
    return reminder;
}

inline Reminder ofRide(Reminder reminder, double rideKey)
{
    reminder.rideKey = rideKey;
    return reminder;
}

// A connection of the test's own to a reminders database, as another
// program would hold it (e.g. exec("BEGIN EXCLUSIVE") keeps it locked).
class OtherConnection
{
public:
    explicit OtherConnection(const QString &path) : m_database(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name))
    {
        m_database.setDatabaseName(path);
        QVERIFY(m_database.open());
    }
    ~OtherConnection()
    {
        m_database.close();
        m_database = QSqlDatabase();
        QSqlDatabase::removeDatabase(Name);
    }
    OtherConnection(const OtherConnection &) = delete;
    OtherConnection &operator=(const OtherConnection &) = delete;

    void exec(const QString &statement)
    {
        QSqlQuery query(m_database);
        QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
    }

private:
    static inline const QString Name = QStringLiteral("other program");
    QSqlDatabase m_database;
};

} // namespace ReminderTest

Q_DECLARE_METATYPE(Reminder)
