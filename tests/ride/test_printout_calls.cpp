// The printouts as they are, call by call: for the demo rides and for the
// reference rides (support/ReferenceRides.h), the ride report of every ride
// with every print option ticked, the printout of every entry of every log,
// and the history PDF of every ride, printed through the real main window on
// the recording device. Every operation becomes one line of text (kind,
// document, page, position in inches, font, text; a picture as its size in
// pixels, its rectangle and a hash of its pixels), and each data set's
// printouts of one kind are compared with their file in printout-calls/; a
// difference is named by its first line.
//
// The files are the printouts as they are. Rewrite them only when a printout
// is meant to change, and read the difference before committing it:
//     TORQAL_WRITE_PRINTOUT_CALLS=1 ctest -R test_printout_calls
// in the build folder (ctest fixes the locale and the time zone).
//
// A chart of the history PDF is drawn with the desktop's fonts, so its pixels
// differ from one machine to the next: it is recorded without its hash. Its
// title and the sentences around it are text, and compared.

#include "RideWindowSupport.h"
#include "support/ReferenceRides.h"

#include "DemoWriter.h"

#include "history/HistoryCharts.h"
#include "history/HistoryPdf.h"
#include "print/PrintRun.h"
#include "print/RecordingPrintDevice.h"
#include "print/frmPrint.h"
#include "model/ShownRideOf.h"
#include "store/RideHistory.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QSaveFile>
#include <QTableView>
#include <QTimer>

#include <cmath>

namespace {

using Operation = RecordingPrintDevice::Operation;

enum class DataSet { Demo, Reference };
enum class Printout { RideReport, LogEntries, HistoryPdf };

// Positions closer than this are one.
constexpr double Tolerance = 1e-9;

QString inches(double value) { return QString::number(value, 'f', 4); }

QString fontText(const PrintFont &font)
{
    QString text = font.name + u' ' + QString::number(font.size);
    for (const auto &[on, style] : {std::pair{font.bold, "bold"}, std::pair{font.italic, "italic"},
                                    std::pair{font.underline, "underline"}, std::pair{font.strikethrough, "strikethrough"}}) {
        if (on)
            text += u' ' + QLatin1String(style);
    }
    return text;
}

QString pictureHash(const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGBA8888);
    const QByteArrayView bytes(pixels.constBits(), pixels.sizeInBytes());
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16));
}

bool isChartTitle(const QString &text)
{
    for (const HistoryCharts::Chart chart : HistoryCharts::AllCharts) {
        if (text == HistoryCharts::title(chart))
            return true;
    }
    return false;
}

bool samePlace(const Operation &a, const Operation &b)
{
    return a.document == b.document && a.page == b.page && std::fabs(a.x - b.x) < Tolerance
           && std::fabs(a.y - b.y) < Tolerance;
}

bool isCharacter(const Operation &operation)
{
    return operation.kind == Operation::Kind::Text && operation.text.size() == 1;
}

QString escaped(QString text, const QString &dataFolder)
{
    return text.replace(dataFolder, QStringLiteral("<data folder>"))
        .replace(u'\r', QStringLiteral("\\r"))
        .replace(u'\n', QStringLiteral("\\n"));
}

