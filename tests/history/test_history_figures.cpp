// The figures behind the history charts and the summary, from plain records.

#include "history/HistoryCharts.h"
#include "history/HistoryFigures.h"
#include "history/HistorySummary.h"
#include "logs/LogTestSupport.h"

#include <QTest>

using namespace HistoryFigures;
using namespace LogTest;

namespace {

// A fill-up's extras with its cost in cents (none below 0).
EntryExtras costing(qint64 cents, bool partial = false)
{
    EntryExtras extras;
    if (cents >= 0)
        extras.cost = cents * 100;
    extras.partial = partial;
    return extras;
}

} // namespace

class TestHistoryFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void mpgLeavesOutEmptyFillUpsAndAveragesTheLastFive()
    {
        std::vector<GasRecord> fillUps;
        const float gallons[] = {10, 0, 10, 10, 10, 10, 10, 10};
        const qint32 miles[] = {100, 300, 0, 200, 300, 400, 500, 600};
        for (int i = 0; i < 8; ++i)
            fillUps.push_back(gas(RideA, day(2020, 1, i + 1), gallons[i], miles[i]));
        fillUps.push_back(gas(RideA, 0, 10, 900)); // no date
        const std::vector<FillUpPoint> points = milesPerGallon(fillUps);
        const std::vector<FillUpPoint> expected = {
            {QDate(2020, 1, 1), 10, 10},    {QDate(2020, 1, 4), 20, 15},    {QDate(2020, 1, 5), 30, 20},
            {QDate(2020, 1, 6), 40, 25},    {QDate(2020, 1, 7), 50, 30},    {QDate(2020, 1, 8), 60, 40}};
        QCOMPARE(points, expected);
    }

    void aLongLogIsDrawnByTheExtremesOfEachColumn_data()
    {
        QTest::addColumn<QList<int>>("days"); // of the fill-ups, from 1 January 2020
        QTest::addColumn<QList<double>>("mpg");
        QTest::addColumn<QList<int>>("drawn"); // the fill-ups kept
        QTest::newRow("few enough") << QList<int>{0, 0, 0, 0} << QList<double>{5, 1, 9, 3} << QList<int>{0, 1, 2, 3};
        QTest::newRow("lowest and highest in date order")
            << QList<int>{0, 1, 1, 2, 2, 2, 20, 21, 39} << QList<double>{5, 9, 1, 3, 7, 4, 6, 6, 2}
            << QList<int>{1, 2, 6, 8};
        QTest::newRow("one day") << QList<int>{3, 3, 3, 3, 3} << QList<double>{4, 4, 8, 4, 8} << QList<int>{0, 2};
    }

    void aLongLogIsDrawnByTheExtremesOfEachColumn()
    {
        QFETCH(QList<int>, days);
        QFETCH(QList<double>, mpg);
        QFETCH(QList<int>, drawn);
        std::vector<FillUpPoint> points, expected;
        for (int i = 0; i < days.size(); ++i)
            points.push_back({QDate(2020, 1, 1).addDays(days[i]), mpg[i], 0});
        for (const int i : drawn)
            expected.push_back(points[std::size_t(i)]);
        QCOMPARE(drawnPoints(points, 2, &FillUpPoint::value), expected);
    }

    // A fill-up's price is its cost over its fuel, averaged as the economy is;
    // a fill-up without a cost, of no fuel or that cost nothing has no price.
    void fuelPricesOfTheFillUpsWithACost_data()
    {
        QTest::addColumn<QList<double>>("gallons");
        QTest::addColumn<QList<int>>("cents"); // -1: no cost given
        QTest::addColumn<QList<double>>("prices");
        QTest::addColumn<QList<double>>("averages");
        QTest::newRow("each fill-up's price, averaged")
            << QList<double>{10, 8, 12} << QList<int>{3500, 3200, 3600} << QList<double>{3.5, 4, 3}
            << QList<double>{3.5, 3.75, 3.5};
        QTest::newRow("no cost, no fuel, nothing paid")
            << QList<double>{10, 0, 10, 10} << QList<int>{-1, 2000, 0, 3000} << QList<double>{3} << QList<double>{3};
    }

    void fuelPricesOfTheFillUpsWithACost()
    {
        QFETCH(QList<double>, gallons);
        QFETCH(QList<int>, cents);
        QFETCH(QList<double>, prices);
        QFETCH(QList<double>, averages);
        std::vector<GasRecord> fillUps;
        std::vector<EntryExtras> extras;
        for (int i = 0; i < gallons.size(); ++i) {
            fillUps.push_back(gas(RideA, day(2020, 1, i + 1), float(gallons[i]), 300));
            extras.push_back(costing(cents[i]));
        }
        QList<double> pricesFound, averagesFound;
        for (const FillUpPoint &point : fuelPrices(fillUps, extras)) {
            pricesFound << point.value;
            averagesFound << point.average;
        }
        QCOMPARE(pricesFound, prices);
        QCOMPARE(averagesFound, averages);
    }

    // The miles-per-gallon chart's time line is marked at month starts, from
    // the first fill-up's month to the month after the last one's.
    void theTimeLineIsMarkedAtMonthStarts_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QList<QDate>>("marks");
        const auto months = [](int year, int month, int count, int step) {
            QList<QDate> dates;
            for (int i = 0; i < count; ++i)
                dates << QDate(year, month, 1).addMonths(i * step);
            return dates;
        };
        QTest::newRow("within one month") << QDate(2009, 9, 5) << QDate(2009, 9, 21) << months(2009, 9, 2, 1);
        QTest::newRow("21 September between Sep and Oct") << QDate(2009, 7, 10) << QDate(2009, 9, 21)
                                                           << months(2009, 7, 4, 1);
        QTest::newRow("eight months, every month") << QDate(2009, 1, 15) << QDate(2009, 8, 31) << months(2009, 1, 9, 1);
        QTest::newRow("nine months, every second from January") << QDate(2009, 2, 10) << QDate(2009, 10, 5)
                                                                  << months(2009, 1, 6, 2);
        QTest::newRow("two years, by quarters") << QDate(2008, 5, 3) << QDate(2010, 2, 1) << months(2008, 4, 9, 3);
        QTest::newRow("24 years, every five") << QDate(1995, 6, 1) << QDate(2019, 3, 1) << months(1995, 1, 6, 60);
    }

    void theTimeLineIsMarkedAtMonthStarts()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QList<QDate>, marks);
        const std::vector<QDate> marked = monthMarks(first, last);
        QCOMPARE(QList<QDate>(marked.begin(), marked.end()), marks);
    }

    void monthsRunEvenlyFromTheFirstToTheLastEntry()
    {
        const std::vector<ExpenseRecord> maintenance = {expense(RideA, day(2019, 11, 3), QStringLiteral("Oil"), 300000),
                                                        expense(RideA, day(2019, 11, 20), QStringLiteral("Belt"), -50000),
                                                        expense(RideA, day(2020, 2, 1), QStringLiteral("Tyres"), 4000000)};
        const std::vector<ExpenseRecord> goodies = {expense(RideA, day(2019, 12, 24), QStringLiteral("Mats"), 250000),
                                                    expense(RideA, 0, QStringLiteral("Undated"), 990000)};
        const std::vector<MonthSpending> spending = {{QDate(2019, 11, 1), 250000, 0},
                                                     {QDate(2019, 12, 1), 0, 250000},
                                                     {QDate(2020, 1, 1), 0, 0},
                                                     {QDate(2020, 2, 1), 4000000, 0}};
        QCOMPARE(spendingPerMonth(maintenance, goodies), spending);
        QVERIFY(spendingPerMonth({}, {}).empty());

        // A month with fuel alone counts; a fill-up without a cost widens
        // nothing. Without a cost the money chart keeps its two logs.
        RideHistory history;
        history.maintenance = maintenance;
        history.goodies = goodies;
        history.gas = {gas(RideA, day(2019, 9, 1), 10, 300), gas(RideA, day(2019, 10, 9), 10, 300),
                       gas(RideA, day(2019, 10, 20), 12, 330), gas(RideA, day(2019, 11, 3), 11, 320)};
        const auto moneyChart = HistoryCharts::Chart::MoneyPerMonth;
        QCOMPARE(HistoryCharts::seriesNames(moneyChart, HistoryCharts::figuresOf(history)).size(), std::size_t(2));
        history.extras[3] = {costing(-1), costing(3000), costing(3600), costing(3300)};
        std::vector<MonthSpending> withFuel = {{QDate(2019, 10, 1), 0, 0, 660000}};
        withFuel.insert(withFuel.end(), spending.begin(), spending.end());
        withFuel[1].fuel = 330000;
        const HistoryCharts::Figures figures = HistoryCharts::figuresOf(history);
        QCOMPARE(figures.spending, withFuel);
        QCOMPARE(HistoryCharts::seriesNames(moneyChart, figures).back(), QStringLiteral("Fuel"));
        QCOMPARE(HistoryCharts::monthBars(moneyChart, figures).front().values, (std::vector<double>{0, 0, 66}));
        QCOMPARE(HistoryCharts::nothingToDrawOfOneLog(moneyChart, figures), QString());
        QCOMPARE(HistoryCharts::spendingBarText(figures.spending.front(), 2), QStringLiteral("October 2019: fuel $66.00"));

        const std::vector<GasRecord> fillUps = {gas(RideA, day(2021, 3, 5), 10, 250), gas(RideA, day(2021, 3, 25), 10, 300)};
        const std::vector<TripRecord> trips = {trip(RideA, day(2021, 2, 10), QStringLiteral("Coast"), 400),
                                               trip(RideA, day(2021, 3, 1), QStringLiteral("Back"), -20)};
        const std::vector<MonthMiles> miles = {{QDate(2021, 2, 1), 0, 400}, {QDate(2021, 3, 1), 550, 0}};
        QCOMPARE(milesPerMonth(fillUps, trips), miles);
    }

    // The fill-ups' costs count in the running costs, which the cost per
    // mile divides, and a partial fill-up joins the next full one; the fuel
    // cost per mile is over the fill-ups with a cost. A sold ride shows its
    // cost of owning, an unsold one its net cost so far.
    void summaryOfARideWithFuel()
    {
        RideHistory history;
        history.ride.PricePaid = 100000000; // $10,000
        history.ride.PriceSold = 60000000;  // $6,000
        history.ride.SellingDate = day(2021, 6, 1);
        history.maintenance = {expense(RideA, day(2020, 1, 5), QStringLiteral("Oil change"), 5000000),
                               expense(RideA, day(2020, 3, 5), QStringLiteral("Brakes"), 15000000)};
        history.goodies = {expense(RideA, day(2020, 2, 5), QStringLiteral("Roof rack"), 2500000)};
        history.gas = {gas(RideA, day(2020, 1, 1), 10, 300), gas(RideA, day(2020, 2, 1), 12, 330),
                       gas(RideA, day(2020, 3, 1), 2, 10), gas(RideA, day(2020, 3, 15), 4, 100)};
        history.extras[3] = {costing(3000), costing(3600, true), costing(600), costing(-1)};
        QList<SummaryLine> expected = {
            {QStringLiteral("Price paid"), QStringLiteral("$10,000.00")},
            {QStringLiteral("Maintenance and repairs"), QStringLiteral("$2,000.00")},
            {QStringLiteral("Goodies"), QStringLiteral("$250.00")},
            {QStringLiteral("Fuel"), QStringLiteral("$72.00")},
            {QStringLiteral("Running costs (maintenance, goodies and fuel)"), QStringLiteral("$2,322.00")},
            {QStringLiteral("Price sold"), QStringLiteral("$6,000.00")},
            {QStringLiteral("Cost of owning (paid - sold + running costs)"), QStringLiteral("$6,322.00")},
            {QStringLiteral("Miles logged (gasoline log)"), QStringLiteral("740")},
            {QStringLiteral("Cost per mile (maintenance, goodies and fuel)"), QStringLiteral("$3.14")},
            {QStringLiteral("Fuel cost per mile"), QStringLiteral("$0.11")},
            {QStringLiteral("Overall miles per gallon"), QStringLiteral("26.4")},
            {QStringLiteral("Best miles per gallon"), QStringLiteral("30.0")},
            {QStringLiteral("Worst miles per gallon"), QStringLiteral("24.3")},
            {QStringLiteral("Latest maintenance or repair"), QStringLiteral("03/05/2020   Brakes")},
            {QStringLiteral("Latest goody"), QStringLiteral("02/05/2020   Roof rack")},
            {QStringLiteral("Latest trip"), QStringLiteral("(no entries)")},
            {QStringLiteral("Latest fill-up"), QStringLiteral("03/15/2020   4.0 gallons, 100 miles")},
        };
        QCOMPARE(summaryLines(summarise(history)), expected);

        history.ride.PriceSold = 0;
        history.ride.SellingDate = 0;
        expected.removeAt(5);
        expected[5] = {QStringLiteral("Net cost of the ride"), QStringLiteral("$12,322.00")};
        QCOMPARE(summaryLines(summarise(history)), expected);
    }

    void summaryOfARideWithoutEntries()
    {
        RideHistory history;
        history.ride.PricePaid = 50000000;
        const QList<SummaryLine> lines = summaryLines(summarise(history));
        QCOMPARE(lines.size(), 15); // no price sold, no fuel cost per mile
        QCOMPARE(lines.at(3).value, QStringLiteral("(no fill-up costs given)"));
        QCOMPARE(lines.at(5), (SummaryLine{QStringLiteral("Net cost of the ride"), QStringLiteral("$5,000.00")}));
        QCOMPARE(lines.at(7).value, QStringLiteral("(no miles logged)"));
        QCOMPARE(lines.at(8).value, QStringLiteral("(no fill-ups with miles and gallons)"));
    }

    // A ride counted in kilometres and litres: its summary, its economy chart
    // and its fuel prices speak its units.
    void aMetricRideSpeaksItsUnits()
    {
        RideHistory history;
        history.units = {DistanceUnit::Kilometres, FuelUnit::Litres, EconomyUnit::LitresPer100Km, std::nullopt};
        history.maintenance = {expense(RideA, day(2020, 1, 5), QStringLiteral("Oil change"), 483000)};
        history.gas = {gas(RideA, day(2020, 1, 1), 40, 500), gas(RideA, day(2020, 2, 1), 30, 400)};
        history.extras[3] = {costing(6000), costing(-1)};
        const QList<SummaryLine> lines = summaryLines(summarise(history));
        const auto valueOf = [&](const QString &label) {
            for (const SummaryLine &line : lines)
                if (line.label == label)
                    return line.value;
            return QStringLiteral("(no line)");
        };
        QCOMPARE(valueOf(QStringLiteral("Kilometres logged (gasoline log)")), QStringLiteral("900"));
        QCOMPARE(valueOf(QStringLiteral("Cost per kilometre (maintenance, goodies and fuel)")), QStringLiteral("$0.12"));
        QCOMPARE(valueOf(QStringLiteral("Fuel cost per kilometre")), QStringLiteral("$0.12"));
        QCOMPARE(valueOf(QStringLiteral("Latest fill-up")), QStringLiteral("02/01/2020   30.0 litres, 400 kilometres"));
        QCOMPARE(valueOf(QStringLiteral("Overall L/100 km")), QStringLiteral("7.8"));
        QCOMPARE(valueOf(QStringLiteral("Best L/100 km")), QStringLiteral("7.5"));
        QCOMPARE(valueOf(QStringLiteral("Worst L/100 km")), QStringLiteral("8.0"));
        const HistoryCharts::Figures figures = HistoryCharts::figuresOf(history);
        QCOMPARE(HistoryCharts::title(HistoryCharts::Chart::MilesPerGallon, figures.units), QStringLiteral("L/100 km of each fill-up"));
        QCOMPARE(QString::number(figures.mpg.at(0).value, 'f', 1), QStringLiteral("8.0"));
        const auto price = HistoryCharts::Chart::FuelPrice;
        QCOMPARE(HistoryCharts::title(price, figures.units), QStringLiteral("Fuel price per litre"));
        QCOMPARE(figures.fuelPrice.size(), std::size_t(1));
        QCOMPARE(HistoryCharts::pointText(price, figures.fuelPrice.front(), figures.units),
                 QStringLiteral("01/01/2020: $1.50 per litre (average of the last five: $1.50)"));
    }
};

QTEST_GUILESS_MAIN(TestHistoryFigures)
#include "test_history_figures.moc"
