// The presets for other trackers' CSV exports: each tracker's file, written
// here after its documentation, recognised by its header and stored in the
// ride's units, and the chain of odometer readings that gives fill-ups
// their distances.

#include "CsvTestSupport.h"
#include "history/CsvExport.h"
#include "history/CsvPresetEntries.h"
#include "logs/LogTestSupport.h"

#include <QTest>

using namespace CsvTest;

namespace {

const RideExtras UsRide;
const RideExtras MetricRide{DistanceUnit::Kilometres, FuelUnit::Litres, EconomyUnit::LitresPer100Km, std::nullopt};

// The stored entries: "date|gallons|miles|odometer|cost|flags" for fill-ups,
// "date|description|cost|odometer" for expenses.
QStringList stored(const CsvImport::Entries &entries)
{
    QStringList texts;
    const auto extras = [&](std::size_t i) { return i < entries.extras.size() ? entries.extras[i] : EntryExtras(); };
    const auto odometer = [](const EntryExtras &own) { return own.odometer ? QString::number(*own.odometer) : QString(); };
    for (std::size_t i = 0; i < entries.gas.size(); ++i) {
        const GasRecord &fillUp = entries.gas[i];
        const EntryExtras own = extras(i);
        QStringList flags;
        if (own.partial)
            flags << QStringLiteral("partial");
        if (own.missed)
            flags << QStringLiteral("missed");
        texts << QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(csvDate(fillUp.EntryDate), QString::number(double(fillUp.Gallons), 'f', 3))
                     .arg(fillUp.Miles)
                     .arg(odometer(own), own.cost ? QString::number(double(*own.cost) / 10000, 'f', 4) : QString(),
                          flags.join(u' '));
    }
    for (std::size_t i = 0; i < entries.expenses.size(); ++i) {
        const ExpenseRecord &expense = entries.expenses[i];
        texts << QStringLiteral("%1|%2|%3|%4")
                     .arg(csvDate(expense.EntryDate), expense.Description, QString::number(double(expense.Cost) / 10000, 'f', 2),
                          odometer(extras(i)));
    }
    return texts;
}

struct Imported
{
    CsvPresets::Reading reading;
    CsvImport::Entries entries;
    QStringList notes;
};

Imported imported(const QString &file, const CsvPreset &preset, LogKind kind, const RideExtras &ride,
                  const std::vector<OdometerReading> &logReadings = {})
{
    const std::vector<CsvRecord> rows = CsvImport::readFile(file.toUtf8()).rows;
    Imported result;
    result.reading = CsvPresets::read(preset, kind, rows);
    result.entries = CsvImport::readEntries(result.reading.rows, result.reading.plan, LogTest::RideA);
    result.notes = CsvPresets::finish(result.reading, result.entries, ride, logReadings);
    return result;
}

const QString FuelioFile = "\"## Vehicle\"\r\n"
                           "\"Name\",\"Description\",\"DistUnit\",\"FuelUnit\",\"ConsumptionUnit\",\"ImportCSVDateFormat\"\r\n"
                           "\"Golf\",\"\",\"0\",\"0\",\"0\",\"yyyy-MM-dd\"\r\n"
                           "\"## Log\"\r\n"
                           "\"Data\",\"Odo (km)\",\"Fuel (litres)\",\"Full\",\"Price (optional)\",\"l/100km (optional)\","
                           "\"Notes (optional)\",\"Missed\"\r\n"
                           "\"2026-03-01\",\"20000\",\"40.00\",\"1\",\"60.00\",\"0\",\"Start\",\"0\"\r\n"
                           "\"2026-03-08\",\"20600\",\"38.50\",\"1\",\"57.75\",\"6.4\",\"\",\"0\"\r\n"
                           "\"2026-03-15\",\"21100\",\"20.00\",\"0\",\"30.00\",\"0\",\"\",\"1\"\r\n"
                           "\"## Costs\"\r\n"
                           "\"CostTitle\",\"Date\",\"Odo\",\"CostTypeID\",\"Notes\",\"Cost\"\r\n"
                           "\"Oil change\",\"2026-03-10\",\"20800\",\"1\",\"5W-30\",\"89.90\"\r\n";

} // namespace

