// The ride's figures are worked out once: the shown ride's gasoline list,
// the miles of every ride (the overdue list), the history's summary and
// torqal-data's due all count the same miles and the same overall miles per
// gallon, a fill-up an older program left marked deleted counting in none of
// them, and a log whose miles pass the 32-bit limit does not stop there. The
// reminders of every reader count from the same odometer.

#include "RideFacts.h"
#include "history/HistorySummary.h"
#include "logs/LogTestSupport.h"
#include "model/FuelEconomy.h"
#include "model/LogListing.h"
#include "model/RideMiles.h"
#include "model/Units.h"
#include "store/ReminderStore.h"
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

// "G0101/300@40300 M0115@40500 G0201/300*": each entry's log (maintenance,
// trips, gasoline), month and day of 2020, a fill-up's miles after /, its
// odometer reading after @, * for one an older program left marked deleted.
RideOdometer odometerOf(const QString &text)
{
    RideOdometer odometer;
    for (QString item : text.split(u' ', Qt::SkipEmptyParts)) {
        LogEntry entry;
        entry.marked = item.endsWith(u'*');
        if (entry.marked)
            item.chop(1);
        const LogKind kind = item.front() == u'M' ? LogKind::Maintenance : item.front() == u'T' ? LogKind::Trips : LogKind::Gas;
        entry.dateSort = 20200000 + item.mid(1, 4).toInt();
        EntryExtras extras;
        if (const qsizetype at = item.indexOf(u'@'); at > 0) {
            extras.odometer = item.mid(at + 1).toLongLong();
            item.truncate(at);
        }
        if (const qsizetype slash = item.indexOf(u'/'); slash > 0)
            entry.miles = item.mid(slash + 1).toInt();
        odometer.add(kind, entry, extras);
    }
    return odometer;
}

