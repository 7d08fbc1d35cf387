#include "data/DateValue.h"
#include "platform/ValueFormats.h"
#include "support/ProgramCurrency.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ValueFormats;

namespace {

// No amount, in a table of amounts.
constexpr qint64 NoAmount = std::numeric_limits<qint64>::min();

} // namespace

// Reading what users type: dates, numbers, money and the leading number.
class TestValueReading : public QObject
{
    Q_OBJECT

    static double at(int year, int month, int day, int hour = 0, int minute = 0)
    {
        return DateValue::fromDateTime(QDate(year, month, day), QTime(hour, minute));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void datesAreRecognised_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double ides = at(2009, 3, 15);
        QTest::newRow("short date") << "03/15/2009" << ides;
        QTest::newRow("single digits") << "3/15/2009" << ides;
        QTest::newRow("dashes") << "03-15-2009" << ides;
        QTest::newRow("dots") << "03.15.2009" << ides;
        QTest::newRow("two-digit year") << "3/15/09" << ides;
        QTest::newRow("blanks around") << "  3/15/2009 " << ides;
        QTest::newRow("month before day") << "03/04/2009" << at(2009, 3, 4);
        QTest::newRow("iso") << "2009-03-15" << ides;
        QTest::newRow("year first with slashes") << "2009/3/15" << ides;
        QTest::newRow("month name first") << "March 15, 2009" << ides;
        QTest::newRow("day first, abbreviated") << "15 Mar 2009" << ides;
        QTest::newRow("abbreviation with period") << "Mar. 15, 2009" << ides;
        QTest::newRow("dashed abbreviation") << "15-Mar-09" << ides;
        QTest::newRow("any letter case") << "MARCH 15 2009" << ides;
        QTest::newRow("longer abbreviation") << "Sept 5, 2009" << at(2009, 9, 5);
        QTest::newRow("year first with name") << "2009 Mar 15" << ides;
        QTest::newRow("day name") << "Sunday, March 15, 2009" << ides;
        QTest::newRow("ordinal day") << "March 15th, 2009" << ides;
        QTest::newRow("ordinal day first") << "1st March 2009" << at(2009, 3, 1);
        QTest::newRow("24-hour time") << "03/15/2009 14:30" << at(2009, 3, 15, 14, 30);
        QTest::newRow("afternoon") << "3/15/2009 2:30 PM" << at(2009, 3, 15, 14, 30);
        QTest::newRow("lower-case half") << "3/15/2009 2:30pm" << at(2009, 3, 15, 14, 30);
        QTest::newRow("midnight") << "3/15/2009 12:00 AM" << ides;
        QTest::newRow("noon") << "3/15/2009 12:15 PM" << at(2009, 3, 15, 12, 15);
        QTest::newRow("hour only") << "15 Mar 2009 2 PM" << at(2009, 3, 15, 14);
        QTest::newRow("seconds") << "03/15/2009 06:00:30"
                                 << DateValue::fromDateTime(QDate(2009, 3, 15), QTime(6, 0, 30));
        QTest::newRow("iso with T") << "2009-03-15T06:00" << ides + 0.25;
        QTest::newRow("name and time") << "March 15, 2009 14:30" << at(2009, 3, 15, 14, 30);
        QTest::newRow("00 is 2000") << "1/1/00" << at(2000, 1, 1);
        QTest::newRow("29 is 2029") << "1/1/29" << at(2029, 1, 1);
        QTest::newRow("30 is 1930") << "1/1/30" << at(1930, 1, 1);
        QTest::newRow("99 is 1999") << "12/31/99" << at(1999, 12, 31);
        QTest::newRow("leap day") << "2/29/2008" << at(2008, 2, 29);
        QTest::newRow("day before the epoch") << "12/29/1899" << -1.0;
        QTest::newRow("before the epoch with time") << "12/29/1899 06:00" << -1.25;
        QTest::newRow("nineteenth century") << "6/1/1850" << -18109.0;
        QTest::newRow("year 100") << "1/1/0100" << at(100, 1, 1);
    }

