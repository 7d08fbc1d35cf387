#include "print/ContinuousPrintDevice.h"
#include "print/PrintLayout.h"
#include "print/RecordingPrintDevice.h"

#include "PrintTestSupport.h"

#include <QTest>

using Kind = RecordingPrintDevice::Operation::Kind;

namespace {

// A device at the left margin, Arial 10, the position where a printout's body
// begins.
void prepare(RecordingPrintDevice &device, double y = 2.0)
{
    SetPrinterFont(device, QStringLiteral("Arial"), 10, false, false, false, false);
    device.setX(1.0);
    device.setY(y);
}

QString numberedLines(int count)
{
    QString text;
    for (int n = 1; n <= count; ++n)
        text += QStringLiteral("line %1\r\n").arg(n);
    return text;
}

bool printsAnyPageNumber(const RecordingPrintDevice &device)
{
    for (const auto &line : device.lines()) {
        if (line.text.startsWith(QStringLiteral("(page")))
            return true;
    }
    return false;
}

} // namespace

class TestPrintLayout : public QObject
{
    Q_OBJECT

private slots:
    void setPrinterFontNamesCourierFirstThenSetsEveryStyle()
    {
        RecordingPrintDevice device;
        SetPrinterFont(device, QStringLiteral("Comic Sans MS"), 12.5, true, false, true, false);
        const auto changes = device.operations(Kind::Font);
        QVERIFY(changes.size() >= 2);
        QCOMPARE(changes.at(0).font.name, QStringLiteral("Courier"));
        QCOMPARE(changes.at(1).font.name, QStringLiteral("Comic Sans MS"));
        const PrintFont expected{QStringLiteral("Comic Sans MS"), 12.5, false, true, true, false};
        QCOMPARE(device.font(), expected);
    }

    void rideHeading_data()
    {
        QTest::addColumn<QString>("rideName");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("with a name") << QStringLiteral("Blue Thunder")
                                     << QStringList{"Printout of my ride, a", "2005 Honda Shadow",
                                                    "(aka Blue Thunder)", "printed on 12/07/2026 14:03"};
        QTest::newRow("without a name") << QStringLiteral("  ")
                                        << QStringList{"Printout of my ride, a", "2005 Honda Shadow",
                                                       "printed on 12/07/2026 14:03"};
    }

    void rideHeading()
    {
        QFETCH(QString, rideName);
        QFETCH(QStringList, expected);
        RecordingPrintDevice device;
        prepare(device, 5.0);
        device.setX(4.0);
        const RideHeading ride{"2005", "Honda", "Shadow", rideName, QDateTime(QDate(2026, 12, 7), QTime(14, 3, 59))};
        PrintRideHeading(device, ride);

        const auto lines = device.lines();
        QCOMPARE(lines.size(), expected.size());
        for (int n = 0; n < lines.size(); ++n) {
            QCOMPARE(lines.at(n).text, expected.at(n));
            COMPARE_INCHES(lines.at(n).x, 1.0);
            COMPARE_INCHES(lines.at(n).y, 1.0 + n * Line10);
        }
        COMPARE_INCHES(device.y(), 2.0);
        QCOMPARE(device.documentCount(), 0);
    }

