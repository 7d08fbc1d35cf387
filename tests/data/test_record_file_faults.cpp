// Stops or fails the data file operations at every system call they make and
// checks that no record is ever lost, duplicated or half-written.

#include "DataTestSupport.h"

#include "data/SystemCalls.h"

#include <QTest>

#include <cerrno>

using namespace DataTest;

namespace {

int callsSoFar = 0;
int faultAt = 0; // the call that is stopped or failed, counted from 1

int killAtFaultPoint(const char *)
{
    if (++callsSoFar == faultAt)
        raise(SIGKILL);
    return 0;
}

int failAtFaultPoint(const char *)
{
    return ++callsSoFar == faultAt ? EIO : 0;
}

void armFaults(SystemCalls::FaultHook hook, int at)
{
    callsSoFar = 0;
    faultAt = at;
    SystemCalls::setFaultHook(hook);
}

// The contents of every file in the working folder, by name. An empty file
// holds no records, just as a missing one: empty files are left out.
using FolderState = QMap<QString, QByteArray>;

FolderState folderState()
{
    FolderState state;
    for (const QString &name : QDir().entryList(QDir::Files | QDir::Hidden)) {
        const QByteArray bytes = bytesOf(name);
        if (!bytes.isEmpty())
            state.insert(name, bytes);
    }
    return state;
}

constexpr double DeletedKey = 40002.25; // ride(2).RideKey

// Three rides with their maintenance, trip and gas entries; no goodies (so
// Goody.Dat, with the maintenance file's record length, is missing).
void writeGarage()
{
    QList<RideRecord> rides{ride(1), ride(2), ride(3)};
    writeFileOf("Torqal.Dat", rides);
    QList<ExpenseRecord> maintenance;
    QList<GasRecord> fillUps;
    QList<TripRecord> trips;
    for (int id = 1; id <= 9; ++id) {
        const double key = ride(1 + id % 3).RideKey;
        maintenance.append(expense(id, key));
        fillUps.append(gas(id, key));
        TripRecord trip;
        trip.RideKey = key;
        trip.EntryDate = 39500 + id;
        trip.Description = QStringLiteral("Trip %1").arg(id);
        trip.Miles = 100 * id;
        trips.append(trip);
    }
    writeFileOf("Maint.Dat", maintenance);
    writeFileOf("Trip.Dat", trips);
    writeFileOf("Gas.Dat", fillUps);
}

// A file's records after removing those for which `removed` is true.
template<DataRecord Record>
QByteArray without(const QByteArray &bytes, const std::function<bool(const Record &)> &removed)
{
    QByteArray kept;
    for (qsizetype at = 0; at < bytes.size(); at += Record::Length) {
        const QByteArray record = bytes.mid(at, Record::Length);
        if (!removed(decodeRecord<Record>(record.constData())))
            kept += record;
    }
    return kept;
}

// Deleting ride 2 as the ride deletion does it: mark, compact the ride file,
// then compact each log file by the ride's key. Stops at the first failure.
FileStatus deleteRideTwo()
{
    DataFiles files;
    const KeepOtherRides keep{DeletedKey};
    const std::function<FileStatus()> steps[] = {
        [&] { return OpenRecordFile(files.rides); },
        [&] { return MarkRecord(files.rides, 2); },
        [&] { return CompactRecordFile(files.rides, KeepUnmarked{}).status; },
        [&] { return CompactRecordFile(files.maintenance, keep).status; },
        [&] { return CompactRecordFile(files.goodies, keep).status; },
        [&] { return CompactRecordFile(files.trips, keep).status; },
        [&] { return CompactRecordFile(files.gas, keep).status; },
    };
    for (const auto &step : steps) {
        if (FileStatus status = step(); !status)
            return status;
    }
    return {};
}

// What a later run sees: every file opened (which restores what can be
// restored), its bytes read.
FolderState stateSeenByNextRun()
{
    DataFiles files;
    for (RecordFileBase *file : std::initializer_list<RecordFileBase *>{&files.rides, &files.maintenance, &files.goodies, &files.trips, &files.gas}) {
        if (!OpenRecordFile(*file) || !CloseRecordFile(*file))
            return {};
    }
    FolderState state;
    for (const DataFileInfo &info : DataFileTable())
        state.insert(info.name, bytesOf(info.name));
    return state;
}

} // namespace

