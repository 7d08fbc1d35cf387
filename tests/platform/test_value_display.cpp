#include "data/DateValue.h"
#include "platform/ValueFormats.h"
#include "support/ProgramCurrency.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ValueFormats;

// The display patterns, rounding and trimming.
class TestValueDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void dates_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sortKey");
        QTest::newRow("plain") << 39887.0 << "03/15/2009" << "20090315";
        QTest::newRow("evening") << 39887.75 << "03/15/2009" << "20090315";
        QTest::newRow("epoch") << 0.0 << "12/30/1899" << "18991230";
        QTest::newRow("day after the epoch") << 1.0 << "12/31/1899" << "18991231";
        QTest::newRow("negative with time") << -1.25 << "12/29/1899" << "18991229";
        QTest::newRow("nineteenth century") << -18109.0 << "06/01/1850" << "18500601";
        QTest::newRow("year 100") << -657434.0 << "01/01/0100" << "01000101";
        QTest::newRow("beyond year 9999") << 1e12 << "" << "";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "" << "";
    }

    void dates()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(QString, sortKey);
        QCOMPARE(dateText(value), text);
        QCOMPARE(dateSortKey(value), sortKey);
    }

    void dateRuleShowsEveryDateButZero_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("no date") << 0.0 << "";
        QTest::newRow("the day before the epoch") << -1.0 << "12/29/1899";
        QTest::newRow("07/04/1850") << -18076.0 << "07/04/1850";
        QTest::newRow("morning of the epoch") << 0.5 << "12/30/1899";
        QTest::newRow("a date") << 39887.0 << "03/15/2009";
    }

    void dateRuleShowsEveryDateButZero()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(dateTextWhenSet(value), text);
    }

    void datesFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_GB") << "en_GB" << "15/03/2009";
        QTest::newRow("de_DE") << "de_DE" << "15.03.2009";
        QTest::newRow("sv_SE") << "sv_SE" << "2009-03-15";
        QTest::newRow("C, a system without a language") << "C" << "03/15/2009";
    }

    void datesFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(dateText(39887.0, QLocale(locale)), text);
        QCOMPARE(dateSortKey(39887.0), QStringLiteral("20090315"));
    }

    // What a list or a field shows must read back as the same date: the entry
    // editor takes the date cell of a list as typed text.
    void shownDatesReadBack()
    {
        const QStringList locales{"en_US", "en_GB", "de_DE", "fr_FR", "sv_SE", "hu_HU", "fi_FI", "ja_JP", "nl_NL", "C"};
        const QList<double> values{39876.0, 39887.0, -18109.0, 1.0, 73050.0, 10990.0};
        for (const QString &name : locales) {
            const QLocale locale(name);
            for (const double value : values) {
                const QString text = dateText(value, locale);
                QVERIFY2(dateValueFromText(text, locale) == std::optional(value), qPrintable(name + ": " + text));
            }
        }
    }

    void dateAndTime()
    {
        const QDateTime afternoon(QDate(2009, 3, 15), QTime(14, 30, 59), Qt::UTC);
        QCOMPARE(dateTimeText(afternoon), QStringLiteral("03/15/2009 14:30"));
        const QDateTime morning(QDate(1850, 6, 1), QTime(9, 5), Qt::UTC);
        QCOMPARE(dateTimeText(morning), QStringLiteral("06/01/1850 09:05"));
        QCOMPARE(dateTimeText(afternoon, QLocale(QStringLiteral("de_DE"))), QStringLiteral("15.03.2009 14:30"));
        QCOMPARE(dateTimeText(QDateTime()), QString());
    }

    void money_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("12.5") << qint64{125000} << "$12.50";
        QTest::newRow("negative") << qint64{-125000} << "-$12.50";
        QTest::newRow("thousands") << qint64{12345000} << "$1,234.50";
        QTest::newRow("zero") << qint64{0} << "$0.00";
        QTest::newRow("below a dollar") << qint64{2995} << "$0.30";
        QTest::newRow("half a cent rounds up") << qint64{123450} << "$12.35";
        QTest::newRow("negative half a cent") << qint64{-123450} << "-$12.35";
        QTest::newRow("just below half a cent") << qint64{123449} << "$12.34";
        QTest::newRow("rounds to zero without sign") << qint64{-40} << "$0.00";
        QTest::newRow("carries into the thousands") << qint64{9999999950} << "$1,000,000.00";
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << "-$922,337,203,685,477.58";
    }

    void money()
    {
        QFETCH(qint64, amount);
        QFETCH(QString, text);
        QCOMPARE(moneyText(amount), text);
    }

    void moneyRuleHidesZero()
    {
        QCOMPARE(moneyTextWhenSet(0), QString());
        QCOMPARE(moneyTextWhenSet(-125000), QStringLiteral("-$12.50"));
    }

    void moneyFollowsTheLocaleSeparators()
    {
        QCOMPARE(moneyText(12345000, QLocale(QStringLiteral("de_DE"))), QStringLiteral("$1.234,50"));
        // What is shown reads back as the same amount.
        const QLocale german(QStringLiteral("de_DE"));
        QCOMPARE(moneyFromText(moneyText(-12345000, german), german), std::optional<Money>(-12345000));
    }

    // The currency a locale writes amounts in, as the program's default.
    void currencyFromTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<bool>("after");
        QTest::addColumn<bool>("spaced");
        QTest::newRow("en_US") << "en_US" << "$" << false << false;
        QTest::newRow("C, which has none") << "C" << "$" << false << false;
        QTest::newRow("de_DE") << "de_DE" << "\u20AC" << true << true;
        QTest::newRow("en_GB") << "en_GB" << "\u00A3" << false << false;
        QTest::newRow("fr_FR") << "fr_FR" << "\u20AC" << true << true;
        QTest::newRow("en_IN") << "en_IN" << "\u20B9" << false << false;
        QTest::newRow("nl_NL") << "nl_NL" << "\u20AC" << false << true;
    }

    void currencyFromTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, symbol);
        QFETCH(bool, after);
        QFETCH(bool, spaced);
        const Currency side = ProgramCurrency::of(symbol, after ? Currency::Side::After : Currency::Side::Before, spaced);
        QCOMPARE(Currency::ofLocale(locale == QStringLiteral("C") ? QLocale::c() : QLocale(locale)), side);
    }

    // The program's currency on its side of the amount, the locale's
    // separators within it, the sign in front of both.
    void moneyInTheProgramCurrency_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<bool>("after");
        QTest::addColumn<bool>("spaced");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("pound") << "\u00A3" << false << false << "en_US" << qint64{12345000} << "\u00A31,234.50";
        QTest::newRow("negative") << "\u00A3" << false << false << "en_US" << qint64{-125000} << "-\u00A312.50";
        QTest::newRow("euro after") << "\u20AC" << true << true << "de_DE" << qint64{-12345000} << "-1.234,50\u00A0\u20AC";
        QTest::newRow("after, no blank") << "kr" << true << false << "en_US" << qint64{125000} << "12.50kr";
        QTest::newRow("before with a blank") << "CHF" << false << true << "en_US" << qint64{125000} << "CHF\u00A012.50";
    }

    void moneyInTheProgramCurrency()
    {
        QFETCH(QString, symbol);
        QFETCH(bool, after);
        QFETCH(bool, spaced);
        QFETCH(QString, locale);
        QFETCH(qint64, amount);
        QFETCH(QString, text);
        ProgramCurrency currency(ProgramCurrency::of(symbol, after ? Currency::Side::After : Currency::Side::Before, spaced));
        QCOMPARE(moneyText(amount, QLocale(locale)), text);
        // What is shown reads back as the same amount.
        QCOMPARE(moneyFromText(text, QLocale(locale)), std::optional<Money>(amount));
    }

    void oneDecimal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("no leading zero") << 0.5 << ".5";
        QTest::newRow("zero") << 0.0 << ".0";
        QTest::newRow("rounds down") << 12.44 << "12.4";
        QTest::newRow("rounds up") << 28.636 << "28.6";
        QTest::newRow("half away from zero") << 12.45 << "12.5";
        QTest::newRow("half stored below") << 28.65 << "28.7";
        QTest::newRow("half stored below, under 1") << 0.35 << ".4";
        QTest::newRow("carry") << 9.96 << "10.0";
        QTest::newRow("negative") << -0.5 << "-.5";
        QTest::newRow("negative half") << -12.45 << "-12.5";
        QTest::newRow("negative rounding to zero") << -0.04 << ".0";
        QTest::newRow("no grouping") << 1234567.0 << "1234567.0";
        QTest::newRow("gas row") << 350 / 12.4 << "28.2";
        QTest::newRow("overall mpg") << 630 / 22.0 << "28.6";
        QTest::newRow("row 330 / 12") << 330 / 12.0 << "27.5";
        QTest::newRow("division by zero") << std::numeric_limits<double>::infinity() << "";
    }

    void oneDecimal()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(oneDecimalText(value), text);
    }

    void oneDecimalOfSingles()
    {
        // A single holds about 7 digits: 12.45f is 12.4499998..., typed as 12.45.
        QCOMPARE(oneDecimalText(12.45f), QStringLiteral("12.5"));
        QCOMPARE(oneDecimalText(0.45f), QStringLiteral(".5"));
        QCOMPARE(oneDecimalText(22.0f), QStringLiteral("22.0"));
        QCOMPARE(oneDecimalText(0.5f, QLocale(QStringLiteral("de_DE"))), QStringLiteral(",5"));
    }

    void percent_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("text");
        QTest::newRow("36") << 0.36 << "36%";
        QTest::newRow("floor of the notes gauge") << 0.01 << "1%";
        QTest::newRow("351 of 976") << 351.0 / 976 << "36%";
        QTest::newRow("half away from zero") << 0.005 << "1%";
        QTest::newRow("half stored below") << 0.145 << "15%";
        QTest::newRow("full") << 1.0 << "100%";
        QTest::newRow("more than full") << 1.5 << "150%";
        QTest::newRow("zero") << 0.0 << "0%";
        QTest::newRow("rounds to zero") << 0.004 << "0%";
    }

    void percent()
    {
        QFETCH(double, ratio);
        QFETCH(QString, text);
        QCOMPARE(percentText(ratio), text);
    }

    void roundingToIntegers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint32>("int32");
        QTest::addColumn<qint16>("int16");
        QTest::newRow("half down to even") << 2.5 << 2 << qint16{2};
        QTest::newRow("half up to even") << 3.5 << 4 << qint16{4};
        QTest::newRow("a half") << 0.5 << 0 << qint16{0};
        QTest::newRow("negative half") << -2.5 << -2 << qint16{-2};
        QTest::newRow("negative half up") << -3.5 << -4 << qint16{-4};
        QTest::newRow("below half") << 2.4999 << 2 << qint16{2};
        QTest::newRow("above half") << 2.5001 << 3 << qint16{3};
        QTest::newRow("int16 edge") << 32767.5 << 32768 << qint16{32767};
        QTest::newRow("int16 lowest") << -32768.5 << -32768 << qint16{-32768};
        QTest::newRow("large") << 1e10 << std::numeric_limits<qint32>::max() << qint16{32767};
        QTest::newRow("large negative") << -1e10 << std::numeric_limits<qint32>::min() << qint16{-32768};
        QTest::newRow("int32 edge") << 2147483647.5 << std::numeric_limits<qint32>::max() << qint16{32767};
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << std::numeric_limits<qint32>::max()
                                  << qint16{32767};
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0 << qint16{0};
    }

    void roundingToIntegers()
    {
        QFETCH(double, value);
        QFETCH(qint32, int32);
        QFETCH(qint16, int16);
        QCOMPARE(roundToInt32(value), int32);
        QCOMPARE(roundToInt16(value), int16);
    }

    void roundingToFourDecimals_data()
    {
        // Each of these is exactly half way at the fifth decimal in binary too.
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::addColumn<qint64>("money");
        QTest::newRow("plain") << 12.5 << 12.5 << qint64{125000};
        QTest::newRow("half down to even") << 1.03125 << 1.0312 << qint64{10312};
        QTest::newRow("half up to even") << 2.00025 << 2.0002 << qint64{20002};
        QTest::newRow("small half") << 0.00125 << 0.0012 << qint64{12};
        QTest::newRow("negative half") << -1.03125 << -1.0312 << qint64{-10312};
        QTest::newRow("above half") << 1.234567 << 1.2346 << qint64{12346};
    }

    void roundingToFourDecimals()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QFETCH(qint64, money);
        QCOMPARE(roundToFourDecimals(value), rounded);
        QCOMPARE(moneyFromDouble(value), money);
        QCOMPARE(moneyToDouble(money), rounded);
    }

    void moneyFromDoubleClamps()
    {
        QCOMPARE(moneyFromDouble(1e300), std::numeric_limits<qint64>::max());
        QCOMPARE(moneyFromDouble(-1e300), std::numeric_limits<qint64>::min());
        QCOMPARE(moneyFromDouble(std::numeric_limits<double>::quiet_NaN()), qint64{0});
        QVERIFY(std::isinf(roundToFourDecimals(std::numeric_limits<double>::infinity())));
    }

    void trimming_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks") << "  Oil change  " << "Oil change";
        QTest::newRow("inner blanks stay") << " a  b " << "a  b";
        QTest::newRow("tabs stay") << "\tx\t " << "\tx\t";
        QTest::newRow("line breaks stay") << "  \r\nnotes\r\n  " << "\r\nnotes\r\n";
        QTest::newRow("no-break blank stays") << "\u00A0x" << "\u00A0x";
        QTest::newRow("only blanks") << "    " << "";
        QTest::newRow("empty") << "" << "";
    }

    void trimming()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimBlanks(text), trimmed);
    }
};

QTEST_GUILESS_MAIN(TestValueDisplay)
#include "test_value_display.moc"
