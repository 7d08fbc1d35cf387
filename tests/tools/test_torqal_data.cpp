// Runs the built torqal-data on files written by the data module.

#include "data/DataTestSupport.h"
#include "reminders/ReminderStore.h"
#include "support/ReminderSupport.h"

#include <QProcess>
#include <QTest>

using namespace DataTest;

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString errors;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TORQAL_DATA_TOOL), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void storeReminders(QList<Reminder> reminders, const QString &folder = QStringLiteral("."))
{
    ReminderStore store(QDir(folder).filePath(ReminderStore::FileName));
    for (Reminder &reminder : reminders)
        QVERIFY(store.add(reminder));
}

template<DataRecord Record>
void writeWithDataModule(RecordFile<Record> &file, const QList<Record> &records)
{
    QVERIFY(OpenRecordFile(file));
    for (const Record &record : records) {
        file.buffer = record;
        QVERIFY(WriteRecord(file, file.count() + 1));
        QVERIFY(OpenRecordFile(file));
    }
    QVERIFY(CloseRecordFile(file));
}

} // namespace

class TestTorqalData : public QObject
{
    Q_OBJECT

private slots:
    void dumpsRidesAsCsv()
    {
        WorkingFolder folder;
        DataFiles files;
        RideRecord first;
        first.RideKey = 0.1;
        first.Year = "1967";
        first.Make = "  Ford";
        first.Model = "GT \"Eleanor\"";
        first.RideName = "Smith, Jr";
        first.PurchaseDate = 36526.5;
        first.PricePaid = 12345000;
        first.SellingDate = 36526 + (10 * 3600 + 0.6) / 86400.0;
        first.PriceSold = -125000;
        first.Notes = "Line one\r\nLine two";
        RideRecord second;
        second.RideKey = 40001.25;
        second.Make = "\u20ACuro";
        writeWithDataModule(files.rides, {first, second});

        const ToolRun run = runTool({"dump", "Torqal.Dat"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors, QString());
        const QString expected = QStringLiteral(
            "Record,RideKey,Year,Make,Model,Style,Color,LicenseStateType,RideName,PurchaseDate,PurchasedFrom,"
            "PurchaseAddress,PurchaseCityStateZip,PurchasePhone,PricePaid,SellingDate,SoldTo,SoldToAddress,"
            "SoldToCityStateZip,SoldToPhone,PriceSold,InsuranceCompany,InsurancePolicy,TitleNumber,VIN,"
            "EngineSerial,PaintCode,KeyCode,PicturePath,Notes\r\n"
            "1,0.10000000000000001,1967,Ford,\"GT \"\"Eleanor\"\"\",,,,\"Smith, Jr\",2000-01-01 12:00:00,,,,,"
            "1234.5000,2000-01-01 10:00:01,,,,,-12.5000,,,,,,,,,\"Line one\r\nLine two\"\r\n"
            "2,40001.25,,\u20ACuro,,,,,,,,,,,0.0000,,,,,,0.0000,,,,,,,,,\r\n");
        QCOMPARE(run.out, expected);
    }

    void dumpsLogsByTheirNameInAnyCase()
    {
        WorkingFolder folder;
        DataFiles files;
        GasRecord fillUp = gas(1, 40001.25);
        fillUp.Gallons = 10.1f;
        fillUp.Miles = -3;
        writeWithDataModule(files.gas, {fillUp});
        QVERIFY(QFile::rename("Gas.Dat", "GAS.DAT"));
        ToolRun run = runTool({"dump", QDir::current().filePath("GAS.DAT")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, "Record,RideKey,EntryDate,Gallons,Miles,Notes\r\n1,40001.25,2006-10-11 00:00:00,10.1000004,-3,Fill-up 1\r\n");

        writeWithDataModule(files.trips, {});
        run = runTool({"dump", "trip.dat"});
        QCOMPARE(run.exitCode, 2); // the file is Trip.Dat; trip.dat does not exist
        writeWithDataModule(files.maintenance, {expense(1, 40001.25)});
        run = runTool({"dump", "Maint.Dat"});
        QCOMPARE(run.out.section("\r\n", 1, 1), "1,40001.25,2006-10-11 00:00:00,Expense 1,12.5000,Notes of expense 1");
    }

    void badInputGetsOneLineAndExitCodeTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing file") << QStringList{"dump", "Gas.Dat"} << "torqal-data: cannot open Gas.Dat: No such file or directory\n";
        QTest::newRow("folder") << QStringList{"dump", "Trip.Dat"} << "torqal-data: Trip.Dat is a folder, not a data file\n";
        QTest::newRow("unknown name") << QStringList{"dump", "notes.txt"}
                                      << "torqal-data: notes.txt is not a data file (Torqal.Dat, Maint.Dat, Goody.Dat, Trip.Dat or Gas.Dat)\n";
        const QString usage = "usage: torqal-data dump FILE | torqal-data check [FOLDER] | torqal-data due FOLDER [--within DAYS]\n";
        QTest::newRow("no command") << QStringList{} << usage;
        QTest::newRow("days no number") << QStringList{"due", ".", "--within", "soon"} << usage;
        QTest::newRow("days below 0") << QStringList{"due", ".", "--within", "-1"} << usage;
        QTest::newRow("due, missing folder") << QStringList{"due", "nowhere"} << "torqal-data: nowhere: no such folder\n";
        QTest::newRow("due, damaged database") << QStringList{"due", "."}
                                               << "torqal-data: Could not read ./Torqal.db: file is not a database\n";
        QTest::newRow("missing folder") << QStringList{"check", "nowhere"} << "torqal-data: nowhere: no such folder\n";
        QTest::newRow("file as folder") << QStringList{"check", "notes.txt"} << "torqal-data: notes.txt is a file, not a folder\n";
    }

    void badInputGetsOneLineAndExitCodeTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        WorkingFolder folder;
        QVERIFY(QDir().mkdir("Trip.Dat"));
        writeBytes("notes.txt", "hello");
        writeBytes(ReminderStore::FileName, QByteArray(4096, 'R'));
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errors, error);
        QCOMPARE(run.out, QString());
    }

    void checkFindsNothingWrongInSoundFiles()
    {
        WorkingFolder folder;
        DataFiles files;
        writeWithDataModule(files.rides, {ride(1), ride(2)});
        writeWithDataModule(files.gas, {gas(1, ride(1).RideKey), gas(2, ride(2).RideKey)});
        const ToolRun run = runTool({"check"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, "Torqal.Dat: 20000 bytes, 2 records\n"
                          "Maint.Dat: not present (no records)\n"
                          "Goody.Dat: not present (no records)\n"
                          "Trip.Dat: not present (no records)\n"
                          "Gas.Dat: 2000 bytes, 2 records\n"
                          "Torqal.db: not present (no reminders)\n"
                          "No damage found.\n");
    }

    void checkReportsDamage()
    {
        WorkingFolder folder;
        QVERIFY(QDir().mkdir("data"));
        QVERIFY(QDir::setCurrent("data"));
        DataFiles files;
        writeWithDataModule(files.rides, {ride(1), ride(2), ride(3)});
        QVERIFY(OpenRecordFile(files.rides));
        QVERIFY(MarkRecord(files.rides, 2));
        QVERIFY(CloseRecordFile(files.rides));
        writeWithDataModule(files.maintenance, {expense(1, ride(1).RideKey), expense(2, 12.0), expense(3, 13.0)});
        writeWithDataModule(files.gas, {gas(1, ride(3).RideKey)});
        writeBytes("Trip.Dat", QByteArray(4000, ' '));
        writeBytes("Goody.Dat", QByteArray(1000, ' '));
        writeBytes(ScratchFileName, QByteArray(3000, ' '));
        writeBytes("TempFile-1.$$$", QByteArray(1000, ' '));
        storeReminders({ReminderTest::ofRide(ReminderTest::once(QDate(2030, 1, 1)), ride(1).RideKey),
                        ReminderTest::ofRide(ReminderTest::once(QDate(2030, 1, 1)), 12.0)});
        QVERIFY(QDir::setCurrent(".."));

        const ToolRun run = runTool({"check", "data"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.out, "Torqal.Dat: 30000 bytes, 3 records; 1 marked deleted (record 2)\n"
                          "Maint.Dat: 9000 bytes, 3 records; 2 belonging to no ride (records 2, 3)\n"
                          "Goody.Dat: 1000 bytes, 0 records; 1000 stray bytes after the last record\n"
                          "Trip.Dat: 4000 bytes, 1 record; 1000 stray bytes after the last record; 1 belonging to no ride (record 1)\n"
                          "Gas.Dat: 1000 bytes, 1 record\n"
                          "TempFile-1.$$$: 1000 bytes left over from an interrupted compaction\n"
                          "TempFile.$$$: 3000 bytes left over from an interrupted compaction\n"
                          "Torqal.db: 2 reminders; 1 belonging to no ride (reminder 2)\n"
                          "Damage found.\n");

        writeBytes("data/Torqal.Dat", QByteArray(25001, ' '));
        QVERIFY(runTool({"check", "data"}).out.startsWith("Torqal.Dat: 25001 bytes, 3 records; record 3 is cut short (5001 of 10000 bytes)\n"));
    }

    // What is due or overdue, by date or by the miles of the gasoline log,
    // ride by ride; nothing later, nothing done, nothing of a ride gone.
    void dueListsWhatIsDueAsCsv()
    {
        using namespace ReminderTest;
        WorkingFolder folder;
        DataFiles files;
        RideRecord unnamed = ride(2);
        unnamed.RideName.clear();
        writeWithDataModule(files.rides, {ride(1), unnamed, ride(3)});
        writeWithDataModule(files.gas, {gas(1, ride(1).RideKey), gas(2, ride(1).RideKey), gas(3, ride(3).RideKey)});
        const QDate today = QDate::currentDate();
        Reminder done = once(today.addDays(-9), 0, "Registration");
        done.lastDoneDate = today.addDays(-10);
        storeReminders({ofRide(once(today.addDays(-3), 0, "Tires, front"), unnamed.RideKey),
                        ofRide(once(today.addDays(45), 0, "Inspection"), ride(1).RideKey),
                        ofRide(once(QDate(), 700, "Oil change"), ride(1).RideKey),
                        ofRide(once(today, 0, "Gone"), 12.0),
                        ofRide(done, ride(3).RideKey)});

        const QString header = "ride,description,due date,due miles,state\r\n";
        const QString oil = "Ride 1,Oil change,,700,due in 97 miles\r\n"; // 301 + 302 miles on file
        const QString tires = "1962 Make 2 Model 2,\"Tires, front\"," + today.addDays(-3).toString(Qt::ISODate)
                              + ",,overdue by 3 days\r\n";
        ToolRun run = runTool({"due", "."});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, header + oil + tires);
        run = runTool({"due", ".", "--within", "60"});
        QCOMPARE(run.out, header + "Ride 1,Inspection," + today.addDays(45).toString(Qt::ISODate) + ",,due in 45 days\r\n"
                              + oil + tires);
    }
};

QTEST_GUILESS_MAIN(TestTorqalData)
#include "test_torqal_data.moc"