class TestRecordFileFaults : public QObject
{
    Q_OBJECT

private:
    struct Outcomes
    {
        FolderState before;
        FolderState markedOnly; // ride 2 marked, nothing compacted yet
        FolderState after;
    };

    static Outcomes rideDeletionOutcomes()
    {
        WorkingFolder folder;
        writeGarage();
        Outcomes outcomes;
        outcomes.before = stateSeenByNextRun();
        outcomes.markedOnly = outcomes.before;
        QByteArray &rides = outcomes.markedOnly["Torqal.Dat"];
        rides.replace(10012, 20, QByteArray("$Killed$").leftJustified(20));
        outcomes.after = outcomes.before;
        outcomes.after["Torqal.Dat"] = rideBytesWithout2(outcomes.before["Torqal.Dat"]);
        for (const QString &log : {QStringLiteral("Maint.Dat"), QStringLiteral("Goody.Dat")})
            outcomes.after[log] = without<ExpenseRecord>(outcomes.before[log], [](const ExpenseRecord &r) { return r.RideKey == DeletedKey; });
        outcomes.after["Trip.Dat"] = without<TripRecord>(outcomes.before["Trip.Dat"], [](const TripRecord &r) { return r.RideKey == DeletedKey; });
        outcomes.after["Gas.Dat"] = without<GasRecord>(outcomes.before["Gas.Dat"], [](const GasRecord &r) { return r.RideKey == DeletedKey; });
        return outcomes;
    }

    static QByteArray rideBytesWithout2(const QByteArray &rides) { return rides.left(10000) + rides.mid(20000); }

    // Each data file holds either its records from before or those from after
    // the deletion: nothing lost, duplicated or half-written, whatever mix of
    // files got done.
    static bool eachFileIsBeforeOrAfter(const FolderState &seen, const Outcomes &outcomes)
    {
        for (const DataFileInfo &info : DataFileTable()) {
            const QByteArray &bytes = seen.value(info.name);
            const bool ridesMarked = info.name == "Torqal.Dat" && bytes == outcomes.markedOnly.value(info.name);
            if (bytes != outcomes.before.value(info.name) && bytes != outcomes.after.value(info.name) && !ridesMarked)
                return false;
        }
        return true;
    }

private slots:
    void killedDuringARideDeletion()
    {
        const Outcomes outcomes = rideDeletionOutcomes();
        bool finished = false;
        int point = 1;
        for (; !finished; ++point) {
            WorkingFolder folder;
            writeGarage();
            const int status = runInChild([point] {
                armFaults(&killAtFaultPoint, point);
                return deleteRideTwo() ? 0 : 1;
            });
            finished = WIFEXITED(status);
            QVERIFY2(!finished || WEXITSTATUS(status) == 0, qPrintable(QString("point %1").arg(point)));
            QVERIFY2(finished || WTERMSIG(status) == SIGKILL, qPrintable(QString("point %1").arg(point)));

            const FolderState seen = stateSeenByNextRun();
            QVERIFY2(eachFileIsBeforeOrAfter(seen, outcomes), qPrintable(QString("killed at point %1").arg(point)));
            // Deleting again (the ride is found marked, or still there) ends in
            // exactly the state of one uninterrupted deletion.
            DataFiles files;
            if (seen.value("Torqal.Dat") == outcomes.markedOnly.value("Torqal.Dat"))
                QVERIFY(CompactRecordFile(files.rides, KeepUnmarked{}));
            if (seen.value("Torqal.Dat") == outcomes.before.value("Torqal.Dat")) {
                QVERIFY(deleteRideTwo());
            } else {
                const KeepOtherRides keep{DeletedKey};
                QVERIFY(CompactRecordFile(files.maintenance, keep) && CompactRecordFile(files.goodies, keep)
                        && CompactRecordFile(files.trips, keep) && CompactRecordFile(files.gas, keep));
            }
            QVERIFY2(stateSeenByNextRun() == outcomes.after, qPrintable(QString("killed at point %1").arg(point)));
        }
        QVERIFY2(point > 50, "the deletion passes many fault points");
    }

