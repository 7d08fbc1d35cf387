// The ride's figures are worked out once: the shown ride's gasoline list,
// the miles of every ride (the overdue list), the history's summary and
// torqal-data's due all count the same miles and the same overall miles per
// gallon, a fill-up an older program left marked deleted counting in none of
// them, and a log whose miles pass the 32-bit limit does not stop there.

#include "RideFacts.h"
#include "history/HistorySummary.h"
#include "logs/LogTestSupport.h"
#include "model/FuelEconomy.h"
#include "model/LogListing.h"
#include "model/RideMiles.h"
#include "model/Units.h"
#include "store/RideHistory.h"

#include <QTest>

using namespace DataTest;
using namespace LogTest;

namespace {

// "300/10 150/5p 200/8m": miles/fuel of each fill-up, p for a partial one,
// m for one after a missed fill-up.
std::vector<FuelEconomy::FillUp> fillUpsOf(const QString &text)
{
    std::vector<FuelEconomy::FillUp> fillUps;
    for (QString item : text.split(u' ', Qt::SkipEmptyParts)) {
        FuelEconomy::FillUp fillUp;
        fillUp.partial = item.endsWith(u'p');
        fillUp.missed = item.endsWith(u'm');
        if (fillUp.partial || fillUp.missed)
            item.chop(1);
        fillUp.miles = item.section(u'/', 0, 0).toDouble();
        fillUp.fuel = item.section(u'/', 1, 1).toDouble();
        fillUps.push_back(fillUp);
    }
    return fillUps;
}

// Each figure with one decimal, "-" for none.
QString figuresText(const FuelEconomy::Figures &figures)
{
    QStringList texts;
    for (const std::optional<double> &figure : figures.perFillUp)
        texts << (figure ? QString::number(*figure, 'f', 1) : QStringLiteral("-"));
    texts << QStringLiteral("|") << (figures.overall() ? QString::number(*figures.overall(), 'f', 1) : QStringLiteral("-"));
    return texts.join(u' ');
}

} // namespace

class TestRideFigures : public QObject
{
    Q_OBJECT

private slots:
    // Economy counts only where the fuel is known.
    void economyCountsChainsOfKnownFuel_data()
    {
        QTest::addColumn<QString>("fillUps");
        QTest::addColumn<QString>("figures"); // per fill-up | overall
        QTest::newRow("full tanks") << "300/10 360/12 0/5" << "30.0 30.0 0.0 | 24.4";
        QTest::newRow("first fill-up alone") << "250/10" << "25.0 | 25.0";
        QTest::newRow("partial joins the next full") << "300/10 100/2p 200/8" << "30.0 - 30.0 | 30.0";
        QTest::newRow("partials at the end") << "300/10 100/2p" << "30.0 - | 30.0";
        QTest::newRow("missed breaks its chain") << "300/10 100/2p 900/8m 280/10" << "30.0 - - 28.0 | 29.0";
        QTest::newRow("missed full fill-up") << "300/10 500/5m" << "30.0 - | 30.0";
        QTest::newRow("zero fuel") << "300/0 300/10" << "- 30.0 | 60.0";
        QTest::newRow("nothing counted") << "300/10m" << "- | -";
    }
    void economyCountsChainsOfKnownFuel()
    {
        QFETCH(QString, fillUps);
        QFETCH(QString, figures);
        QCOMPARE(figuresText(FuelEconomy::of(fillUpsOf(fillUps))), figures);
    }

    // A figure in the ride's own units, as the ride shows economy.
    void economyIsShownInTheRidesUnits_data()
    {
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("fuel");
        QTest::addColumn<int>("economy");
        QTest::addColumn<double>("perFuel"); // distance per fuel in the ride's units
        QTest::addColumn<QString>("shown");
        QTest::newRow("miles, US gallons as MPG") << 0 << 0 << 0 << 30.0 << "30.0";
        QTest::newRow("miles, US gallons as L/100 km") << 0 << 0 << 1 << 30.0 << "7.8";
        QTest::newRow("km, litres as L/100 km") << 1 << 2 << 1 << 12.0 << "8.3";
        QTest::newRow("km, litres as km/L") << 1 << 2 << 2 << 12.0 << "12.0";
        QTest::newRow("km, litres as MPG (US)") << 1 << 2 << 0 << 12.0 << "28.2";
        QTest::newRow("miles, imperial gallons as MPG") << 0 << 1 << 0 << 36.0 << "36.0";
        QTest::newRow("miles, imperial gallons as L/100 km") << 0 << 1 << 1 << 36.0 << "7.8";
        QTest::newRow("no distance as L/100 km") << 1 << 2 << 1 << 0.0 << "none";
    }
    void economyIsShownInTheRidesUnits()
    {
        QFETCH(int, distance);
        QFETCH(int, fuel);
        QFETCH(int, economy);
        QFETCH(double, perFuel);
        QFETCH(QString, shown);
        const RideExtras units{DistanceUnit(distance), FuelUnit(fuel), EconomyUnit(economy), std::nullopt};
        const std::optional<double> figure = Units::shownEconomy(perFuel, units);
        QCOMPARE(figure ? QString::number(*figure, 'f', 1) : QStringLiteral("none"), shown);
    }

    // A new ride counts as the desktop's locale measures; the C locale and
    // the United States as before.
    void newRidesTakeTheLocalesUnits()
    {
        QCOMPARE(Units::forNewRide(QLocale::c()), RideExtras());
        QCOMPARE(Units::forNewRide(QLocale(QLocale::English, QLocale::UnitedStates)), RideExtras());
        QCOMPARE(Units::forNewRide(QLocale(QLocale::German, QLocale::Germany)).economy, EconomyUnit::LitresPer100Km);
        QCOMPARE(Units::forNewRide(QLocale(QLocale::English, QLocale::UnitedKingdom)).fuel, FuelUnit::ImperialGallons);
    }

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
