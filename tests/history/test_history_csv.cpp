// CSV: reading rows, the export's files, the import's checks, and the demo
// rides exported and read back to the same records.

#include "CsvTestSupport.h"
#include "DemoWriter.h"
#include "data/DataTestSupport.h"
#include "history/CsvExport.h"
#include "history/CsvFormatChoices.h"
#include "history/CsvImport.h"
#include "model/LogListing.h"
#include "store/EntryCommands.h"
#include "store/LogEntryWrite.h"
#include "store/ReminderStore.h"
#include "logs/LogTestSupport.h"

#include <QRegularExpression>
#include <QTest>

using namespace CsvTest;
using namespace LogTest;

namespace {

const CsvFile &fileNamed(const std::vector<CsvFile> &files, const QString &name)
{
    static const CsvFile none;
    const auto found = std::find_if(files.begin(), files.end(), [&](const CsvFile &f) { return f.name == name; });
    return found == files.end() ? none : *found;
}

template<DataRecord Record>
QList<QByteArray> bytesOfRecords(const std::vector<Record> &records)
{
    QList<QByteArray> bytes;
    for (const Record &record : records)
        bytes.append(encodeRecord(record));
    return bytes;
}

// The stored entries as "date|description or gallons|cost or miles".
QStringList storedTexts(const CsvImport::Entries &entries)
{
    QStringList texts;
    for (const ExpenseRecord &entry : entries.expenses)
        texts << QStringLiteral("%1|%2|%3").arg(csvDate(entry.EntryDate), entry.Description, csvMoney(entry.Cost).remove(QRegularExpression("\\.?0+$")));
    for (const TripRecord &entry : entries.trips)
        texts << QStringLiteral("%1|%2|%3").arg(csvDate(entry.EntryDate), entry.Description).arg(entry.Miles);
    for (const GasRecord &entry : entries.gas)
        texts << QStringLiteral("%1|%2|%3").arg(csvDate(entry.EntryDate), csvNumber(entry.Gallons)).arg(entry.Miles);
    return texts;
}

} // namespace