// One printout's operations, one a line, under a line that names it; the
// data folder's path, which differs from run to run, is left out of texts.
// Two runs of operations take one line each, the operations still to be read
// from it one by one: the fonts set one after the other at one place ("Arial
// 10 x3" for three times the same), and a text printed a character at a time
// at even steps along a line ("chars", with the step in inches).
QStringList callsOf(const QString &printout, const RecordingPrintDevice &device, const QString &dataFolder)
{
    static const QMap<Operation::Kind, QString> kindNames{
        {Operation::Kind::Font, QStringLiteral("font")},    {Operation::Kind::Text, QStringLiteral("text")},
        {Operation::Kind::NewPage, QStringLiteral("page")}, {Operation::Kind::EndDocument, QStringLiteral("end")},
        {Operation::Kind::Picture, QStringLiteral("picture")}};
    const QList<Operation> &operations = device.operations();
    QStringList lines{QStringLiteral("printout ") + printout};
    QString lastText;
    for (qsizetype at = 0; at < operations.size();) {
        const Operation &first = operations[at];
        qsizetype next = at + 1;
        QString kind = kindNames.value(first.kind);
        QString detail;
        if (first.kind == Operation::Kind::Font) {
            while (next < operations.size() && operations[next].kind == Operation::Kind::Font
                   && samePlace(operations[next], first))
                ++next;
            QStringList fonts;
            for (qsizetype run = at; run < next;) {
                qsizetype same = run + 1;
                while (same < next && operations[same].font == operations[run].font)
                    ++same;
                fonts << fontText(operations[run].font) + (same - run > 1 ? QStringLiteral(" x%1").arg(same - run) : QString());
                run = same;
            }
            detail = fonts.join(QStringLiteral(" > "));
        } else if (first.kind == Operation::Kind::Text) {
            QString text = first.text;
            if (isCharacter(first) && next < operations.size() && isCharacter(operations[next])) {
                const double step = operations[next].x - first.x;
                while (next < operations.size() && isCharacter(operations[next])
                       && operations[next].document == first.document && operations[next].page == first.page
                       && std::fabs(operations[next].y - first.y) < Tolerance
                       && std::fabs(operations[next].x - operations[next - 1].x - step) < Tolerance)
                    text += operations[next++].text;
                if (text.size() > 1) {
                    kind = QStringLiteral("chars");
                    detail = QString::number(step, 'f', 6) + u' ';
                }
            }
            lastText = text;
            detail += u'"' + escaped(text, dataFolder) + u'"';
        } else if (first.kind == Operation::Kind::Picture) {
            // At the rectangle's top left corner, in its size.
            detail = QStringLiteral("%1x%2 pixels in %3 x %4 %5")
                         .arg(first.picture.width())
                         .arg(first.picture.height())
                         .arg(inches(first.rect.width()), inches(first.rect.height()),
                              isChartTitle(lastText) ? QStringLiteral("chart") : pictureHash(first.picture));
        }
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(kind)
                     .arg(first.document)
                     .arg(first.page)
                     .arg(inches(first.x), inches(first.y), detail)
                     .trimmed();
        at = next;
    }
    return lines;
}

QString goldenFile(DataSet set, Printout printout)
{
    static const QMap<Printout, QString> printouts{{Printout::RideReport, QStringLiteral("ride-report")},
                                                   {Printout::LogEntries, QStringLiteral("log-entries")},
                                                   {Printout::HistoryPdf, QStringLiteral("history-pdf")}};
    return QStringLiteral(PRINTOUT_CALLS_FOLDER "/%1-%2.txt")
        .arg(set == DataSet::Demo ? QStringLiteral("demo") : QStringLiteral("reference"), printouts.value(printout));
}

} // namespace

class TestPrintoutCalls : public QObject
{
    Q_OBJECT

    std::unique_ptr<RideTest::World> world;
    // Every printout the main window made, on a device of its own, in order.
    QList<std::pair<QString, std::shared_ptr<RecordingPrintDevice>>> printed;
    std::unique_ptr<PrintDevicesForTests> printers;

    void open(DataSet set)
    {
        world = std::make_unique<RideTest::World>();
        // The demo's overdue reminders would hold up the start with their list.
        Settings::setValue(Settings::OverdueAtStartKey, Settings::NoShow);
        if (set == DataSet::Demo)
            QCOMPARE(writeDemoData(world->folder.path(), Clock::now().date()), QString());
        else
            ReferenceRides::write();
        world->open();
        printers = std::make_unique<PrintDevicesForTests>([this](const QString &name) {
            printed.append({name, std::make_shared<RecordingPrintDevice>()});
            return printed.last().second;
        });
    }

    int rideCount() const { return world->window->state().RideCount; }

    void show(int ride) { world->window->rides().menu.menuListRides_Click(ride); }

