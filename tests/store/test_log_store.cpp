// The log commands of the store: what they write, what they refuse, and that
// a refusal leaves the file as it was.

#include "logs/LogTestSupport.h"
#include "support/SystemCallFaults.h"

#include "store/LogEntryDelete.h"
#include "store/LogEntryWrite.h"
#include "store/LogScan.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace DataTest;
using namespace LogTest;
using SystemCallFaults::FailingCall;

namespace {

const QList<ExpenseRecord> twoRidesOil = {
    expense(RideB, day(2009, 1, 1), "B's oil", 10000),
    expense(RideA, day(2009, 1, 2), "A's oil", 20000),
};

QStringList descriptionsIn(const QString &fileName)
{
    QStringList descriptions;
    for (const ExpenseRecord &r : recordsIn<ExpenseRecord>(fileName))
        descriptions << r.Description.trimmed();
    return descriptions;
}

} // namespace

class TestLogStore : public QObject
{
    Q_OBJECT

private slots:
    void anAddAppendsAndAnEditWritesItsOwnRecord()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideB, day(2009, 1, 1), "B's", 5), trip(RideA, day(2009, 1, 2), "A's", 6)});
        const QByteArray firstRecord = bytesOf("Trip.Dat").left(TripRecord::Length);

        const TripRecord added = trip(RideA, day(2009, 2, 1), "new", 7, "n");
        const StoreResult add = Store::addLogEntry(LogKind::Trips, added);
        QCOMPARE(add.outcome, StoreOutcome::Written);
        QCOMPARE(add.recordNumber, 3);
        QCOMPARE(bytesOf("Trip.Dat").mid(2 * TripRecord::Length), encodeRecord(added));

        const TripRecord edited = trip(RideA, day(2009, 2, 2), "edited", 8);
        QCOMPARE(Store::editLogEntry(LogKind::Trips, 2, edited).outcome, StoreOutcome::Written);
        const QByteArray bytes = bytesOf("Trip.Dat");
        QCOMPARE(bytes.size(), 3 * TripRecord::Length);
        QCOMPARE(bytes.left(TripRecord::Length), firstRecord);
        QCOMPARE(bytes.mid(TripRecord::Length, TripRecord::Length), encodeRecord(edited));

        const StoreRead<std::vector<LogEntry>> listed = Store::scanLog(LogKind::Trips, RideA);
        QVERIFY(listed.status);
        QCOMPARE(int(listed.value.size()), 2);
        QCOMPARE(Store::readLogNotes(LogKind::Trips, 3).value, QStringLiteral("n"));
    }

    // A long list in date order, the entries of one day in file order,
    // whatever order they were added in; other rides' entries left out.
    void aLogIsListedInDateOrder()
    {
        WorkingFolder folder;
        QList<TripRecord> records;
        std::vector<std::pair<double, int>> expected; // date, record number
        for (int n = 1; n <= 300; ++n) {
            const double date = day(2010, 1, 1) + (n * 37) % 23 + (n % 3) * 0.25;
            const double ride = n % 7 == 0 ? RideB : RideA;
            records.append(trip(ride, date, QStringLiteral("trip %1").arg(n), n));
            if (ride == RideA)
                expected.emplace_back(std::floor(date), n);
        }
        writeFileOf<TripRecord>("Trip.Dat", records);
        std::stable_sort(expected.begin(), expected.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

        const StoreRead<std::vector<LogEntry>> listed = Store::scanLog(LogKind::Trips, RideA);
        QVERIFY(listed.status);
        QCOMPARE(listed.value.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QCOMPARE(listed.value[i].recordNumber, expected[i].second);
    }

    // Each refusal names the file and leaves it as it was.
    void refusedCommandsChangeNothing_data()
    {
        QTest::addColumn<std::function<StoreResult()>>("command");
        QTest::addColumn<QString>("failingCall");
        QTest::addColumn<QString>("message");
        const ExpenseRecord oilOfA = expense(RideA, day(2009, 3, 1), "oil", 1);
        QTest::newRow("edit of a record that is gone")
            << std::function([=] { return Store::editLogEntry(LogKind::Maintenance, 3, oilOfA); }) << QString()
            << "The entry is no longer in Maint.Dat; nothing was saved.";
        QTest::newRow("edit of another ride's record")
            << std::function([=] { return Store::editLogEntry(LogKind::Maintenance, 1, oilOfA); }) << QString()
            << "The entry is no longer in Maint.Dat; nothing was saved.";
        QTest::newRow("entry of another log")
            << std::function([] { return Store::addLogEntry(LogKind::Maintenance, trip(RideA, 1, "trip", 1)); })
            << QString() << "Could not write Maint.Dat: the entry is not one of its log";
        QTest::newRow("full disk")
            << std::function([=] { return Store::addLogEntry(LogKind::Maintenance, oilOfA); }) << "pwrite"
            << "Could not write Maint.Dat: No space left on device";
        QTest::newRow("deletion of a record that is gone")
            << std::function([] { return Store::deleteLogEntry(LogKind::Maintenance, 3, RideA); }) << QString()
            << "The entry is no longer in Maint.Dat; nothing was deleted.";
        QTest::newRow("deletion of another ride's record")
            << std::function([] { return Store::deleteLogEntry(LogKind::Maintenance, 1, RideA); }) << QString()
            << "The entry is no longer in Maint.Dat; nothing was deleted.";
        QTest::newRow("deletion whose rename is refused")
            << std::function([] { return Store::deleteLogEntry(LogKind::Maintenance, 2, RideA); }) << "rename"
            << "Could not compact Maint.Dat: No space left on device";
    }

    void refusedCommandsChangeNothing()
    {
        QFETCH(std::function<StoreResult()>, command);
        QFETCH(QString, failingCall);
        QFETCH(QString, message);
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Maint.Dat", twoRidesOil);
        const QByteArray before = bytesOf("Maint.Dat");
        StoreResult result;
        {
            FailingCall refused(failingCall.toLatin1().constData());
            result = command();
        }
        QCOMPARE(result.outcome, StoreOutcome::NothingWritten);
        QCOMPARE(result.status.message(), message);
        QCOMPARE(bytesOf("Maint.Dat"), before);
        QVERIFY(!exists(ScratchFileName));
    }

    void aFullLogRefusesANewEntry()
    {
        WorkingFolder folder;
        {
            QFile full("Gas.Dat");
            QVERIFY(full.open(QIODevice::WriteOnly));
            QVERIFY(full.resize(qint64(MaxRecords) * GasRecord::Length));
        }
        const StoreResult add = Store::addLogEntry(LogKind::Gas, gas(RideA, day(2009, 2, 1), 5, 100));
        QCOMPARE(add.outcome, StoreOutcome::NothingWritten);
        QCOMPARE(add.status.fileName(), QStringLiteral("Gas.Dat"));
        QVERIFY(add.status.message().contains("32767"));
        QCOMPARE(QFileInfo("Gas.Dat").size(), qint64(MaxRecords) * GasRecord::Length);
    }

    void deletingKeepsTheOthersInOrderAndDropsOldMarks()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Goody.Dat", {
            expense(RideB, day(2009, 1, 1), "B1", 1),
            expense(RideA, day(2009, 1, 2), "A1", 2),
            expense(RideB, day(2009, 1, 3), "B2", 3),
            expense(RideA, day(2009, 1, 4), "$Killed$", 4), // marked by an older program
            expense(RideB, day(2009, 1, 5), "B3", 5),
        });
        const StoreResult deletion = Store::deleteLogEntry(LogKind::Goodies, 2, RideA);
        QCOMPARE(deletion.outcome, StoreOutcome::Written);
        QCOMPARE(descriptionsIn("Goody.Dat"), QStringList({"B1", "B2", "B3"}));

        writeFileOf<ExpenseRecord>("Goody.Dat", {expense(RideA, day(2009, 1, 1), "Mirror", 1)});
        QVERIFY(Store::deleteLogEntry(LogKind::Goodies, 1, RideA).done());
        QVERIFY(!exists("Goody.Dat"));
        QVERIFY(!exists(ScratchFileName));
    }
};

QTEST_GUILESS_MAIN(TestLogStore)
#include "test_log_store.moc"