// Stores the entry's odometer reading in Torqal.db, as the entry's first of its head.
template<class Record>
void putReading(ReminderStore &database, LogKind kind, const Record &record, qint64 reading)
{
    EntryExtras extras;
    extras.odometer = reading;
    QVERIFY(database.change(QStringLiteral("store a reading"), 0, [&](QSqlDatabase &db) {
        return EntryExtrasTable::put(db, database.path(), kind, record.RideKey, {recordHead(record), 0}, extras);
    }));
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

    // The odometer now: the latest reading and the fill-ups since, else the
    // reading when bought and every fill-up, else the fill-ups' sum.
    void odometerCountsFromTheLatestReading_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<qint64>("bought"); // -1: none
        QTest::addColumn<qint64>("now");
        QTest::addColumn<bool>("fromReadings");
        QTest::newRow("no readings") << "G0101/300 G0201/360" << qint64(-1) << qint64(660) << false;
        QTest::newRow("bought only") << "G0101/300 G0201/360" << qint64(40000) << qint64(40660) << true;
        QTest::newRow("readings in two logs, fill-ups after the latest")
            << "G0101/300@40300 T0110@40400 M0115@40500 G0120/250 G0201/300" << qint64(39000) << qint64(41050) << true;
        QTest::newRow("same day: the larger reading, no fill-up of that day after it")
            << "M0201@5000 G0201/300@5300 G0201/40 G0301/200" << qint64(-1) << qint64(5500) << true;
        QTest::newRow("marked entries count in nothing")
            << "G0101/300@1000 G0201/500@9000* G0301/200 G0302/70*" << qint64(-1) << qint64(1200) << true;
    }
    void odometerCountsFromTheLatestReading()
    {
        QFETCH(QString, entries);
        QFETCH(qint64, bought);
        QFETCH(qint64, now);
        QFETCH(bool, fromReadings);
        const RideMiles miles = milesOf(odometerOf(entries), bought < 0 ? std::nullopt : std::optional(bought));
        QCOMPARE(miles.miles, now);
        QCOMPARE(miles.fromReadings, fromReadings);
    }

    void everyReaderCountsTheSameMiles_data()
    {
        QTest::addColumn<QList<GasRecord>>("fillUps"); // of RideA, in date order
        QTest::addColumn<QList<qint64>>("readings");   // of the fill-ups, 0 for none
        QTest::addColumn<qint64>("serviceReading");    // of a maintenance entry of 15 January 2020, 0 for none
        QTest::addColumn<qint64>("miles");
        QTest::addColumn<double>("mpg");
        QTest::addColumn<qint64>("odometer");
        QTest::newRow("plain") << QList<GasRecord>{gas(RideA, day(2020, 1, 1), 10, 300), gas(RideA, day(2020, 2, 1), 12, 360)}
                               << QList<qint64>() << qint64(0) << qint64(660) << 30.0 << qint64(660);
        GasRecord marked = gas(RideA, day(2020, 3, 1), 100, 100000);
        Mark(marked);
        QTest::newRow("a marked fill-up") << QList<GasRecord>{gas(RideA, day(2020, 1, 1), 10, 300), marked} << QList<qint64>()
                                          << qint64(0) << qint64(300) << 30.0 << qint64(300);
        QList<GasRecord> long32;
        for (int month = 1; month <= 3; ++month)
            long32 << gas(RideA, day(2020, month, 1), 1000, std::numeric_limits<qint32>::max());
        QTest::newRow("past 32 bits") << long32 << QList<qint64>() << qint64(0) << 3 * qint64(std::numeric_limits<qint32>::max())
                                      << double(std::numeric_limits<qint32>::max()) / 1000
                                      << 3 * qint64(std::numeric_limits<qint32>::max());
        QTest::newRow("readings") << QList<GasRecord>{gas(RideA, day(2020, 1, 1), 10, 300), gas(RideA, day(2020, 2, 1), 12, 360)}
                                  << QList<qint64>{40300, 0} << qint64(40500) << qint64(660) << 30.0 << qint64(40860);
    }

    void everyReaderCountsTheSameMiles()
    {
        QFETCH(QList<GasRecord>, fillUps);
        QFETCH(QList<qint64>, readings);
        QFETCH(qint64, serviceReading);
        QFETCH(qint64, miles);
        QFETCH(double, mpg);
        QFETCH(qint64, odometer);
        WorkingFolder folder;
        RideRecord ride = DataTest::ride(1);
        ride.RideKey = RideA;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {ride});
        writeFileOf(QStringLiteral("Gas.Dat"), fillUps);
        ReminderStore database(ReminderStore::FileName);
        for (qsizetype i = 0; i < readings.size(); ++i) {
            if (readings[i] > 0)
                putReading(database, LogKind::Gas, fillUps[i], readings[i]);
        }
        if (serviceReading > 0) {
            const ExpenseRecord service = expense(RideA, day(2020, 1, 15), QStringLiteral("Service"), 100);
            writeFileOf<ExpenseRecord>(QStringLiteral("Maint.Dat"), {service});
            putReading(database, LogKind::Maintenance, service, serviceReading);
        }

        LogListing list(LogKind::Gas);
        QVERIFY(list.read(RideA));
        QCOMPARE(list.totals.miles, miles);
        QVERIFY(list.totals.overallMpg());
        QCOMPARE(*list.totals.overallMpg(), mpg);

        const StoreRead<RideMiles> shown = milesOfRide(&database, RideA, list);
        QVERIFY(shown.status);
        QCOMPARE(shown.value.miles, odometer);

        const StoreRead<std::map<double, qint64>> everyRide = milesOfEveryRide(&database);
        QVERIFY(everyRide.status);
        QCOMPARE(everyRide.value.at(RideA), odometer);

        const StoreRead<RideHistory> history = Store::readRideHistory(1, &database);
        QVERIFY(history.status);
        const HistorySummary summary = summarise(history.value);
        QCOMPARE(summary.milesLogged, miles);
        QCOMPARE(*summary.overallMpg, mpg);
        QCOMPARE(milesOf(history.value).miles, odometer);

        RideFacts facts;
        QString error;
        QVERIFY2(readRides(QDir::current(), facts, error), qPrintable(error));
        QVERIFY2(readRideMiles(QDir::current(), readReminders(QDir::current()), facts, error), qPrintable(error));
        QCOMPARE(facts.at(RideA).miles(), odometer);
    }
};

QTEST_GUILESS_MAIN(TestRideFigures)
#include "test_ride_figures.moc"
