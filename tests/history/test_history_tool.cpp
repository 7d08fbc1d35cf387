// torqal-data history and export over the demo rides: the PDF read back with
// pdftotext, the CSV files, and the data files left as they were; a file that
// cannot be written over left as it was.

#include "DemoWriter.h"
#include "data/DataTestSupport.h"
#include "platform/SingleInstance.h"
#include "store/EntryCommands.h"
#include "store/ImportUndo.h"
#include "store/ReminderStore.h"
#include "store/RideRead.h"
#include "support/UserFileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs the program as cron would (no runtime folder), and keeps what it
// says.
int run(const QString &program, const QStringList &arguments, QString *out = nullptr, QString *errors = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

QByteArray folderBytes(const QString &folder)
{
    QByteArray bytes;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.Dat")}, QDir::Files, QDir::Name)) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly))
            bytes += name.toUtf8() + file.readAll();
    }
    return bytes;
}

// A data folder of the demo rides in `temporary`, and a CSV file of two trips
// beside it.
QString demoFolder(const QTemporaryDir &temporary)
{
    const QString data = temporary.filePath(QStringLiteral("data"));
    return writeDemoData(data, QDate(2026, 6, 1)).isEmpty() ? data : QString();
}

const QByteArray TwoTrips("Date,Description,Miles,Notes\r\n2009-03-01,Coast road,120,\r\n2009-03-02,Hills,80,\r\n");

} // namespace

