#include "print/LogEntryPrintout.h"
#include "print/PicturePrintout.h"
#include "print/PrintLayout.h"
#include "print/RecordingPrintDevice.h"
#include "print/RideReport.h"

#include "PrintTestSupport.h"

#include <QImage>
#include <QTest>

using Kind = RecordingPrintDevice::Operation::Kind;
using Operation = RecordingPrintDevice::Operation;

namespace {

const RideHeading Ride{"2005", "Honda", "Shadow", "Blue Thunder", QDateTime(QDate(2026, 12, 7), QTime(14, 3))};

const LogColumns Maintenance{1, "Maint./Repair", {"Date", "Brief Description", "Cost"}};
const LogColumns Trips{3, "Trips", {"Date", "Brief Description", "Miles"}};
const LogColumns Gasoline{4, "Gas Usage/Info", {"Date", "Gallons", "Miles     mpg"}};

void useArial10(PrintDevice &device)
{
    SetPrinterFont(device, QStringLiteral("Arial"), 10, false, false, false, false);
}

// The texts drawn at one height of the first page of a document, each with
// where it started.
QList<Operation> textsAt(const RecordingPrintDevice &device, double y, int document = 1, int page = 1)
{
    QList<Operation> found;
    for (const Operation &operation : device.operations(Kind::Text)) {
        if (operation.document == document && operation.page == page && nearly(operation.y, y))
            found.append(operation);
    }
    return found;
}

const Operation *findText(const RecordingPrintDevice &device, const QString &text)
{
    for (const Operation &operation : device.operations()) {
        if (operation.kind == Kind::Text && operation.text == text)
            return &operation;
    }
    return nullptr;
}

QList<LogCells> maintenanceRows(int count)
{
    QList<LogCells> rows;
    for (int n = 1; n <= count; ++n)
        rows.append({QStringLiteral("03/15/2009"), QStringLiteral("Entry %1").arg(n), QStringLiteral("$1,029.95")});
    return rows;
}

QList<RideField> allFieldsFilled()
{
    const QStringList captions{"Style", "Color", "License# / State / Type", "Your Ride's Name", "Purchase Date",
                               "Purchased from", "Address", "City/State/Zip", "Phone #", "Price Paid",
                               "Selling Date", "Sold to", "Address", "City/State/Zip", "Phone #", "Price Sold",
                               "Insurance Company", "Insurance Policy #", "Vehicle Title #", "VIN#",
                               "Engine Serial #", "Paint Code#", "Key Code#"};
    QList<RideField> fields;
    for (const QString &caption : captions)
        fields.append({u' ' + caption + u' ', QStringLiteral("value of ") + caption});
    return fields;
}

} // namespace

class TestPrintouts : public QObject
{
    Q_OBJECT

private slots:
    void aMaintenanceEntryWithoutCostPrintsNoAmount()
    {
        RecordingPrintDevice device;
        QVERIFY(PrintLogEntry(device, {Maintenance, {"03/15/2009", "Oil change", ""}, ""}, Ride));

        QCOMPARE(device.lines(1, 1).at(4).text, QStringLiteral("'Maint./Repair' Entry"));
        QVERIFY(device.lines(1, 1).at(4).font.underline);
        const auto entry = textsAt(device, 2.0 + 3 * Line10);
        QCOMPARE(entry.size(), 2);
        QCOMPARE(entry.at(0).text, QStringLiteral("03/15/2009"));
        COMPARE_INCHES(entry.at(0).x, 1.0);
        QCOMPARE(entry.at(1).text, QStringLiteral("Oil change"));
        COMPARE_INCHES(entry.at(1).x, 2.0);
        QVERIFY(!entry.at(1).font.underline);
        // Without notes the entry line is the last thing printed.
        QCOMPARE(device.lines().size(), 7);
        QCOMPARE(device.documentCount(), 1);
        QVERIFY(device.operations(Kind::NewPage).isEmpty());
    }

