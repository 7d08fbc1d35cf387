#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PrintQueues.h"
#include "print/PrintDialog.h"
#include "print/PicturePrintout.h"
#include "print/PdfPrintDevice.h"
#include "print/RecordingPrintDevice.h"
#include "print/frmPrint.h"
#include "ui/QorButton.h"

#include "PrintTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <QTest>

using Kind = RecordingPrintDevice::Operation::Kind;

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(14, 3));

// A ride with only its basic information: no notes, no picture, no log
// entries.
RideReportContent bareRide()
{
    RideReportContent content;
    content.ride = {"2005", "Honda", "Shadow", "Blue Thunder", {}};
    content.fields = {{" Style ", "Cruiser"}, {" Color ", ""}, {" VIN# ", "JH2RC44"}};
    content.notesCaption = QStringLiteral(" Notes, Thoughts, Journal, etc. ");
    content.logs[0].log = {1, "Maint./Repair", {"Date", "Brief Description", "Cost"}};
    content.logs[1].log = {2, "Goodies", {"Date", "Brief Description", "Cost"}};
    content.logs[2].log = {3, "Trips", {"Date", "Brief Description", "Miles"}};
    content.logs[3].log = {4, "Gas Usage/Info", {"Date", "Gallons", "Miles     mpg"}};
    content.logs[0].totals = content.logs[1].totals = content.logs[2].totals = QStringList{QString()};
    content.logs[3].totals = QStringList{QString(), QString(), QString()};
    return content;
}

// The same ride with something for every option.
RideReportContent fullRide()
{
    RideReportContent content = bareRide();
    content.notes = QStringLiteral("Bought it at the spring swap meet.");
    content.printPicture = [](QWidget *owner, PrintDevice &device) {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        // The picture is printed over the print options.
        return qobject_cast<frmPrint *>(owner) && PrintLargerPicture(device, "Blue Thunder", picture, {8000, 6000});
    };
    content.logs[0].rows = {{"03/15/2009", "Oil change", "$29.95"}};
    content.logs[0].totals = QStringList{QStringLiteral(" Total Cost: $29.95")};
    content.logs[1].rows = {{"04/01/2009", "Saddlebags", "$310.00"}};
    content.logs[2].rows = {{"06/01/2009", "Blue Ridge", "412"}};
    content.logs[3].rows = {{"06/02/2009", "4.1", "160   (39.0)"}};
    return content;
}

// Prints every printout on one recording device and keeps the names the
// printouts asked for.
struct Recorder
{
    std::shared_ptr<RecordingPrintDevice> device = std::make_shared<RecordingPrintDevice>();
    QStringList printouts;
    std::function<void()> onEachPrintout;

    PrintDeviceFactory factory()
    {
        return [this](const QString &name) -> std::shared_ptr<PrintDevice> {
            printouts.append(name);
            if (onEachPrintout)
                onEachPrintout();
            return device;
        };
    }
};

void uncheck(frmPrint &window, std::initializer_list<int> options)
{
    for (int index : options)
        window.option(index)->setCheckState(Qt::Unchecked);
}

} // namespace

class TestPrintOptions : public QObject
{
    Q_OBJECT

private slots:
    void init() { clock = std::make_unique<Clock::Fixed>(Now); }
    void cleanup() { clock.reset(); }

