// Runs the built torqal-data on files written by the data module.

#include "backup/ZipArchive.h"
#include "data/DataTestSupport.h"
#include "store/EntryExtras.h"
#include "store/ReminderStore.h"
#include "support/ReminderSupport.h"
#include "support/SystemCallFaults.h"
#include "RepairCommand.h"
#include "platform/SingleInstance.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QTest>

#include <memory>

#include <cmath>
#include <limits>
#include <sys/stat.h>

using namespace DataTest;

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString errors;
};

ToolRun runTool(const QStringList &arguments, const QString &dataHome = {})
{
    QProcess process;
    if (!dataHome.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        process.setProcessEnvironment(environment);
    }
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

// Every name in the folder with its bytes (a link with what it leads to).
QMap<QString, QByteArray> folderBytes()
{
    QMap<QString, QByteArray> state;
    for (const QFileInfo &entry : QDir().entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
        state.insert(entry.fileName(), entry.isSymLink() ? QFile::encodeName(entry.symLinkTarget()) : bytesOf(entry.fileName()));
    return state;
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

    enum class Folder { Sound, BrokenGasLink, BrokenRideLink, DatabaseInUse, ChangeCutShort, TablesWithoutLayout };

    // Makes the working folder so: a ride with a fill-up and a maintenance
    // entry, two reminders, and what the folder is named after; `holder`
    // is the connection that is to keep the database in use.
    static void prepare(Folder folder, std::unique_ptr<ReminderTest::OtherConnection> &holder)
    {
        using namespace ReminderTest;
        const double key = 40001.25;
        RideRecord first = ride(1);
        first.RideKey = key;
        writeFileOf<RideRecord>("Torqal.Dat", {first});
        writeFileOf<GasRecord>("Gas.Dat", {gas(1, key)});
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(1, key)});
        const QList<Reminder> reminders{ofRide(once(QDate(2000, 1, 1), 0, "Inspection"), key),
                                        ofRide(once(QDate(2000, 2, 1), 0, "Registration"), key)};
        switch (folder) {
        case Folder::Sound:
            break;
        case Folder::BrokenGasLink:
        case Folder::BrokenRideLink: {
            const QString name = folder == Folder::BrokenGasLink ? "Gas.Dat" : "Torqal.Dat";
            QFile::remove(name);
            QFile::link(QDir::current().filePath("gone/" + name), name);
            break;
        }
        case Folder::DatabaseInUse: {
            storeReminders(reminders);
            holder = std::make_unique<ReminderTest::OtherConnection>(ReminderStore::FileName);
            break;
        }
        case Folder::ChangeCutShort: {
            // What a crash in the middle of a large change leaves: the file
            // partly changed, and its journal with the pages as they were.
            QVERIFY(QDir().mkdir("crashed"));
            storeReminders(reminders, "crashed");
            ReminderTest::OtherConnection crashing("crashed/Torqal.db");
            crashing.exec("PRAGMA cache_size = 1"); // changed pages go to the file before the change ends
            crashing.exec("BEGIN");
            crashing.exec("DELETE FROM reminder");
            for (int i = 0; i < 200; ++i)
                crashing.exec(QStringLiteral("INSERT INTO reminder (ride_key, description) VALUES (1, '%1')").arg(QString(3000, 'x')));
            for (const QString &name : {QStringLiteral("Torqal.db"), QStringLiteral("Torqal.db-journal")})
                QVERIFY(QFile::copy("crashed/" + name, name));
            crashing.exec("ROLLBACK");
            break;
        }
        case Folder::TablesWithoutLayout: {
            ReminderTest::OtherConnection other(ReminderStore::FileName);
            for (const QString &statement : ReminderSchema::migrations().front().statements)
                other.exec(statement);
            break;
        }
        }
    }

private slots:
    // The tool runs where no desktop is: it links none of Qt's libraries of
    // windows, which also need a display to start.
    void linksNoWindowLibraries()
    {
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("--dynamic"), QStringLiteral(TORQAL_DATA_TOOL)});
        QVERIFY(readelf.waitForFinished());
        const QString needed = QString::fromLocal8Bit(readelf.readAllStandardOutput());
        QVERIFY2(needed.contains(QStringLiteral("libQt6Core")), qPrintable(needed));
        for (const char *library : {"libQt6Widgets", "libQt6PrintSupport", "libQt6Charts", "libQt6OpenGLWidgets"})
            QVERIFY2(!needed.contains(QLatin1String(library)), library);
    }

    void dumpsRidesAsCsv()
    {
        WorkingFolder folder;
        DataFiles files;
        RideRecord first;
        first.RideKey = 40000.1;
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
            "1,40000.099999999999,1967,Ford,\"GT \"\"Eleanor\"\"\",,,,\"Smith, Jr\",2000-01-01 12:00:00,,,,,"
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
        QTest::newRow("pipe") << QStringList{"dump", "Goody.Dat"} << "torqal-data: Goody.Dat is not a regular file (a pipe or a device), not a data file\n";
        QTest::newRow("unknown name") << QStringList{"dump", "notes.txt"}
                                      << "torqal-data: notes.txt is not named as a data file (Torqal.Dat, Maint.Dat, Goody.Dat, "
                                         "Trip.Dat or Gas.Dat); name its kind with --kind\n";
        const QString dueHint = QStringLiteral("Try 'torqal-data due --help' for more information.\n");
        QTest::newRow("days no number") << QStringList{"due", ".", "--within", "soon"}
                                        << "torqal-data due: --within takes a whole number of days from 0 to 36500, not 'soon'\n" + dueHint;
        QTest::newRow("days below 0") << QStringList{"due", ".", "--within", "-1"}
                                      << "torqal-data due: --within takes a whole number of days from 0 to 36500, not '-1'\n" + dueHint;
        QTest::newRow("due, missing folder") << QStringList{"due", "nowhere"} << "torqal-data: nowhere: no such folder\n";
        QTest::newRow("due, damaged database") << QStringList{"due", "."}
                                               << "torqal-data: Could not read ./Torqal.db: file is not a database\n";
        QTest::newRow("missing folder") << QStringList{"check", "nowhere"} << "torqal-data: nowhere: no such folder\n";
        QTest::newRow("file as folder") << QStringList{"check", "notes.txt"} << "torqal-data: notes.txt is a file, not a folder\n";
        QTest::newRow("pipe in folder") << QStringList{"check", "."} << "torqal-data: ./Goody.Dat is not a regular file (a pipe or a device), not a data file\n";
        const QString hint = QStringLiteral("Try 'torqal-data --help' for more information.\n");
        QTest::newRow("no command") << QStringList{} << "torqal-data: COMMAND is missing\n" + hint;
        QTest::newRow("unknown command") << QStringList{"fix"} << "torqal-data: unknown command 'fix'\n" + hint;
        QTest::newRow("unknown option") << QStringList{"--all"} << "torqal-data: Unknown option 'all'.\n" + hint;
        QTest::newRow("unknown option of a command")
            << QStringList{"check", "--help-me"} << "torqal-data check: Unknown option 'help-me'.\nTry 'torqal-data check --help' for more information.\n";
        QTest::newRow("extra argument") << QStringList{"check", ".", "more"}
                                        << "torqal-data check: unexpected argument 'more'\nTry 'torqal-data check --help' for more information.\n";
        QTest::newRow("unknown kind") << QStringList{"dump", "--kind", "car", "notes.txt"}
                                      << "torqal-data dump: unknown kind 'car' (ride, maint, goody, trip or gas)\n"
                                         "Try 'torqal-data dump --help' for more information.\n";
    }

    void badInputGetsOneLineAndExitCodeTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        WorkingFolder folder;
        QVERIFY(QDir().mkdir("Trip.Dat"));
        QCOMPARE(mkfifo("Goody.Dat", 0600), 0);
        writeBytes("notes.txt", "hello");
        writeBytes(ReminderStore::FileName, QByteArray(4096, 'R'));
        const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errors, error);
        QCOMPARE(run.out, QString());
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

    void helpAndVersionExitWithZero_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("start");
        QTest::newRow("help") << QStringList{"--help"} << "Usage: torqal-data COMMAND [ARGUMENTS]...\n";
        QTest::newRow("version") << QStringList{"-v"} << "torqal-data (Torqal) ";
        QTest::newRow("check") << QStringList{"check", "--help"} << "Usage: torqal-data check [FOLDER]\n";
        QTest::newRow("dump") << QStringList{"dump", "-h"} << "Usage: torqal-data dump [--kind KIND] FILE\n";
        QTest::newRow("repair") << QStringList{"repair", "--help"} << "Usage: torqal-data repair [--without-backup] [FOLDER]\n";
        QTest::newRow("restore") << QStringList{"restore", "--help"} << "Usage: torqal-data restore [--replace] FILE.zip FOLDER\n";
        QTest::newRow("due") << QStringList{"due", "--help"} << "Usage: torqal-data due [--within DAYS] [FOLDER]\n";
    }

    void helpAndVersionExitWithZero()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, start);
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors, QString());
        QVERIFY2(run.out.startsWith(start), qPrintable(run.out));
    }

    void aFolderThatCannotBeReadIsNoSoundFolder_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("permissions");
        QTest::addColumn<QString>("error");
        QTest::newRow("cannot be listed") << "check" << 0x3300 << "torqal-data: cannot list %1: Permission denied\n";
        QTest::newRow("cannot be entered") << "check" << 0x6600 << "torqal-data: cannot look at %1/Torqal.Dat: Permission denied\n";
        QTest::newRow("nothing due, for all one knows") << "due" << 0x6600
                                                        << "torqal-data: cannot look at %1/Torqal.Dat: Permission denied\n";
    }

    void aFolderThatCannotBeReadIsNoSoundFolder()
    {
        QFETCH(QString, command);
        QFETCH(int, permissions);
        QFETCH(QString, error);
        QTemporaryDir parent;
        QVERIFY(QFile::setPermissions(parent.path(), QFileDevice::Permissions(0x7777)));
        const QString data = QDir(parent.path()).filePath("data");
        QVERIFY(QDir().mkdir(data));
        writeBytes(data + "/Torqal.Dat", encodeRecord(ride(1)));
        QVERIFY(QFile::setPermissions(data, QFileDevice::Permissions(permissions)));
        QVERIFY(chown(QFile::encodeName(data).constData(), 65534, 65534) == 0);
        QProcess process;
        ChildProcess::runUnprivileged(process);
        process.start(QStringLiteral(TORQAL_DATA_TOOL), {command, data});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY(QFile::setPermissions(data, QFileDevice::Permissions(0x7700)));
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), error.arg(data));
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
        QCOMPARE(process.exitCode(), 2);
    }

    void checkNamesRecordsThatCannotBeRecords_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        const double key = ride(1).RideKey;
        RideRecord noKey = ride(2);
        noKey.RideKey = std::nan("");
        GasRecord endless = gas(2, key);
        endless.EntryDate = std::numeric_limits<double>::infinity();
        QTest::newRow("zeros") << "Gas.Dat" << encodeRecord(gas(1, key)) + QByteArray(1000, '\0')
                               << "Gas.Dat: 2000 bytes, 2 records; 1 of only zero bytes or only 0xFF bytes (record 2)";
        QTest::newRow("0xFF") << "Gas.Dat" << QByteArray(1000, '\xff') + encodeRecord(gas(1, key))
                              << "Gas.Dat: 2000 bytes, 2 records; 1 of only zero bytes or only 0xFF bytes (record 1)";
        QTest::newRow("infinite date") << "Gas.Dat" << encodeRecord(gas(1, key)) + encodeRecord(endless)
                                       << "Gas.Dat: 2000 bytes, 2 records; 1 with a key or date that is no number (record 2)";
        QTest::newRow("NaN key") << "Torqal.Dat" << encodeRecord(noKey) + encodeRecord(ride(1))
                                 << "Torqal.Dat: 20000 bytes, 2 records; 1 with a key or date that is no number (record 1)";
    }

    void checkNamesRecordsThatCannotBeRecords()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        WorkingFolder folder;
        writeFileOf<RideRecord>("Torqal.Dat", {ride(1)});
        writeFileOf<GasRecord>("Gas.Dat", {gas(1, ride(1).RideKey)});
        writeBytes(fileName, bytes);
        const ToolRun run = runTool({"check", "."});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(line + "\n"), qPrintable(run.out));
        // Entries of the ride whose key is sound still find it.
        QVERIFY2(!run.out.contains("belonging to no ride"), qPrintable(run.out));
    }

    void dumpReadsAScratchFileOfTheKindNamed()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("TempFile-1.$$$", {trip(1, 40001.25)});
        const ToolRun run = runTool({"dump", "--kind", "trip", "TempFile-1.$$$"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.out.count("\r\n"), 2);
        QVERIFY2(run.out.section("\r\n", 1, 1).startsWith("1,40001.25,"), qPrintable(run.out));
    }

    void checkNamesFilesOfAnotherSpelling()
    {
        WorkingFolder folder;
        writeFileOf<RideRecord>("TORQAL.DAT", {ride(1)});
        writeFileOf<GasRecord>("Gas.Dat", {});
        writeBytes("gas.dat", {});
        const ToolRun run = runTool({"check", "."});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains("TORQAL.DAT: named Torqal.Dat in other letters' case, which Torqal does not read; "
                                  "rename it to Torqal.Dat to use it\n"
                                  "gas.dat: named Gas.Dat in other letters' case, which Torqal does not read\n"),
                 qPrintable(run.out));
    }

    void repairMovesThePartialRecordAside_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("sideFileTaken");
        QTest::addColumn<QString>("sideFile");
        QTest::newRow("half a record") << 25000 << false << "Torqal.Dat.partial";
        QTest::newRow("most of a record") << 39999 << false << "Torqal.Dat.partial";
        QTest::newRow("side file taken") << 30001 << true << "Torqal.Dat.2.partial";
    }

    void repairMovesThePartialRecordAside()
    {
        QFETCH(int, length);
        QFETCH(bool, sideFileTaken);
        QFETCH(QString, sideFile);
        WorkingFolder folder;
        QByteArray rides;
        for (int id = 1; id <= 4; ++id)
            rides += encodeRecord(ride(id));
        writeBytes("Torqal.Dat", rides.left(length));
        writeFileOf<GasRecord>("Gas.Dat", {gas(1, ride(1).RideKey)});
        if (sideFileTaken)
            writeBytes("Torqal.Dat.partial", "earlier");
        const QByteArray gasBefore = bytesOf("Gas.Dat");

        const int whole = length - length % RideRecord::Length;
        ToolRun run = runTool({"repair", "."});
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        // The files as they were are kept first.
        const QStringList kept = QDir(QStringLiteral("Backups")).entryList({QStringLiteral("* before repair.zip")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(run.out, QStringLiteral("The files as they were are kept in ./Backups/%5.\n"
                                         "Torqal.Dat: moved the %1 bytes after record %2 to %3; %4 bytes, %2 records remain\n")
                              .arg(length - whole).arg(whole / RideRecord::Length).arg(sideFile).arg(whole).arg(kept.first()));
        QCOMPARE(bytesOf("Torqal.Dat"), rides.left(whole));
        QCOMPARE(bytesOf(sideFile), rides.mid(whole, length - whole));
        QCOMPARE(bytesOf("Gas.Dat"), gasBefore);
        if (sideFileTaken)
            QCOMPARE(bytesOf("Torqal.Dat.partial"), "earlier");

        run = runTool({"check", "."});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(sideFile + QStringLiteral(": %1 bytes cut off a damaged data file by torqal-data repair\n").arg(length - whole)),
                 qPrintable(run.out));
        run = runTool({"repair", "."});
        QCOMPARE(run.out, "Every data file holds whole records; nothing to repair.\n");
    }

    void repairFailingAtAnyCallLosesNothing_data()
    {
        QTest::addColumn<int>("error");
        QTest::newRow("EIO") << EIO;
        QTest::newRow("ENOSPC") << ENOSPC;
    }

    // Each system call of a repair failing in turn: the data file is as
    // before, or shortened with its last bytes whole in the side file; the
    // exit status says whether the repair is done.
    void repairFailingAtAnyCallLosesNothing()
    {
        QFETCH(int, error);
        WorkingFolder folder;
        const QByteArray rides = (encodeRecord(ride(1)) + encodeRecord(ride(2))).left(RideRecord::Length + 100);
        const QString side = QStringLiteral("Torqal.Dat.partial");
        const auto repair = [&] {
            QFile::remove(side);
            writeBytes("Torqal.Dat", rides);
            ToolRun run;
            QTextStream out(&run.out);
            QTextStream errors(&run.errors);
            run.exitCode = repairCommand(QStringLiteral("."), out, errors);
            return run;
        };
        QList<QByteArray> calls;
        {
            SystemCallFaults::CallLog log;
            QCOMPARE(repair().exitCode, 0);
            calls = log.calls();
        }
        QVERIFY(calls.contains("ftruncate"));
        QHash<QByteArray, int> seen;
        for (const QByteArray &call : std::as_const(calls)) {
            const int nth = ++seen[call];
            ToolRun run;
            {
                SystemCallFaults::FailingCall fails(call.constData(), error, nth);
                run = repair();
            }
            const QString where = QStringLiteral("%1 #%2 failing: exit %3, %4").arg(call).arg(nth).arg(run.exitCode).arg(run.errors);
            const QByteArray data = bytesOf("Torqal.Dat");
            const bool shortened = data.size() == RideRecord::Length;
            QVERIFY2(data == rides || (shortened && data + bytesOf(side) == rides), qPrintable(where));
            QVERIFY2(!exists(side) || bytesOf(side) == rides.mid(RideRecord::Length), qPrintable(where));
            QVERIFY2(run.exitCode == 0 ? shortened && run.errors.isEmpty() : run.exitCode == 2 && run.errors.count('\n') == 1,
                     qPrintable(where));
        }
    }

    void repairWaitsForTorqalToQuit()
    {
        WorkingFolder folder;
        writeBytes("Torqal.Dat", QByteArray(15000, ' '));
        SingleInstance running(folder.path());
        QCOMPARE(running.acquire(), SingleInstance::Outcome::Acquired);
        const ToolRun run = runTool({"repair", folder.path()});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errors, QStringLiteral("torqal-data: Torqal is running on this folder (it holds %1/Torqal.lock); quit it, then repair\n")
                                 .arg(folder.path()));
        QCOMPARE(bytesOf("Torqal.Dat").size(), 15000);
    }

    void backupsAreVerifiedAndRestored_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("verify") << QStringList{"verify", "{backup}"} << false << 0 << "1 ride: Ride 1\n";
        QTest::newRow("verify another zip") << QStringList{"verify", "{foreign}"} << false << 1 << "holds no manifest";
        QTest::newRow("verify a missing file") << QStringList{"verify", "{missing}"} << false << 2 << "Could not read";
        QTest::newRow("restore into a new folder") << QStringList{"restore", "{backup}", "{new}"} << false << 0 << "Restored into";
        QTest::newRow("restore into a folder in use") << QStringList{"restore", "{backup}", "{folder}"} << false << 1 << "is not empty";
        QTest::newRow("restore over it") << QStringList{"restore", "--replace", "{backup}", "{folder}"} << false << 0
                                         << "its files before are kept in";
        QTest::newRow("restore over it while Torqal runs") << QStringList{"restore", "--replace", "{backup}", "{folder}"} << true
                                                           << 2 << "Torqal is running on this folder";
    }

    // A backup of a folder, then the command: restored files pass the check.
    void backupsAreVerifiedAndRestored()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, locked);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir elsewhere;
        WorkingFolder folder;
        std::unique_ptr<ReminderTest::OtherConnection> none;
        prepare(Folder::Sound, none);
        storeReminders({ReminderTest::ofRide(ReminderTest::once(QDate(2030, 1, 1)), 40001.25)});
        const QString backup = elsewhere.filePath("backup.zip");
        ToolRun run = runTool({"backup", folder.path(), backup});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("1 reminder;"), qPrintable(run.out));
        ZipArchive::Writer foreign;
        QString problem;
        QByteArray foreignBytes;
        QVERIFY(foreign.addBytes("readme.txt", "Hello", problem));
        QVERIFY(foreign.finish([&](const char *bytes, qint64 length) { foreignBytes.append(bytes, length); return true; }, problem));
        writeBytes(elsewhere.filePath("foreign.zip"), foreignBytes);
        const QMap<QString, QString> places{{"{backup}", backup}, {"{foreign}", elsewhere.filePath("foreign.zip")},
                                            {"{missing}", elsewhere.filePath("none.zip")}, {"{new}", elsewhere.filePath("new")},
                                            {"{folder}", folder.path()}};
        for (QString &argument : arguments)
            argument = places.value(argument, argument);
        SingleInstance running(folder.path());
        if (locked)
            QCOMPARE(running.acquire(), SingleInstance::Outcome::Acquired);

        run = runTool(arguments);
        QVERIFY2((run.out + run.errors).contains(said), qPrintable(run.out + run.errors));
        QCOMPARE(run.exitCode, exitCode);
        if (arguments.first() == "restore" && exitCode == 0)
            QCOMPARE(runTool({"check", arguments.last()}).exitCode, 0);
    }

    void checkFindsNothingWrongInSoundFiles()
    {
        // Without a folder named, check looks at Torqal's own data folder.
        WorkingFolder home;
        QVERIFY(QDir().mkdir("Torqal"));
        QVERIFY(QDir::setCurrent("Torqal"));
        DataFiles files;
        writeWithDataModule(files.rides, {ride(1), ride(2)});
        writeWithDataModule(files.gas, {gas(1, ride(1).RideKey), gas(2, ride(2).RideKey)});
        QVERIFY(QDir::setCurrent(".."));
        const ToolRun run = runTool({"check"}, home.path());
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
        writeBytes(ScratchFileName, QByteArray(3000, 'x')); // records found in no data file
        writeBytes("TempFile-1.$$$", QByteArray(1000, ' '));
        storeReminders({ReminderTest::ofRide(ReminderTest::once(QDate(2030, 1, 1)), ride(1).RideKey),
                        ReminderTest::ofRide(ReminderTest::once(QDate(2030, 1, 1)), 12.0)});
        {
            // Values of the fill-up, and of a second maintenance entry like
            // the first that is no longer there.
            ReminderStore database(ReminderStore::FileName);
            QVERIFY(database.change(QStringLiteral("store values"), 0, [&](QSqlDatabase &db) {
                EntryExtras values;
                values.odometer = 1200;
                FileStatus status = EntryExtrasTable::put(db, database.path(), LogKind::Gas, ride(3).RideKey,
                                                          {recordHead(gas(1, ride(3).RideKey)), 0}, values);
                return status ? EntryExtrasTable::put(db, database.path(), LogKind::Maintenance, ride(1).RideKey,
                                                      {recordHead(expense(1, ride(1).RideKey)), 1}, values)
                              : status;
            }));
        }
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
                          "Torqal.db: 2 reminders; 1 belonging to no ride (reminder 2); the values of 1 entry that another "
                          "program changed or deleted, which Torqal no longer shows (Maint.Dat: 1)\n"
                          "Damage found.\n"
                          "To cut the partial records off into side files, quit Torqal and run: torqal-data repair data\n"
                          "To read a scratch file, run: torqal-data dump --kind ride|maint|goody|trip|gas FILE\n");

        writeBytes("data/Torqal.Dat", QByteArray(25001, ' '));
        QVERIFY(runTool({"check", "data"}).out.startsWith("Torqal.Dat: 25001 bytes, 3 records; record 3 is cut short (5001 of 10000 bytes)\n"));
    }

    // What each command says of a folder it cannot take at face value, and
    // that it leaves every byte of it as it was. "%1" stands for the folder.
    void saysWhatItFound_data()
    {
        QTest::addColumn<int>("folder"); // a Folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("line"); // in the output, or none at all
        QTest::addColumn<QString>("errors");
        const int brokenGas = int(Folder::BrokenGasLink);
        const QString gasLink = "Gas.Dat: a broken link to %1/gone/Gas.Dat, which is not there (no records can be read)";
        QTest::newRow("check, broken link") << brokenGas << QStringList{"check", "."} << 1 << gasLink << "";
        QTest::newRow("dump, broken link") << brokenGas << QStringList{"dump", "Gas.Dat"} << 2 << ""
                                           << "torqal-data: Gas.Dat is a broken link: the file it leads to, %1/gone/Gas.Dat, is not there\n";
        QTest::newRow("due, broken link") << int(Folder::BrokenRideLink) << QStringList{"due", "."} << 2 << ""
                                          << "torqal-data: ./Torqal.Dat is a broken link: the file it leads to, %1/gone/Torqal.Dat, is not there\n";
        QTest::newRow("dump, records of another kind")
            << int(Folder::Sound) << QStringList{"dump", "--kind", "gas", "Maint.Dat"} << 0 << "1,40001.25,2006-10-11 00:00:00"
            << "torqal-data: Maint.Dat: 2 of its 3 records cannot be gas records (records 2, 3): the file is damaged, or of another kind\n";
        QTest::newRow("dump, length of another kind")
            << int(Folder::Sound) << QStringList{"dump", "--kind", "ride", "Gas.Dat"} << 0 << "Record,RideKey,Year,Make"
            << "torqal-data: Gas.Dat: its 1000 bytes are not a whole number of ride records (10000 bytes each): "
               "the file is damaged, or of another kind\n";
        const QString inUse = "torqal-data: Could not read ./Torqal.db: another program is using it (database is locked)\n";
        QTest::newRow("check, database in use") << int(Folder::DatabaseInUse) << QStringList{"check", "."} << 2 << "" << inUse;
        QTest::newRow("due, database in use") << int(Folder::DatabaseInUse) << QStringList{"due", "."} << 2 << "" << inUse;
        QTest::newRow("check, change cut short")
            << int(Folder::ChangeCutShort) << QStringList{"check", "."} << 0
            << "Torqal.db: 2 reminders as they were before a change that was cut short (Torqal undoes it when it next opens the file)"
            << "";
        QTest::newRow("due, change cut short") << int(Folder::ChangeCutShort) << QStringList{"due", "."} << 0
                                               << "Ride 1,Registration,2000-02-01,," << "";
        const QString noLayout = "./Torqal.db is no reminders file of Torqal: it holds tables, but no version of their layout";
        QTest::newRow("check, tables without a layout")
            << int(Folder::TablesWithoutLayout) << QStringList{"check", "."} << 1 << "Torqal.db: " + noLayout << "";
        QTest::newRow("due, tables without a layout")
            << int(Folder::TablesWithoutLayout) << QStringList{"due", "."} << 2 << "" << "torqal-data: " + noLayout + "\n";
    }

    void saysWhatItFound()
    {
        QFETCH(int, folder);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, line);
        QFETCH(QString, errors);
        WorkingFolder working;
        std::unique_ptr<ReminderTest::OtherConnection> holder;
        prepare(Folder(folder), holder);
        const QMap<QString, QByteArray> before = folderBytes();
        // Only now: closing a file drops every lock this process holds on it.
        if (holder)
            holder->exec("BEGIN EXCLUSIVE");
        const ToolRun run = runTool(arguments);
        holder.reset();
        QCOMPARE(run.errors, QString(errors).replace("%1", working.path()));
        QCOMPARE(run.exitCode, exitCode);
        if (line.isEmpty())
            QCOMPARE(run.out, QString());
        else
            QVERIFY2(run.out.contains(line.replace("%1", working.path())), qPrintable(run.out));
        QCOMPARE(folderBytes(), before);
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
