// The import's one reading of a file: the values it tells as looking wrong,
// and the rows it finds already in the log.

#include "history/ImportReading.h"
#include "logs/LogTestSupport.h"

#include <QTest>

using namespace LogTest;

namespace {

const QDate Today(2026, 6, 1);
const QLocale UsEnglish(QLocale::English, QLocale::UnitedStates);

RideExtras unitsOf(const QString &name)
{
    if (name == u"metric")
        return {DistanceUnit::Kilometres, FuelUnit::Litres, EconomyUnit::LitresPer100Km, std::nullopt};
    return {};
}

// What the pipeline knows of the ride's log: its entries and the ride's units.
ImportReading::KnownOf knowing(const std::vector<LogEntry> &log, const RideExtras &units)
{
    return [=](LogKind) {
        return ImportReading::Known{{{}, {log, {}}, int(log.size())}, {{}, {units, {}}, 0}};
    };
}

ImportReading::Outcome readAs(LogKind kind, const QByteArray &csv, const RideExtras &units,
                              const std::vector<LogEntry> &log = {}, bool skipDuplicates = true)
{
    ImportReading::Choices choices;
    choices.kind = kind;
    choices.skipDuplicates = skipDuplicates;
    return ImportReading::read(csv, choices, {RideA, QStringLiteral("1")}, knowing(log, units), Today, UsEnglish);
}

} // namespace

class TestImportReading : public QObject
{
    Q_OBJECT

private slots:
    void valuesThatLookWrongAreTold_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("told");

        QTest::newRow("ordinary fill-ups") << 4 << "" << QByteArray("Date,Gallons,Miles\n2026-01-01,10,300\n2026-01-10,11,320\n")
                                           << QStringList();
        QTest::newRow("odometer readings as miles")
            << 4 << "" << QByteArray("Date,Gallons,Miles\n2026-01-01,10,45210\n2026-01-10,10,45530\n2026-01-20,10,45840\n")
            << QStringList{"2: an economy of 4,521.0 MPG is beyond 3.0 to 150.0 MPG",
                           "3: an economy of 4,553.0 MPG is beyond 3.0 to 150.0 MPG",
                           "4: an economy of 4,584.0 MPG is beyond 3.0 to 150.0 MPG"};
        QTest::newRow("too thirsty") << 4 << "" << QByteArray("Date,Gallons,Miles\n2026-01-01,20,40\n")
                                     << QStringList{"2: an economy of 2.0 MPG is beyond 3.0 to 150.0 MPG"};
        QTest::newRow("in litres per 100 km")
            << 4 << "metric" << QByteArray("Date,Litres,Kilometres\n2026-01-01,40,600\n2026-01-10,2,600\n")
            << QStringList{"3: an economy of 0.3 L/100 km is beyond 1.6 to 78.4 L/100 km"};
        QTest::newRow("a partial fill-up joins the next full one, in date order")
            << 4 << "" << QByteArray("Date,Gallons,Miles,Partial\n2026-01-10,2,400,no\n2026-01-01,10,20,yes\n")
            << QStringList();
        QTest::newRow("a distance far from the others")
            << 3 << "" << QByteArray("Date,Description,Miles\n2026-01-01,a,10\n2026-01-02,b,12\n2026-01-03,c,15\n2026-01-04,d,900\n")
            << QStringList{"5: 900 miles is more than 10 times the median of 15 miles"};
        QTest::newRow("too few distances to tell") << 3 << "" << QByteArray("Date,Description,Miles\n2026-01-01,a,10\n2026-01-04,d,900\n")
                                                   << QStringList();
        QTest::newRow("after today") << 1 << "" << QByteArray("Date,Description,Cost\n2026-06-01,Oil,10\n2026-06-02,Tyres,300\n")
                                     << QStringList{"3: the date 06/02/2026 is after today"};
    }

    void valuesThatLookWrongAreTold()
    {
        QFETCH(int, kind);
        QFETCH(QString, units);
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, told);
        LogKind log = LogKind::Maintenance;
        QVERIFY(logKindFromIndex(kind, log));
        const ImportReading::Outcome outcome = readAs(log, csv, unitsOf(units));
        QVERIFY(outcome.entries.problems.empty());
        QStringList shown;
        for (std::size_t entry = 0; entry < outcome.suspicions.size(); ++entry)
            if (!outcome.suspicions[entry].isEmpty())
                shown << QStringLiteral("%1: %2").arg(outcome.entries.lines[entry]).arg(outcome.suspicions[entry]);
        QCOMPARE(shown, told);
        QCOMPARE(outcome.suspiciousCount(), std::size_t(told.size()));
        QCOMPARE(outcome.toStore().count(), outcome.entries.count());
    }

    // Rows the log holds are marked and, unless included, left out of what
    // is stored with their extras and lines; the log's distances count
    // towards the median.
    void rowsInTheLogAreSkippedUnlessIncluded()
    {
        const std::vector<LogEntry> log{logEntry(trip(RideA, day(2026, 1, 1), "a", 10), 1),
                                        logEntry(trip(RideA, day(2026, 1, 2), "b", 12), 2)};
        const QByteArray csv("Date,Description,Miles\n2026-01-01,a,10\n2026-01-05,c,200\n");
        for (const bool skip : {true, false}) {
            const ImportReading::Outcome outcome = readAs(LogKind::Trips, csv, {}, log, skip);
            QCOMPARE(QList<bool>(outcome.duplicates.begin(), outcome.duplicates.end()), (QList<bool>{true, false}));
            const CsvImport::Entries stored = outcome.toStore();
            QCOMPARE(stored.trips.size(), std::size_t(skip ? 1 : 2));
            QCOMPARE(stored.lines, skip ? std::vector<int>({3}) : std::vector<int>({2, 3}));
            QCOMPARE(outcome.storedCount(), stored.count());
            QCOMPARE(outcome.suspicions[1], QStringLiteral("200 miles is more than 10 times the median of 12 miles"));
        }
    }

    // A file not valid in the encoding picked gives no entries: the problem
    // names its line, ahead of any other.
    void aFileNotValidInItsEncodingIsNotRead()
    {
        ImportReading::Choices choices;
        choices.encoding = CsvEncoding::Utf8;
        const ImportReading::Outcome outcome = ImportReading::read("Date,Description,Cost\n2026-01-01,Cr\xE8me,1\n", choices,
                                                                   {RideA, {}}, knowing({}, {}), Today, UsEnglish);
        QCOMPARE(outcome.entries.count(), std::size_t(0));
        QCOMPARE(outcome.entries.problems.size(), std::size_t(1));
        QCOMPARE(outcome.entries.problems[0].line, 2);
    }
};

QTEST_GUILESS_MAIN(TestImportReading)
#include "test_import_reading.moc"
