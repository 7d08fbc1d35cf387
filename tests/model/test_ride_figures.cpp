// The ride's figures are worked out once: the shown ride's gasoline list,
// the miles of every ride (the overdue list), the history's summary and
// torqal-data's due all count the same miles and the same overall miles per
// gallon, a fill-up an older program left marked deleted counting in none of
// them, and a log whose miles pass the 32-bit limit does not stop there.

#include "RideFacts.h"
#include "history/HistorySummary.h"
#include "logs/LogTestSupport.h"
#include "model/LogListing.h"
#include "model/RideMiles.h"
#include "store/RideHistory.h"

#include <QTest>

using namespace DataTest;
using namespace LogTest;

class TestRideFigures : public QObject
{
    Q_OBJECT

private slots:
    void everyReaderCountsTheSameMiles_data()
    {
        QTest::addColumn<QList<GasRecord>>("fillUps"); // of RideA, in date order
        QTest::addColumn<qint64>("miles");
        QTest::addColumn<double>("mpg");
        QTest::newRow("plain") << QList<GasRecord>{gas(RideA, day(2020, 1, 1), 10, 300), gas(RideA, day(2020, 2, 1), 12, 360)}
                               << qint64(660) << 30.0;
        GasRecord marked = gas(RideA, day(2020, 3, 1), 100, 100000);
        Mark(marked);
        QTest::newRow("a marked fill-up") << QList<GasRecord>{gas(RideA, day(2020, 1, 1), 10, 300), marked} << qint64(300) << 30.0;
        QList<GasRecord> long32;
        for (int month = 1; month <= 3; ++month)
            long32 << gas(RideA, day(2020, month, 1), 1000, std::numeric_limits<qint32>::max());
        QTest::newRow("past 32 bits") << long32 << 3 * qint64(std::numeric_limits<qint32>::max())
                                      << double(std::numeric_limits<qint32>::max()) / 1000;
    }

    void everyReaderCountsTheSameMiles()
    {
        QFETCH(QList<GasRecord>, fillUps);
        QFETCH(qint64, miles);
        QFETCH(double, mpg);
        WorkingFolder folder;
        RideRecord ride = DataTest::ride(1);
        ride.RideKey = RideA;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {ride});
        writeFileOf(QStringLiteral("Gas.Dat"), fillUps);

        LogListing list(LogKind::Gas);
        QVERIFY(list.read(RideA));
        QCOMPARE(list.totals.miles, miles);
        QVERIFY(list.totals.overallMpg());
        QCOMPARE(*list.totals.overallMpg(), mpg);

        const StoreRead<std::map<double, qint64>> everyRide = milesOfEveryRide();
        QVERIFY(everyRide.status);
        QCOMPARE(everyRide.value.at(RideA), miles);

        const StoreRead<RideHistory> history = Store::readRideHistory(1);
        QVERIFY(history.status);
        const HistorySummary summary = summarise(history.value);
        QCOMPARE(summary.milesLogged, miles);
        QCOMPARE(*summary.overallMpg, mpg);

        RideFacts facts;
        QString error;
        QVERIFY2(readRideFacts(QDir::current(), facts, error), qPrintable(error));
        QCOMPARE(facts.at(RideA).miles(), miles);
    }
};

QTEST_GUILESS_MAIN(TestRideFigures)
#include "test_ride_figures.moc"