    void aCostEndsAtSevenPointOneInches()
    {
        RecordingPrintDevice device;
        QVERIFY(PrintLogEntry(device, {Maintenance, {"03/15/2009", "Oil change", "$29.95"}, ""}, Ride));
        const Operation *cost = findText(device, QStringLiteral("$29.95"));
        QVERIFY(cost);
        COMPARE_INCHES(cost->x + 6 * CharWidth10, 7.1);
        COMPARE_INCHES(cost->y, 2.0 + 3 * Line10);

        const auto titles = textsAt(device, 2.0 + 2 * Line10);
        QCOMPARE(titles.size(), 3);
        COMPARE_INCHES(titles.at(2).x, 6.5);
        QCOMPARE(titles.at(2).text, QStringLiteral("Cost       "));
    }

    void aGasolineEntryPrintsItsThreeColumns()
    {
        RecordingPrintDevice device;
        QVERIFY(PrintLogEntry(device, {Gasoline, {"03/15/2009", "12.4", "350   (28.2)"}, ""}, Ride));

        const auto titles = textsAt(device, 2.0 + 2 * Line10);
        QCOMPARE(titles.size(), 3);
        QCOMPARE(titles.at(0).text, QStringLiteral("Date           "));
        QCOMPARE(titles.at(1).text, QStringLiteral("Gallons"));
        QCOMPARE(titles.at(2).text, QStringLiteral("Miles     mpg       "));
        const double columns[] = {1.0, 2.0, 3.0};
        for (int column = 0; column < 3; ++column) {
            COMPARE_INCHES(titles.at(column).x, columns[column]);
            QVERIFY(titles.at(column).font.underline);
        }

        const auto entry = textsAt(device, 2.0 + 3 * Line10);
        QCOMPARE(entry.size(), 3);
        const QStringList cells{"03/15/2009", "12.4", "350   (28.2)"};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(entry.at(column).text, cells.at(column));
            COMPARE_INCHES(entry.at(column).x, columns[column]);
        }
    }

    void longEntryNotesGoOnOnNumberedPagesUnderTheirTitle()
    {
        RecordingPrintDevice device;
        QString notes;
        for (int n = 1; n <= 60; ++n)
            notes += QStringLiteral("note line %1\r\n").arg(n);
        QVERIFY(PrintLogEntry(device, {Trips, {"06/01/2009", "Blue Ridge", "412"}, notes}, Ride));

        // Entry line, an empty line, then the notes' title.
        const auto page1 = device.lines(1, 1);
        QCOMPARE(page1.at(7).text, QStringLiteral("'Trips' Notes"));
        COMPARE_INCHES(page1.at(7).y, 2.0 + 5 * Line10);
        QVERIFY(page1.at(7).font.underline);
        QVERIFY(!page1.last().text.startsWith(QStringLiteral("(page")));

        const auto page2 = device.lines(1, 2);
        QCOMPARE(page2.first().text, QStringLiteral("'Trips' Notes"));
        QCOMPARE(page2.last().text, QStringLiteral("(page 2)"));
        QCOMPARE(page2.at(page2.size() - 2).text, QStringLiteral("note line 60"));
        QCOMPARE(device.documentCount(), 1);
    }

    void aListThatPassesNineInchesGoesOnUnderItsHeadings()
    {
        // Entries start 2.5 inches down; the 40th leaves the position past 9.0.
        RecordingPrintDevice device;
        useArial10(device);
        QVERIFY(PrintLogList(device, Ride, {Maintenance, maintenanceRows(41), {" Total Cost: $42,227.95"}}));

        QCOMPARE(device.operations(Kind::NewPage).size(), 1);
        const auto page1 = device.lines(1, 1);
        QCOMPARE(page1.last().text, QStringLiteral("03/15/2009Entry 40$1,029.95"));

        const auto page2 = device.lines(1, 2);
        QCOMPARE(page2.size(), 8);
        QCOMPARE(page2.at(0).text, QStringLiteral("Printout of my ride, a"));
        QCOMPARE(page2.at(4).text, QStringLiteral("'Maint./Repair' List"));
        QVERIFY(page2.at(5).font.underline);
        QCOMPARE(page2.at(5).text, QStringLiteral("Date           Brief DescriptionCost       "));
        QCOMPARE(page2.at(6).text, QStringLiteral("03/15/2009Entry 41$1,029.95"));
        COMPARE_INCHES(page2.at(6).y, 2.5);

        // The total after an empty line, ending where the amounts end.
        QCOMPARE(page2.at(7).text, QStringLiteral(" Total Cost: $42,227.95"));
        COMPARE_INCHES(page2.at(7).y, 2.5 + 2 * Line10);
        COMPARE_INCHES(page2.at(7).x + 23 * CharWidth10, 7.1);
        QCOMPARE(device.documentCount(), 1);
    }

    void noNewPageAfterTheLastEntry()
    {
        RecordingPrintDevice device;
        useArial10(device);
        QVERIFY(PrintLogList(device, Ride, {Maintenance, maintenanceRows(40), {""}}));
        QVERIFY(device.operations(Kind::NewPage).isEmpty());
        // A hidden total prints nothing.
        QCOMPARE(device.lines().last().text, QStringLiteral("03/15/2009Entry 40$1,029.95"));
        QCOMPARE(device.documentCount(), 1);
    }

    void aGasolineListEndsWithItsSummary()
    {
        RecordingPrintDevice device;
        useArial10(device);
        const LogList list{Gasoline,
                           {{"03/15/2009", "10.0", "300   (30.0)"}, {"04/02/2009", "12.0", "330   (27.5)"}},
                           {" Total Gallons: 22.0 ", " Total Miles: 630.0 ", " Overall MPG: 28.6 "}};
        QVERIFY(PrintLogList(device, Ride, list));

        const auto lines = device.lines();
        const auto summary = lines.at(lines.size() - 2);
        QCOMPARE(summary.text, QStringLiteral(" Summary:      "));
        QVERIFY(summary.font.underline);
        COMPARE_INCHES(summary.y, 2.5 + 3 * Line10);
        QCOMPARE(lines.last().text,
                 QStringLiteral(" Total Gallons: 22.0    ***    Total Miles: 630.0    ***    Overall MPG: 28.6 "));
        QVERIFY(!lines.last().font.underline);
        COMPARE_INCHES(lines.last().x, 1.0);
    }

    void basicInformationListsOnlyTheFilledFields()
    {
        RecordingPrintDevice device;
        useArial10(device);
        const BasicInformation information{
            {{" Style ", "Cruiser"}, {" Color ", "  "}, {" License# / State / Type ", "ABC-123 / VA / Cycle"}},
            false, {}, {}};
        QVERIFY(PrintBasicInformation(device, Ride, information));

        const auto first = textsAt(device, 2.0);
        QCOMPARE(first.size(), 2);
        QCOMPARE(first.at(0).text, QStringLiteral("Style -- "));
        COMPARE_INCHES(first.at(0).x, 1.0);
        QCOMPARE(first.at(1).text, QStringLiteral("Cruiser"));
        COMPARE_INCHES(first.at(1).x, 3.0);
        const auto second = textsAt(device, 2.0 + 2 * Line10);
        QCOMPARE(second.size(), 2);
        QCOMPARE(second.at(0).text, QStringLiteral("License# / State / Type -- "));
        QCOMPARE(device.lines().size(), 4 + 2);
        QCOMPARE(device.documentCount(), 1);
    }

    void basicInformationThatDoesNotFitGoesOnBelowTheHeadingOfANewPage()
    {
        // Two lines per field from 2.0 inches: the 22nd field would start past 8.8.
        RecordingPrintDevice device;
        useArial10(device);
        QVERIFY(PrintBasicInformation(device, Ride, {allFieldsFilled(), false, {}, {}}));

        QCOMPARE(device.operations(Kind::NewPage).size(), 1);
        QCOMPARE(device.lines(1, 1).last().text, QStringLiteral("Engine Serial # -- value of Engine Serial #"));
        const auto page2 = device.lines(1, 2);
        QCOMPARE(page2.at(0).text, QStringLiteral("Printout of my ride, a"));
        COMPARE_INCHES(page2.at(0).y, 1.0);
        QCOMPARE(page2.at(4).text, QStringLiteral("Paint Code# -- value of Paint Code#"));
        COMPARE_INCHES(page2.at(4).y, 2.0);
        QCOMPARE(page2.at(5).text, QStringLiteral("Key Code# -- value of Key Code#"));
    }

    void basicInformationWithNotesPutsThemOnTheNextPages()
    {
        RecordingPrintDevice device;
        useArial10(device);
        const BasicInformation information{{{" Style ", "Cruiser"}},
                                           true,
                                           QStringLiteral(" Notes, Thoughts, Journal, etc. "),
                                           QStringLiteral("Bought it in the rain.")};
        QVERIFY(PrintBasicInformation(device, Ride, information));

        const auto page1 = device.lines(1, 1);
        QCOMPARE(page1.last().text, QStringLiteral("(See next page for notes about this ride...)"));
        COMPARE_INCHES(page1.last().y, 2.0 + 3 * Line10);
        const auto page2 = device.lines(1, 2);
        QCOMPARE(page2.size(), 2);
        QCOMPARE(page2.at(0).text, QStringLiteral(" Notes, Thoughts, Journal, etc. "));
        QVERIFY(!page2.at(0).font.underline);
        COMPARE_INCHES(page2.at(0).x, 1.0);
        COMPARE_INCHES(page2.at(0).y, 1.0);
        QCOMPARE(page2.at(1).text, QStringLiteral("Bought it in the rain."));
        QCOMPARE(device.documentCount(), 1);
    }

    void basicInformationAndALogAreTwoPrintoutsEachWithTheHeading()
    {
        RecordingPrintDevice device;
        useArial10(device);
        QVERIFY(PrintBasicInformation(device, Ride, {{{" Style ", "Cruiser"}}, false, {}, {}}));
        QVERIFY(PrintLogList(device, Ride, {Maintenance, maintenanceRows(1), {" Total Cost: $1,029.95"}}));

        QCOMPARE(device.documentCount(), 2);
        for (int document = 1; document <= 2; ++document) {
            const auto lines = device.lines(document, 1);
            QCOMPARE(lines.first().text, QStringLiteral("Printout of my ride, a"));
            COMPARE_INCHES(lines.first().y, 1.0);
        }
        QCOMPARE(device.lines(2, 1).at(4).text, QStringLiteral("'Maint./Repair' List"));
    }

    void aListAfterThePictureIsBackInArial10()
    {
        RecordingPrintDevice device;
        useArial10(device);
        QVERIFY(PrintLargerPicture(device, QStringLiteral("Blue Thunder"), QImage(4, 3, QImage::Format_RGB32), {4, 3}));
        QVERIFY(PrintLogList(device, Ride, {Trips, {{"06/01/2009", "Blue Ridge", "412"}}, {" Total Miles: 412"}}));
        for (const auto &line : device.lines(2, 1))
            QCOMPARE(line.font.size, 10.0);
    }

    void theLargerPictureIsPrintedBelowItsTitle()
    {
        RecordingPrintDevice device;
        const QImage picture(400, 300, QImage::Format_RGB32);
        QVERIFY(PrintLargerPicture(device, QStringLiteral("'Blue Thunder'"), picture, QSize(8000, 6000)));

        const auto lines = device.lines();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0).text, QStringLiteral("'Blue Thunder'"));
        COMPARE_INCHES(lines.at(0).x, 0.75);
        COMPARE_INCHES(lines.at(0).y, 1.8);
        QCOMPARE(lines.at(0).font, (PrintFont{QStringLiteral("Arial"), 9}));

        const auto pictures = device.operations(Kind::Picture);
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(pictures.at(0).rect, QRectF(0.75, 2.0, 6.25, 4.6875));
        QCOMPARE(pictures.at(0).picture.size(), QSize(400, 300));
        QCOMPARE(device.documentCount(), 1);

        // Twice as tall as wide: scaled to end at the foot of the printable
        // area (10.5 inches high here), keeping its proportions.
        device.setPrintableArea({8.0, 10.5});
        QVERIFY(PrintLargerPicture(device, QStringLiteral("Tall"), picture, QSize(3000, 6000)));
        QCOMPARE(device.operations(Kind::Picture).at(1).rect, QRectF(0.75, 2.0, 4.25, 8.5));
    }
};

QTEST_MAIN(TestPrintouts)
#include "test_printouts.moc"