class TestHistoryTool : public QObject
{
    Q_OBJECT

private slots:
    void historyAndExportOfTheDemoRides()
    {
        QTemporaryDir temporary;
        const QString data = temporary.filePath(QStringLiteral("data"));
        QCOMPARE(writeDemoData(data, QDate(2026, 6, 1)), QString());
        const QByteArray before = folderBytes(data);

        // The PDF and CSV files replace files of their names.
        const QString pdf = temporary.filePath(QStringLiteral("car.pdf"));
        DataTest::writeBytes(pdf, "mine");
        QString said;
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"history", data, "1", pdf}, nullptr, &said), 0);
        QCOMPARE(said, QString()); // nothing about Qt's runtime folder

        // A folder that is not there is named, not made.
        const QString astray = temporary.filePath(QStringLiteral("no such/car.pdf"));
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"history", data, "1", astray}, nullptr, &said), 2);
        QVERIFY2(said.contains(QLatin1String("no such folder")), qPrintable(said));
        QVERIFY(!QFileInfo::exists(temporary.filePath(QStringLiteral("no such"))));
        QString text;
        QCOMPARE(run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}, &text), 0);
        for (const char *expected : {"History of", "Net cost of the ride", "Style", "'Maint./Repair' List",
                                     "'Gas Usage/Info' List", "Overall MPG", "Miles per gallon of each fill-up",
                                     "Money spent per month", "Miles per month", "Fuel price per gallon", "Running costs",
                                     "Page 1 of", "Page 2 of"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);

        const QString out = temporary.filePath(QStringLiteral("csv"));
        QVERIFY(QDir().mkdir(out));
        DataTest::writeBytes(out + QStringLiteral("/ride.csv"), "mine");
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"export", data, out}), 0);
        QFile rides(out + QStringLiteral("/ride.csv"));
        QVERIFY(rides.open(QIODevice::ReadOnly));
        const QString rideRows = QString::fromUtf8(rides.readAll());
        QVERIFY(rideRows.startsWith(QLatin1String("Ride,Ride Name,Year,Make,")));
        QCOMPARE(rideRows.count(QRegularExpression(QStringLiteral(R"(\r\n[123],[^,\r\n]+,\d{4},)"))), 3);
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"export", data, out, "--ride", "4"}), 2);

        // A fill-up's odometer reading and cost, kept in Torqal.db, are exported.
        {
            const QString previous = QDir::currentPath();
            QVERIFY(QDir::setCurrent(data));
            EntryExtras values;
            values.odometer = 12345;
            values.cost = 324000;
            ReminderStore database(ReminderStore::FileName);
            const StoreResult stored =
                Store::editLogEntry(database, LogKind::Gas, 1, DataTest::recordsIn<GasRecord>("Gas.Dat").front(), values);
            QVERIFY(QDir::setCurrent(previous));
            QVERIFY(stored.done());
        }
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"export", data, out}), 0);
        QVERIFY(DataTest::bytesOf(out + QStringLiteral("/gasoline.csv")).contains(",12345,32.40,,\r\n"));
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"history", data, "0", pdf}), 2);

        QCOMPARE(folderBytes(data), before);
    }

    // torqal-data import: what it says and its exit status, and the trips
    // it adds to the first demo ride.
    void importTellsWhatItStores_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("added");
        QTest::newRow("imported") << TwoTrips << QStringList() << 0
                                  << "Added 2 entries to the 'Trips' log of ride 1; 0 rows left out, 0 already in the log; "
                                     "0 entries that look wrong." << 2;
        QTest::newRow("a row left out") << TwoTrips + "2009-03-03,,50,\r\n" << QStringList() << 1
                                        << "line 4: left out: Some kind of description is required" << 2;
        QTest::newRow("a row that looks wrong") << TwoTrips + "2999-03-03,Moon,50,\r\n" << QStringList() << 0
                                                << "line 4: looks wrong: the date" << 3;
        QTest::newRow("dry run") << TwoTrips << QStringList{"--dry-run"} << 0 << "Would add 2 entries" << 0;
        QTest::newRow("generic preset") << TwoTrips << QStringList{"--preset", "generic"} << 0 << "Added 2 entries" << 2;
        QTest::newRow("no file") << QByteArray() << QStringList() << 2 << "cannot read" << 0;
        QTest::newRow("not valid in its encoding")
            << QByteArray("Date,Description,Miles\r\n2009-03-01,Cr\xC3\xA8me,1\r\n2009-03-02,Cr\xE8me,2\r\n") << QStringList() << 2
            << "cannot be read: line 3" << 0;
        QTest::newRow("no such ride") << TwoTrips << QStringList{"--ride", "9"} << 2 << "ride 9 cannot be read" << 0;
        QTest::newRow("no such log") << TwoTrips << QStringList{"--log", "fuel"} << 2 << "--log is one of" << 0;
        QTest::newRow("no such preset") << TwoTrips << QStringList{"--preset", "Nowhere"} << 2 << "Nowhere" << 0;
    }

    void importTellsWhatItStores()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(int, added);
        QTemporaryDir temporary;
        const QString data = demoFolder(temporary);
        QVERIFY(!data.isEmpty());
        const QString file = temporary.filePath(QStringLiteral("trips.csv"));
        if (!csv.isEmpty())
            DataTest::writeBytes(file, csv);
        const qsizetype before = DataTest::recordsIn<TripRecord>(data + QStringLiteral("/Trip.Dat")).size();
        QString out, errors;
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL),
                     QStringList{"import", data, "--ride", "1", "--log", "trips"} + options + QStringList{file}, &out, &errors),
                 exitCode);
        QVERIFY2((exitCode == 2 ? errors : out).contains(said), qPrintable(out + errors));
        QCOMPARE(DataTest::recordsIn<TripRecord>(data + QStringLiteral("/Trip.Dat")).size(), before + added);
        QCOMPARE(QDir(data + QStringLiteral("/Backups")).isEmpty(), added == 0);
    }

    // The import waits for Torqal to quit; the same file imported twice adds
    // nothing the second time; the history window's "Undo the last import"
    // takes a command-line import back.
    void aCommandLineImportIsRefusedUnderTheLockSkippedWhenRepeatedAndUndone()
    {
        QTemporaryDir temporary;
        const QString data = demoFolder(temporary);
        QVERIFY(!data.isEmpty());
        const QString file = temporary.filePath(QStringLiteral("trips.csv"));
        DataTest::writeBytes(file, TwoTrips);
        const QByteArray before = DataTest::bytesOf(data + QStringLiteral("/Trip.Dat"));
        const QStringList import{"import", data, "--ride", "1", "--log", "trips", file};
        QString out, errors;
        {
            SingleInstance running(data);
            QCOMPARE(running.acquire(), SingleInstance::Outcome::Acquired);
            QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), import, &out, &errors), 2);
            QVERIFY2(errors.contains(QLatin1String("Torqal is running on this folder")), qPrintable(errors));
        }
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), import, &out, &errors), 0);
        const QByteArray imported = DataTest::bytesOf(data + QStringLiteral("/Trip.Dat"));
        QCOMPARE(imported.size(), before.size() + 2 * TripRecord::Length);
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), import, &out, &errors), 1);
        QVERIFY2(out.contains(QLatin1String("Added 0 entries to the 'Trips' log of ride 1; 0 rows left out, 2 already in the log")),
                 qPrintable(out));
        QCOMPARE(DataTest::bytesOf(data + QStringLiteral("/Trip.Dat")), imported);

        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(data));
        {
            ReminderStore database(ReminderStore::FileName);
            const double ride = Store::readRide(1).value.RideKey;
            std::optional<ImportNote> note;
            QVERIFY(Store::lastImportOfRide(database, ride, note));
            QVERIFY(note && note->count == 2);
            QVERIFY(Store::undoLastImport(database, LogKind::Trips, ride).done());
        }
        QVERIFY(QDir::setCurrent(previous));
        QCOMPARE(DataTest::bytesOf(data + QStringLiteral("/Trip.Dat")), before);
    }

    // The PDF or CSV file the tool cannot write over is named, and the
    // folder's files stay as they were: nothing takes a file's place before
    // it is complete, and a failure removes nothing of the user's.
    void aFileThatCannotBeWrittenIsLeftAsItWas_data()
    {
        using UserFileFaults::Fault;
        QTest::addColumn<QString>("verb");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("named");
        QTest::newRow("history, read-only file") << "history" << int(Fault::ReadOnlyFile) << "car.pdf";
        QTest::newRow("history, read-only folder") << "history" << int(Fault::ReadOnlyFolder) << "car.pdf";
        QTest::newRow("history, cut short") << "history" << int(Fault::CutShort) << "car.pdf";
        QTest::newRow("export, read-only file") << "export" << int(Fault::ReadOnlyFile) << "trips.csv";
        QTest::newRow("export, read-only folder") << "export" << int(Fault::ReadOnlyFolder) << "ride.csv";
        QTest::newRow("export, cut short") << "export" << int(Fault::CutShort) << "ride.csv";
    }

    void aFileThatCannotBeWrittenIsLeftAsItWas()
    {
        QFETCH(QString, verb);
        QFETCH(int, fault);
        QFETCH(QString, named);
        QTemporaryDir temporary;
        QVERIFY(QFile::setPermissions(temporary.path(), QFileDevice::Permissions(0x7755)));
        const QString data = temporary.filePath(QStringLiteral("data"));
        QCOMPARE(writeDemoData(data, QDate(2026, 6, 1)), QString());
        const QString out = temporary.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkdir(out));
        for (const char *name :
             {"car.pdf", "ride.csv", "maintenance.csv", "goodies.csv", "trips.csv", "gasoline.csv"}) {
            const QString path = out + u'/' + QLatin1String(name);
            DataTest::writeBytes(path, QByteArray("mine: ") + name);
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(0x6666)));
        }
        const QMap<QString, QByteArray> before = UserFileFaults::contentsOf(out);
        const QString target = out + u'/' + named;

        QProcess process;
        {
            const UserFileFaults::Refusing refusing(UserFileFaults::Fault(fault), target);
            refusing.applyTo(process);
            const bool history = verb == QLatin1String("history");
            process.start(QStringLiteral(TORQAL_DATA_TOOL),
                          history ? QStringList{verb, data, "1", target} : QStringList{verb, data, out});
            QVERIFY(process.waitForFinished(120000));
        }
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 2);
        QVERIFY2(errors.contains(QDir::toNativeSeparators(target)), qPrintable(errors));
        QCOMPARE(UserFileFaults::contentsOf(out), before);
    }
};

QTEST_GUILESS_MAIN(TestHistoryTool)
#include "test_history_tool.moc"
