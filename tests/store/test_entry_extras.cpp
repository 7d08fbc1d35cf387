// The values an entry holds beyond its record, in Torqal.db: they follow
// their entry through the store's commands and never pass to another one.

#include "logs/LogTestSupport.h"
#include "support/ExtrasSupport.h"
#include "support/ReminderSupport.h"

#include "store/EntryCommands.h"
#include "store/LogEntryDelete.h"
#include "store/LogScan.h"
#include "store/OdometerShift.h"
#include "store/ReminderStore.h"
#include "store/RideExtras.h"
#include "store/RideUnitsChange.h"

#include <QTest>

using namespace DataTest;
using namespace LogTest;
using namespace ExtrasTest;

namespace {

// What each of the ride's reminders has left to go, as its odometer stands.
QList<qint64> milesLeft(const ReminderStore &database, double rideKey = RideA)
{
    OdometerShift::Entries entries;
    QList<Reminder> reminders;
    if (!OdometerShift::read(database, rideKey, entries) || !database.remindersOf(rideKey, reminders))
        return {-1};
    const qint64 now = entries.odometer().now(entries.bought);
    QList<qint64> left;
    for (const Reminder &reminder : reminders)
        left << (reminder.repeating ? reminder.lastDoneMiles + reminder.everyMiles : reminder.atMiles) - now;
    return left;
}

} // namespace

