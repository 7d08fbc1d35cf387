// The last import into a log is taken back as one command, exactly its
// entries with their extras, and only until that log changes again.

#include "support/ExtrasSupport.h"

#include "store/EntryCommands.h"
#include "store/ImportUndo.h"
#include "store/LogEntryWrite.h"
#include "store/LogScan.h"
#include "store/ReminderStore.h"
#include "store/RideUnitsChange.h"

#include <QTest>

using namespace DataTest;
using namespace LogTest;
using namespace ExtrasTest;

namespace {

bool offered(const ReminderStore &database, LogKind kind = LogKind::Gas, double rideKey = RideA)
{
    std::optional<ImportNote> note;
    return Store::lastImport(database, kind, rideKey, note) && note;
}

const GasRecord Before = gas(RideA, day(2009, 1, 1), 10, 300);

// Ride A's fill-up with its reading, ride B's, then an import of a twin of
// ride A's and a later fill-up, with their readings. `before`: the log's
// bytes before the import.
void importAfterEntries(ReminderStore &database, QByteArray &before)
{
    QVERIFY(Store::addLogEntry(database, LogKind::Gas, Before, odometer(1000)).done());
    QVERIFY(Store::addLogEntry(database, LogKind::Gas, gas(RideB, day(2009, 1, 2), 9, 200), odometer(5)).done());
    before = bytesOf("Gas.Dat");
    const std::vector<GasRecord> imported{Before, gas(RideA, day(2009, 2, 1), 11, 310)};
    QVERIFY(Store::appendLogEntries(database, imported, {odometer(1300), odometer(1600)}).done());
}

using Change = std::function<bool(ReminderStore &)>;

} // namespace

class TestImportUndo : public QObject
{
    Q_OBJECT

private slots:
    void undoRemovesExactlyTheImport()
    {
        WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        QByteArray before;
        importAfterEntries(database, before);
        QCOMPARE(readings(database), (QList<qint64>{1000, 1300, 1600}));

        std::optional<ImportNote> note;
        QVERIFY(Store::lastImportOfRide(database, RideA, note));
        QVERIFY(note);
        QCOMPARE(note->log, LogKind::Gas);
        QCOMPARE(note->first, 3);
        QCOMPARE(note->count, 2);
        QVERIFY(!offered(database, LogKind::Gas, RideB));
        QVERIFY(!offered(database, LogKind::Trips));

        QCOMPARE(Store::undoLastImport(database, LogKind::Gas, RideA).outcome, StoreOutcome::Written);
        QCOMPARE(bytesOf("Gas.Dat"), before);
        QCOMPARE(readings(database), QList<qint64>{1000});
        QCOMPARE(readings(database, RideB), QList<qint64>{5});
        QVERIFY(!offered(database));
        QCOMPARE(Store::undoLastImport(database, LogKind::Gas, RideA).outcome, StoreOutcome::NothingWritten);
        QCOMPARE(bytesOf("Gas.Dat"), before);

        // The imported twin's reading went with it: the fill-up entered
        // again starts without one.
        QVERIFY(Store::addLogEntry(database, LogKind::Gas, Before, {}).done());
        QCOMPARE(readings(database), (QList<qint64>{1000, 0}));
    }

    void offeredUntilTheLogChanges_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("offered");
        QTest::newRow("no change") << Change([](ReminderStore &) { return true; }) << true;
        QTest::newRow("an entry added to another log") << Change([](ReminderStore &db) {
            return Store::addLogEntry(db, LogKind::Trips, trip(RideA, day(2009, 3, 1), QStringLiteral("Trip"), 40), {}).done();
        }) << true;
        QTest::newRow("an entry added to the log") << Change([](ReminderStore &db) {
            return Store::addLogEntry(db, LogKind::Gas, gas(RideA, day(2009, 3, 1), 12, 320), {}).done();
        }) << false;
        QTest::newRow("another ride's entry added to the log") << Change([](ReminderStore &db) {
            return Store::addLogEntry(db, LogKind::Gas, gas(RideB, day(2009, 3, 1), 12, 320), {}).done();
        }) << false;
        QTest::newRow("an entry before the import edited") << Change([](ReminderStore &db) {
            return Store::editLogEntry(db, LogKind::Gas, 1, gas(RideA, day(2009, 1, 1), 10, 300, QStringLiteral("noted")),
                                       odometer(1000)).done();
        }) << false;
        QTest::newRow("an entry deleted") << Change([](ReminderStore &db) {
            return Store::deleteLogEntry(db, LogKind::Gas, 2, RideB).done();
        }) << false;
        QTest::newRow("the ride's units converted") << Change([](ReminderStore &db) {
            RideExtras metric;
            metric.distance = DistanceUnit::Kilometres;
            metric.fuel = FuelUnit::Litres;
            return Store::changeRideUnits(db, RideA, metric, Store::UnitsChange::Convert).done();
        }) << false;
        QTest::newRow("another program appends to the log") << Change([](ReminderStore &) {
            return Store::addLogEntry(LogKind::Gas, gas(RideB, day(2009, 3, 1), 12, 320)).done();
        }) << false;
        QTest::newRow("another program changes an imported entry") << Change([](ReminderStore &) {
            return Store::editLogEntry(LogKind::Gas, 4, gas(RideA, day(2009, 2, 1), 11, 310, QStringLiteral("noted"))).done();
        }) << false;
    }

    void offeredUntilTheLogChanges()
    {
        QFETCH(Change, change);
        QFETCH(bool, offered);
        WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        QByteArray before;
        importAfterEntries(database, before);
        QVERIFY(change(database));
        QCOMPARE(::offered(database), offered);
        const QByteArray now = bytesOf("Gas.Dat");
        const StoreResult undone = Store::undoLastImport(database, LogKind::Gas, RideA);
        QCOMPARE(undone.done(), offered);
        QCOMPARE(bytesOf("Gas.Dat"), offered ? before : now);
    }
};

QTEST_GUILESS_MAIN(TestImportUndo)
#include "test_import_undo.moc"