    void killedWhileWritingARecord_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("rewrite") << 2;
        QTest::newRow("append") << 4;
    }

    void killedWhileWritingARecord()
    {
        QFETCH(int, number);
        for (int point = 1;; ++point) {
            WorkingFolder folder;
            writeGarage();
            const QByteArray before = bytesOf("Torqal.Dat");
            QByteArray after = before;
            after.replace((number - 1) * 10000, 10000, encodeRecord(ride(7)));
            const int status = runInChild([point, number] {
                armFaults(&killAtFaultPoint, point);
                DataFiles files;
                if (!OpenRecordFile(files.rides))
                    return 1;
                files.rides.buffer = ride(7);
                return WriteRecord(files.rides, number) && CloseRecordFile(files.rides) ? 0 : 1;
            });
            const QByteArray seen = bytesOf("Torqal.Dat");
            QVERIFY2(seen == before || seen == after, qPrintable(QString("killed at point %1").arg(point)));
            if (WIFEXITED(status)) {
                QCOMPARE(WEXITSTATUS(status), 0);
                QCOMPARE(seen, after);
                break;
            }
        }
    }

    // Every single call refused in turn (as a full or failing disk would):
    // the operation reports it, and the files are as before (or, when only
    // the last flush of the folder failed, as after).
    void eachRefusedCallLeavesTheFilesAsTheyWere_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("rewrite") << 0;
        QTest::newRow("append") << 1;
        QTest::newRow("mark and compact") << 2;
        QTest::newRow("compact everything away") << 3;
    }

    void eachRefusedCallLeavesTheFilesAsTheyWere()
    {
        QFETCH(int, operation);
        auto run = [operation]() -> FileStatus {
            DataFiles files;
            switch (operation) {
            case 0:
            case 1:
                if (FileStatus opened = OpenRecordFile(files.rides); !opened)
                    return opened;
                files.rides.buffer = ride(7);
                if (FileStatus written = WriteRecord(files.rides, operation == 0 ? 2 : 4); !written)
                    return written;
                return CloseRecordFile(files.rides);
            case 2:
                if (FileStatus opened = OpenRecordFile(files.gas); !opened)
                    return opened;
                if (FileStatus marked = MarkRecord(files.gas, 5); !marked)
                    return marked;
                return CompactRecordFile(files.gas, KeepUnmarked{}).status;
            default:
                return CompactRecordFile(files.trips, [](const TripRecord &) { return false; }).status;
            }
        };
        FolderState before;
        FolderState after;
        {
            WorkingFolder folder;
            writeGarage();
            before = folderState();
            QVERIFY(run());
            after = folderState();
        }
        for (int point = 1;; ++point) {
            WorkingFolder folder;
            writeGarage();
            armFaults(&failAtFaultPoint, point);
            const FileStatus status = run();
            SystemCalls::setFaultHook(nullptr);
            const FolderState seen = folderState();
            if (status) {
                // Some refusals are harmless (a look for a scratch file to restore).
                QCOMPARE(seen, after);
                if (callsSoFar < point)
                    break;
                continue;
            }
            QVERIFY2(status.message().startsWith("Could not ") && status.message().endsWith(": Input/output error"),
                     qPrintable(status.message()));
            if (operation == 2 && seen.value("Gas.Dat") != before.value("Gas.Dat")) {
                // The mark was written before the compaction was refused.
                FolderState marked = before;
                marked["Gas.Dat"].replace(4024, 976, QByteArray("$Killed$").leftJustified(976));
                QVERIFY2(seen == marked || seen == after, qPrintable(QString("refused call %1").arg(point)));
            } else {
                QVERIFY2(seen == before || seen == after, qPrintable(QString("refused call %1").arg(point)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordFileFaults)
#include "test_record_file_faults.moc"
