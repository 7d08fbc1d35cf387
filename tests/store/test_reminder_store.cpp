#include "store/ProgramSettings.h"
#include "store/ReminderStore.h"
#include "support/ReminderSupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace ReminderTest;

namespace {

constexpr double RideA = 45000.5;
constexpr double RideB = 45100.25;

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<Reminder> remindersOf(const ReminderStore &store, double rideKey)
{
    QList<Reminder> reminders;
    (void)store.remindersOf(rideKey, reminders);
    return reminders;
}

QList<QString> descriptions(const QList<Reminder> &reminders)
{
    QList<QString> texts;
    for (const Reminder &reminder : reminders)
        texts << reminder.description;
    return texts;
}

} // namespace

class TestReminderStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString path() const { return folder.filePath(ReminderStore::FileName); }

private slots:
    void init()
    {
        QFile::remove(path());
    }

    // Added, changed and removed reminders are on file for the next opening,
    // each ride's apart; removing a ride's reminders leaves the others.
    void keepsEachRidesReminders()
    {
        Reminder oil = ofRide(every(6, 5000, QDate(2024, 2, 29), 12000), RideA);
        Reminder inspection = ofRide(once(QDate(2027, 5, 1), 60000), RideA);
        Reminder insurance = ofRide(once(QDate(2025, 1, 31), 0, QStringLiteral("Insurance, \"full\"")), RideB);
        {
            ReminderStore store(path());
            QVERIFY2(store.isOpen(), qPrintable(store.status().message()));
            for (Reminder *reminder : {&oil, &inspection, &insurance})
                QVERIFY(store.add(*reminder));
            QVERIFY(oil.id != 0 && inspection.id != oil.id);
            inspection.lastDoneDate = QDate(2027, 4, 30);
            QVERIFY(store.update(inspection));
        }
        ReminderStore store(path());
        QCOMPARE(remindersOf(store, RideA), (QList<Reminder>{oil, inspection}));
        QCOMPARE(remindersOf(store, RideB), QList<Reminder>{insurance});

        QVERIFY(store.remove(oil.id));
        QVERIFY(!store.remove(oil.id));
        QVERIFY(!store.update(oil));
        QVERIFY(store.removeRide(RideA));
        QVERIFY(remindersOf(store, RideA).isEmpty());
        QCOMPARE(descriptions(remindersOf(store, RideB)), QList<QString>{insurance.description});
    }

    // A file that is no database, or one cut short, is left as it is; the
    // store holds nothing, refuses changes and names the file.
    // A damaged file is refused alike for writing and for reading (by
    // torqal-data), and left alone.
    void leavesADamagedFileAlone_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("said");
        QTest::newRow("not a database") << "not a database" << "file is not a database";
        QTest::newRow("cut short") << "cut short" << path();
        QTest::newRow("tables without a layout version") << "no layout" << "it holds tables, but no version of their layout";
    }

    void leavesADamagedFileAlone()
    {
        QFETCH(QString, damage);
        QFETCH(QString, said);
        if (damage == "cut short") {
            {
                ReminderStore store(path());
                for (int i = 0; i < 20; ++i) {
                    Reminder reminder = ofRide(once(QDate(2030, 1, 1), 0, QString(3000, QLatin1Char('x'))), RideA);
                    QVERIFY(store.add(reminder));
                }
            }
            QVERIFY(QFile::resize(path(), QFileInfo(path()).size() / 2));
        } else if (damage == "not a database") {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, 'R'));
        } else {
            OtherConnection other(path());
            for (const QString &statement : ReminderSchema::migrations().front().statements)
                other.exec(statement);
        }
        const QByteArray before = bytesOf(path());

        ReminderStore store(path());
        QVERIFY(!store.isOpen());
        QCOMPARE(store.problem(), ReminderStore::Problem::Damaged);
        QVERIFY(remindersOf(store, RideA).isEmpty());
        Reminder reminder = ofRide(once(QDate(2030, 1, 1)), RideA);
        QVERIFY(!store.add(reminder));
        const ReminderStore reading(path(), ReminderStore::Access::ReadOnly);
        QCOMPARE(reading.problem(), ReminderStore::Problem::Damaged);
        QCOMPARE(reading.status().message(), store.status().message());
        QVERIFY2(store.status().message().contains(said), qPrintable(store.status().message()));
        QCOMPARE(bytesOf(path()), before);
    }

    // A file of an earlier layout is brought up to date keeping its
    // reminders; a step that fails leaves it at the step before; a file of a
    // later layout is not touched by an earlier program.
    void migratesStepByStep()
    {
        const auto first = ReminderSchema::migrations();
        QCOMPARE(first.size(), std::size_t(1));
        std::vector<ReminderSchema::Migration> steps(first.begin(), first.end());
        Reminder oil = ofRide(every(6, 0, QDate(2024, 1, 31)), RideA);
        {
            ReminderStore store(path(), ReminderStore::Access::ReadWrite, steps);
            QVERIFY(store.add(oil));
        }
        steps.push_back({2, {QStringLiteral("ALTER TABLE reminder ADD COLUMN notes TEXT NOT NULL DEFAULT ''")}});
        {
            ReminderStore store(path(), ReminderStore::Access::ReadWrite, steps);
            QVERIFY2(store.isOpen(), qPrintable(store.status().message()));
            QCOMPARE(remindersOf(store, RideA), QList<Reminder>{oil});
        }
        steps.push_back({3, {QStringLiteral("CREATE TABLE part (id INTEGER PRIMARY KEY)"), QStringLiteral("NOT SQL")}});
        {
            ReminderStore store(path(), ReminderStore::Access::ReadWrite, steps);
            QVERIFY(!store.isOpen());
            QVERIFY(store.status().message().contains(QStringLiteral("version 3")));
        }
        const QByteArray atVersion2 = bytesOf(path());
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
            database.setDatabaseName(path());
            QVERIFY(database.open());
            QSqlQuery query(QStringLiteral("PRAGMA user_version"), database);
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 2);
            QSqlQuery tables(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'part'"), database);
            QVERIFY(tables.next());
            QCOMPARE(tables.value(0).toInt(), 0);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("look"));

        ReminderStore earlier(path(), ReminderStore::Access::ReadWrite, first);
        QVERIFY(!earlier.isOpen());
        QVERIFY(earlier.status().message().contains(QStringLiteral("later version")));
        QCOMPARE(bytesOf(path()), atVersion2);
    }

    // Tables an older program can ignore come without a new version: a file
    // an older program wrote gets them and keeps its version; an addition
    // that fails leaves the ones before it and none of its own.
    void addsTablesWithoutANewVersion()
    {
        {
            Reminder oil = ofRide(every(6, 0, QDate(2024, 1, 31)), RideA);
            ReminderStore older(path(), ReminderStore::Access::ReadWrite, ReminderSchema::migrations());
            QVERIFY(older.add(oil));
        }
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        database.setDatabaseName(path());
        QVERIFY(database.open());
        const auto scalar = [&database](const QString &sql) {
            QSqlQuery query(sql, database);
            return query.next() ? query.value(0).toInt() : -1;
        };
        QVERIFY(QSqlQuery(database).exec(QStringLiteral("DROP TABLE layout_addition")));
        QVERIFY(QSqlQuery(database).exec(QStringLiteral("DROP TABLE finished_change")));
        std::vector<ReminderSchema::Addition> steps(ReminderSchema::additions().begin(), ReminderSchema::additions().end());
        const int last = steps.back().number;
        steps.push_back({last + 1, {QStringLiteral("CREATE TABLE part (id INTEGER PRIMARY KEY)"), QStringLiteral("NOT SQL")}});
        QVERIFY(!ReminderSchema::addTables(database, path(), steps));
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'finished_change'")), 1);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'part'")), 0);
        QCOMPARE(scalar(QStringLiteral("SELECT max(number) FROM layout_addition")), last);
        QCOMPARE(scalar(QStringLiteral("PRAGMA user_version")), int(ReminderSchema::migrations().size()));
        database.close();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("look"));
    }

    // The currency in a file an older Torqal wrote, which has no table for
    // it: none is read there, not even by a reader that may not add it; the
    // first program that may write adds the table, keeps the reminders, and
    // the currency stored reads back, also read only.
    // A stored symbol this program would not read back is none.
    void currencyIsKeptInAFileOfTheOlderLayout()
    {
        {
            Reminder oil = ofRide(every(6, 0, QDate(2024, 1, 31)), RideA);
            ReminderStore created(path());
            QVERIFY(created.add(oil));
        }
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
            database.setDatabaseName(path());
            QVERIFY(database.open());
            QVERIFY(QSqlQuery(database).exec(QStringLiteral("DROP TABLE program_setting")));
            QVERIFY(QSqlQuery(database).exec(QStringLiteral("DELETE FROM layout_addition WHERE number = 4")));
            database.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
        const auto stored = [this](ReminderStore::Access access) {
            const ReminderStore database(path(), access);
            std::optional<Currency> currency;
            return database.isOpen() && Store::readCurrency(database, currency) ? currency : std::optional<Currency>(Currency());
        };
        QCOMPARE(stored(ReminderStore::Access::ReadOnly), std::optional<Currency>());
        Currency euro;
        euro.symbol = QStringLiteral("\u20AC");
        euro.side = Currency::Side::After;
        euro.spaced = true;
        {
            ReminderStore database(path());
            QVERIFY(Store::putCurrency(database, euro));
            QCOMPARE(remindersOf(database, RideA).size(), 1);
        }
        QCOMPARE(stored(ReminderStore::Access::ReadWrite), std::optional(euro));
        QCOMPARE(stored(ReminderStore::Access::ReadOnly), std::optional(euro));
        {
            ReminderStore database(path());
            QVERIFY(database.change(QStringLiteral("spoil"), 0, [](QSqlDatabase &db) {
                QSqlQuery(db).exec(QStringLiteral("UPDATE program_setting SET value = '12' WHERE name = 'currency_symbol'"));
                return FileStatus();
            }));
        }
        QCOMPARE(stored(ReminderStore::Access::ReadOnly), std::optional<Currency>());
        QCOMPARE(Store::currencyOf(ReminderStore(path(), ReminderStore::Access::ReadOnly), QLocale(QStringLiteral("en_GB"))).symbol,
                 QStringLiteral("\u00A3"));
    }

    // Another program's lock: after a short wait the store gives up and says so.
    void givesUpOnALockedFile()
    {
        { ReminderStore created(path()); }
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        {
            ReminderStore store(path());
            QVERIFY(!store.isOpen());
            QCOMPARE(store.problem(), ReminderStore::Problem::InUse);
            QCOMPARE(store.status().message(),
                     QStringLiteral("Could not read %1: another program is using it (database is locked)").arg(path()));
        }
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }

    // Reading only: a missing file stays missing and holds no reminders.
    void readsWithoutCreating()
    {
        ReminderStore store(path(), ReminderStore::Access::ReadOnly);
        QVERIFY(store.status());
        QVERIFY(remindersOf(store, RideA).isEmpty());
        QVERIFY(!QFile::exists(path()));
    }
};

QTEST_GUILESS_MAIN(TestReminderStore)
#include "test_reminder_store.moc"