    void theWindowAsItOpens()
    {
        Recorder recorder;
        frmPrint window(fullRide(), nullptr, recorder.factory());
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral(" Print Options"));
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("lblStandby"))->isVisible());
        for (int index = 0; index < frmPrint::OptionCount; ++index) {
            QCOMPARE(window.option(index)->checkState(), Qt::Checked);
            QVERIFY(window.option(index)->isEnabled());
        }
        QCOMPARE(window.option(3)->text(), QStringLiteral("Print the 'Maint./Repair' log"));
        // The notes option sits indented under the basic information.
        QVERIFY(window.option(1)->x() > window.option(0)->x());
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("cmdPrint"))->toolTip(),
                 QStringLiteral(" Print the options checked below "));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("cmdCancel"))->toolTip(),
                 QStringLiteral(" Finished with Printing Options "));
    }

    void aRideWithNothingButItsFieldsOffersOnlyTheBasicInformation()
    {
        Recorder recorder;
        RideReportContent content = bareRide();
        content.notes = QStringLiteral("  \r\n ");
        frmPrint window(content, nullptr, recorder.factory());
        window.show();
        QCOMPARE(window.option(0)->checkState(), Qt::Checked);
        QVERIFY(window.option(0)->isEnabled());
        for (int index = 1; index < frmPrint::OptionCount; ++index) {
            QCOMPARE(window.option(index)->checkState(), Qt::Unchecked);
            QVERIFY(!window.option(index)->isEnabled());
        }
        // Without notes the notes option stays off whatever the basic
        // information option does.
        window.option(0)->click();
        window.option(0)->click();
        QCOMPARE(window.option(1)->checkState(), Qt::Unchecked);
        QVERIFY(!window.option(1)->isEnabled());
        // Showing the window again changes nothing.
        window.option(0)->setCheckState(Qt::Unchecked);
        window.hide();
        window.show();
        QCOMPARE(window.option(0)->checkState(), Qt::Unchecked);
    }

    void theBasicInformationOptionSwitchesTheNotesOption()
    {
        Recorder recorder;
        frmPrint window(fullRide(), nullptr, recorder.factory());
        window.show();
        QCheckBox *notes = window.option(1);

        // However the box changes (assistive technology toggles it without a
        // click), not only by a click.
        window.option(0)->setChecked(false);
        QCOMPARE(notes->checkState(), Qt::Unchecked);
        QVERIFY(!notes->isEnabled());

        window.option(0)->click();
        QCOMPARE(window.option(0)->checkState(), Qt::Checked);
        QVERIFY(notes->isEnabled());
        QCOMPARE(notes->checkState(), Qt::Unchecked);

        // The other options switch nothing.
        window.option(2)->click();
        QVERIFY(notes->isEnabled());
        QCOMPARE(notes->checkState(), Qt::Unchecked);
    }

    void nothingCheckedPrintsNothing()
    {
        MessageBox::Script boxes;
        Recorder recorder;
        frmPrint window(fullRide(), nullptr, recorder.factory());
        window.show();
        window.option(0)->click();
        uncheck(window, {2, 3, 4, 5, 6});
        window.cmdPrint_Click();

        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral(" Ahem... "));
        QCOMPARE(boxes.last().text, QStringLiteral("There's nothing checked to print!"));
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Warning);
        QVERIFY(recorder.printouts.isEmpty());
        QVERIFY(window.isEnabled());
    }

    // Print To asks first: Cancel prints nothing and leaves the options as
    // they were; a printer chosen gets the checked options, not the default
    // printer.
    void printToPrintsWhereTheUserChose()
    {
        MessageBox::Script boxes;
        PrintQueues::Script queues;
        queues.service = {PrintQueues::Service::State::Ready, QStringLiteral("Office")};
        PrintDialogForTests dialog;
        Recorder recorder;
        frmPrint window(fullRide(), nullptr, recorder.factory());
        window.show();
        uncheck(window, {1, 2, 4, 5, 6});
        QCOMPARE(window.findChild<QorButton *>(QStringLiteral("cmdPrintTo"))->accessKey(), QLatin1Char('t'));

        window.cmdPrintTo_Click();
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(dialog.notice, QString());
        QVERIFY(queues.submitted.isEmpty());
        // Without a printer the dialog offers a PDF file only, and says why.
        queues.service = {PrintQueues::Service::State::NoPrinter, {}};
        window.cmdPrintTo_Click();
        QVERIFY(dialog.notice.startsWith(QLatin1String("No printer is set up")));
        queues.service = {PrintQueues::Service::State::Ready, QStringLiteral("Office")};

        dialog.answer = PrintDialogAnswer{QStringLiteral("Lab"), 2, {}, {}};
        window.cmdPrintTo_Click();
        QTRY_COMPARE(queues.submitted, QStringList({"Lab|Ride report - basic information|2",
                                                    "Lab|Ride report - 'Maint./Repair' list|2"}));
        QTRY_COMPARE(window.option(3)->checkState(), Qt::Checked);
        QVERIFY(recorder.printouts.isEmpty());
        QCOMPARE(boxes.count(), 0);
    }

    // The print service's answer is awaited without freezing the window,
    // which takes no input meanwhile. Only the service's own no is a
    // refusal; a printout it did not confirm may be in its queue all the
    // same. Either way no further printout is sent, and none is left behind.
    void thePrintServicesAnswerIsAwaitedWithoutBlocking_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("message");
        const QString refusal = QStringLiteral("The printer \"Office\" did not accept the printout: Destination "
                                               "\"Office\" is not accepting jobs.");
        const QString notSent =
            QStringLiteral("\r\n\r\nThese printouts were not sent:\r\nRide report - 'Maint./Repair' list");
        QTest::newRow("refused") << false << int(MessageBox::Icon::Critical)
                                 << QStringLiteral("The printout could not be finished.\r\n\r\n") + refusal + notSent;
        QTest::newRow("no answer, cancelled")
            << true << int(MessageBox::Icon::Warning)
            << QStringLiteral("The printer \"Office\" has not confirmed the printout \"Ride report - basic "
                              "information\". You stopped waiting for the print service.\r\n\r\nIt may still come "
                              "out: look at the printer's queue before you print it again.")
                   + notSent;
    }

    void thePrintServicesAnswerIsAwaitedWithoutBlocking()
    {
        QFETCH(bool, silent);
        QFETCH(int, icon);
        QFETCH(QString, message);
        MessageBox::Script boxes;
        PrintQueues::Script queues;
        queues.service = {PrintQueues::Service::State::Ready, QStringLiteral("Office")};
        queues.silent = silent;
        queues.refusing = QStringLiteral("The printer \"Office\" did not accept the printout: Destination \"Office\" "
                                         "is not accepting jobs.");
        PassingFilesFolder passing;
        frmPrint window(fullRide(), nullptr);
        window.show();
        uncheck(window, {1, 2, 4, 5, 6});
        window.cmdPrint_Click();
        QCOMPARE(queues.submitted, QStringList{"Office|Ride report - basic information|1"});

        if (silent) {
            // The event loop runs: the wait window comes up over the print
            // options, which it keeps from input, and its Cancel stops waiting.
            QTRY_VERIFY(QApplication::activeModalWidget()
                        && QApplication::activeModalWidget()->objectName() == QStringLiteral("PrintWait"));
            QWidget *wait = QApplication::activeModalWidget();
            QCOMPARE(wait->parentWidget(), &window);
            QVERIFY(wait->isModal());
            window.close();
            QVERIFY(window.isVisible());
            wait->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        }
        QTRY_COMPARE(boxes.count(), 1);
        QCOMPARE(int(boxes.last().icon), icon);
        QCOMPARE(boxes.last().text, message);
        QCOMPARE(queues.submitted.size(), 1);
        QVERIFY(window.isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("lblStandby"))->isVisible());
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("PrintWait")));
        QCOMPARE(window.option(0)->checkState(), Qt::Checked);
        QCOMPARE(passing.files(), QStringList());
        // The window takes the next run.
        queues.silent = false;
        window.cmdPrint_Click();
        QTRY_COMPARE(boxes.count(), 2);
    }

    void theBasicInformationAndOneLogAreTwoPrintouts()
    {
        MessageBox::Script boxes;
        Recorder recorder;
        frmPrint window(fullRide(), nullptr, recorder.factory());
        window.show();
        uncheck(window, {1, 2, 4, 5, 6});
        window.cmdPrint_Click();

        const RecordingPrintDevice &device = *recorder.device;
        QCOMPARE(device.documentCount(), 2);
        QCOMPARE(recorder.printouts,
                 QStringList({"Ride report - basic information", "Ride report - 'Maint./Repair' list"}));
        for (int document = 1; document <= 2; ++document) {
            const auto lines = device.lines(document, 1);
            QCOMPARE(lines.at(0).text, QStringLiteral("Printout of my ride, a"));
            COMPARE_INCHES(lines.at(0).y, 1.0);
            QCOMPARE(lines.at(3).text, QStringLiteral("printed on 12/07/2026 14:03"));
        }
        // Only the fields with a text, and no notes.
        const auto basic = device.lines(1, 1);
        QCOMPARE(basic.size(), 6);
        QCOMPARE(basic.at(4).text, QStringLiteral("Style -- Cruiser"));
        QCOMPARE(basic.at(5).text, QStringLiteral("VIN# -- JH2RC44"));
        QCOMPARE(device.lines(2, 1).at(4).text, QStringLiteral("'Maint./Repair' List"));
        QCOMPARE(device.lines(2, 1).last().text, QStringLiteral(" Total Cost: $29.95"));
        QCOMPARE(boxes.count(), 0);
    }

    void everySectionInOrderGreyedWhilePrintingAndCheckedAgainAfter()
    {
        MessageBox::Script boxes;
        Recorder recorder;
        frmPrint window(fullRide(), nullptr, recorder.factory());
        window.show();
        auto *standby = window.findChild<QLabel *>(QStringLiteral("lblStandby"));
        QList<QList<Qt::CheckState>> statesAtEachPrintout;
        recorder.onEachPrintout = [&] {
            QVERIFY(!window.isEnabled());
            QVERIFY(standby->isVisible());
            QVERIFY(QApplication::overrideCursor());
            QList<Qt::CheckState> states;
            for (int index = 0; index < frmPrint::OptionCount; ++index)
                states.append(window.option(index)->checkState());
            statesAtEachPrintout.append(states);
            window.close();
        };
        window.cmdPrint_Click();

        QCOMPARE(recorder.printouts,
                 QStringList({"Ride report - basic information", "Ride report - picture",
                              "Ride report - 'Maint./Repair' list", "Ride report - 'Goodies' list",
                              "Ride report - 'Trips' list", "Ride report - 'Gas Usage/Info' list"}));
        const Qt::CheckState G = Qt::PartiallyChecked, C = Qt::Checked;
        QCOMPARE(statesAtEachPrintout.at(1), (QList<Qt::CheckState>{G, G, C, C, C, C, C}));
        QCOMPARE(statesAtEachPrintout.at(5), (QList<Qt::CheckState>{G, G, G, G, G, G, C}));

        // The notes follow the basic information on its next page.
        QCOMPARE(recorder.device->lines(1, 2).at(0).text, QStringLiteral(" Notes, Thoughts, Journal, etc. "));
        const auto pictures = recorder.device->operations(Kind::Picture);
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(pictures.at(0).document, 2);
        QCOMPARE(pictures.at(0).rect, QRectF(0.75, 2.0, 6.25, 4.6875));
        QCOMPARE(recorder.device->documentCount(), 6);

        for (int index = 0; index < frmPrint::OptionCount; ++index)
            QCOMPARE(window.option(index)->checkState(), Qt::Checked);
        QVERIFY(window.isEnabled());
        QVERIFY(!standby->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        // Closing the window during the run changed nothing.
        QVERIFY(window.isVisible());
        QCOMPARE(boxes.count(), 0);

        // A second run prints the same again.
        window.cmdPrint_Click();
        QCOMPARE(recorder.device->documentCount(), 12);
    }

    void aRefusedPrintoutGivesOneMessageAndTheWindowBack()
    {
        MessageBox::Script boxes;
        Recorder recorder;
        const QString why = QStringLiteral("The printer \"Office\" did not accept the printout.");
        recorder.device->refuseDocuments(why);
        frmPrint window(fullRide(), nullptr, recorder.factory());
        window.show();
        window.cmdPrint_Click();

        // The run stops at the first refused printout.
        QCOMPARE(recorder.printouts.size(), 1);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QVERIFY(boxes.last().text.endsWith(QStringLiteral("\r\n\r\n") + why));
        QVERIFY(window.isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("lblStandby"))->isVisible());
        for (int index = 0; index < frmPrint::OptionCount; ++index)
            QCOMPARE(window.option(index)->checkState(), Qt::Checked);
    }

    void printoutsWithoutAPrinterAreNamedOnceARun()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString printouts = QDir(folder.path()).filePath(QStringLiteral("Printouts"));
        MessageBox::Script boxes;
        frmPrint window(fullRide(), nullptr, [&](const QString &name) -> std::shared_ptr<PrintDevice> {
            return std::make_shared<PdfPrintDevice>(name, printouts);
        });
        window.show();
        uncheck(window, {1, 2, 4, 5, 6});
        window.cmdPrint_Click();

        const QStringList files = QDir(printouts).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
        QCOMPARE(files, QStringList({"Ride report - 'Maint.-Repair' list 2026-12-07 14-03-00.pdf",
                                     "Ride report - basic information 2026-12-07 14-03-00.pdf"}));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Information);
        QVERIFY(boxes.last().text.contains(QStringLiteral("the 2 printouts were saved as PDF files"),
                                           Qt::CaseInsensitive));
        QVERIFY(boxes.last().text.endsWith(QStringLiteral("\r\n\r\n") + QDir::toNativeSeparators(printouts)));
    }

    void aFailureAfterPdfFilesTellsOfBothInOneMessage()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString printouts = QDir(folder.path()).filePath(QStringLiteral("Printouts"));
        // A file where the second printout's folder should be.
        const QString blocked = QDir(folder.path()).filePath(QStringLiteral("Blocked"));
        QFile blocker(blocked);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MessageBox::Script boxes;
        int made = 0;
        frmPrint window(fullRide(), nullptr, [&](const QString &name) -> std::shared_ptr<PrintDevice> {
            return std::make_shared<PdfPrintDevice>(name, made++ == 0 ? printouts : blocked + QStringLiteral("/in"));
        });
        window.show();
        window.cmdPrint_Click();

        QCOMPARE(made, 2);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        const QStringList paragraphs = boxes.last().text.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs.at(1).contains(QDir::toNativeSeparators(blocked)));
        QVERIFY(paragraphs.at(2).endsWith(QStringLiteral("\r\n") + QDir::toNativeSeparators(printouts)));
        QCOMPARE(QDir(printouts).entryList({QStringLiteral("*.pdf")}).size(), 1);
        QVERIFY(window.isEnabled());
    }

    void cancelCloses()
    {
        Recorder recorder;
        frmPrint window(bareRide(), nullptr, recorder.factory());
        window.show();
        window.cmdCancel_Click();
        QVERIFY(!window.isVisible());
        QVERIFY(recorder.printouts.isEmpty());
    }

private:
    std::unique_ptr<Clock::Fixed> clock;
};

QTEST_MAIN(TestPrintOptions)
#include "test_print_options.moc"
