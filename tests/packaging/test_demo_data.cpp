// The demo data generator: what it writes is a sound data folder that the
// program and torqal-data read back as written, with every log populated.

#include "DemoPictures.h"
#include "DemoRides.h"
#include "DemoWriter.h"

#include "data/Cp1252.h"
#include "data/DateValue.h"
#include "data/RecordFile.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString errors;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Reports text that would not survive a data file: longer than its field, or
// holding a character that Windows-1252 cannot store.
class FieldFit
{
public:
    QStringList problems;

    void key(const char *, double) {}
    void date(const char *, double) {}
    void money(const char *, qint64) {}
    void single(const char *, float) {}
    void long32(const char *, qint32) {}
    void text(const char *name, const QString &value, int width)
    {
        if (value.size() > width)
            problems << QStringLiteral("%1 \"%2\" is longer than %3").arg(QLatin1String(name), value).arg(width);
        for (char32_t character : value.toUcs4()) {
            if (character != U'?' && Cp1252::encodeChar(character) == '?')
                problems << QStringLiteral("%1 \"%2\" holds a character outside Windows-1252").arg(QLatin1String(name), value);
        }
    }
};

template<DataRecord Record>
QStringList fieldProblems(const QList<Record> &records)
{
    FieldFit fit;
    for (const Record &record : records)
        Record::visitFields(record, fit);
    return fit.problems;
}

template<DataRecord Record>
QList<Record> readAll(RecordFile<Record> &file)
{
    QList<Record> records;
    if (!OpenRecordFile(file))
        return records;
    for (int number = 1; number <= file.count(); ++number) {
        if (!ReadRecord(file, number))
            break;
        records << file.buffer;
    }
    (void)CloseRecordFile(file);
    return records;
}

// Text comes back blank-padded to its field's width: pad the expected record
// the same way by a round trip through the bytes.
template<DataRecord Record>
QList<Record> asStored(const QList<Record> &records)
{
    QList<Record> stored;
    for (const Record &record : records)
        stored << decodeRecord<Record>(encodeRecord(record).constData());
    return stored;
}

QMap<QString, QByteArray> folderDigest(const QString &folder)
{
    QMap<QString, QByteArray> digest;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            digest[path] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    return digest;
}

class InFolder
{
public:
    explicit InFolder(const QString &path) : m_previous(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

} // namespace

class TestDemoData : public QObject
{
    Q_OBJECT

private slots:
    void demoTextsFitTheirFields()
    {
        for (const DemoRide &demo : demoRides(QDate(2026, 6, 15))) {
            QStringList problems = fieldProblems<RideRecord>({demo.ride});
            problems << fieldProblems(demo.maintenance) << fieldProblems(demo.goodies) << fieldProblems(demo.trips)
                     << fieldProblems(demo.gas);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        }
    }

    void writesEveryRideWithItsLogsAndPicture()
    {
        QTemporaryDir temporary;
        const QString folder = temporary.filePath(QStringLiteral("Torqal/Torqal"));
        const QDate today(2026, 12, 7);
        QCOMPARE(writeDemoData(folder, today), QString());

        const QList<DemoRide> expected = demoRides(today);
        QList<RideRecord> rides;
        QList<ExpenseRecord> maintenance;
        QList<ExpenseRecord> goodies;
        QList<TripRecord> trips;
        QList<GasRecord> gas;
        for (const DemoRide &demo : expected) {
            rides << demo.ride;
            // Relative to the data folder, which can then be moved.
            rides.last().PicturePath = QStringLiteral("Pictures/") + demo.pictureFileName;
            maintenance << demo.maintenance;
            goodies << demo.goodies;
            trips << demo.trips;
            gas << demo.gas;
            // Every page of the program has entries to show for every ride.
            QVERIFY(demo.maintenance.size() >= 2 && demo.goodies.size() >= 2);
            QVERIFY(demo.trips.size() >= 2 && demo.gas.size() >= 5);
        }
        // A car, a motorcycle and an ATV.
        QCOMPARE(rides.size(), 3);
        QCOMPARE(QSet<double>({rides[0].RideKey, rides[1].RideKey, rides[2].RideKey}).size(), 3);

        const InFolder inFolder(folder);
        DataFiles files;
        QCOMPARE(readAll(files.rides), asStored(rides));
        QCOMPARE(readAll(files.maintenance), asStored(maintenance));
        QCOMPARE(readAll(files.goodies), asStored(goodies));
        QCOMPARE(readAll(files.trips), asStored(trips));
        QCOMPARE(readAll(files.gas), asStored(gas));
        QCOMPARE(QFileInfo(QStringLiteral("Torqal.Dat")).size(), 3 * RideRecord::Length);
        QCOMPARE(QFileInfo(QStringLiteral("Gas.Dat")).size(), gas.size() * GasRecord::Length);

        // The entries lie in the months before the day the demo is made.
        const double todayValue = DateValue::fromDateTime(today);
        for (const GasRecord &entry : gas)
            QVERIFY(entry.EntryDate > todayValue - 200 && entry.EntryDate <= todayValue);

        QSet<QByteArray> pictures;
        for (const RideRecord &ride : rides) {
            QImageReader reader(ride.PicturePath);
            const QImage picture = reader.read();
            QVERIFY2(!picture.isNull(), qPrintable(ride.PicturePath + QStringLiteral(": ") + reader.errorString()));
            QCOMPARE(picture.size(), QSize(DemoPictureWidth, DemoPictureHeight));
            // A silhouette stands out against the sky: the picture is not one colour.
            QVERIFY(picture.pixel(10, 10) != picture.pixel(320, 300));
            pictures << QByteArray(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes());
        }
        QCOMPARE(pictures.size(), 3);
    }

