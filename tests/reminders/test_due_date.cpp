#include "reminders/DueDate.h"
#include "support/ReminderSupport.h"

#include <QTest>

#include <limits>

using namespace ReminderTest;

class TestDueDate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void nextDue_data()
    {
        QTest::addColumn<Reminder>("reminder");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<qint64>("miles"); // -1: not due by miles

        const qint64 none = -1;
        QTest::newRow("once on a date") << once(QDate(2027, 5, 1)) << QDate(2027, 5, 1) << none;
        QTest::newRow("once at miles") << once(QDate(), 60000) << QDate() << qint64(60000);
        QTest::newRow("month end to a shorter month") << every(6, 0, QDate(2024, 8, 31)) << QDate(2025, 2, 28) << none;
        QTest::newRow("31 January to a leap February") << every(1, 0, QDate(2024, 1, 31)) << QDate(2024, 2, 29) << none;
        QTest::newRow("31 January to a plain February") << every(1, 0, QDate(2023, 1, 31)) << QDate(2023, 2, 28) << none;
        QTest::newRow("leap day plus a year") << every(12, 0, QDate(2024, 2, 29)) << QDate(2025, 2, 28) << none;
        QTest::newRow("leap day plus four years") << every(48, 0, QDate(2024, 2, 29)) << QDate(2028, 2, 29) << none;
        QTest::newRow("across the year end") << every(3, 0, QDate(2024, 11, 30)) << QDate(2025, 2, 28) << none;
        QTest::newRow("miles from the last time") << every(0, 5000, QDate(2024, 3, 1), 12000) << QDate() << qint64(17000);
        QTest::newRow("months and miles") << every(6, 5000, QDate(2024, 3, 1), 12000) << QDate(2024, 9, 1) << qint64(17000);
        QTest::newRow("miles stop at the largest number")
            << every(0, 10, QDate(2024, 3, 1), std::numeric_limits<qint64>::max() - 5) << QDate()
            << std::numeric_limits<qint64>::max();
    }

    void nextDue()
    {
        QFETCH(Reminder, reminder);
        QFETCH(QDate, date);
        QFETCH(qint64, miles);
        const DueDate::Point point = DueDate::nextDue(reminder);
        QCOMPARE(point.date, date);
        QCOMPARE(point.miles.value_or(-1), miles);
    }

    void standing_data()
    {
        QTest::addColumn<Reminder>("reminder");
        QTest::addColumn<qint64>("rideMiles");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");

        // Today is 1 March 2024, the day after a leap day.
        const int later = int(DueDate::State::Later), due = int(DueDate::State::Due),
                  overdue = int(DueDate::State::Overdue), finished = int(DueDate::State::Finished);
        const qint64 miles = 59660;
        QTest::newRow("within the days") << once(QDate(2024, 3, 13)) << miles << due << "due in 12 days";
        QTest::newRow("beyond the days") << once(QDate(2024, 4, 15)) << miles << later << "due in 45 days";
        QTest::newRow("the due day") << once(QDate(2024, 3, 1)) << miles << due << "due today";
        QTest::newRow("one day late") << once(QDate(2024, 2, 29)) << miles << overdue << "overdue by 1 day";
        QTest::newRow("within the miles") << once(QDate(), 60000) << miles << due << "due in 340 miles";
        QTest::newRow("beyond the miles") << once(QDate(), 62000) << miles << later << "due in 2,340 miles";
        QTest::newRow("the due mileage") << once(QDate(), miles) << miles << due << "due now";
        QTest::newRow("past the mileage") << once(QDate(), 59540) << miles << overdue << "overdue by 120 miles";
        QTest::newRow("both within") << once(QDate(2024, 3, 13), 60000) << miles << due << "due in 12 days / 340 miles";
        QTest::newRow("the miles come first") << once(QDate(2024, 9, 1), 59610) << miles << overdue << "overdue by 50 miles";
        QTest::newRow("the date comes first") << once(QDate(2024, 3, 11), 63000) << miles << due
                                              << "due in 10 days / 3,340 miles";
        QTest::newRow("both past") << once(QDate(2024, 2, 27), 58460) << miles << overdue << "overdue by 3 days / 1,200 miles";
        QTest::newRow("due today, miles to go") << once(QDate(2024, 3, 1), 61000) << miles << due
                                                << "due today / in 1,340 miles";
        QTest::newRow("repeating over the leap day") << every(1, 0, QDate(2024, 1, 31)) << miles << overdue
                                                     << "overdue by 1 day";
        QTest::newRow("repeating, just done") << every(6, 5000, QDate(2024, 3, 1), miles) << miles << later
                                              << "due in 184 days / 5,000 miles";
        Reminder done = once(QDate(2024, 2, 1));
        done.lastDoneDate = QDate(2024, 2, 3);
        QTest::newRow("done once") << done << miles << finished << "done on 02/03/2024";
        // A hand-edited Torqal.db: the figures stop at the limits.
        QTest::newRow("last done at the least miles") << every(0, 1, QDate(2024, 1, 1), std::numeric_limits<qint64>::min())
                                                      << miles << overdue << "overdue by 9,223,372,036,854,775,807 miles";
    }

    void standing()
    {
        QFETCH(Reminder, reminder);
        QFETCH(qint64, rideMiles);
        QFETCH(int, state);
        QFETCH(QString, text);
        const DueDate::Standing standing = DueDate::standing(reminder, QDate(2024, 3, 1), rideMiles);
        QCOMPARE(int(standing.state), state);
        QCOMPARE(DueDate::standingText(reminder, standing), text);
    }
};

QTEST_GUILESS_MAIN(TestDueDate)
#include "test_due_date.moc"