class TestHistoryCsv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void readsRows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("plain, CR LF and LF") << "a,b\r\nc,d\ne," << QList<int>{1, 2, 3}
                                              << QList<QStringList>{{"a", "b"}, {"c", "d"}, {"e", ""}} << QStringList{"", "", ""};
        QTest::newRow("quoted with comma, quote, line break")
            << "\"x,y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nnext" << QList<int>{1, 3}
            << QList<QStringList>{{"x,y", "say \"hi\"", "two\r\nlines"}, {"next"}} << QStringList{"", ""};
        QTest::newRow("blank lines skipped") << "a\r\n\r\nb\r\n" << QList<int>{1, 3} << QList<QStringList>{{"a"}, {"b"}}
                                             << QStringList{"", ""};
        QTest::newRow("text after a closing quote") << "\"a\"b,c\r\nd" << QList<int>{1, 2}
                                                    << QList<QStringList>{{}, {"d"}}
                                                    << QStringList{"text follows a closing quote", ""};
        // A stray quote costs its own row, not the rest of the file.
        QTest::newRow("quote never closed") << "a\r\n\"b,c\r\nd\r\ne" << QList<int>{1, 2, 3, 4}
                                            << QList<QStringList>{{"a"}, {}, {"d"}, {"e"}}
                                            << QStringList{"", "the quote opened on line 2 is never closed", "", ""};
    }

    void readsRows()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, lines);
        QFETCH(QList<QStringList>, cells);
        QFETCH(QStringList, problems);
        const std::vector<CsvRecord> rows = readCsv(text);
        QCOMPARE(qsizetype(rows.size()), lines.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].line, lines.at(qsizetype(i)));
            QCOMPARE(rows[i].cells, cells.at(qsizetype(i)));
            QCOMPARE(rows[i].problem, problems.at(qsizetype(i)));
        }
    }

    // A file is read whole in the encoding and with the delimiter it
    // evidently uses, or in those the user picks; bytes not valid in the
    // encoding give no rows but the line where they stop being valid.
    void readsFilesInTheirEncodingAndDelimiter_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("picked"); // a CsvEncoding, or -1 to detect it
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QStringList>("lastRow");
        QTest::addColumn<int>("invalidLine");
        const auto utf16 = [](const QString &text, bool littleEndian) {
            QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray();
            for (const QChar c : text)
                bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            return bytes;
        };
        const int detect = -1;
        const int utf8 = int(CsvEncoding::Utf8), cp1252 = int(CsvEncoding::Windows1252);
        QTest::newRow("comma") << QByteArray("Date,Notes\r\n2026-02-05,a;b\r\n") << detect << utf8 << "," << QStringList{"2026-02-05", "a;b"} << 0;
        QTest::newRow("semicolon, decimal commas") << QByteArray("Date;Cost\r\n05.02.2026;12,50\r\n") << detect << utf8 << ";"
                                                   << QStringList{"05.02.2026", "12,50"} << 0;
        QTest::newRow("tab") << QByteArray("Date\tCost\r\n2026-02-05\t1,234.50\r\n") << detect << utf8 << "\t"
                             << QStringList{"2026-02-05", "1,234.50"} << 0;
        QTest::newRow("quoted delimiters") << QByteArray("Date;Notes\r\n2026-02-05;\"Oil; filter\"\r\n2026-02-06;\"a\r\nb\"\r\n")
                                           << detect << utf8 << ";" << QStringList{"2026-02-06", "a\r\nb"} << 0;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF" "Date,Notes\r\n2026-02-05,Cr\xC3\xA8me") << detect << utf8 << ","
                                        << QStringList{"2026-02-05", "Crème"} << 0;
        QTest::newRow("UTF-16 LE with BOM") << utf16("Date;Notes\r\n2026-02-05;Crème €\r\n", true) << detect
                                            << int(CsvEncoding::Utf16LE) << ";" << QStringList{"2026-02-05", "Crème €"} << 0;
        QTest::newRow("UTF-16 LE without BOM") << utf16("Date,Notes\r\n2026-02-05,Crème\r\n", false) << detect
                                               << int(CsvEncoding::Utf16LE) << "," << QStringList{"2026-02-05", "Crème"} << 0;
        QTest::newRow("Windows-1252") << QByteArray("Date,Notes\r\n2026-02-05,Cr\xE8me \x80") << detect << cp1252 << ","
                                      << QStringList{"2026-02-05", "Crème €"} << 0;
        QTest::newRow("UTF-8 with a damaged byte") << QByteArray("Date,Notes\r\n2026-02-05,Cr\xC3\xA8me\r\n2026-02-06,Cr\xE8me\r\n")
                                                   << detect << utf8 << "," << QStringList() << 3;
        QTest::newRow("Windows-1252 picked as UTF-8") << QByteArray("Date,Notes\r\n2026-02-05,Cr\xE8me") << utf8 << utf8 << ","
                                                      << QStringList() << 2;
    }

    void readsFilesInTheirEncodingAndDelimiter()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, picked);
        QFETCH(int, encoding);
        QFETCH(QString, delimiter);
        QFETCH(QStringList, lastRow);
        QFETCH(int, invalidLine);
        const CsvImport::FileRows file =
            CsvImport::readFile(bytes, picked < 0 ? std::nullopt : std::optional(CsvEncoding(picked)));
        QCOMPARE(int(file.encoding), encoding);
        QCOMPARE(file.undecodable ? file.undecodable->line : 0, invalidLine);
        QCOMPARE(file.rows.empty() ? QStringList() : file.rows.back().cells, lastRow);
        if (!lastRow.isEmpty())
            QCOMPARE(QString(file.delimiter), delimiter);
    }

    // Each value is read exactly as its column writes it, or its row is left
    // out with the reason: dates in the order the column needs, numbers with
    // the decimal mark most of its cells need (the desktop's, en_US, when
    // they leave it open), in every log.
    void readsValuesAsTheirColumnWritesThem_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("ISO, with time and T") << 1 << "Date,Description,Cost\r\n2026-02-05,Oil,12.5\r\n2026-02-06T14:30,Oil,1\r\n"
                                                      "2026-02-07 09:15:20,Oil,1\r\n2026/02/08,Oil,1\r\n"
                                               << QStringList{"2026-02-05|Oil|12.5", "2026-02-06 14:30:00|Oil|1",
                                                              "2026-02-07 09:15:20|Oil|1", "2026-02-08|Oil|1"}
                                               << QStringList();
        QTest::newRow("day first, a day above 12 decides") << 1 << "Date,Description,Cost\r\n05.02.2026,Oil,1\r\n13-02-26 8:05 PM,Oil,1\r\n"
                                                           << QStringList{"2026-02-05|Oil|1", "2026-02-13 20:05:00|Oil|1"}
                                                           << QStringList();
        QTest::newRow("month first, a day above 12 decides") << 3 << "Date,Description,Miles\r\n02/05/2026,Coast,12\r\n02/13/2026,Alps,1\r\n"
                                                             << QStringList{"2026-02-05|Coast|12", "2026-02-13|Alps|1"}
                                                             << QStringList();
        const QString mixed = "the dates are written both day first (line 2: \"13/05/2026\") and month first (line 3: "
                              "\"05/13/2026\"), so none of them can be read";
        QTest::newRow("both orders needed") << 1 << "Date,Description,Cost\r\n13/05/2026,Oil,1\r\n05/13/2026,Oil,1\r\n"
                                            << QStringList()
                                            << QStringList{"2: " + mixed, "3: " + mixed};
        QTest::newRow("no such day, month names") << 2 << "Date,Description,Cost\r\n31/02/2026,Tyres,1\r\n\"March 15, 2009\",Tyres,1\r\n"
                                                  << QStringList{"2009-03-15|Tyres|1"} << QStringList{"2: \"31/02/2026\" is no date"};
        QTest::newRow("decimal comma, thousands") << 4 << "Date;Gallons;Miles\r\n2026-02-05;35,10;\"1.234\"\r\n2026-02-06;1.234,5;400\r\n"
                                                  << QStringList{"2026-02-05|35.1|1234", "2026-02-06|1234.5|400"} << QStringList();
        QTest::newRow("decimal point by the desktop, thousands") << 4 << "Date,Gallons,Miles\r\n2026-02-05,12,\"1,234\"\r\n"
                                                                   "2026-02-06,1 000,\"2,500\"\r\n"
                                                                 << QStringList{"2026-02-05|12|1234", "2026-02-06|1000|2500"}
                                                                 << QStringList();
        QTest::newRow("exponent, as the export writes tiny gallons") << 4 << "Date,Gallons,Miles\r\n2026-02-05,1e-05,3\r\n"
                                                                     << QStringList{"2026-02-05|1e-05|3"} << QStringList();
        QTest::newRow("money with symbols and separators") << 1 << "Date;Description;Cost\r\n2026-02-05;Oil;1'234,50 €\r\n"
                                                                  "2026-02-06;Oil;-€12,5\r\n2026-02-07;Oil;(3,25)\r\n"
                                                           << QStringList{"2026-02-05|Oil|1234.5", "2026-02-06|Oil|-12.5",
                                                                          "2026-02-07|Oil|-3.25"}
                                                           << QStringList();
        QTest::newRow("gasoline cells not wholly numbers") << 4 << "Date,Gallons,Miles\r\n2026-02-05,12.5,300\r\n2026-02-06,12 gal,300\r\n"
                                                                  "2026-02-07,\"35,10\",300\r\n2026-02-08,2023-01-05,300\r\n"
                                                                  "2026-02-09,13.5,\"1,234.5.6\"\r\n"
                                                           << QStringList{"2026-02-05|12.5|300"}
                                                           << QStringList{"3: \"12 gal\" is no number",
                                                                          "4: \"35,10\" is written with a decimal comma, but the "
                                                                          "column's numbers have a decimal point",
                                                                          "5: \"2023-01-05\" is no number", "6: \"1,234.5.6\" is no number"};
        QTest::newRow("trip miles, cost") << 3 << "Date,Description,Miles\r\n2026-02-05,Coast,12 mi\r\n"
                                          << QStringList() << QStringList{"2: \"12 mi\" is no number"};
        QTest::newRow("cost") << 2 << "Date,Description,Cost\r\n2026-02-05,Tyres,about 12\r\n"
                              << QStringList() << QStringList{"2: \"about 12\" is no amount of money"};
    }

    void readsValuesAsTheirColumnWritesThem()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, problems);
        LogKind log = LogKind::Maintenance;
        QVERIFY(logKindFromIndex(kind, log));
        const CsvImport::FileRows rows = CsvImport::readFile(file.toUtf8());
        const CsvImport::Entries entries = CsvImport::readEntries(rows.rows, CsvImport::guessPlan(log, rows.rows), RideA);
        QCOMPARE(storedTexts(entries), stored);
        QCOMPARE(problemTexts(entries), problems);
    }

    // A column whose dates read as two different days offers both readings,
    // the desktop's order first chosen; the pick decides every date.
    void aDateColumnOfTwoReadingsIsReadAsPicked()
    {
        const std::vector<CsvRecord> rows = readCsv("Date,Description,Cost\r\n05/02/2026,Oil,1\r\n05/05/2026,Oil,1\r\n");
        CsvImport::Plan plan = CsvImport::guessPlan(LogKind::Maintenance, rows, QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(plan.dateOrder, CsvValues::DateOrder::DayFirst);
        const std::vector<CsvImport::FormatChoice> choices = CsvImport::formatChoices(rows, plan, 0);
        QCOMPARE(choices.size(), std::size_t(2));
        QCOMPARE(choices[0].text, "Day first: 05/02/2026 is 5 February 2026");
        QCOMPARE(choices[1].text, "Month first: 05/02/2026 is 2 May 2026");
        QCOMPARE(storedTexts(CsvImport::readEntries(rows, plan, RideA)), (QStringList{"2026-02-05|Oil|1", "2026-05-05|Oil|1"}));
        CsvImport::setFormat(plan, 0, choices[1].value);
        QCOMPARE(storedTexts(CsvImport::readEntries(rows, plan, RideA)), (QStringList{"2026-05-02|Oil|1", "2026-05-05|Oil|1"}));
    }

    void exportWritesPlainValues()
    {
        RideHistory history;
        history.rideNumber = 2;
        history.ride.Year = QStringLiteral("1998  ");
        history.ride.Make = QStringLiteral("Honda");
        history.ride.PricePaid = 123456789;
        history.ride.PurchaseDate = day(2009, 3, 15);
        history.maintenance = {expense(RideA, day(2009, 3, 15) + 0.5, QStringLiteral("Oil, filter"), 299500,
                                       QStringLiteral("Line one\r\n\"two\""))};
        history.gas = {gas(RideA, day(2009, 4, 1), 12.4f, 350), gas(RideA, day(2009, 4, 2), 0, 10),
                       gas(RideA, day(2009, 4, 3), 4, 100)};
        EntryExtras fillUp;
        fillUp.odometer = 41250;
        fillUp.cost = 324000;
        EntryExtras partial;
        partial.partial = true;
        history.extras[3] = {fillUp, {}, partial};
        const std::vector<CsvFile> files = csvExport({history}, true);
        QCOMPARE(files.size(), std::size_t(5));
        const QStringList rideLines = fileNamed(files, "ride.csv").text.split("\r\n");
        // Every row of an export of every ride names its ride by number and by name.
        QVERIFY(rideLines.at(0).startsWith(
            "Ride,Ride Name,Year,Make,Model,Style,Color,License State Type,Name,Purchase Date,"));
        QVERIFY(rideLines.at(1).startsWith("2,1998 Honda,1998,Honda,,,,,,2009-03-15,,,,,12345.6789,,"));
        QCOMPARE(fileNamed(files, "maintenance.csv").text,
                 "Ride,Ride Name,Date,Description,Cost,Notes,Odometer\r\n2,1998 Honda,2009-03-15 12:00:00,\"Oil, filter\",29.95,"
                 "\"Line one\r\n\"\"two\"\"\",\r\n");
        QCOMPARE(fileNamed(files, "gasoline.csv").text, "Ride,Ride Name,Date,Gallons,Miles,MPG,Notes,Odometer,Cost,Partial,Missed\r\n"
                                                        "2,1998 Honda,2009-04-01,12.4,350,28.2,,41250,32.40,,\r\n"
                                                        "2,1998 Honda,2009-04-02,0,10,,,,,,\r\n"
                                                        "2,1998 Honda,2009-04-03,4,100,,,,,yes,\r\n");
        QCOMPARE(fileNamed(files, "trips.csv").text, "Ride,Ride Name,Date,Description,Miles,Notes,Odometer\r\n");
        QCOMPARE(csvMoney(-125000), "-12.50");
    }

    void formulaLikeTextIsWrittenAsTextAndReadBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("=") << "=1+2" << "'=1+2";
        QTest::newRow("+") << "+1 555 0100" << "'+1 555 0100";
        QTest::newRow("-") << "-filter" << "'-filter";
        QTest::newRow("@") << "@home" << "'@home";
        QTest::newRow("tab") << "\tindented" << "'\tindented";
        QTest::newRow("carriage return") << "\r\nsecond line" << "'\r\nsecond line";
        QTest::newRow("apostrophe before =") << "'=quoted" << "''=quoted";
        QTest::newRow("apostrophe alone") << "'plain" << "'plain";
        QTest::newRow("= inside") << "a=b" << "a=b";
    }

    void formulaLikeTextIsWrittenAsTextAndReadBack()
    {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        // A description holds no tab or line break: those rows check the notes alone.
        const bool notesOnly = text.at(0) < u' ';
        const QString description = notesOnly ? QStringLiteral("Oil") : text;
        RideHistory history;
        history.maintenance = {expense(RideA, day(2009, 3, 15), description, -125000, text)};
        const std::vector<CsvRecord> rows = readCsv(fileNamed(csvExport({history}, false), "maintenance.csv").text);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[1].cells, (QStringList{"2009-03-15", notesOnly ? description : cell, "-12.50", cell, ""}));
        const CsvImport::Entries entries =
            CsvImport::readEntries(rows, CsvImport::guessPlan(LogKind::Maintenance, rows), RideA);
        QVERIFY(entries.problems.empty());
        QCOMPARE(bytesOfRecords(entries.expenses), bytesOfRecords(history.maintenance));
    }

    void importRefusesWhatTheEditorOrTheFilesWouldNotTake_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no date") << 1 << ",Oil,12,"  << "A date entry is required";
        QTest::newRow("no date at all") << 1 << "13/45/2009,Oil,12," << "\"13/45/2009\" is no date";
        QTest::newRow("no description") << 3 << "2009-03-15, ,12," << "Some kind of description is required";
        QTest::newRow("marker") << 2 << "2009-03-15,$Killed$,12," << "\"$Killed$\" cannot be used as a description: the program marks deleted entries with it.";
        QTest::newRow("no gallons") << 4 << "2009-03-15,abc,12," << "\"abc\" is no number";
        QTest::newRow("no miles") << 4 << "2009-03-15,12,," << "A 'Miles Travelled' entry is required.";
        QTest::newRow("cost no number") << 1 << "2009-03-15,Oil,about 12," << "\"about 12\" is no amount of money";
        QTest::newRow("miles no number") << 3 << "2009-03-15,Trip,far," << "\"far\" is no number";
        QTest::newRow("too long") << 1 << "2009-03-15," + QString(61, 'x') + ",1," << "the description are longer than 60 characters";
        QTest::newRow("code page") << 1 << "2009-03-15,Öl 油,1," << "the description hold \"油\", which the data files cannot store";
        QTest::newRow("control") << 1 << "2009-03-15,Oil\x01,1," << "the description hold a control character";
    }

    void importRefusesWhatTheEditorOrTheFilesWouldNotTake()
    {
        QFETCH(int, kind);
        QFETCH(QString, row);
        QFETCH(QString, problem);
        LogKind log = LogKind::Maintenance;
        QVERIFY(logKindFromIndex(kind, log));
        const std::vector<CsvRecord> rows = readCsv("Date,Text,Amount,Notes\r\n" + row);
        CsvImport::Plan plan = CsvImport::guessPlan(log, rows);
        plan.columns = {0, 1, 2, 3};
        const CsvImport::Entries entries = CsvImport::readEntries(rows, plan, RideA);
        QCOMPARE(entries.count(), std::size_t(0));
        QCOMPARE(entries.problems, (std::vector<CsvImport::Problem>{{2, problem}}));
    }

    void importGuessesColumnsAndReadsLocaleAmounts()
    {
        const std::vector<CsvRecord> rows =
            readCsv("Notes,Amount,Brief Description,When\r\nnew,\"$1,250.00\",Tyres,\"March 15, 2009\"\r\n");
        const CsvImport::Plan plan = CsvImport::guessPlan(LogKind::Goodies, rows);
        QVERIFY(plan.hasHeader);
        QCOMPARE(plan.columns, (std::array<int, 4>{3, 2, 1, 0}));
        const CsvImport::Entries entries = CsvImport::readEntries(rows, plan, RideB);
        QVERIFY(entries.problems.empty());
        QCOMPARE(bytesOfRecords(entries.expenses),
                 bytesOfRecords(std::vector{expense(RideB, day(2009, 3, 15), "Tyres", 12500000, "new")}));

        const CsvImport::Plan headless = CsvImport::guessPlan(LogKind::Trips, readCsv("2009-03-15,Coast,120\r\n"));
        QVERIFY(!headless.hasHeader);
        QCOMPARE(headless.columns, (std::array<int, 4>{0, 1, 2, CsvImport::NoColumn}));
    }

    void demoRidesExportAndImportBackToTheSameEntries()
    {
        DataTest::WorkingFolder folder;
        QCOMPARE(writeDemoData(folder.path(), QDate(2026, 6, 1)), QString());
        const StoreRead<std::vector<RideHistory>> read = Store::readAllRideHistories();
        QVERIFY(read.status);
        const std::vector<RideHistory> &rides = read.value;
        QCOMPARE(rides.size(), std::size_t(3));
        for (bool withRideColumn : {false, true}) {
            for (const RideHistory &ride : rides) {
                // An export of every ride is read for one ride by its Ride column.
                const std::vector<CsvFile> csv = withRideColumn ? csvExport(rides, true) : csvExport({ride}, false);
                auto import = [&](LogKind kind) {
                    const std::vector<CsvRecord> rows = CsvImport::readFile(fileNamed(csv, csvFileName(kind)).text.toUtf8()).rows;
                    CsvImport::Plan plan = CsvImport::guessPlan(kind, rows);
                    [&] { QCOMPARE(CsvImport::ridesOf(rows, plan).isEmpty(), !withRideColumn); }();
                    plan.ride = QString::number(ride.rideNumber);
                    CsvImport::Entries entries = CsvImport::readEntries(rows, plan, ride.ride.RideKey);
                    [&] { QVERIFY(entries.problems.empty()); }();
                    return entries;
                };
                QCOMPARE(bytesOfRecords(import(LogKind::Maintenance).expenses), bytesOfRecords(ride.maintenance));
                QCOMPARE(bytesOfRecords(import(LogKind::Goodies).expenses), bytesOfRecords(ride.goodies));
                QCOMPARE(bytesOfRecords(import(LogKind::Trips).trips), bytesOfRecords(ride.trips));
                QCOMPARE(bytesOfRecords(import(LogKind::Gas).gas), bytesOfRecords(ride.gas));
                QVERIFY(!ride.gas.empty());
            }
        }
    }

    void aRidesEntriesAreReadByDayThenInFileOrder()
    {
        DataTest::WorkingFolder folder;
        RideRecord ride;
        ride.RideKey = RideA;
        DataTest::writeBytes(QStringLiteral("Torqal.Dat"), encodeRecord(ride));
        QByteArray maintenance;
        for (const auto &[key, date, text] : {std::tuple{RideA, day(2020, 2, 1), "a"}, {RideA, day(2020, 1, 1), "b"},
                                              {RideB, day(2019, 1, 1), "other"}, {RideA, day(2020, 2, 1), "c"},
                                              {RideA, day(2020, 1, 1), "d"}})
            maintenance += encodeRecord(expense(key, date, QString::fromLatin1(text), 0));
        DataTest::writeBytes(QStringLiteral("Maint.Dat"), maintenance);
        const StoreRead<RideHistory> history = Store::readRideHistory(1);
        QVERIFY(history.status);
        QStringList order;
        for (const ExpenseRecord &entry : history.value.maintenance)
            order << entry.Description.trimmed();
        QCOMPARE(order, (QStringList{"b", "d", "a", "c"}));
    }

    void appendingRefusesEntriesBeyondTheLastRecordALogCanHold()
    {
        DataTest::WorkingFolder folder;
        DataTest::writeBytes(QStringLiteral("Gas.Dat"), QByteArray(qsizetype(MaxRecords - 1) * GasRecord::Length, '\0'));
        const std::vector<GasRecord> two = {gas(RideA, day(2020, 1, 1), 10, 300), gas(RideA, day(2020, 1, 2), 11, 310)};
        const StoreResult refused = Store::appendLogEntries(two);
        QCOMPARE(refused.outcome, StoreOutcome::NothingWritten);
        QCOMPARE(DataTest::bytesOf("Gas.Dat").size(), qsizetype(MaxRecords - 1) * GasRecord::Length);
        QCOMPARE(Store::appendLogEntries(std::vector{two[1]}).outcome, StoreOutcome::Written);
        QCOMPARE(DataTest::bytesOf("Gas.Dat").right(GasRecord::Length), encodeRecord(two[1]));
    }

    // A fill-up's odometer reading, cost and check boxes go out with the
    // export and come back with the import, into Torqal.db beside their
    // entries; a cell that is neither yes nor no leaves its row out.
    void extrasMakeTheRoundTrip()
    {
        RideHistory history;
        history.gas = {gas(RideA, day(2009, 4, 1), 12.4f, 350), gas(RideA, day(2009, 4, 9), 5, 120),
                       gas(RideA, day(2009, 4, 20), 11, 300)};
        EntryExtras first, partial, missed;
        first.odometer = 41250;
        first.cost = 324000;
        partial.partial = true;
        missed.missed = true;
        missed.odometer = 41670;
        history.extras[3] = {first, partial, missed};
        const QString csv = fileNamed(csvExport({history}, false), "gasoline.csv").text;
        const std::vector<CsvRecord> rows = readCsv(csv);
        const CsvImport::Entries entries = CsvImport::readEntries(rows, CsvImport::guessPlan(LogKind::Gas, rows), RideA);
        QVERIFY(entries.problems.empty());
        QVERIFY(entries.extras == history.extras[3]);

        DataTest::WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        QVERIFY(Store::appendLogEntries(database, entries.gas, entries.extras).done());
        LogListing listing(LogKind::Gas);
        QVERIFY(listing.read(RideA, &database));
        QCOMPARE(listing.count(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY(listing.extrasOf(i) == history.extras[3][std::size_t(i)]);

        const std::vector<CsvRecord> maybe = readCsv(QString(csv).replace(QStringLiteral(",yes,"), QStringLiteral(",maybe,")));
        const CsvImport::Entries refused = CsvImport::readEntries(maybe, CsvImport::guessPlan(LogKind::Gas, maybe), RideA);
        QCOMPARE(refused.problems, (std::vector<CsvImport::Problem>{{3, QStringLiteral("\"maybe\" is neither yes nor no")}}));
        QCOMPARE(refused.extras.size(), std::size_t(2));
    }

    // A ride's units name its columns and figure its economy; rides of
    // different units say theirs row by row.
    void exportSpeaksTheRidesUnits()
    {
        RideHistory metric;
        metric.rideNumber = 1;
        metric.units = {DistanceUnit::Kilometres, FuelUnit::Litres, EconomyUnit::LitresPer100Km, std::nullopt};
        metric.gas = {gas(RideA, day(2009, 4, 1), 40, 500)};
        QCOMPARE(fileNamed(csvExport({metric}, false), "gasoline.csv").text,
                 "Date,Litres,Kilometres,L/100 km,Notes,Odometer,Cost,Partial,Missed\r\n2009-04-01,40,500,8.0,,,,,\r\n");
        RideHistory plain;
        plain.rideNumber = 2;
        plain.trips = {trip(RideB, day(2009, 4, 2), QStringLiteral("Coast"), 300)};
        metric.trips = {trip(RideA, day(2009, 4, 2), QStringLiteral("Alps"), 480)};
        const QString trips = fileNamed(csvExport({metric, plain}, true), "trips.csv").text;
        QVERIFY(trips.startsWith("Ride,Ride Name,Date,Description,Miles,Notes,Odometer,Units\r\n"));
        QVERIFY(trips.contains(",Alps,480,,,\"Kilometres, Litres, L/100 km\"\r\n"));
        QVERIFY(trips.contains(",Coast,300,,,\"Miles, Gallons, MPG\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestHistoryCsv)
#include "test_history_csv.moc"