class TestHistoryPresets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each tracker's header names its preset and the log its rows go to;
    // the program's own export and a plain file are Generic.
    void recognisesEachTrackersHeader_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("log"); // 0 for none
        QTest::newRow("Fuelly") << "car_name,model,mpg,miles,gallons,price,city_percentage,fuelup_date,date_added,tags,notes,"
                                   "missed_fuelup,partial_fuelup\r\n"
                                << "Fuelly" << 4;
        QTest::newRow("Fuelio, its log before its costs") << FuelioFile << "Fuelio" << 4;
        QTest::newRow("Drivvo refuellings") << "Odometer (km),Date,Fuel,Price / L,Total cost,Volume,Full tank?\r\n" << "Drivvo" << 4;
        QTest::newRow("Drivvo services") << "Odometer (mi),Date,Total cost,Type of service,Notes\r\n" << "Drivvo" << 1;
        QTest::newRow("Spritmonitor fuelings") << "Date;Odometer;Trip;Quantity;Total price;Currency;Type;Tires;Roads;Driving "
                                                  "style;Fuel;Note\r\n"
                                               << "Spritmonitor" << 4;
        QTest::newRow("Spritmonitor costs, a date either way read day first") << "Date;Odometer;Costtype;Title;Costs;Currency;Note\r\n" << "Spritmonitor" << 1;
        QTest::newRow("LubeLogger fuel") << "Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\r\n"
                                         << "LubeLogger" << 4;
        QTest::newRow("LubeLogger services") << "Date,Odometer,Description,Cost,Notes,Tags\r\n" << "LubeLogger" << 1;
        QTest::newRow("the program's fill-ups") << csvLogHeader(LogKind::Gas).join(u',') + "\r\n" << "Generic" << 4;
        QTest::newRow("the program's maintenance") << csvLogHeader(LogKind::Maintenance).join(u',') + "\r\n" << "Generic" << 0;
        QTest::newRow("litres are fill-ups") << "Date,Odometer,Litres\r\n" << "Generic" << 4;
    }

    void recognisesEachTrackersHeader()
    {
        QFETCH(QString, file);
        QFETCH(QString, preset);
        QFETCH(int, log);
        const std::vector<CsvRecord> rows = CsvImport::readFile(file.toUtf8()).rows;
        const CsvPreset &recognised = CsvPresets::recognise(rows);
        QCOMPARE(recognised.name, preset);
        QCOMPARE(CsvPresets::named(preset.toUpper()), &recognised);
        const std::optional<LogKind> kind = CsvPresets::logOf(recognised, rows);
        QCOMPARE(kind ? logIndex(*kind) : 0, log);
    }

    // A file of each tracker, read under its recognised preset into a ride
    // of the units given: dates, fuel, distances, readings, costs and flags
    // as stored, the conversions the preview names and its notes.
    void storesEachTrackersFileInTheRidesUnits_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("log");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("conversions");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("Fuelly, miles and US gallons into kilometres and litres")
            << "car_name,model,mpg,miles,gallons,price,city_percentage,fuelup_date,date_added,tags,notes,missed_fuelup,"
               "partial_fuelup,odometer\r\n"
               "Blue,Civic,30,300.5,10,3.499,50,2026-01-05,2026-01-05,,First,0,0,10300\r\n"
               "Blue,Civic,,150,8.25,3.559,50,2026-01-12,2026-01-12,,Top-up,0,1,10450\r\n"
            << 4 << true
            << QStringList{"2026-01-05|37.854|484|16576|34.9900|", "2026-01-12|31.230|241|16818|29.3618|partial"}
            << "US gallons → litres, miles → km, cost from the price per unit" << QStringList()
            << QStringList();
        QTest::newRow("Fuelio fill-ups, kilometres and litres into miles and US gallons")
            << FuelioFile << 4 << false
            << QStringList{"2026-03-01|10.567|0|12427|60.0000|", "2026-03-08|10.171|373|12800|57.7500|",
                           "2026-03-15|5.283|311|13111|30.0000|partial missed"}
            << "litres → US gallons, km → miles, distances from the odometer readings"
            << QStringList{"Line 6: its odometer reading, 12427, is the first, so its distance is 0"}
            << QStringList();
        QTest::newRow("Fuelio costs, their odometer in the log's unit") << FuelioFile << 1 << false
                                                                        << QStringList{"2026-03-10|Oil change|89.90|12925"}
                                                                        << "km → miles" << QStringList()
            << QStringList();
        QTest::newRow("Drivvo refuellings in the ride's units")
            << "Odometer (km),Date,Fuel,Price / L,Total cost,Volume,Full tank?,Notes\r\n"
               "50120,2026-04-02 08:15,Gasoline,1.899,75.96,40,Yes,\r\n"
               "50610,2026-04-09 18:40,Gasoline,1.919,57.57,30,No,half\r\n"
            << 4 << true
            << QStringList{"2026-04-02 08:15:00|40.000|0|50120|75.9600|", "2026-04-09 18:40:00|30.000|490|50610|57.5700|partial"}
            << "distances from the odometer readings"
            << QStringList{"Line 2: its odometer reading, 50120, is the first, so its distance is 0"}
            << QStringList();
        QTest::newRow("Spritmonitor fuelings, day first with decimal commas")
            << "Date;Odometer;Trip;Quantity;Total price;Currency;Type;Tires;Roads;Driving style;Fuel;Note\r\n"
               "03.02.2026;31000;;45,20;79,55;EUR;3;2;6;2;7;\r\n"
               "14.02.2026;31650;650;42,10;75,36;EUR;1;2;6;2;7;Autobahn\r\n"
               "21.02.2026;31900;250;20,00;36,20;EUR;2;2;4;2;7;\r\n"
               "28.02.2026;32400;500;41,00;74,00;EUR;5;2;4;2;7;\r\n"
            << 4 << true
            << QStringList{"2026-02-03|45.200|0|31000|79.5500|missed", "2026-02-14|42.100|650|31650|75.3600|",
                           "2026-02-21|20.000|250|31900|36.2000|partial"}
            << "distances from the odometer readings"
            << QStringList{"Line 2: its odometer reading, 31000, is the first, so its distance is 0"}
            << QStringList{"5: \"5\" is no type of fueling (1 full, 2 partial, 3 first, 0 not counted)"};
        QTest::newRow("Spritmonitor costs, a date either way read day first") << "Date;Odometer;Costtype;Title;Costs;Currency;Note\r\n"
                                               "05.02.2026;31500;2;Inspection;149,00;EUR;TÜV\r\n"
                                            << 1 << true << QStringList{"2026-02-05|Inspection|149.00|31500"} << QString()
                                            << QStringList()
            << QStringList();
        QTest::newRow("LubeLogger fuel, in the ride's units")
            << "Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\r\n"
               "1/10/2026,8000,11.2,39.20,0,True,False,,\r\n"
               "1/20/2026,8310,10.4,37.44,29.8,True,True,after trip,\r\n"
            << 4 << false << QStringList{"2026-01-10|11.200|0|8000|39.2000|", "2026-01-20|10.400|310|8310|37.4400|missed"}
            << "distances from the odometer readings, numbers in the ride's units (the file does not name its units)"
            << QStringList{"Line 2: its odometer reading, 8000, is the first, so its distance is 0"}
            << QStringList();
        QTest::newRow("LubeLogger services") << "Date,Odometer,Description,Cost,Notes,Tags\r\n1/15/2026,8150,Oil change,45.00,,\r\n"
                                             << 1 << false << QStringList{"2026-01-15|Oil change|45.00|8150"}
                                             << "numbers in the ride's units (the file does not name its units)" << QStringList()
            << QStringList();
        QTest::newRow("Generic odometer and litres") << "Date,Odometer,Litres\r\n2026-05-01,1000,40\r\n2026-05-08,1400,38\r\n" << 4
                                                     << false << QStringList{"2026-05-01|10.567|0|1000||", "2026-05-08|10.039|400|1400||"}
                                                     << "litres → US gallons, distances from the odometer readings"
                                                     << QStringList{"Line 2: its odometer reading, 1000, is the first, so its distance is 0"}
            << QStringList();
    }

    void storesEachTrackersFileInTheRidesUnits()
    {
        QFETCH(QString, file);
        QFETCH(int, log);
        QFETCH(bool, metric);
        QFETCH(QStringList, entries);
        QFETCH(QString, conversions);
        QFETCH(QStringList, notes);
        QFETCH(QStringList, problems);
        LogKind kind = LogKind::Gas;
        QVERIFY(logKindFromIndex(log, kind));
        const CsvPreset &preset = CsvPresets::recognise(CsvImport::readFile(file.toUtf8()).rows);
        const Imported read = imported(file, preset, kind, metric ? MetricRide : UsRide);
        QCOMPARE(stored(read.entries), entries);
        QCOMPARE(CsvPresets::conversions(read.reading, metric ? MetricRide : UsRide), conversions);
        QCOMPARE(read.notes, notes);
        QCOMPARE(problemTexts(read.entries), problems);
    }

    // A fill-up's distance is the one since the reading before it, of the
    // file or of the log, by day; a reading below it leaves its row out.
    void fillUpsDriveTheDistanceSinceTheReadingBefore_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QList<int>>("logReadings"); // day of January 2026, reading; ...
        QTest::addColumn<QList<int>>("distances");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("after the log's last reading") << "2026-01-10,800\r\n2026-01-20,1100\r\n" << QList<int>{1, 500, 5, 600}
                                                      << QList<int>{200, 300} << QStringList();
        QTest::newRow("in date order, not file order") << "2026-01-20,1100\r\n2026-01-10,800\r\n" << QList<int>()
                                                       << QList<int>{300, 0} << QStringList();
        QTest::newRow("imported again, the same distances") << "2026-01-10,800\r\n2026-01-20,1100\r\n"
                                                            << QList<int>{10, 800, 20, 1100} << QList<int>{0, 300}
                                                            << QStringList();
        QTest::newRow("below the fill-up before") << "2026-01-10,800\r\n2026-01-15,700\r\n2026-01-20,1100\r\n" << QList<int>()
                                                  << QList<int>{0, 300}
                                                  << QStringList{"3: the odometer reading 700 is below 800, that of the "
                                                                 "fill-up on line 2"};
        QTest::newRow("below the log's reading") << "2026-01-10,800\r\n" << QList<int>{5, 900} << QList<int>()
                                                 << QStringList{"2: the odometer reading 800 is below 900, the log's "
                                                                "reading of an earlier fill-up"};
    }

    void fillUpsDriveTheDistanceSinceTheReadingBefore()
    {
        QFETCH(QString, rows);
        QFETCH(QList<int>, logReadings);
        QFETCH(QList<int>, distances);
        QFETCH(QStringList, problems);
        std::vector<OdometerReading> readings;
        for (qsizetype i = 0; i + 1 < logReadings.size(); i += 2)
            readings.push_back({20260100 + logReadings[i], logReadings[i + 1]});
        const Imported read = imported("Date,Odometer,Gallons\r\n" + rows.replace("\r\n", ",10\r\n"),
                                       *CsvPresets::named("Generic"), LogKind::Gas, UsRide, readings);
        QList<int> driven;
        for (const GasRecord &fillUp : read.entries.gas)
            driven << fillUp.Miles;
        QCOMPARE(driven, distances);
        QCOMPARE(problemTexts(read.entries), problems);
        QCOMPARE(read.entries.lines.size(), read.entries.gas.size());
    }
};

QTEST_GUILESS_MAIN(TestHistoryPresets)
#include "test_history_presets.moc"
