#include "LogTestSupport.h"

#include "logs/LogListModel.h"
#include "platform/ValueFormats.h"

#include <cmath>

#include <QTest>

using namespace DataTest;
using namespace LogTest;

namespace {

QString cellsOf(const LogListModel &model, int row)
{
    const LogRow &r = model.row(row);
    return QStringList{r.cells[0], r.cells[1], r.cells[2], QString::number(r.recordNumber), r.dateSort}.join(
        QStringLiteral(" | "));
}

QStringList allRows(const LogListModel &model)
{
    QStringList rows;
    for (int r = 0; r < model.entryCount(); ++r)
        rows << cellsOf(model, r);
    return rows;
}

QList<TotalCaption> shownCaptions(const LogListModel &model)
{
    QList<TotalCaption> shown;
    for (const TotalCaption &caption : model.totalCaptions())
        if (caption.shown)
            shown << caption;
    return shown;
}

} // namespace

class TestLogList : public QObject
{
    Q_OBJECT

private slots:
    void maintenanceRowsInDateOrderWithoutOtherRides()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Maint.Dat", {
            expense(RideA, day(2009, 5, 2), QStringLiteral("  Tires  "), 4500000),
            expense(RideB, day(2008, 1, 1), QStringLiteral("Other ride"), 10000),
            expense(RideA, day(2009, 3, 15), QStringLiteral("Oil change"), 299500),
            expense(RideA, day(2008, 12, 31), QStringLiteral("Brakes – 2 × €"), 12345678),
            expense(RideA + 0.25, day(2007, 1, 1), QStringLiteral("Orphan"), 10000),
        });
        LogListing listing(LogKind::Maintenance);
        LogListModel model(listing);
        QVERIFY(model.refill(RideA));
        QCOMPARE(allRows(model), QStringList({
                                     "12/31/2008 | Brakes – 2 × € | $1,234.57 | 4 | 20081231",
                                     "03/15/2009 | Oil change | $29.95 | 3 | 20090315",
                                     "05/02/2009 | Tires | $450.00 | 1 | 20090502",
                                 }));
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("$29.95"));
        QCOMPARE(model.data(model.index(1, 0), LogListModel::RecordNumberRole).toInt(), 3);
        QCOMPARE(model.data(model.index(1, 1), LogListModel::DateSortRole).toString(), QStringLiteral("20090315"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Brief Description"));
        QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
                 Qt::AlignRight);

        // The other ride sees its own entry only.
        QVERIFY(model.refill(RideB));
        QCOMPARE(allRows(model), QStringList({"01/01/2008 | Other ride | $1.00 | 2 | 20080101"}));
    }

    void entriesOfOneDayKeepTheirFileOrder()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("Trip.Dat", {
            trip(RideA, day(2010, 6, 2), QStringLiteral("second day"), 10),
            trip(RideA, day(2010, 6, 1) + 0.75, QStringLiteral("first, evening"), 20),
            trip(RideA, day(2010, 6, 1) + 0.25, QStringLiteral("first, morning"), 30),
        });
        LogListing listing(LogKind::Trips);
        LogListModel model(listing);
        QVERIFY(model.refill(RideA));
        QCOMPARE(model.row(0).cells[1], QStringLiteral("first, evening"));
        QCOMPARE(model.row(1).cells[1], QStringLiteral("first, morning"));
        QCOMPARE(model.row(2).cells[1], QStringLiteral("second day"));
    }

    void costTotalAddsNegativesAndHidesWhenNotPositive()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Goody.Dat", {
            expense(RideA, day(2009, 1, 1), QStringLiteral("free"), 0),
            expense(RideA, day(2009, 1, 2), QStringLiteral("bought"), 100000),
            expense(RideA, day(2009, 1, 3), QStringLiteral("refund"), -40000),
            expense(RideB, day(2009, 1, 4), QStringLiteral("refund"), -1000000),
        });
        LogListing listing(LogKind::Goodies);
        LogListModel model(listing);
        QVERIFY(model.refill(RideA));
        QCOMPARE(model.row(0).cells[2], QString());
        QCOMPARE(model.row(2).cells[2], QStringLiteral("-$4.00"));
        QCOMPARE(model.totalCaptions(), QList<TotalCaption>({{2, " Total Cost: $6.00", true}}));

        QVERIFY(model.refill(RideB));
        QCOMPARE(shownCaptions(model), QList<TotalCaption>());
    }

    void tripTotalCountsPositiveMilesOnly()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("Trip.Dat", {
            trip(RideA, day(2009, 1, 1), QStringLiteral("nowhere"), 0),
            trip(RideA, day(2009, 1, 2), QStringLiteral("backwards"), -20),
            trip(RideB, day(2009, 1, 3), QStringLiteral("rally"), 120),
            trip(RideB, day(2009, 1, 4), QStringLiteral("backwards"), -20),
        });
        LogListing listing(LogKind::Trips);
        LogListModel model(listing);
        QVERIFY(model.refill(RideA));
        QCOMPARE(allRows(model), QStringList({"01/01/2009 | nowhere |  | 1 | 20090101",
                                              "01/02/2009 | backwards | -20 | 2 | 20090102"}));
        QCOMPARE(shownCaptions(model), QList<TotalCaption>());

        QVERIFY(model.refill(RideB));
        QCOMPARE(shownCaptions(model), QList<TotalCaption>({{3, " Total Miles: 120", true}}));
    }

    void gasolineRowsAndTotals()
    {
        WorkingFolder folder;
        writeFileOf<GasRecord>("Gas.Dat", {
            gas(RideA, day(2009, 4, 1), 12.0f, 330),
            gas(RideA, day(2009, 3, 1), 10.0f, 300),
            gas(RideB, day(2009, 3, 15), 12.4f, 350),
            gas(RideB, day(2009, 3, 16), 0.5f, 5),
        });
        LogListing listing(LogKind::Gas);
        LogListModel model(listing);
        QVERIFY(model.refill(RideA));
        QCOMPARE(allRows(model), QStringList({"03/01/2009 | 10.0 | 300   (30.0) | 2 | 20090301",
                                              "04/01/2009 | 12.0 | 330   (27.5) | 1 | 20090401"}));
        QCOMPARE(model.totalCaptions(), QList<TotalCaption>({
                                            {4, " Total Gallons: 22.0 ", true},
                                            {5, " Total Miles: 630.0 ", true},
                                            {6, " Overall MPG: 28.6 ", true},
                                        }));

        QVERIFY(model.refill(RideB));
        QCOMPARE(allRows(model), QStringList({"03/15/2009 | 12.4 | 350   (28.2) | 3 | 20090315",
                                              "03/16/2009 | .5 | 5   (10.0) | 4 | 20090316"}));
    }

    // Entries written by other means may hold no gallons; nothing divides by 0.
    void gasolineWithoutGallonsShowsNoMilesPerGallon()
    {
        WorkingFolder folder;
        writeFileOf<GasRecord>("Gas.Dat", {
            gas(RideA, day(2009, 3, 1), 5.0f, 100),
            gas(RideA, day(2009, 3, 2), -5.0f, 50),
            gas(RideA, day(2009, 3, 3), 0.0f, 80),
            gas(RideB, day(2009, 3, 1), 0.0f, 0),
        });
        LogListing listing(LogKind::Gas);
        LogListModel model(listing);
        QVERIFY(model.refill(RideA));
        QCOMPARE(model.row(2).cells[2], QStringLiteral("80"));
        QCOMPARE(model.row(1).cells[2], QStringLiteral("50   (-10.0)"));
        QCOMPARE(model.totalCaptions(), QList<TotalCaption>({
                                            {4, " Total Gallons: .0 ", false},
                                            {5, " Total Miles: 230.0 ", true},
                                            {6, " Overall MPG: ", true},
                                        }));

        QVERIFY(model.refill(RideB));
        QCOMPARE(model.row(0).cells[2], QStringLiteral("0"));
        QCOMPARE(shownCaptions(model), QList<TotalCaption>());
    }

    void missingFileListsNothingAndIsCreated()
    {
        WorkingFolder folder;
        LogListing listing(LogKind::Trips);
        LogListModel model(listing);
        QVERIFY(model.refill(RideA));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(shownCaptions(model), QList<TotalCaption>());
        QVERIFY(exists("Trip.Dat"));
        QCOMPARE(bytesOf("Trip.Dat").size(), 0);
    }

    // Key 0 means that no ride is shown, even beside entries stored with key 0
    // (or the zeros a damaged file's last partial record reads as).
    void noRideListsNothing()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(0, day(2009, 1, 1), QStringLiteral("keyless"), 10000)});
        LogListing listing(LogKind::Maintenance);
        LogListModel model(listing);
        QVERIFY(model.refill(0));
        QCOMPARE(model.rowCount(), 0);
    }

    void refillReportsTheFileItCouldNotRead()
    {
        WorkingFolder folder;
        QVERIFY(QDir().mkdir("Gas.Dat")); // a folder where the file should be
        LogListing listing(LogKind::Gas);
        LogListModel model(listing);
        const FileStatus status = model.refill(RideA);
        QVERIFY(!status);
        QCOMPARE(status.fileName(), QStringLiteral("Gas.Dat"));
        QCOMPARE(model.rowCount(), 0);
    }

    // The lists sort by a number; it must order as the "yyyymmdd" text does.
    void dateSortNumberMatchesTheSortText()
    {
        for (double value : {0.0, -1.25, 36526.0, 36526.999, 39887.5, -657434.0, -693593.0, 2958465.5, 2958466.0,
                             std::nan(""), 1e300}) {
            QCOMPARE(dateSortText(dateSortNumber(value)), ValueFormats::dateSortKey(value));
        }
        QVERIFY(dateSortNumber(-657434.0) < dateSortNumber(0.0)); // year 100 before 1899
        QCOMPARE(dateSortNumber(std::nan("")), -1);
    }

    void totalsStopAtTheLimitsOfTheirType()
    {
        qint32 miles = std::numeric_limits<qint32>::max() - 5;
        AddTo(miles, 10);
        QCOMPARE(miles, std::numeric_limits<qint32>::max());
        AddTo(miles, -10);
        QCOMPARE(miles, std::numeric_limits<qint32>::max() - 10);
        qint64 cost = std::numeric_limits<qint64>::min() + 1;
        AddTo(cost, qint64(-2));
        QCOMPARE(cost, std::numeric_limits<qint64>::min());
    }
};

QTEST_GUILESS_MAIN(TestLogList)
#include "test_log_list.moc"