    void torqalDataFindsNoDamage()
    {
        QTemporaryDir temporary;
        QCOMPARE(writeDemoData(temporary.path(), QDate::currentDate()), QString());
        const Run check = run(QStringLiteral(TORQAL_DATA_TOOL), {QStringLiteral("check"), temporary.path()});
        QCOMPARE(check.errors, QString());
        QCOMPARE(check.exitCode, 0);
        QVERIFY2(check.out.contains(QStringLiteral("Torqal.Dat: 30000 bytes, 3 records\n")), qPrintable(check.out));
        QVERIFY(check.out.endsWith(QStringLiteral("No damage found.\n")));

        // Some reminders are due or overdue on the day the demo is made.
        const Run due = run(QStringLiteral(TORQAL_DATA_TOOL), {QStringLiteral("due"), temporary.path()});
        QCOMPARE(due.exitCode, 0);
        const QStringList rows = due.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.filter(QStringLiteral(",overdue by ")).size(), 2);
    }

    void generatorWritesIntoTheProgramsDataFolder()
    {
        // Without a folder named, the demo goes where the program looks for
        // its data: the per-user data folder under XDG_DATA_HOME.
        QTemporaryDir home;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TORQAL_DEMO_DATA), {});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

        QDirIterator search(home.path(), {QStringLiteral("Torqal.Dat")}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(search.hasNext());
        const QString dataFolder = QFileInfo(search.next()).path();
        QVERIFY(!search.hasNext());
        QVERIFY(dataFolder.startsWith(home.path() + QStringLiteral("/Torqal")));
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("Demo rides written to %1\n").arg(dataFolder));
    }

    void generatorNeverWritesOverData()
    {
        QTemporaryDir temporary;
        const QString generator = QStringLiteral(TORQAL_DEMO_DATA);
        QCOMPARE(run(generator, {temporary.path(), temporary.path()}).exitCode, 2);
        // An option it does not know is refused, not taken for a folder's name.
        const Run unknown = run(generator, {QStringLiteral("--all"), temporary.path()});
        QCOMPARE(unknown.exitCode, 2);
        QCOMPARE(unknown.errors, QStringLiteral("torqal-demo-data: Unknown option 'all'.\n"
                                                "Try 'torqal-demo-data --help' for more information.\n"));
        const Run help = run(generator, {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Usage: torqal-demo-data [FOLDER]\n")));
        QVERIFY(QDir(temporary.path()).isEmpty());

        const Run first = run(generator, {temporary.path()});
        QVERIFY2(first.exitCode == 0, qPrintable(first.errors));
        const QMap<QString, QByteArray> written = folderDigest(temporary.path());
        QCOMPARE(written.size(), 9); // five data files, the reminders and three pictures

        const Run second = run(generator, {temporary.path()});
        QCOMPARE(second.exitCode, 1);
        QVERIFY2(second.errors.contains(QStringLiteral("already holds Torqal.Dat")), qPrintable(second.errors));
        QCOMPARE(folderDigest(temporary.path()), written);

        // One data file of the user's own is enough to refuse.
        QTemporaryDir other;
        QFile gas(QDir(other.path()).filePath(QStringLiteral("Gas.Dat")));
        QVERIFY(gas.open(QIODevice::WriteOnly));
        gas.close();
        QCOMPARE(run(generator, {other.path()}).exitCode, 1);
        QCOMPARE(QDir(other.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Gas.Dat"});
    }
};

QTEST_GUILESS_MAIN(TestDemoData)
#include "test_demo_data.moc"
