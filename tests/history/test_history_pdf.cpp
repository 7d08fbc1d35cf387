// The history PDF as the recording print device takes it down: what a seller
// hands a buyer.

#include "history/HistoryChartPainter.h"
#include "history/HistoryPdf.h"
#include "logs/LogTestSupport.h"
#include "print/PrintTestSupport.h"
#include "print/RecordingPrintDevice.h"

#include <QTest>

using namespace LogTest;
using Line = RecordingPrintDevice::Line;
using Operation = RecordingPrintDevice::Operation;

namespace {

QString numberedLines(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << QStringLiteral("Ride note %1").arg(n);
    return lines.join(QStringLiteral("\r\n"));
}

// The lines of the entry's notes: those printed in italics under its line
// (which holds the text given), from the description column.
QStringList notesUnder(const QList<Line> &lines, const QString &entry)
{
    QStringList notes;
    auto line = std::find_if(lines.begin(), lines.end(), [&](const Line &l) { return l.text.contains(entry); });
    if (line == lines.end())
        return {QStringLiteral("(no entry)")};
    for (++line; line != lines.end() && line->font.italic; ++line)
        notes << (nearly(line->x, 2.0) ? line->text : QStringLiteral("(off the column) ") + line->text);
    return notes;
}

} // namespace

class TestHistoryPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Every page starts with the ride's heading and ends with "Page N of M"
    // centred at its foot; the VIN stands on the first page, and each entry's
    // notes follow the entry, wrapped to end before the amounts' right edge.
    void everyPageIsHeadedAndNumberedAndTheEntriesCarryTheirNotes()
    {
        RideHistory history;
        history.ride.RideKey = RideA;
        history.ride.VIN = QStringLiteral("1HGEJ6672WL012345        ");
        const QString brakeNotes = QString(QStringLiteral("Front pads and rotors replaced under warranty. ")).repeated(4).trimmed();
        history.maintenance.push_back(expense(RideA, day(2009, 1, 10), QStringLiteral("Brakes"), 2500000, brakeNotes));
        for (int n = 1; n <= 50; ++n)
            history.maintenance.push_back(expense(RideA, day(2009, 2, 1) + n, QStringLiteral("Oil change %1").arg(n),
                                                  299500, QStringLiteral("Receipt in the glovebox")));
        ShownRide shown{QStringLiteral("1998 Honda"),
                        {QStringLiteral("1998"), QStringLiteral("Honda"), QStringLiteral("Civic"), QString(),
                         QDateTime(QDate(2009, 3, 15), QTime(14, 30))},
                        {{{QStringLiteral(" Style "), QStringLiteral("Coupe")}},
                         false,
                         QStringLiteral(" Notes, Thoughts, Journal, etc. "),
                         numberedLines(100)},
                        QString()};

        RecordingPrintDevice paper;
        QVERIFY(PrintHistory(paper, shown, history));
        QCOMPARE(paper.documentCount(), 1);
        const QList<Line> lines = paper.lines();
        const int pages = lines.last().page;
        QVERIFY2(pages >= 8, qPrintable(QString::number(pages)));
        for (int page = 1; page <= pages; ++page) {
            const QList<Line> onPage = paper.lines(1, page);
            QCOMPARE(onPage.first().text, QStringLiteral("Printout of my ride, a"));
            COMPARE_INCHES(onPage.first().y, 1.0);
            const Line foot = onPage.last();
            QCOMPARE(foot.text, QStringLiteral("Page %1 of %2").arg(page).arg(pages));
            COMPARE_INCHES(foot.y, 11.0 - 0.75);
            COMPARE_INCHES(foot.x, 8.5 / 2 - double(foot.text.size()) * CharWidth10 / 2);
        }
        const QList<Line> firstPage = paper.lines(1, 1);
        QVERIFY(std::any_of(firstPage.begin(), firstPage.end(),
                            [](const Line &line) { return line.text == QStringLiteral("VIN1HGEJ6672WL012345"); }));

        const QStringList brakes = notesUnder(lines, QStringLiteral("Brakes$"));
        QVERIFY(brakes.size() > 1);
        QCOMPARE(brakes.join(u' '), brakeNotes);
        for (const QString &line : brakes)
            QVERIFY2(2.0 + double(line.size()) * CharWidth10 <= 7.1, qPrintable(line));
        QCOMPARE(notesUnder(lines, QStringLiteral("Oil change 50$")), QStringList{"Receipt in the glovebox"});
    }

    // Each chart paints every one of its series, in the colours of the
    // legend (a line drawn nowhere went unseen once): the money spent has fuel
    // as its third; a chart with nothing to draw paints nothing.
    void eachChartPaintsEveryOneOfItsSeries()
    {
        RideHistory history;
        for (int month = 1; month <= 8; ++month) {
            history.maintenance.push_back(expense(RideA, day(2009, month, 3), QStringLiteral("Oil"), 400000));
            history.goodies.push_back(expense(RideA, day(2009, month, 5), QStringLiteral("Mats"), 200000));
            history.trips.push_back(trip(RideA, day(2009, month, 7), QStringLiteral("Coast"), 300));
            history.gas.push_back(gas(RideA, day(2009, month, 9), 10.0f + float(month % 3), 300));
            EntryExtras extras;
            extras.cost = 300000 + 10000 * month;
            history.extras[3].push_back(extras);
        }
        const HistoryCharts::Figures figures = HistoryCharts::figuresOf(history);
        const auto paints = [](const QImage &image, QRgb colour) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == colour)
                        return true;
            return false;
        };
        const QRgb colours[] = {qRgb(0x20, 0x9f, 0xdf), qRgb(0x99, 0xca, 0x53), qRgb(0xf6, 0xa6, 0x25)};
        for (const HistoryCharts::Chart chart : HistoryCharts::AllCharts) {
            const QImage image = HistoryChartPainter::paint(chart, figures, QSize(640, 360), HistoryChartPainter::Title::Left);
            QVERIFY(!image.isNull());
            // The legend's squares are 6 pixels high at most: count the
            // series' colour well above them.
            const QImage plot = image.copy(0, 0, image.width(), image.height() * 3 / 4);
            const std::size_t series = HistoryCharts::seriesNames(chart, figures).size();
            QCOMPARE(series, std::size_t(chart == HistoryCharts::Chart::MoneyPerMonth ? 3 : 2));
            for (std::size_t k = 0; k < series; ++k)
                QVERIFY2(paints(plot, colours[k]), qPrintable(HistoryCharts::title(chart)));
            QVERIFY(HistoryChartPainter::paint(chart, {}, QSize(640, 360)).isNull());
        }
    }

    // The summary of a sold ride with fill-up costs shows its running costs
    // and its cost of owning, each value right of its label however long the
    // label; the fuel prices have their chart.
    void theSummaryAndTheChartsShowTheFuelFigures()
    {
        RideHistory history;
        history.ride.PricePaid = 100000000;
        history.ride.PriceSold = 60000000;
        history.gas = {gas(RideA, day(2009, 1, 5), 10, 300), gas(RideA, day(2009, 2, 5), 12, 330)};
        EntryExtras extras;
        extras.cost = 350000;
        history.extras[3] = {extras, extras};
        RecordingPrintDevice paper;
        QVERIFY(PrintHistory(paper, ShownRide{QStringLiteral("1998 Honda"), {}, {}, {}}, history));

        QStringList labels;
        const QList<Operation> texts = paper.operations(Operation::Kind::Text);
        for (qsizetype i = 0; i + 1 < texts.size(); ++i) {
            const Operation &label = texts[i], &value = texts[i + 1];
            if (label.page != 1 || !label.font.bold || value.font.bold || !nearly(label.y, value.y))
                continue;
            labels << label.text;
            QVERIFY2(value.x >= label.x + double(label.text.size()) * CharWidth10, qPrintable(label.text));
        }
        QVERIFY(labels.contains(QStringLiteral("Running costs (maintenance, goodies and fuel)")));
        QVERIFY(labels.contains(QStringLiteral("Cost of owning (paid - sold + running costs)")));
        QVERIFY(labels.contains(QStringLiteral("Fuel cost per mile")));

        const auto title = std::find_if(texts.begin(), texts.end(), [](const Operation &text) {
            return text.text == QStringLiteral("Fuel price per gallon");
        });
        QVERIFY(title != texts.end());
        const QList<Operation> pictures = paper.operations(Operation::Kind::Picture);
        QVERIFY(std::any_of(pictures.begin(), pictures.end(), [&](const Operation &picture) {
            return picture.page == title->page && picture.rect.top() > title->y;
        }));
    }
};

QTEST_MAIN(TestHistoryPdf)
#include "test_history_pdf.moc"