    void datesAreRecognised()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto read = dateValueFromText(text);
        QVERIFY2(read.has_value(), qPrintable(text));
        QCOMPARE(*read, value);
        QVERIFY(isDateText(text));
    }

    void nonDatesAreRejected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("impossible day and month") << "13/45/2009";
        QTest::newRow("day first in a month-first locale") << "15/03/2009";
        QTest::newRow("no leap day") << "02/29/2009";
        QTest::newRow("April 31") << "4/31/2009";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("free text") << "next tuesday";
        QTest::newRow("words around a date") << "about 3/15/2009";
        QTest::newRow("trailing word") << "March 15, 2009 foo";
        QTest::newRow("time alone") << "14:30";
        QTest::newRow("no year") << "3/15";
        QTest::newRow("three-digit year") << "3/15/209";
        QTest::newRow("year before 100") << "1/1/0099";
        QTest::newRow("mixed separators") << "03/15-2009";
        QTest::newRow("hour 25") << "03/15/2009 25:00";
        QTest::newRow("13 PM") << "03/15/2009 13:00 PM";
        QTest::newRow("minute 60") << "03/15/2009 10:60";
        QTest::newRow("unknown month") << "Smarch 15, 2009";
        QTest::newRow("ambiguous month") << "Ju 15 2009";
        QTest::newRow("two month names") << "March May 2009";
        QTest::newRow("month and year only") << "March 2009";
        QTest::newRow("day name alone before numbers") << "Sunday 15 2009";
        QTest::newRow("letters after the day") << "March 15x, 2009";
        QTest::newRow("number") << "39887";
    }

    void nonDatesAreRejected()
    {
        QFETCH(QString, text);
        QVERIFY(!dateValueFromText(text).has_value());
        QVERIFY(!isDateText(text));
    }

    void dayFirstLocalesReadDayFirst_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("en_GB") << "en_GB" << "15/03/2009" << QDate(2009, 3, 15);
        QTest::newRow("en_GB ambiguous") << "en_GB" << "03/04/2009" << QDate(2009, 4, 3);
        QTest::newRow("de_DE") << "de_DE" << "15.03.2009" << QDate(2009, 3, 15);
        QTest::newRow("de_DE short") << "de_DE" << "15.3.09" << QDate(2009, 3, 15);
        QTest::newRow("de_DE month name") << "de_DE" << "15. März 2009" << QDate(2009, 3, 15);
        QTest::newRow("de_DE English name") << "de_DE" << "15 Mar 2009" << QDate(2009, 3, 15);
        QTest::newRow("de_DE iso") << "de_DE" << "2009-03-15" << QDate(2009, 3, 15);
        QTest::newRow("sv_SE year first") << "sv_SE" << "09-03-15" << QDate(2009, 3, 15);
    }

    void dayFirstLocalesReadDayFirst()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(dateValueFromText(text, QLocale(locale)), std::optional(DateValue::fromDateTime(date)));
    }

    void dayFirstLocaleRejectsMonthFirst()
    {
        QVERIFY(!isDateText(QStringLiteral("03/15/2009"), QLocale(QStringLiteral("en_GB"))));
    }

    void numbersAreRecognised_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("money format") << "$1,234.50" << 1234.5;
        QTest::newRow("plain") << "1234.5" << 1234.5;
        QTest::newRow("blanks around") << " 12 " << 12.0;
        QTest::newRow("several groups") << "1,234,567.89" << 1234567.89;
        QTest::newRow("leading minus") << "-$12.50" << -12.5;
        QTest::newRow("minus after the symbol") << "$-12.50" << -12.5;
        QTest::newRow("parentheses") << "($12.50)" << -12.5;
        QTest::newRow("trailing minus") << "12.50-" << -12.5;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("fraction only") << ".5" << 0.5;
        QTest::newRow("point at the end") << "5." << 5.0;
        QTest::newRow("exponent") << "1.5e3" << 1500.0;
        QTest::newRow("symbol after") << "12 $" << 12.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("beyond a double") << "1e400" << qInf();
    }

    void numbersAreRecognised()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(numberFromText(text), std::optional(value));
        QVERIFY(isNumericText(text));
    }

    void nonNumbersAreRejected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << "about 500";
        QTest::newRow("empty") << "";
        QTest::newRow("symbol alone") << "$";
        QTest::newRow("sign alone") << "-";
        QTest::newRow("misplaced separator") << "1,23,4";
        QTest::newRow("unit after") << "12.5 gal";
        QTest::newRow("open parenthesis") << "($12.50";
        QTest::newRow("two signs") << "--5";
        QTest::newRow("sign in parentheses") << "(-5)";
        QTest::newRow("two symbols") << "$12.50$";
        QTest::newRow("two points") << "1.2.3";
        QTest::newRow("n/a") << "n/a";
        QTest::newRow("exponent alone") << "e5";
    }

    void numbersBeyondMoneyAreNoAmount()
    {
        QVERIFY(!moneyFromText(QStringLiteral("1e400")).has_value());
        QVERIFY(!moneyFromText(QStringLiteral("$999,999,999,999,999.00")).has_value());
    }

    void nonNumbersAreRejected()
    {
        QFETCH(QString, text);
        QVERIFY(!numberFromText(text).has_value());
        QVERIFY(!moneyFromText(text).has_value());
    }

    void numbersFollowTheLocale()
    {
        const QLocale german(QStringLiteral("de_DE"));
        QCOMPARE(numberFromText(QStringLiteral("1.234,50 €"), german), std::optional(1234.5));
        QCOMPARE(numberFromText(QStringLiteral("$1.234,50"), german), std::optional(1234.5));
        QVERIFY(!isNumericText(QStringLiteral("1,234.50"), german));
        const QLocale french(QStringLiteral("fr_FR"));
        QCOMPARE(numberFromText(QStringLiteral("1 234,50"), french), std::optional(1234.5));
    }

    // Amounts typed with the program's currency symbol on either side, and
    // with either decimal separator where the other cannot be a thousands
    // separator; the program's currency here is the euro, written after.
    void moneyWithEitherSeparator_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("money"); // NoAmount: no amount
        QTest::newRow("en_US, comma before cents") << "en_US" << "12,50" << qint64{125000};
        QTest::newRow("en_US, one decimal") << "en_US" << "1,5" << qint64{15000};
        QTest::newRow("en_US, two digits") << "en_US" << "1,23" << qint64{12300};
        QTest::newRow("en_US, four decimals") << "en_US" << "1,2345" << qint64{12345};
        QTest::newRow("en_US, thousands stay") << "en_US" << "1,234" << qint64{12340000};
        QTest::newRow("en_US, euro after") << "en_US" << "12,50 \u20AC" << qint64{125000};
        QTest::newRow("en_US, euro before") << "en_US" << "\u20AC12.50" << qint64{125000};
        QTest::newRow("en_US, dollar still") << "en_US" << "-$12,50" << qint64{-125000};
        QTest::newRow("en_US, no-break blank") << "en_US" << "1,234.50\u00A0\u20AC" << qint64{12345000};
        QTest::newRow("de_DE, point before cents") << "de_DE" << "12.50" << qint64{125000};
        QTest::newRow("de_DE, thousands stay") << "de_DE" << "1.234" << qint64{12340000};
        QTest::newRow("de_DE, as written") << "de_DE" << "1.234,50 \u20AC" << qint64{12345000};
        QTest::newRow("fr_FR, point before cents") << "fr_FR" << "12.50 \u20AC" << qint64{125000};
        QTest::newRow("fr_FR, a thousand or a decimal") << "fr_FR" << "1.234" << NoAmount;
        QTest::newRow("en_US, both separators swapped") << "en_US" << "1.234,50" << NoAmount;
        QTest::newRow("en_US, other separator twice") << "en_US" << "1,23,45" << NoAmount;
        QTest::newRow("en_US, other separator and exponent") << "en_US" << "1,5e3" << NoAmount;
        QTest::newRow("en_US, nothing after it") << "en_US" << "12," << NoAmount;
        QTest::newRow("en_US, two symbols") << "en_US" << "\u20AC12.50 \u20AC" << NoAmount;
        QTest::newRow("en_US, another currency") << "en_US" << "12.50 kr" << NoAmount;
    }

    void moneyWithEitherSeparator()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(qint64, money);
        ProgramCurrency euro(ProgramCurrency::of(QStringLiteral("\u20AC"), Currency::Side::After, true));
        const std::optional<Money> expected = money != NoAmount ? std::optional<Money>(money) : std::nullopt;
        QCOMPARE(moneyFromText(text, QLocale(locale)), expected);
        QCOMPARE(numberFromText(text, QLocale(locale)).has_value(), expected.has_value());
    }

    void moneyIsReadExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("money");
        QTest::newRow("money format") << "$1,234.50" << qint64{12345000};
        QTest::newRow("thousands") << "$1,250.00" << qint64{12500000};
        QTest::newRow("negative") << "-$12.50" << qint64{-125000};
        QTest::newRow("half to even, down") << "0.00005" << qint64{0};
        QTest::newRow("half to even, up") << "0.00015" << qint64{2};
        QTest::newRow("half to even, stays") << "0.00025" << qint64{2};
        QTest::newRow("more than half") << "0.000051" << qint64{1};
        QTest::newRow("negative half") << "-0.00015" << qint64{-2};
        QTest::newRow("far below") << "0.0000001" << qint64{0};
        QTest::newRow("exponent") << "1.5e3" << qint64{15000000};
        QTest::newRow("largest") << "922337203685477.5807" << std::numeric_limits<qint64>::max();
        QTest::newRow("smallest") << "-922337203685477.5808" << std::numeric_limits<qint64>::min();
    }

    void moneyIsReadExactly()
    {
        QFETCH(QString, text);
        QFETCH(qint64, money);
        QCOMPARE(moneyFromText(text), std::optional<Money>(money));
    }

    void moneyBeyondRangeIsNoAmount()
    {
        QVERIFY(!moneyFromText(QStringLiteral("922337203685477.5808")).has_value());
        QVERIFY(!moneyFromText(QStringLiteral("1e20")).has_value());
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("unit after") << "12.5 gal" << 12.5;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("leading blank") << " 42" << 42.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("gas miles cell") << "350   (28.2)" << 350.0;
        QTest::newRow("tabs and line breaks first") << "\t\r\n 8" << 8.0;
        QTest::newRow("negative") << "-3.5x" << -3.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("fraction only") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e3 ft" << 1000.0;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("blank ends the number") << "1 000" << 1.0;
        QTest::newRow("comma ends the number") << "1,234.5" << 1.0;
        QTest::newRow("second point ends it") << "12.5.3" << 12.5;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("too large") << "1e999" << qInf();
        QTest::newRow("too small") << "1e-999" << 0.0;
        QTest::newRow("currency symbol") << "$12" << 0.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ValueFormats::leadingNumber(text), value);
    }

    void leadingNumberReadsTheDecimalSeparatorOfTheLocaleGiven()
    {
        const QLocale german(QStringLiteral("de_DE"));
        QCOMPARE(ValueFormats::leadingNumber(QStringLiteral("12,4 l"), german), 12.4);
        QCOMPARE(ValueFormats::leadingNumber(QStringLiteral("12.4"), german), 12.4);
        QCOMPARE(ValueFormats::leadingNumber(QStringLiteral("12,4")), 12.0);
    }
};

QTEST_GUILESS_MAIN(TestValueReading)
#include "test_value_reading.moc"
