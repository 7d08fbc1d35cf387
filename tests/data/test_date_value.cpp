#include "data/DateValue.h"

#include <QTest>

class TestDateValue : public QObject
{
    Q_OBJECT

private slots:
    void knownValues_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<double>("value");
        auto at = [](int y, int m, int d, int h = 0, int min = 0) {
            return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
        };
        QTest::newRow("epoch") << at(1899, 12, 30) << 0.0;
        QTest::newRow("noon after epoch") << at(1899, 12, 31, 12) << 1.5;
        QTest::newRow("millennium") << at(2000, 1, 1) << 36526.0;
        QTest::newRow("before epoch keeps time forward") << at(1899, 12, 29, 6) << -1.25;
        QTest::newRow("nineteenth century") << at(1850, 6, 1) << -18109.0;
    }

    void knownValues()
    {
        QFETCH(QDateTime, moment);
        QFETCH(double, value);
        QCOMPARE(DateValue::fromDateTime(moment), value);
        QCOMPARE(DateValue::toDateTime(value), moment);
    }

    void roundTripsToTheMillisecond()
    {
        const QDateTime moment(QDate(2009, 3, 15), QTime(17, 42, 13, 250), Qt::UTC);
        QCOMPARE(DateValue::toDateTime(DateValue::fromDateTime(moment)), moment);
    }

    void almostMidnightRoundsIntoTheNextDay()
    {
        QCOMPARE(DateValue::toDateTime(36526.0 - 1e-10), QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC));
    }

    void nonDatesAreInvalid()
    {
        QVERIFY(!DateValue::toDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
        QVERIFY(!DateValue::toDateTime(std::numeric_limits<double>::infinity()).isValid());
        QVERIFY(!DateValue::toDateTime(1e12).isValid());
        int year = 0, month = 0, day = 0;
        QVERIFY(!DateValue::toDay(1e12, year, month, day));
    }

    // The day reckoned alone agrees with the calendar's, over the whole
    // range of dates, at midnight, during the day and just before midnight.
    void theDayAloneAgreesWithTheMoment()
    {
        for (double whole = -657434.0; whole < 2958466.0; whole += 61.0) {
            for (double value : {whole, whole + 0.5, whole + 1 - 1e-10}) {
                const QDate expected = DateValue::toDateTime(value).date();
                int year = 0, month = 0, day = 0;
                QVERIFY(DateValue::toDay(value, year, month, day));
                QCOMPARE(QDate(year, month, day), expected);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDateValue)
#include "test_date_value.moc"