    // Prints every option the print options offer, then closes them.
    void printRideReport()
    {
        QTimer::singleShot(0, this, [] {
            auto *options = qobject_cast<frmPrint *>(QApplication::activeModalWidget());
            QVERIFY(options);
            for (int index = 0; index < frmPrint::OptionCount; ++index) {
                if (options->option(index)->isEnabled())
                    options->option(index)->setChecked(true);
            }
            options->cmdPrint_Click();
            options->cmdCancel_Click();
        });
        emit world->ui().cmdRidePrint->Click();
    }

    void printEveryLogEntry()
    {
        const MainWindowControls &ui = world->ui();
        for (const LogKind kind : AllLogKinds) {
            const int k = logIndex(kind);
            ui.MainTab->setCurrentIndex(k + LogTabOffset);
            QTableView *grid = ui.grid[std::size_t(k)];
            for (int row = 0; row < grid->model()->rowCount(); ++row) {
                grid->setCurrentIndex(grid->model()->index(row, 0));
                emit ui.cmdLogPrint[std::size_t(k)]->Click();
            }
        }
    }

    // As the history window's PDF command prints it, on the recording device
    // instead of a PDF file.
    QStringList printHistory(int ride) const
    {
        const StoreRead<RideHistory> history = Store::readRideHistory(ride);
        if (!history.status)
            return {history.status.message()};
        ShownRide shown = ShownRideOf(history.value.ride);
        shown.heading.printedAt = Clock::now();
        RecordingPrintDevice device;
        PrintHistory(device, shown, history.value);
        return callsOf(QStringLiteral("History of ") + shown.displayName, device, world->folder.path());
    }

    QStringList record(Printout printout)
    {
        QStringList calls;
        for (int ride = 1; ride <= rideCount(); ++ride) {
            show(ride);
            switch (printout) {
            case Printout::RideReport:
                printRideReport();
                break;
            case Printout::LogEntries:
                printEveryLogEntry();
                break;
            case Printout::HistoryPdf:
                calls << printHistory(ride);
                break;
            }
        }
        for (const auto &[name, device] : std::as_const(printed))
            calls << callsOf(name, *device, world->folder.path());
        return calls;
    }

private slots:
    void cleanup()
    {
        printers.reset();
        printed.clear();
        world.reset();
    }

    void printoutsAreAsRecorded_data()
    {
        QTest::addColumn<DataSet>("set");
        QTest::addColumn<Printout>("printout");
        for (const auto &[set, setName] : {std::pair{DataSet::Demo, "demo rides"}, std::pair{DataSet::Reference, "reference rides"}}) {
            QTest::addRow("%s, ride report", setName) << set << Printout::RideReport;
            QTest::addRow("%s, log entries", setName) << set << Printout::LogEntries;
            QTest::addRow("%s, history PDF", setName) << set << Printout::HistoryPdf;
        }
    }

    void printoutsAreAsRecorded()
    {
        QFETCH(DataSet, set);
        QFETCH(Printout, printout);
        open(set);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(rideCount(), 3);
        const QStringList calls = record(printout);
        QCOMPARE(world->messages.count(), 0);
        QVERIFY(!QApplication::activeModalWidget());

        const QString path = goldenFile(set, printout);
        const QByteArray text = calls.join(u'\n').toUtf8() + '\n';
        if (qEnvironmentVariable("TORQAL_WRITE_PRINTOUT_CALLS") == QLatin1String("1")) {
            QSaveFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit());
            qInfo("Written: %s", qPrintable(path));
            return;
        }
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(" cannot be read")));
        const QStringList expected = QString::fromUtf8(file.readAll()).split(u'\n');
        const QStringList actual = QString::fromUtf8(text).split(u'\n');
        for (qsizetype line = 0; line < std::max(expected.size(), actual.size()); ++line) {
            const QString want = expected.value(line, QStringLiteral("(end of file)"));
            const QString got = actual.value(line, QStringLiteral("(end of printouts)"));
            QVERIFY2(want == got, qPrintable(QStringLiteral("%1 line %2:\n   expected: %3\n   printed:  %4")
                                                 .arg(path)
                                                 .arg(line + 1)
                                                 .arg(want, got)));
        }
    }
};

QTEST_MAIN(TestPrintoutCalls)
#include "test_printout_calls.moc"
