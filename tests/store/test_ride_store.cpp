// The ride commands of the store: a ride's edit and picture land on that ride
// only; deleting a ride takes its entries out of every log first, so that no
// entry is ever left without its ride.

#include "support/Garage.h"
#include "support/SystemCallFaults.h"

#include "store/RideDelete.h"
#include "store/RideRead.h"
#include "store/RideWrite.h"

#include <QTest>

using namespace DataTest;
using SystemCallFaults::FailingCall;

namespace {

// The records of the file (of `length` bytes each) whose ride key is not `key`.
QByteArray withoutRide(const QByteArray &bytes, int length, double key)
{
    QByteArray kept;
    for (qsizetype at = 0; at < bytes.size(); at += length) {
        if (FieldCodec::loadDouble(bytes.constData() + at) != key)
            kept += bytes.mid(at, length);
    }
    return kept;
}

Garage::FolderState afterDeletingRide(int id, const Garage::FolderState &before)
{
    Garage::FolderState after;
    for (const DataFileInfo &info : DataFileTable())
        after[info.name] = withoutRide(before[info.name], info.recordLength, ride(id).RideKey);
    return after;
}

} // namespace

class TestRideStore : public QObject
{
    Q_OBJECT

private slots:
    void aRideIsAddedEditedAndGivenAPicture()
    {
        WorkingFolder folder;
        writeFileOf<RideRecord>("Torqal.Dat", {ride(1)});
        const StoreResult add = Store::addRide(ride(2));
        QCOMPARE(add.outcome, StoreOutcome::Written);
        QCOMPARE(add.recordNumber, 2);

        RideRecord renamed = ride(2);
        renamed.RideName = QStringLiteral("Renamed");
        QVERIFY(Store::editRide(2, renamed.RideKey, [](RideRecord &stored) { stored.RideName = QStringLiteral("Renamed"); }).done());
        QVERIFY(Store::setRidePicture(2, renamed.RideKey, QStringLiteral("/pictures/car.png")).done());
        renamed.PicturePath = QStringLiteral("/pictures/car.png");

        const StoreRead<RideRecord> read = Store::readRide(2);
        QVERIFY(read.status);
        QCOMPARE(read.recordCount, 2);
        QCOMPARE(encodeRecord(read.value), encodeRecord(renamed));
        QCOMPARE(Store::readRideLabels().value, QStringList({"Ride 1", "Renamed"}));
    }

    // A command for a record that no longer holds its ride changes nothing.
    void commandsForAnotherRideAreRefused_data()
    {
        QTest::addColumn<std::function<StoreResult()>>("command");
        QTest::newRow("edit") << std::function([] { return Store::editRide(2, ride(3).RideKey, [](RideRecord &) {}); });
        QTest::newRow("picture") << std::function([] { return Store::setRidePicture(1, ride(2).RideKey, "/a.png"); });
        QTest::newRow("deletion") << std::function([] { return Store::deleteRide(3, ride(2).RideKey); });
        QTest::newRow("record gone") << std::function([] { return Store::deleteRide(4, ride(3).RideKey); });
    }

    void commandsForAnotherRideAreRefused()
    {
        QFETCH(std::function<StoreResult()>, command);
        WorkingFolder folder;
        Garage::write();
        const auto before = Garage::dataFiles();
        const StoreResult result = command();
        QCOMPARE(result.outcome, StoreOutcome::NothingWritten);
        QVERIFY(result.status.message().startsWith("The ride is no longer in Torqal.Dat; nothing was"));
        QCOMPARE(Garage::dataFiles(), before);
    }

    void deletingARideTakesItsEntriesFromEveryLog()
    {
        WorkingFolder folder;
        Garage::write();
        const auto before = Garage::dataFiles();
        const StoreResult deletion = Store::deleteRide(2, ride(2).RideKey);
        QCOMPARE(deletion.outcome, StoreOutcome::Written);
        QCOMPARE(Garage::dataFiles(), afterDeletingRide(2, before));
        QCOMPARE(Store::readRideLabels().value, QStringList({"Ride 1", "Ride 3"}));
    }

    // The logs go first and the ride last: a deletion stopped by a refused
    // file leaves the ride on file, never entries without their ride.
    void aStoppedDeletionLeavesTheRideOnFile_data()
    {
        QTest::addColumn<int>("refusedRename");
        QTest::addColumn<int>("logsDone");
        QTest::addColumn<StoreOutcome>("outcome");
        // Ride 2 has entries in the maintenance, trip and gasoline logs.
        QTest::newRow("first log") << 1 << 0 << StoreOutcome::NothingWritten;
        QTest::newRow("second log") << 2 << 1 << StoreOutcome::Unfinished;
        QTest::newRow("ride file") << 4 << 3 << StoreOutcome::Unfinished;
    }

    void aStoppedDeletionLeavesTheRideOnFile()
    {
        QFETCH(int, refusedRename);
        QFETCH(int, logsDone);
        QFETCH(StoreOutcome, outcome);
        WorkingFolder folder;
        Garage::write();
        const auto before = Garage::dataFiles();
        const auto after = afterDeletingRide(2, before);
        StoreResult deletion;
        {
            FailingCall refused("rename", EROFS, refusedRename);
            deletion = Store::deleteRide(2, ride(2).RideKey);
        }
        QCOMPARE(deletion.outcome, outcome);
        QVERIFY(deletion.status.message().startsWith("Could not compact "));
        QCOMPARE(bytesOf("Torqal.Dat"), before["Torqal.Dat"]);
        const QStringList logsWithEntries = {"Maint.Dat", "Trip.Dat", "Gas.Dat"};
        for (int log = 0; log < logsWithEntries.size(); ++log)
            QCOMPARE(bytesOf(logsWithEntries[log]), (log < logsDone ? after : before)[logsWithEntries[log]]);

        // Deleting again finishes the work.
        QVERIFY(Store::deleteRide(2, ride(2).RideKey).done());
        QCOMPARE(Garage::dataFiles(), after);
    }
};

QTEST_GUILESS_MAIN(TestRideStore)
#include "test_ride_store.moc"