class TestEntryExtras : public QObject
{
    Q_OBJECT

private slots:
    // Two fill-ups alike in everything but their notes keep each their own
    // values through adds, edits and deletions, and an entry an older
    // program left marked deleted takes none.
    void extrasFollowTheirEntry()
    {
        WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        const GasRecord twin = gas(RideA, day(2009, 1, 1), 10, 300, QStringLiteral("first"));
        GasRecord secondTwin = twin;
        secondTwin.Notes = QStringLiteral("second");
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, twin, odometer(1000)).done());
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideB, day(2009, 1, 1), 10, 300), odometer(7)).done());
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, secondTwin, odometer(2000, true)).done());
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideA, day(2009, 2, 1), 11, 310), {}).done());
        QCOMPARE(readings(database), (QList<qint64>{1000, 2000, 0}));

        // The notes are no part of what names the entry.
        GasRecord renoted = twin;
        renoted.Notes = QStringLiteral("first, noted again");
        QVERIFY(Store::editLogEntry(LogKind::Gas, 1, renoted).done());
        QCOMPARE(readings(database), (QList<qint64>{1000, 2000, 0}));

        // The first twin changes: the second keeps its own values.
        GasRecord changed = twin;
        changed.Miles = 301;
        QVERIFY(Store::editLogEntry(database, LogKind::Gas, 1, changed, odometer(1001)).done());
        QCOMPARE(readings(database), (QList<qint64>{1001, 2000, 0}));
        // ... and back: it comes before the second again.
        QVERIFY(Store::editLogEntry(database, LogKind::Gas, 1, twin, odometer(1002)).done());
        QCOMPARE(readings(database), (QList<qint64>{1002, 2000, 0}));

        QVERIFY(Store::deleteLogEntry(database, LogKind::Gas, 1, RideA).done());
        QCOMPARE(readings(database), (QList<qint64>{2000, 0}));
        QCOMPARE(readings(database, RideB), QList<qint64>{7});

        // An older program marks the remaining twin deleted; the same
        // fill-up entered again starts without the values left behind.
        GasRecord marked = secondTwin;
        marked.Notes = KillMarker;
        QVERIFY(Store::editLogEntry(LogKind::Gas, 2, marked).done());
        QCOMPARE(readings(database), (QList<qint64>{0, 0}));
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, secondTwin, {}).done());
        QCOMPARE(readings(database), (QList<qint64>{0, 0, 0}));
        QVERIFY(Store::deleteLogEntry(database, LogKind::Gas, 3, RideA).done()); // compacts the mark away
        QCOMPARE(readings(database), (QList<qint64>{0}));

        QVERIFY(database.removeRide(RideB));
        QCOMPARE(readings(database, RideB), QList<qint64>{0});
    }

    // A record another program changed loses its values; an entry added in
    // its place starts without them.
    void anEntryChangedElsewhereLosesItsExtras()
    {
        WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        const GasRecord fillUp = gas(RideA, day(2009, 1, 1), 10, 300);
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, fillUp, odometer(1000)).done());
        GasRecord elsewhere = fillUp;
        elsewhere.Gallons = 11;
        writeFileOf<GasRecord>("Gas.Dat", {elsewhere});
        QCOMPARE(readings(database), QList<qint64>{0});
        writeFileOf<GasRecord>("Gas.Dat", {});
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, fillUp, {}).done());
        QCOMPARE(readings(database), QList<qint64>{0});
    }

    // Without a usable Torqal.db an entry with values is refused and its log
    // left as it was.
    void anUnusableDatabaseRefusesTheCommand()
    {
        WorkingFolder folder;
        QVERIFY(QDir().mkdir(ReminderStore::FileName));
        ReminderStore database(ReminderStore::FileName);
        QVERIFY(!database.isOpen());
        const StoreResult add = Store::addLogEntry(database, LogKind::Gas, gas(RideA, day(2009, 1, 1), 10, 300), odometer(5));
        QCOMPARE(add.outcome, StoreOutcome::NothingWritten);
        QVERIFY(!exists("Gas.Dat"));
    }

    // Converting a ride's units recalculates its trips and fill-ups and
    // every reading, each entry keeping its own values, and back again;
    // relabelling changes no number.
    void unitsConvertBothWays()
    {
        WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideA, day(2009, 1, 2), "Coast", 100)});
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideA, day(2009, 1, 3), "Oil", 100)});
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideA, day(2009, 1, 1), 10, 300), odometer(1000)).done());
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideB, day(2009, 1, 1), 10, 300), odometer(7)).done());
        QVERIFY(Store::editLogEntry(database, LogKind::Maintenance, 1, expense(RideA, day(2009, 1, 3), "Oil", 100), odometer(1100)).done());
        QVERIFY(Store::editLogEntry(database, LogKind::Trips, 1, trip(RideA, day(2009, 1, 2), "Coast", 100), odometer(1050)).done());
        Reminder oil = ReminderTest::ofRide(ReminderTest::every(0, 5000, QDate(2009, 1, 1), 900), RideA);
        QVERIFY(database.add(oil));
        const auto remindersIn = [&](QList<qint64> expected) {
            QList<Reminder> stored;
            QVERIFY(database.remindersOf(RideA, stored));
            QCOMPARE((QList<qint64>{stored.at(0).everyMiles, stored.at(0).lastDoneMiles}), expected);
        };

        RideExtras metric;
        metric.distance = DistanceUnit::Kilometres;
        metric.fuel = FuelUnit::Litres;
        metric.economy = EconomyUnit::LitresPer100Km;
        QVERIFY(Store::changeRideUnits(database, RideA, metric, Store::UnitsChange::Convert).done());
        QCOMPARE(recordsIn<GasRecord>("Gas.Dat").at(0).Miles, 483);
        QCOMPARE(qRound(recordsIn<GasRecord>("Gas.Dat").at(0).Gallons * 100), 3785);
        QCOMPARE(recordsIn<GasRecord>("Gas.Dat").at(1).Miles, 300); // another ride's
        QCOMPARE(recordsIn<TripRecord>("Trip.Dat").at(0).Miles, 161);
        QCOMPARE(readings(database), QList<qint64>{1609});
        remindersIn({8047, 1448}); // the reminders count in kilometres too
        QCOMPARE(readings(database, RideB), QList<qint64>{7});
        ExtrasByHead values;
        QVERIFY(Store::readEntryExtras(database, LogKind::Trips, RideA, values));
        QCOMPARE(values.begin().value().odometer, std::optional<qint64>(1690));
        QVERIFY(Store::readEntryExtras(database, LogKind::Maintenance, RideA, values));
        QCOMPARE(values.begin().value().odometer, std::optional<qint64>(1770));
        RideExtras stored;
        QVERIFY(Store::readRideExtras(database, RideA, stored));
        QCOMPARE(stored, metric);

        RideExtras imperial = metric;
        imperial.distance = DistanceUnit::Miles;
        imperial.fuel = FuelUnit::UsGallons;
        QVERIFY(Store::changeRideUnits(database, RideA, imperial, Store::UnitsChange::Convert).done());
        QCOMPARE(recordsIn<GasRecord>("Gas.Dat").at(0).Miles, 300);
        QCOMPARE(qRound(recordsIn<GasRecord>("Gas.Dat").at(0).Gallons * 100), 1000);
        QCOMPARE(readings(database), QList<qint64>{1000});
        remindersIn({5000, 900});

        const QByteArray before = bytesOf("Gas.Dat");
        QVERIFY(Store::changeRideUnits(database, RideA, metric, Store::UnitsChange::Relabel).done());
        QCOMPARE(bytesOf("Gas.Dat"), before);
        QCOMPARE(readings(database), QList<qint64>{1000});
        remindersIn({5000, 900});
    }

    // A command that moves the ride's odometer from the fill-ups' sum to
    // readings, or back, moves its reminders with it: what is left to go
    // stays. A reading within one base moves the odometer, not the reminders.
    void remindersStayWhenTheOdometerChangesBase_data()
    {
        QTest::addColumn<int>("firstLog"); // of the first reading
        QTest::newRow("a fill-up's") << int(LogKind::Gas);
        QTest::newRow("a service's") << int(LogKind::Maintenance);
    }
    void remindersStayWhenTheOdometerChangesBase()
    {
        QFETCH(int, firstLog);
        const LogKind kind = LogKind(firstLog);
        WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideA, day(2020, 1, 1), 10, 300), {}).done());
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideA, day(2020, 2, 1), 300, 9700), {}).done());
        Reminder oil = ReminderTest::ofRide(ReminderTest::every(0, 5000, QDate(2020, 1, 1), 9000), RideA);
        Reminder inspection = ReminderTest::ofRide(ReminderTest::once(QDate(), 12000), RideA);
        Reminder otherRide = ReminderTest::ofRide(ReminderTest::once(QDate(), 12000), RideB);
        QVERIFY(database.add(oil) && database.add(inspection) && database.add(otherRide));
        const QList<qint64> left{4000, 2000};
        QCOMPARE(milesLeft(database), left);

        const LogRecord first = kind == LogKind::Gas ? LogRecord(gas(RideA, day(2020, 3, 1), 10, 200))
                                                     : LogRecord(expense(RideA, day(2020, 3, 1), "Service", 100));
        QVERIFY(Store::addLogEntry(database, kind, first, odometer(50200)).done());
        QCOMPARE(milesLeft(database), left);
        const int fillUps = kind == LogKind::Gas ? 3 : 2;
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideA, day(2020, 4, 1), 10, 300), odometer(50500)).done());
        QCOMPARE(milesLeft(database), (QList<qint64>{3700, 1700}));
        QVERIFY(Store::deleteLogEntry(database, LogKind::Gas, fillUps + 1, RideA).done());
        QCOMPARE(milesLeft(database), left);

        QVERIFY(Store::deleteLogEntry(database, kind, kind == LogKind::Gas ? 3 : 1, RideA).done());
        QCOMPARE(milesLeft(database), left);
        QList<Reminder> stored;
        QVERIFY(database.remindersOf(RideA, stored));
        QCOMPARE(stored, (QList<Reminder>{oil, inspection}));
        QCOMPARE(milesLeft(database, RideB), QList<qint64>{12000});

        // The reading when bought, given to a ride without readings.
        RideExtras bought;
        bought.boughtOdometer = 30000;
        QVERIFY(Store::changeRideUnits(database, RideA, bought, Store::UnitsChange::Relabel).done());
        QCOMPARE(milesLeft(database), left);
    }
};

QTEST_GUILESS_MAIN(TestEntryExtras)
#include "test_entry_extras.moc"
