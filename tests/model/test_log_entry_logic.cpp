#include "logs/LogTestSupport.h"

#include "model/EntryExtrasForm.h"
#include "model/LogEntryForm.h"
#include "model/LogEntryRecords.h"
#include "model/LogKindInfo.h"

#include "support/ProgramCurrency.h"

#include <QTest>

using namespace DataTest;
using namespace LogTest;
using LogEntryForm::Problem;

namespace {

LogEntryRequest request(LogKind kind, EntryMode mode, int recordNumber = 0)
{
    const LogKindInfo &info = logKindInfo(kind);
    LogEntryRequest r;
    r.kind = kind;
    r.mode = mode;
    r.rideKey = RideA;
    r.tabCaption = info.tabCaption;
    r.columnTitles = {info.columns[0].title, info.columns[1].title, info.columns[2].title};
    r.notesLimit = info.notesWidth;
    r.recordNumber = recordNumber;
    return r;
}

std::optional<Problem> check(LogKind kind, const QString &date, const QString &one, const QString &two = QString(),
                             const QString &notes = QString())
{
    return LogEntryForm::check(kind, {date, one, two, notes});
}

} // namespace

class TestLogEntryLogic : public QObject
{
    Q_OBJECT

private slots:
    void checksRunInOrderWithTheirMessages()
    {
        using K = LogKind;
        QCOMPARE(check(K::Maintenance, "", "")->message, QStringLiteral("A date entry is required"));
        const auto badDate = check(K::Maintenance, "13/45/2009", "");
        QCOMPARE(badDate->message, QStringLiteral("I don't understand\r\n13/45/2009\r\nas being a valid date."));
        QCOMPARE(badDate->field, 0);
        const auto noDescription = check(K::Trips, "3/15/2009", "", "abc");
        QCOMPARE(noDescription->message, QStringLiteral("Some kind of description is required"));
        QCOMPARE(noDescription->field, 1);
        QCOMPARE(check(K::Maintenance, "3/15/2009", "   ")->message, QStringLiteral("Some kind of description is required"));
        QVERIFY(!check(K::Goodies, "3/15/2009", "Mirror", "n/a"));

        // Gasoline asks for gallons and miles, never for a description.
        for (const char *gallons : {"0", "abc", "", " .0"}) {
            const auto problem = check(K::Gas, "3/15/2009", gallons, "300");
            QCOMPARE(problem->message, QStringLiteral("A 'Gallons' entry is required."));
            QCOMPARE(problem->field, 1);
        }
        const auto noMiles = check(K::Gas, "3/15/2009", "12.5", "");
        QCOMPARE(noMiles->message, QStringLiteral("A 'Miles Travelled' entry is required."));
        QCOMPARE(noMiles->field, 2);
        QVERIFY(!check(K::Gas, "3/15/2009", "12.5 gal", "300 mi"));
    }

    void numbersTheRecordCannotHoldAreRefused_data()
    {
        QTest::addColumn<LogKind>("kind");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("two");
        QTest::addColumn<QString>("message"); // empty: taken
        QTest::addColumn<int>("field");
        const QString gallons = QStringLiteral("I can't store\r\n%1\r\nas a number of gallons.");
        const QString miles = QStringLiteral("I can't store\r\n%1\r\nas a number of miles.");
        const QString money = QStringLiteral("I can't store\r\n%1\r\nas an amount of money.");
        QTest::newRow("gallons infinite") << LogKind::Gas << "1e39" << "300" << gallons.arg("1e39") << 1;
        QTest::newRow("gallons beyond a double") << LogKind::Gas << "1e999" << "300" << gallons.arg("1e999") << 1;
        QTest::newRow("gallons that become 0") << LogKind::Gas << "1e-50" << "300" << gallons.arg("1e-50") << 1;
        QTest::newRow("largest gallons") << LogKind::Gas << "3e38" << "300" << "" << 0;
        QTest::newRow("gas miles") << LogKind::Gas << "12" << "2147483648" << miles.arg("2147483648") << 2;
        QTest::newRow("largest gas miles") << LogKind::Gas << "12" << "2147483647" << "" << 0;
        QTest::newRow("trip miles") << LogKind::Trips << "Rally" << "9999999999" << miles.arg("9999999999") << 2;
        QTest::newRow("trip miles negative") << LogKind::Trips << "Rally" << "-2147483649" << miles.arg("-2147483649") << 2;
        QTest::newRow("least trip miles") << LogKind::Trips << "Rally" << "-2147483648" << "" << 0;
        QTest::newRow("cost") << LogKind::Maintenance << "Oil" << "$999,999,999,999,999.00"
                              << money.arg("$999,999,999,999,999.00") << 2;
        QTest::newRow("cost beyond a double") << LogKind::Goodies << "Mirror" << "1e400" << money.arg("1e400") << 2;
        QTest::newRow("largest cost") << LogKind::Maintenance << "Oil" << "$922,337,203,685,477.58" << "" << 0;
    }
    void numbersTheRecordCannotHoldAreRefused()
    {
        QFETCH(LogKind, kind);
        QFETCH(QString, one);
        QFETCH(QString, two);
        QFETCH(QString, message);
        QFETCH(int, field);
        const auto problem = check(kind, "3/15/2009", one, two);
        QCOMPARE(problem ? problem->message : QString(), message);
        if (problem)
            QCOMPARE(problem->field, field);
    }

    void gallonsTakeTheLocalesDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        const GasRecord fill = gasFromFields(RideA, {"15.03.2009", "12,4", "300", ""});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(fill.Gallons, 12.4f);
    }

    // The deletion marker in a marker field would make the next compaction
    // drop the entry.
    void gallonsLeftAsShownAreCheckedAsStored_data()
    {
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("typed"); // empty: left as shown
        QTest::addColumn<bool>("refused");
        QTest::newRow("0.04 shown as .0") << 0.04f << "" << false;
        QTest::newRow("0.0 typed") << 0.04f << "0.0" << true;
        QTest::newRow("0 stored") << 0.0f << "" << true;
    }

    void gallonsLeftAsShownAreCheckedAsStored()
    {
        QFETCH(float, stored);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        LogEntryRequest edit = request(LogKind::Gas, EntryMode::Editing, 1);
        edit.entry = logEntry(gas(RideA, day(2009, 3, 15), stored, 300), 1);
        edit.cells = logRow(LogKind::Gas, edit.entry).cells;
        EntryFields fields = LogEntryForm::initialFields(edit);
        if (!typed.isEmpty())
            fields[1] = typed;
        const std::optional<Problem> problem = LogEntryForm::check(edit, fields);
        QCOMPARE(problem.has_value(), refused);
        if (!refused)
            QCOMPARE(std::get<GasRecord>(entryFromFields(edit, fields)).Gallons, stored);
    }

    void theDeletionMarkerIsRefusedInMarkerFields()
    {
        const auto description = check(LogKind::Maintenance, "3/15/2009", "  $Killed$ ", "5");
        QVERIFY(description);
        QCOMPARE(description->field, 1);
        QVERIFY(description->message.contains("$Killed$"));
        QVERIFY(!check(LogKind::Trips, "3/15/2009", "$Killed$ in action", "5"));

        const auto gasNotes = check(LogKind::Gas, "3/15/2009", "12", "300", "$Killed$");
        QCOMPARE(gasNotes->field, 3);
        QVERIFY(!check(LogKind::Gas, "3/15/2009", "$Killed$", "300", "notes")->message.contains("$Killed$"));
        QVERIFY(!check(LogKind::Maintenance, "3/15/2009", "Oil", "5", "$Killed$"));
    }

    void windowTextsFollowKindAndMode()
    {
        const LogEntryRequest adding = request(LogKind::Maintenance, EntryMode::Adding);
        QCOMPARE(LogEntryForm::windowTitle(adding), QStringLiteral(" Adding a New 'Maint./Repair' Entry"));
        QCOMPARE(LogEntryForm::saveTip(adding), QStringLiteral(" Save this New Entry "));
        LogEntryRequest editingGas = request(LogKind::Gas, EntryMode::Editing, 3);
        editingGas.notesCaption = QStringLiteral(" Notes about the Highlighted Gas Entry... ");
        QCOMPARE(LogEntryForm::windowTitle(editingGas), QStringLiteral(" Editing this 'Gas Usage/Info' Entry"));
        QCOMPARE(LogEntryForm::cancelTip(editingGas), QStringLiteral(" Cancel these Changes "));
        QCOMPARE(LogEntryForm::fieldCaptions(editingGas),
                 (std::array<QString, 4>{" Date ", " Gallons ", " Miles ", editingGas.notesCaption}));
        QCOMPARE(LogEntryForm::fieldLimits(editingGas), (std::array<int, 4>{10, 5, 10, 976}));
        QCOMPARE(LogEntryForm::fieldLimits(adding)[1], 60);
    }

    void editingStartsFromTheRowAsShown()
    {
        LogEntryRequest gasEdit = request(LogKind::Gas, EntryMode::Editing, 3);
        gasEdit.cells = {"03/15/2009", ".5", "350   (28.2)"};
        gasEdit.notes = QStringLiteral("first\r\nsecond");
        QCOMPARE(LogEntryForm::initialFields(gasEdit), (EntryFields{"03/15/2009", ".5", "350", "first\r\nsecond"}));
        LogEntryRequest costEdit = request(LogKind::Maintenance, EntryMode::Editing, 1);
        costEdit.cells = {"03/15/2009", "Oil change", "$12.00"};
        QCOMPARE(LogEntryForm::initialFields(costEdit)[2], QStringLiteral("$12.00"));
        QCOMPARE(LogEntryForm::amountWithoutSymbol(LogEntryForm::initialFields(costEdit)[2]), QStringLiteral("12.00"));
        costEdit.mode = EntryMode::Adding;
        QCOMPARE(LogEntryForm::initialFields(costEdit), EntryFields());
    }

    // Save writes the amount back without "$" or the program's symbol on
    // the side it is written on.
    void saveTakesTheSymbolOffTheAmount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("dollar") << "$12.00" << "12.00";
        QTest::newRow("symbol after") << "12,50 \u20AC" << "12,50";
        QTest::newRow("no symbol") << "12.00" << "12.00";
        QTest::newRow("symbol on the other side") << "\u20AC12" << "\u20AC12";
    }

    void saveTakesTheSymbolOffTheAmount()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        ProgramCurrency euro(ProgramCurrency::of(QStringLiteral("\u20AC"), Currency::Side::After, true));
        QCOMPARE(LogEntryForm::amountWithoutSymbol(typed), saved);
    }

    void notesGaugeHasAOnePercentFloor()
    {
        QCOMPARE(LogEntryForm::notesGauge(351, 976), QStringLiteral(" 36% full "));
        QCOMPARE(LogEntryForm::notesGauge(1, 976), QStringLiteral(" 1% full "));
        QCOMPARE(LogEntryForm::notesGauge(976, 976), QStringLiteral(" 100% full "));
        QCOMPARE(LogEntryForm::notesGauge(0, 976), QString());
    }

    void fieldsConvertToRecords()
    {
        const ExpenseRecord cost = expenseFromFields(RideA, {" 3/15/2009 ", "  Oil change ", "$1,250.00", " notes "});
        QCOMPARE(cost.RideKey, RideA);
        QCOMPARE(cost.EntryDate, day(2009, 3, 15));
        QCOMPARE(cost.Description, QStringLiteral("Oil change"));
        QCOMPARE(cost.Cost, qint64(12500000));
        QCOMPARE(cost.Notes, QStringLiteral(" notes")); // the blanks it starts with are the user's
        QCOMPARE(expenseFromFields(RideA, {"3/15/2009", "x", "n/a", ""}).Cost, qint64(0));

        QCOMPARE(tripFromFields(RideA, {"3/15/2009", "x", "12.5", ""}).Miles, 12);
        QCOMPARE(tripFromFields(RideA, {"3/15/2009", "x", "13.5", ""}).Miles, 14);
        QCOMPARE(tripFromFields(RideA, {"3/15/2009", "x", "far", ""}).Miles, 0);

        const GasRecord fill = gasFromFields(RideA, {"3/15/2009", "12.5 gal", "300.5 mi", ""});
        QCOMPARE(fill.Gallons, 12.5f);
        QCOMPARE(fill.Miles, 300);
    }

    // A cost is read with either decimal separator; what is no amount is
    // refused rather than read in part.
    void costsAreReadWithEitherSeparator_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("tenThousandths"); // -1: refused
        QTest::newRow("point") << "32.40" << qint64(324000);
        QTest::newRow("comma") << "32,4" << qint64(324000);
        QTest::newRow("thousands, point") << "1,234.50" << qint64(12345000);
        QTest::newRow("thousands, comma") << "1.234,50" << qint64(12345000);
        QTest::newRow("symbol and blanks") << "$ 1 234" << qint64(12340000);
        QTest::newRow("whole thousands") << "1,234" << qint64(12340000);
        QTest::newRow("negative") << "-5" << qint64(-1);
        QTest::newRow("letters") << "12a" << qint64(-1);
        QTest::newRow("a date") << "2023-01-05" << qint64(-1);
        QTest::newRow("too much") << "1e300" << qint64(-1);
    }
    void costsAreReadWithEitherSeparator()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, tenThousandths);
        QCOMPARE(EntryExtrasForm::moneyOf(typed).value_or(-1), tenThousandths);
    }

    // The odometer and cost boxes: read back as they open, refused with the
    // box to correct, and the miles since the reading before the entry's day.
    void extrasBoxesReadAndFillInMiles()
    {
        EntryExtras values;
        values.odometer = 41250;
        values.cost = 324000;
        values.partial = true;
        EntryExtras read;
        QVERIFY(!EntryExtrasForm::read(EntryExtrasForm::boxesOf(values), read));
        QCOMPARE(read, values);
        QCOMPARE(EntryExtrasForm::read({QStringLiteral("41.5"), {}, false, false}, read)->field, EntryExtrasForm::OdometerBox);
        QCOMPARE(EntryExtrasForm::read({{}, QStringLiteral("abc"), false, false}, read)->field, EntryExtrasForm::CostBox);

        const std::vector<EntryExtrasForm::Reading> readings{{20260101, 1000}, {20260301, 1600}, {20260201, 1300}};
        QCOMPARE(EntryExtrasForm::milesSince(readings, 20260215, 1500), std::optional<qint64>(200));
        QCOMPARE(EntryExtrasForm::milesSince(readings, -1, 1900), std::optional<qint64>(300));
        QCOMPARE(EntryExtrasForm::milesSince(readings, 20251231, 900), std::nullopt);
        QCOMPARE(EntryExtrasForm::milesSince(readings, 20260215, 1200), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestLogEntryLogic)
#include "test_log_entry_logic.moc"
