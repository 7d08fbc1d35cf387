#include "DataTestSupport.h"

#include "data/ScratchRecovery.h"
#include "data/SystemCalls.h"
#include "support/SystemCallFaults.h"

#include <QTest>

#include <optional>
#include <sys/resource.h>

using namespace DataTest;
using ChildProcess::dropPrivileges;
using ChildProcess::exitCodeOf;

namespace {

QByteArray rideBytes(const QList<int> &ids)
{
    QByteArray bytes;
    for (int id : ids)
        bytes += encodeRecord(ride(id));
    return bytes;
}

QByteArray gasBytes(const QList<int> &ids, double rideKey)
{
    QByteArray bytes;
    for (int id : ids)
        bytes += encodeRecord(gas(id, rideKey));
    return bytes;
}

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsCreatedEmpty()
    {
        WorkingFolder folder;
        DataFiles files;
        QVERIFY(OpenRecordFile(files.gas));
        QCOMPARE(files.gas.count(), 0);
        QVERIFY(CloseRecordFile(files.gas));
        QVERIFY(exists("Gas.Dat"));
        QCOMPARE(bytesOf("Gas.Dat").size(), 0);
    }

    void countRoundsHalvesToEven_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("half of one") << 5000 << 0;
        QTest::newRow("more than half") << 5001 << 1;
        QTest::newRow("one and a half") << 15000 << 2;
        QTest::newRow("two and a half") << 25000 << 2;
        QTest::newRow("three and a half") << 35000 << 4;
        QTest::newRow("two and six tenths") << 26000 << 3;
        QTest::newRow("whole") << 30000 << 3;
    }

    void countRoundsHalvesToEven()
    {
        QFETCH(int, length);
        QFETCH(int, count);
        WorkingFolder folder;
        writeBytes("Torqal.Dat", QByteArray(length, ' '));
        DataFiles files;
        QVERIFY(OpenRecordFile(files.rides));
        QCOMPARE(int(files.rides.count()), count);
        QVERIFY(CloseRecordFile(files.rides));
    }

    void onlyTheRideFileRecountsWhenClosed()
    {
        WorkingFolder folder;
        DataFiles files;
        QVERIFY(OpenRecordFile(files.rides));
        files.rides.buffer = ride(1);
        QVERIFY(WriteRecord(files.rides, files.rides.count() + 1));
        QCOMPARE(files.rides.count(), 0);
        QVERIFY(CloseRecordFile(files.rides));
        QCOMPARE(files.rides.count(), 1);

        QVERIFY(OpenRecordFile(files.gas));
        files.gas.buffer = gas(1, 1.0);
        QVERIFY(WriteRecord(files.gas, 1));
        QVERIFY(CloseRecordFile(files.gas));
        QCOMPARE(files.gas.count(), 0);
        QVERIFY(OpenRecordFile(files.gas));
        QCOMPARE(files.gas.count(), 1);
        QVERIFY(CloseRecordFile(files.gas));
        QVERIFY(CloseRecordFile(files.gas)); // closing a closed file does nothing
    }

    void recordsAreWrittenAndReadByNumber()
    {
        WorkingFolder folder;
        DataFiles files;
        QVERIFY(OpenRecordFile(files.rides));
        for (int id = 1; id <= 3; ++id) {
            files.rides.buffer = ride(id);
            QVERIFY(WriteRecord(files.rides, id));
        }
        QVERIFY(CloseRecordFile(files.rides));
        const QByteArray bytes = bytesOf("Torqal.Dat");
        QCOMPARE(bytes.size(), 30000);
        QCOMPARE(bytes.mid(20000), encodeRecord(ride(3)));
        QCOMPARE(bytes.mid(20679, 16), QByteArray("Notes of ride 3\r"));

        QVERIFY(OpenRecordFile(files.rides));
        QVERIFY(ReadRecord(files.rides, 2));
        QCOMPARE(files.rides.buffer.RideKey, ride(2).RideKey);
        QCOMPARE(files.rides.buffer.RideName.trimmed(), "Ride 2");
        // Rewriting record 2 changes only its bytes.
        files.rides.buffer.RideName = "Renamed";
        QVERIFY(WriteRecord(files.rides, 2));
        QVERIFY(CloseRecordFile(files.rides));
        QCOMPARE(bytesOf("Torqal.Dat").mid(10000, 102), bytes.mid(10000, 102));
        QCOMPARE(bytesOf("Torqal.Dat").mid(10102, 25), QByteArray("Renamed").leftJustified(25));
        QCOMPARE(bytesOf("Torqal.Dat").mid(20000), bytes.mid(20000));
    }

    void scanningKeepsOneRidesRecordsOrSomeFields()
    {
        WorkingFolder folder;
        // A damaged file: the third record is cut short after its key.
        writeBytes("Gas.Dat", (gasBytes({1}, 5.0) + gasBytes({2}, 6.0) + gasBytes({3}, 5.0)).left(2600));
        DataFiles files;
        QVERIFY(!ForEachRecordOfRide(files.gas, 5.0, [](int, const GasRecord &) {}));
        QVERIFY(OpenRecordFile(files.gas));
        QList<int> numbers;
        QList<GasRecord> found;
        QVERIFY(ForEachRecordOfRide(files.gas, 5.0, [&](int number, const GasRecord &r) {
            numbers << number;
            found << r;
        }));
        QCOMPARE(numbers, (QList<int>{1, 3}));
        QCOMPARE(encodeRecord(found[0]), gasBytes({1}, 5.0));
        QCOMPARE(found[1].Miles, 303);
        QCOMPARE(found[1].Notes.left(8), "Fill-up ");
        QCOMPARE(found[1].Notes.mid(600 - 24), QString(400, QChar(0)));
        QVERIFY(CloseRecordFile(files.gas));

        writeBytes("Torqal.Dat", rideBytes({1, 2, 3}));
        QVERIFY(OpenRecordFile(files.rides));
        QStringList labels;
        QVERIFY(ForEachRecord(files.rides, {&RideRecord::Make, &RideRecord::RideName}, [&](int number, const RideRecord &r) {
            QCOMPARE(r.RideKey, ride(number).RideKey);
            QVERIFY(r.Model.isEmpty() && r.Notes.isEmpty());
            labels << trimmedField(r.Make) + u'/' + trimmedField(r.RideName);
        }));
        QCOMPARE(labels, (QStringList{"Make 1/Ride 1", "Make 2/Ride 2", "Make 3/Ride 3"}));
        QCOMPARE(files.rides.buffer, RideRecord{}); // the working record is not touched
        QVERIFY(CloseRecordFile(files.rides));
    }

    void refusedNumbersAndClosedFiles()
    {
        WorkingFolder folder;
        writeBytes("Gas.Dat", gasBytes({1, 2}, 7.0));
        DataFiles files;
        FileStatus closed = ReadRecord(files.gas, 1);
        QVERIFY(!closed);
        QCOMPARE(closed.message(), "Could not read Gas.Dat: the file is not open");
        QVERIFY(!WriteRecord(files.gas, 1));

        QVERIFY(OpenRecordFile(files.gas));
        files.gas.buffer = gas(9, 7.0);
        FileStatus gap = WriteRecord(files.gas, 4);
        QVERIFY(!gap);
        QCOMPARE(gap.fileName(), "Gas.Dat");
        QCOMPARE(gap.message(), "Could not write Gas.Dat: there is no record 4");
        QVERIFY(!WriteRecord(files.gas, 0));
        QVERIFY(!ReadRecord(files.gas, 3));
        QVERIFY(!ReadRecord(files.gas, -1));
        QVERIFY(CloseRecordFile(files.gas));
        QCOMPARE(bytesOf("Gas.Dat"), gasBytes({1, 2}, 7.0));
    }

    void aFileNeverGrowsPastTheMostRecords()
    {
        WorkingFolder folder;
        QFile full("Gas.Dat");
        QVERIFY(full.open(QIODevice::WriteOnly));
        QVERIFY(full.resize(qint64(MaxRecords) * 1000));
        full.close();
        DataFiles files;
        QVERIFY(OpenRecordFile(files.gas));
        QCOMPARE(int(files.gas.count()), 32767);
        files.gas.buffer = gas(1, 1.0);
        FileStatus refused = WriteRecord(files.gas, files.gas.count() + 1);
        QVERIFY(!refused);
        QCOMPARE(refused.message(), "Could not write Gas.Dat: it already holds 32767 records, the most a data file can hold");
        QVERIFY(WriteRecord(files.gas, 32767));
        QVERIFY(CloseRecordFile(files.gas));
        QCOMPARE(QFileInfo("Gas.Dat").size(), qint64(MaxRecords) * 1000);

        // A longer file (written by something else) is refused rather than miscounted.
        QVERIFY(full.open(QIODevice::ReadWrite));
        QVERIFY(full.resize(qint64(MaxRecords + 1) * 1000));
        full.close();
        FileStatus tooLong = OpenRecordFile(files.gas);
        QVERIFY(!tooLong);
        QCOMPARE(tooLong.message(), "Could not open Gas.Dat: it holds 32768 records, more than the 32767 a data file can hold");
        QVERIFY(!files.gas.isOpen());
    }

    void compactionRemovesMarkedRecords()
    {
        WorkingFolder folder;
        writeBytes("Torqal.Dat", rideBytes({1, 2, 3}));
        DataFiles files;
        QVERIFY(OpenRecordFile(files.rides));
        QVERIFY(MarkRecord(files.rides, 2));
        QCOMPARE(bytesOf("Torqal.Dat").mid(10012, 20), QByteArray("$Killed$").leftJustified(20));
        QVERIFY(CompactRecordFile(files.rides, KeepUnmarked{}));
        QVERIFY(!files.rides.isOpen());
        QCOMPARE(bytesOf("Torqal.Dat"), rideBytes({1, 3}));
        QVERIFY(!exists(ScratchFileName));
        QVERIFY(OpenRecordFile(files.rides));
        QCOMPARE(files.rides.count(), 2);
        QVERIFY(CloseRecordFile(files.rides));

        // The log files by the deleted ride's key: records of other rides stay in order.
        QByteArray log = gasBytes({1}, 5.0) + gasBytes({2}, 6.0) + gasBytes({3}, 5.0) + gasBytes({4}, 7.0);
        writeBytes("Gas.Dat", log);
        QVERIFY(CompactRecordFile(files.gas, KeepOtherRides{5.0}));
        QCOMPARE(bytesOf("Gas.Dat"), gasBytes({2}, 6.0) + gasBytes({4}, 7.0));
    }

    void compactingEveryRecordAwayRemovesTheFile()
    {
        WorkingFolder folder;
        writeBytes("Gas.Dat", gasBytes({1, 2, 3}, 5.0));
        writeBytes("Torqal.Dat", rideBytes({1}));
        DataFiles files;
        QVERIFY(CompactRecordFile(files.gas, KeepOtherRides{5.0}));
        QVERIFY(!exists("Gas.Dat"));
        QVERIFY(OpenRecordFile(files.gas));
        QCOMPARE(files.gas.count(), 0);
        QVERIFY(CloseRecordFile(files.gas));
        QCOMPARE(bytesOf("Gas.Dat").size(), 0);

        QVERIFY(OpenRecordFile(files.rides));
        QVERIFY(MarkRecord(files.rides, 1));
        QVERIFY(CompactRecordFile(files.rides, KeepUnmarked{}));
        QVERIFY(!exists("Torqal.Dat"));
        QVERIFY(!exists(ScratchFileName));
        QVERIFY(OpenRecordFile(files.rides));
        QVERIFY(CloseRecordFile(files.rides));
        QCOMPARE(files.rides.count(), 0);
    }

    // Where the file system refuses renaming without replacing (NFS), a
    // leftover is set aside through a second link all the same.
    void aLeftoverScratchFileNeverAddsRecords_data()
    {
        QTest::addColumn<int>("renameError");
        QTest::newRow("renamed without replacing") << 0;
        QTest::newRow("no such rename on the file system") << EINVAL;
        QTest::newRow("no such rename in the system") << ENOSYS;
    }

    void aLeftoverScratchFileNeverAddsRecords()
    {
        QFETCH(int, renameError);
        WorkingFolder folder;
        const QByteArray unknown = gasBytes({11, 12, 13, 14, 15}, 9.0);
        writeBytes(ScratchFileName, unknown);
        writeBytes("TempFile-1.$$$", "set aside before");
        writeBytes("Gas.Dat", gasBytes({1, 2, 3}, 5.0));
        DataFiles files;
        {
            std::optional<SystemCallFaults::FailingCall> noRename;
            if (renameError != 0)
                noRename.emplace("renameat2", renameError);
            QVERIFY(CompactRecordFile(files.gas, [](const GasRecord &r) { return r.Miles != 302; }));
        }
        QCOMPARE(bytesOf("Gas.Dat"), gasBytes({1, 3}, 5.0));
        // Records found nowhere else are set aside, not overwritten.
        QCOMPARE(bytesOf("TempFile-2.$$$"), unknown);
        QCOMPARE(bytesOf("TempFile-1.$$$"), "set aside before");
        QVERIFY(!exists(ScratchFileName));

        // A stale copy of records still in a data file is simply overwritten.
        writeBytes(ScratchFileName, gasBytes({1}, 5.0));
        QVERIFY(CompactRecordFile(files.gas, KeepUnmarked{}));
        QCOMPARE(bytesOf("Gas.Dat"), gasBytes({1, 3}, 5.0));
        QVERIFY(!exists("TempFile-3.$$$"));
        QVERIFY(!exists(ScratchFileName));
    }

    // A data file that is a symbolic link stays one: the file it leads to is
    // rebuilt, and later writes go on reaching it.
    void aLinkedDataFileIsRebuiltWhereItLeads_data()
    {
        QTest::addColumn<bool>("relative");
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("relative link, records kept") << true << QList<int>{1, 3};
        QTest::newRow("absolute link, nothing kept") << false << QList<int>{};
    }

    void aLinkedDataFileIsRebuiltWhereItLeads()
    {
        QFETCH(bool, relative);
        QFETCH(QList<int>, kept);
        WorkingFolder folder;
        QVERIFY(QDir().mkdir("shared"));
        const QString target = relative ? QStringLiteral("shared/gas.bin") : folder.path() + "/shared/gas.bin";
        writeBytes("shared/gas.bin", gasBytes({1, 2, 3}, 5.0));
        QVERIFY(QFile::link(target, "Gas.Dat"));
        DataFiles files;
        QVERIFY(CompactRecordFile(files.gas, [&kept](const GasRecord &r) { return kept.contains(r.Miles - 300); }));
        QCOMPARE(QFileInfo("Gas.Dat").symLinkTarget(), QFileInfo("shared/gas.bin").absoluteFilePath());
        QCOMPARE(bytesOf("shared/gas.bin"), gasBytes(kept, 5.0));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::System), QStringList{"Gas.Dat"});
        QCOMPARE(QDir("shared").entryList(QDir::Files), QStringList{"gas.bin"});

        QVERIFY(OpenRecordFile(files.gas));
        files.gas.buffer = gas(4, 5.0);
        QVERIFY(WriteRecord(files.gas, files.gas.count() + 1));
        QVERIFY(CloseRecordFile(files.gas));
        QCOMPARE(bytesOf("shared/gas.bin"), gasBytes(kept + QList<int>{4}, 5.0));
    }

    void aScratchFileIsRestoredOnlyWhereItCanComeFromOneFile_data()
    {
        // An interrupted compaction of an older program deleted a data file
        // and left its surviving records only in the scratch file.
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QByteArray>("maintenance"); // Maint.Dat where it is there
        QTest::addColumn<QByteArray>("scratch");
        QTest::addColumn<ScratchRecovery::Outcome::Kind>("kind");
        QTest::addColumn<QString>("fileName");
        const QByteArray expenses = encodeRecord(expense(1, 5.0)) + encodeRecord(expense(2, 5.0)) + encodeRecord(expense(3, 5.0));
        const QByteArray trips = encodeRecord(trip(1, 5.0)) + encodeRecord(trip(2, 5.0));
        using Kind = ScratchRecovery::Outcome::Kind;
        QTest::newRow("one log missing") << QStringList{"Maint.Dat"} << QByteArray() << expenses << Kind::Restored << "Maint.Dat";
        QTest::newRow("the rides missing") << QStringList{"Torqal.Dat"} << QByteArray() << rideBytes({1, 2}) << Kind::Restored << "Torqal.Dat";
        QTest::newRow("two logs of one record length missing")
            << QStringList{"Maint.Dat", "Goody.Dat"} << QByteArray() << expenses << Kind::SetAside << "TempFile-1.$$$";
        QTest::newRow("trips, three logs missing")
            << QStringList{"Maint.Dat", "Goody.Dat", "Trip.Dat"} << QByteArray() << trips << Kind::SetAside << "TempFile-1.$$$";
        QTest::newRow("no missing file fits") << QStringList{"Gas.Dat"} << QByteArray() << expenses << Kind::SetAside << "TempFile-1.$$$";
        QTest::newRow("a stale copy") << QStringList{"Goody.Dat"} << expenses << expenses.left(6000) << Kind::Nothing << QString();
    }

    void aScratchFileIsRestoredOnlyWhereItCanComeFromOneFile()
    {
        QFETCH(QStringList, missing);
        QFETCH(QByteArray, maintenance);
        QFETCH(QByteArray, scratch);
        QFETCH(ScratchRecovery::Outcome::Kind, kind);
        QFETCH(QString, fileName);
        WorkingFolder folder;
        for (const DataFileInfo &file : DataFileTable()) {
            if (!missing.contains(file.name))
                writeBytes(file.name, file.kind == DataFileKind::Maintenance ? maintenance : QByteArray());
        }
        writeBytes(ScratchFileName, scratch);
        const QStringList before = QDir().entryList(QDir::Files);

        ScratchRecovery::Outcome outcome;
        QVERIFY(ScratchRecovery::recover(&outcome));
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.fileName, fileName);
        QCOMPARE(bytesOf(fileName.isEmpty() ? ScratchFileName : fileName), scratch);
        // Every other file is as it was; nothing was created empty.
        QStringList after = QDir().entryList(QDir::Files);
        after.removeOne(fileName);
        QStringList expected = before;
        if (!fileName.isEmpty())
            expected.removeOne(ScratchFileName);
        QCOMPARE(after, expected);

        // Opening a missing file recovers first: a file that can only be
        // the scratch file's origin receives its records.
        if (kind == ScratchRecovery::Outcome::Kind::Restored) {
            QVERIFY(QFile::rename(fileName, ScratchFileName));
            RecordFile<RideRecord> rides(DataFileKind::Rides);
            RecordFile<ExpenseRecord> expenses(DataFileKind::Maintenance);
            QVERIFY(fileName == "Torqal.Dat" ? OpenRecordFile(rides) : OpenRecordFile(expenses));
            QCOMPARE(bytesOf(fileName), scratch);
        }
    }

    void aDamagedFileReadsItsMissingBytesAsZeros()
    {
        WorkingFolder folder;
        const QByteArray whole = rideBytes({1, 2, 3, 4});
        writeBytes("Torqal.Dat", whole.left(35000));
        DataFiles files;
        QVERIFY(OpenRecordFile(files.rides));
        QCOMPARE(files.rides.count(), 4);
        QVERIFY(ReadRecord(files.rides, 4));
        QCOMPARE(files.rides.buffer.RideKey, ride(4).RideKey);
        QVERIFY(files.rides.buffer.Notes.startsWith("Notes of ride 4"));
        QCOMPARE(files.rides.buffer.Notes.mid(35000 - 30679), QString(5000, QChar(0)));
        // Nothing is written into it, so that no record lands over the cut one.
        files.rides.buffer = ride(5);
        for (const FileStatus &refused : {WriteRecord(files.rides, 5), WriteRecord(files.rides, 1), MarkRecord(files.rides, 2),
                                          CompactRecordFile(files.rides, KeepUnmarked{}).status}) {
            QVERIFY(!refused);
            QVERIFY2(refused.message().contains(": the file ends in part of a record (it is damaged); quit Torqal and mend it "
                                                "with torqal-data repair "),
                     qPrintable(refused.message()));
        }
        QCOMPARE(bytesOf("Torqal.Dat"), whole.left(35000));

        writeBytes("Torqal.Dat", whole.left(25000));
        QVERIFY(OpenRecordFile(files.rides));
        QCOMPARE(files.rides.count(), 2);
        QVERIFY(ReadRecord(files.rides, 2));
        QVERIFY(ReadRecord(files.rides, 3)); // half a record beyond the count still reads
        QVERIFY(CloseRecordFile(files.rides));
    }

    void aMissingFolderIsReported()
    {
        WorkingFolder folder;
        QVERIFY(QDir().mkdir("gone"));
        QVERIFY(QDir::setCurrent("gone"));
        QVERIFY(QDir(folder.path()).rmdir("gone"));
        DataFiles files;
        FileStatus status = OpenRecordFile(files.trips);
        QVERIFY(!status);
        QCOMPARE(status.message(), "Could not open Trip.Dat: No such file or directory");
        QVERIFY(!CompactRecordFile(files.trips, KeepUnmarked{}));
    }

    void aReadOnlyFileIsReadButNeverChanged()
    {
        WorkingFolder folder;
        const QByteArray before = rideBytes({1, 2});
        writeBytes("Torqal.Dat", before);
        QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions("Torqal.Dat", QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const int result = exitCodeOf(runInChild([] {
            if (!dropPrivileges())
                return 1;
            DataFiles files;
            if (!OpenRecordFile(files.rides) || files.rides.count() != 2 || !ReadRecord(files.rides, 2))
                return 2;
            FileStatus write = WriteRecord(files.rides, 1);
            if (write || write.message() != "Could not write Torqal.Dat: Permission denied")
                return 3;
            if (!MarkRecord(files.rides, 1).message().startsWith("Could not write Torqal.Dat"))
                return 4;
            FileStatus compact = CompactRecordFile(files.rides, KeepUnmarked{}).status;
            if (compact || compact.message() != "Could not compact Torqal.Dat: Permission denied")
                return 5;
            return 0;
        }));
        QCOMPARE(result, 0);
        QCOMPARE(bytesOf("Torqal.Dat"), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Torqal.Dat"});
    }

    void aReadOnlyFolderLeavesEveryFileAsItWas()
    {
        WorkingFolder folder;
        const QByteArray before = rideBytes({1, 2});
        writeBytes("Torqal.Dat", before);
        QVERIFY(QFile::setPermissions("Torqal.Dat", QFileDevice::Permissions(0x6666)));
        QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x5555)));
        const int result = exitCodeOf(runInChild([] {
            if (!dropPrivileges())
                return 1;
            DataFiles files;
            FileStatus create = OpenRecordFile(files.gas);
            if (create || create.message() != "Could not open Gas.Dat: Permission denied")
                return 2;
            if (!OpenRecordFile(files.rides) || !MarkRecord(files.rides, 1))
                return 3; // an existing file stays writable
            FileStatus compact = CompactRecordFile(files.rides, KeepUnmarked{}).status;
            if (compact || compact.message() != "Could not compact Torqal.Dat: Permission denied")
                return 4;
            return 0;
        }));
        QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7700)));
        QCOMPARE(result, 0);
        QByteArray marked = before;
        marked.replace(12, 20, QByteArray("$Killed$").leftJustified(20));
        QCOMPARE(bytesOf("Torqal.Dat"), marked);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Torqal.Dat"});
    }

    void aFullDiskLeavesEveryFileAsItWas()
    {
        WorkingFolder folder;
        const QByteArray before = rideBytes({1, 2, 3});
        writeBytes("Torqal.Dat", before);
        const int result = exitCodeOf(runInChild([] {
            signal(SIGXFSZ, SIG_IGN);
            auto limitFileSize = [](rlim_t bytes) {
                const rlimit limit{bytes, RLIM_INFINITY};
                return setrlimit(RLIMIT_FSIZE, &limit) == 0;
            };
            DataFiles files;
            if (!OpenRecordFile(files.rides))
                return 1;
            // Room for half a ride more: the append stops halfway and is cut off again.
            files.rides.buffer = ride(4);
            if (!limitFileSize(35000))
                return 2;
            FileStatus append = WriteRecord(files.rides, 4);
            if (append || append.message() != "Could not write Torqal.Dat: File too large")
                return 3;
            // Rewriting ride 2 stops halfway: its first half is put back.
            if (!limitFileSize(15000) || !ReadRecord(files.rides, 2))
                return 4;
            files.rides.buffer.Notes = QString(9000, u'x');
            if (WriteRecord(files.rides, 2))
                return 5;
            // The scratch file cannot take the two surviving rides.
            if (!limitFileSize(RLIM_INFINITY) || !MarkRecord(files.rides, 2) || !limitFileSize(15000))
                return 6;
            FileStatus compact = CompactRecordFile(files.rides, KeepUnmarked{}).status;
            if (compact || compact.message() != "Could not compact Torqal.Dat: File too large")
                return 7;
            return 0;
        }));
        QCOMPARE(result, 0);
        QByteArray marked = before;
        marked.replace(10012, 20, QByteArray("$Killed$").leftJustified(20));
        QCOMPARE(bytesOf("Torqal.Dat"), marked);
        QVERIFY(!exists(ScratchFileName));
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "test_record_file.moc"
