#include "print/LogEntryPrintout.h"
#include "print/PrintDialog.h"
#include "print/PrintLayout.h"
#include "print/PrintRun.h"
#include "print/PdfPrintDevice.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PrintQueues.h"

#include "PrintTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Word
{
    QString text;
    double xMin = 0;
    double yMin = 0;
    int page = 0;
};

// The words of a PDF file with their boxes in points, as pdftotext -bbox sees
// them.
QList<Word> wordsOf(const QString &pdfPath)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<Word> words;
    int page = 0;
    for (const auto &match : tag.globalMatch(html)) {
        if (match.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        words.append({match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble(), page});
    }
    return words;
}

const RideHeading Ride{"2005", "Honda", "Shadow", "Blue Thunder", QDateTime(QDate(2026, 12, 7), QTime(14, 3))};

LogEntryPrintout tripWithNotes(int noteLines)
{
    QString notes;
    for (int n = 1; n <= noteLines; ++n)
        notes += QStringLiteral("Stopped at the overlook number %1 and took pictures.\r\n").arg(n);
    return {{3, "Trips", {"Date", "Brief Description", "Miles"}}, {"06/01/2009", "Blue Ridge Parkway", "412"}, notes};
}

} // namespace

class TestPrinterDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed: run make deps");
    }

    void aPdfPrintoutStartsOneInchFromTheTopLeft()
    {
        QTemporaryDir folder;
        Clock::Fixed clock(QDateTime(QDate(2026, 12, 7), QTime(14, 3, 22)));
        const QString printouts = folder.filePath(QStringLiteral("Printouts"));
        PdfPrintDevice device(QStringLiteral("Trips entry"), printouts);
        QVERIFY(device.printsToPdf());
        QVERIFY(PrintLogEntry(device, tripWithNotes(60), Ride));

        const QString expected = QDir(printouts).filePath(QStringLiteral("Trips entry 2026-12-07 14-03-22.pdf"));
        QCOMPARE(device.pdfFiles(), QStringList{expected});
        const QList<Word> words = wordsOf(expected);
        QVERIFY(!words.isEmpty());
        QCOMPARE(words.first().text, QStringLiteral("Printout"));
        QVERIFY2(qAbs(words.first().xMin - 72.0) < 2.0, qPrintable(QString::number(words.first().xMin)));
        QVERIFY2(qAbs(words.first().yMin - 72.0) < 2.0, qPrintable(QString::number(words.first().yMin)));

        // The notes run onto a second page, numbered near its foot.
        bool numbered = false;
        for (int n = 0; n + 1 < words.size(); ++n) {
            if (words.at(n).text == QStringLiteral("(page") && words.at(n + 1).text == QStringLiteral("2)")) {
                QCOMPARE(words.at(n).page, 2);
                QVERIFY(qAbs(words.at(n).xMin - 6.0 * 72) < 2.0);
                numbered = true;
            }
        }
        QVERIFY(numbered);
    }

    void eachDocumentGetsItsOwnFile()
    {
        QTemporaryDir folder;
        Clock::Fixed clock(QDateTime(QDate(2026, 12, 7), QTime(14, 3, 22)));
        PdfPrintDevice device(QStringLiteral("Ride report"), folder.path());
        QVERIFY(PrintLogEntry(device, tripWithNotes(0), Ride));
        QVERIFY(PrintLogEntry(device, tripWithNotes(0), Ride));
        // A document with nothing drawn makes no file.
        QVERIFY(device.endDocument());

        const QStringList files = device.pdfFiles();
        QCOMPARE(files.size(), 2);
        QCOMPARE(QFileInfo(files.at(0)).fileName(), QStringLiteral("Ride report 2026-12-07 14-03-22.pdf"));
        QCOMPARE(QFileInfo(files.at(1)).fileName(), QStringLiteral("Ride report 2026-12-07 14-03-22 (2).pdf"));
        for (const QString &file : files)
            QCOMPARE(wordsOf(file).first().text, QStringLiteral("Printout"));
    }

    // The print service's answer decides where a run's printouts go, and
    // what the user hears: a job the queue refuses is a failure naming the
    // printer and the reason, and leaves no file behind.
    void theServiceDecidesWherePrintoutsGo_data()
    {
        using State = PrintQueues::Service::State;
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("refusing");
        QTest::addColumn<int>("pdfFiles");
        QTest::addColumn<QStringList>("jobs");
        QTest::addColumn<QString>("message");
        const QString refused = QStringLiteral("The printer \"Office\" did not accept the printout: Destination "
                                               "\"Office\" is not accepting jobs.");
        QTest::newRow("no printer") << int(State::NoPrinter) << QString() << 1 << QStringList()
                                    << QStringLiteral("No printer is installed, so the printout was saved");
        QTest::newRow("service out of reach")
            << int(State::Unreachable) << QString() << 1 << QStringList()
            << QStringLiteral("The print service cannot be reached, so the printout was saved");
        QTest::newRow("accepted") << int(State::Ready) << QString() << 0
                                  << QStringList{QStringLiteral("Office|Trips entry|1")} << QString();
        QTest::newRow("refused") << int(State::Ready) << refused << 0
                                 << QStringList{QStringLiteral("Office|Trips entry|1")}
                                 << QStringLiteral("The printout could not be finished.\r\n\r\n") + refused;
    }

    void theServiceDecidesWherePrintoutsGo()
    {
        QFETCH(int, state);
        QFETCH(QString, refusing);
        QFETCH(int, pdfFiles);
        QFETCH(QStringList, jobs);
        QFETCH(QString, message);
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        PrintQueues::Script queues;
        queues.service = {PrintQueues::Service::State(state), QStringLiteral("Office")};
        queues.refusing = refusing;
        MessageBox::Script boxes;

        PassingFilesFolder passing;
        PrintRun run(SystemPrintDevices());
        QVERIFY(run.print(QStringLiteral("Trips entry"),
                          [](PrintDevice &device) { return PrintLogEntry(device, tripWithNotes(0), Ride); }));
        bool ended = false;
        run.finish(nullptr, [&] { ended = true; });
        QTRY_VERIFY(ended);

        QCOMPARE(queues.submitted, jobs);
        QCOMPARE(QDir(PdfPrintDevice::printoutsFolder()).entryList(QDir::Files).size(), pdfFiles);
        QCOMPARE(passing.files(), QStringList());
        QCOMPARE(boxes.count(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(boxes.last().text.startsWith(message), qPrintable(boxes.last().text));
    }

    // Print To: the dialog's answer decides where the run's printouts go. The
    // default printer is offered; a PDF file takes every printout of the run,
    // overwriting no other file; Cancel prints and says nothing; a print service out of reach is not waited for in the
    // dialog, and the printouts are saved as Print saves them.
    void printToFollowsTheDialog_data()
    {
        using State = PrintQueues::Service::State;
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("pdfFile");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("jobs");
        QTest::addColumn<QStringList>("chosenFolder");
        QTest::addColumn<int>("printoutsFolder");
        QTest::addColumn<QString>("message");
        const QStringList before{QStringLiteral("Trips (2).pdf")};
        QTest::newRow("printer and copies")
            << int(State::Ready) << false << QString() << 1
            << QStringList{QStringLiteral("Lab|Trips entry|3|sides=two-sided-long-edge"),
                           QStringLiteral("Lab|Trips entry again|3|sides=two-sided-long-edge")}
            << before << 0 << QString();
        QTest::newRow("PDF file") << int(State::Ready) << false << QStringLiteral("Trips.pdf") << 1 << QStringList()
                                  << QStringList{QStringLiteral("Trips (2).pdf"), QStringLiteral("Trips.pdf")} << 0
                                  << QStringLiteral("The printout was saved as a PDF file:\r\n\r\n");
        QTest::newRow("cancel") << int(State::Ready) << true << QString() << 1 << QStringList() << before << 0
                                << QString();
        QTest::newRow("service out of reach")
            << int(State::Unreachable) << false << QString() << 0 << QStringList() << before << 2
            << QStringLiteral("The print service cannot be reached, so the 2 printouts were saved");
    }

    void printToFollowsTheDialog()
    {
        QFETCH(int, state);
        QFETCH(bool, cancel);
        QFETCH(QString, pdfFile);
        QFETCH(int, shown);
        QFETCH(QStringList, jobs);
        QFETCH(QStringList, chosenFolder);
        QFETCH(int, printoutsFolder);
        QFETCH(QString, message);
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        QTemporaryDir chosen;
        QFile existing(QDir(chosen.path()).filePath(QStringLiteral("Trips (2).pdf")));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("kept") == 4);
        existing.close();
        PrintQueues::Script queues;
        queues.service = {PrintQueues::Service::State(state), QStringLiteral("Office")};
        PrintDialogForTests dialog;
        if (!cancel) {
            dialog.answer = PrintDialogAnswer{QStringLiteral("Lab"), 3, {QStringLiteral("sides=two-sided-long-edge")},
                                              pdfFile.isEmpty() ? QString() : QDir(chosen.path()).filePath(pdfFile)};
        }
        MessageBox::Script boxes;

        const std::optional<PrintDeviceFactory> devices = PrintDevicesOf(PrintCommand::PrintTo, nullptr, "Trips");
        QCOMPARE(devices.has_value(), !cancel);
        if (devices) {
            PrintRun run(*devices);
            for (const QString &name : QStringList{"Trips entry", "Trips entry again"})
                QVERIFY(run.print(name, [](PrintDevice &device) { return PrintLogEntry(device, tripWithNotes(0), Ride); }));
            bool ended = false;
            run.finish(nullptr, [&] { ended = true; });
            QTRY_VERIFY(ended);
        }

        QCOMPARE(dialog.shown, shown);
        if (shown)
            QCOMPARE(dialog.preselected, QStringLiteral("Office"));
        QCOMPARE(queues.submitted, jobs);
        QCOMPARE(QDir(chosen.path()).entryList(QDir::Files), chosenFolder);
        QCOMPARE(existing.size(), 4);
        QCOMPARE(QDir(PdfPrintDevice::printoutsFolder()).entryList(QDir::Files).size(), printoutsFolder);
        QCOMPARE(boxes.count(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(boxes.last().text.startsWith(message), qPrintable(boxes.last().text));
        if (!pdfFile.isEmpty()) {
            // Both printouts, one a page, in the one file named in the message.
            const QString path = QDir(chosen.path()).filePath(pdfFile);
            QVERIFY(boxes.last().text.endsWith(QDir::toNativeSeparators(path)));
            QStringList firstWords;
            for (const Word &word : wordsOf(path)) {
                if (firstWords.size() < word.page)
                    firstWords.append(word.text);
            }
            QCOMPARE(firstWords, QStringList({"Printout", "Printout"}));
        }
    }

    void aFolderThatCannotBeMadeFailsTheDocument()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath(QStringLiteral("Printouts")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        PdfPrintDevice device(QStringLiteral("Ride report"), blocker.fileName());
        QVERIFY(!PrintLogEntry(device, tripWithNotes(3), Ride));
        QVERIFY(device.failure().contains(QDir::toNativeSeparators(blocker.fileName())));
        QVERIFY(device.pdfFiles().isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Printouts")});
    }
};

QTEST_MAIN(TestPrinterDevice)
#include "test_printer_device.moc"