    void notesWrapAtTheFirstBlankPastSixAndAHalfInches()
    {
        // 300 characters in words of four letters: a line passes 6.5 inches
        // with its 67th character, and the next blank is the 70th.
        RecordingPrintDevice device;
        prepare(device);
        const QString text = QStringLiteral("abcd ").repeated(60);
        QVERIFY(PrintPagedText(device, text, {}));

        const auto lines = device.lines();
        QCOMPARE(lines.size(), 5);
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(lines.at(n).text, QStringLiteral("abcd ").repeated(14));
            COMPARE_INCHES(lines.at(n).x, 1.0);
            COMPARE_INCHES(lines.at(n).y, 2.0 + n * Line10);
        }
        QCOMPARE(lines.at(4).text, QStringLiteral("abcd ").repeated(4));
        QCOMPARE(device.documentCount(), 1);
        QVERIFY(!printsAnyPageNumber(device));
    }

    void aWordWithoutBlanksIsCutPastEightInches_data()
    {
        QTest::addColumn<double>("printableWidth");
        QTest::addColumn<int>("firstLine");
        // The 85th character takes the position to 1 + 85/12 > 8.0 inches.
        QTest::newRow("whole Letter sheet") << 8.5 << 85;
        // 0.25-inch edges: the 85th character would end past the printable
        // area, so it starts the next line.
        QTest::newRow("8.0 inches printable") << 8.0 << 84;
    }

    void aWordWithoutBlanksIsCutPastEightInches()
    {
        QFETCH(double, printableWidth);
        QFETCH(int, firstLine);
        RecordingPrintDevice device;
        device.setPrintableArea({printableWidth, 10.5});
        prepare(device);
        const QString address = QStringLiteral("http://example.com/") + QString(101, u'x');
        QVERIFY(PrintPagedText(device, address + QStringLiteral(" end"), {}));

        const auto lines = device.lines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).text, address.left(firstLine));
        QCOMPARE(lines.at(1).text, address.mid(firstLine) + QStringLiteral(" end"));
        COMPARE_INCHES(lines.at(1).x, 1.0);
    }

    void consecutiveLineBreaksGiveEmptyLines()
    {
        RecordingPrintDevice device;
        prepare(device);
        QVERIFY(PrintPagedText(device, QStringLiteral("one\r\n\r\ntwo\nthree"), {}));
        const auto lines = device.lines();
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).text, QStringLiteral("one"));
        QCOMPARE(lines.at(1).text, QStringLiteral("two"));
        COMPARE_INCHES(lines.at(1).y, 2.0 + 2 * Line10);
        QCOMPARE(lines.at(2).text, QStringLiteral("three"));
        COMPARE_INCHES(lines.at(2).y, 2.0 + 3 * Line10);
    }

    void aTextThatFillsOnePageHasNoPageNumber()
    {
        // From the top margin, the 47th line end takes the position past 8.8.
        RecordingPrintDevice device;
        prepare(device, 0.0);
        QVERIFY(PrintPagedText(device, numberedLines(47), {}));
        QVERIFY(device.operations(Kind::NewPage).isEmpty());
        QCOMPARE(device.lines().size(), 47);
        COMPARE_INCHES(device.lines().first().y, 1.0);
        QVERIFY(!printsAnyPageNumber(device));
        QCOMPARE(device.documentCount(), 1);
    }

    void aTextOfTwoPagesNumbersOnlyTheSecond()
    {
        RecordingPrintDevice device;
        prepare(device, 0.0);
        QVERIFY(PrintPagedText(device, numberedLines(48), {}));

        const auto first = device.lines(1, 1);
        QCOMPARE(first.size(), 47);
        QCOMPARE(first.last().text, QStringLiteral("line 47"));

        const auto second = device.lines(1, 2);
        QCOMPARE(second.size(), 2);
        QCOMPARE(second.at(0).text, QStringLiteral("line 48"));
        COMPARE_INCHES(second.at(0).x, 1.0);
        COMPARE_INCHES(second.at(0).y, 1.0);
        QCOMPARE(second.at(1).text, QStringLiteral("(page 2)"));
        COMPARE_INCHES(second.at(1).x, 6.0);
        COMPARE_INCHES(second.at(1).y, 9.2);
        QCOMPARE(device.documentCount(), 1);
        QCOMPARE(device.operations(Kind::NewPage).size(), 1);
    }

    void aTitleOnEveryPageAndANumberOnEveryPageButTheFirst()
    {
        RecordingPrintDevice device;
        prepare(device);
        const PagedTextTitle title{QStringLiteral("'Trips' Notes"), true, false, true};
        QVERIFY(PrintPagedText(device, numberedLines(100), title));

        // Page 1 starts at 2.0 inches, below a title and an empty line; later
        // pages start at the top margin.
        const auto page1 = device.lines(1, 1);
        QCOMPARE(page1.at(0).text, title.text);
        QVERIFY(page1.at(0).font.underline);
        QCOMPARE(page1.at(1).text, QStringLiteral("line 1"));
        QVERIFY(!page1.at(1).font.underline);
        COMPARE_INCHES(page1.at(1).y, 2.0 + 2 * Line10);
        QVERIFY(!page1.last().text.startsWith(QStringLiteral("(page")));

        for (int page = 2; page <= 3; ++page) {
            const auto lines = device.lines(1, page);
            QCOMPARE(lines.first().text, title.text);
            COMPARE_INCHES(lines.first().y, 1.0);
            COMPARE_INCHES(lines.at(1).y, 1.0 + 2 * Line10);
            QCOMPARE(lines.last().text, QStringLiteral("(page %1)").arg(page));
        }
        QCOMPARE(device.lines(1, 2).at(1).text, QStringLiteral("line 40"));
        const auto page3 = device.lines(1, 3);
        QCOMPARE(page3.at(page3.size() - 2).text, QStringLiteral("line 100"));
    }

    void aTitleOnlyOnceIsNotRepeated()
    {
        RecordingPrintDevice device;
        prepare(device, 0.0);
        QVERIFY(PrintPagedText(device, numberedLines(60), {QStringLiteral("Torqal, Help Section: Overview")}));
        QCOMPARE(device.lines(1, 1).first().text, QStringLiteral("Torqal, Help Section: Overview"));
        QCOMPARE(device.lines(1, 2).first().text, QStringLiteral("line 46"));
    }

    void aCentredTitleIsCentredOnThePaper()
    {
        RecordingPrintDevice device(8.5);
        prepare(device);
        QVERIFY(PrintPagedText(device, QStringLiteral("text"), {QStringLiteral("Centred"), false, true, false}));
        const auto lines = device.lines();
        QCOMPARE(lines.at(0).text, QStringLiteral("Centred"));
        COMPARE_INCHES(lines.at(0).x, 8.5 / 2 - 7 * CharWidth10 / 2);
        COMPARE_INCHES(lines.at(1).x, 1.0);
    }

    void anEmptyTextStillEndsTheDocument()
    {
        RecordingPrintDevice device;
        prepare(device);
        QVERIFY(PrintPagedText(device, QString(), {QStringLiteral("Title")}));
        QVERIFY(device.operations(Kind::Text).isEmpty());
        QCOMPARE(device.documentCount(), 1);
    }

    void printoutsBoundIntoOneDocumentAreNumberedThroughIt()
    {
        RecordingPrintDevice paper;
        ContinuousPrintDevice book(paper);
        prepare(paper, 0.0);
        book.setX(1.0);
        book.print(QStringLiteral("title page"), PrintDevice::LineEnd::End);
        QVERIFY(book.endDocument());
        QVERIFY(book.endDocument()); // a printout that drew nothing takes no page
        QVERIFY(PrintPagedText(book, numberedLines(48), {}));
        QVERIFY(book.finish());

        QCOMPARE(paper.documentCount(), 1);
        QStringList pageNumbers;
        for (const auto &line : paper.lines()) {
            if (line.text.startsWith(QStringLiteral("(page")))
                pageNumbers << QStringLiteral("%1 on %2").arg(line.text).arg(line.page);
        }
        QCOMPARE(pageNumbers, (QStringList{"(page 2) on 2", "(page 3) on 3"}));
        QCOMPARE(paper.lines(1, 3).first().text, QStringLiteral("line 48"));
    }
};

QTEST_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
