// The main window's print commands: the ride's print options over what the
// window shows, and the log tabs' printouts of the highlighted entry.

#include "data/DataTestSupport.h"
#include "data/DateValue.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "print/RecordingPrintDevice.h"
#include "print/PrintTestSupport.h"
#include "print/frmPrint.h"
#include "ride/MainWindowLogs.h"
#include "ride/frmMain.h"
#include "support/FirstActivation.h"
#include "ui/QorButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace DataTest;

namespace {

constexpr double RideA = 40000.5;

double day(int year, int month, int dayOfMonth) { return DateValue::fromDateTime(QDate(year, month, dayOfMonth)); }

ExpenseRecord expense(double date, const char *description, qint64 cost, const char *notes)
{
    ExpenseRecord r;
    r.RideKey = RideA;
    r.EntryDate = date;
    r.Description = QString::fromUtf8(description);
    r.Cost = cost;
    r.Notes = QString::fromUtf8(notes);
    return r;
}

TripRecord trip(double date, const char *description, qint32 miles, const char *notes)
{
    TripRecord r;
    r.RideKey = RideA;
    r.EntryDate = date;
    r.Description = QString::fromUtf8(description);
    r.Miles = miles;
    r.Notes = QString::fromUtf8(notes);
    return r;
}

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<frmMain> window;
    // The window's own state and log tabs.
    RideState &state() { return window->state(); }
    MainWindowLogs &logs() { return window->logs(); }
    std::shared_ptr<RecordingPrintDevice> device;
    QStringList printouts;
    std::function<void()> onPrintout;
    std::unique_ptr<PrintDevicesForTests> printers;
    std::unique_ptr<Clock::Fixed> clock;

    const MainWindowControls &ui() const { return window->controls(); }

    // The ride as the view would show it (picturePath: its stored picture);
    // its logs are read from the files when they come into view.
    void showRide(const QString &picturePath = QString())
    {
        RideRecord ride;
        ride.RideKey = RideA;
        ride.Year = QStringLiteral("2005");
        ride.Make = QStringLiteral("Honda");
        ride.Model = QStringLiteral("Shadow");
        ride.Style = QStringLiteral("Cruiser");
        ride.RideName = QStringLiteral("Blue Thunder");
        ride.PicturePath = picturePath;
        state().Shown.number = 1;
        state().Shown.record = ride;
        state().CurrentRide = 1;
        state().CurrentRideKey = RideA;
        logs().rideChanged();
    }

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        Settings::useFile(folder->path() + QStringLiteral("/settings.ini"));
        window = std::make_unique<frmMain>();
        {
            MessageBox::Script firstDisplay; // no ride on file: the window says so
            window->show();
            QVERIFY(WaitForFirstActivation(*window));
        }
        device = std::make_shared<RecordingPrintDevice>();
        printouts.clear();
        printers = std::make_unique<PrintDevicesForTests>([this](const QString &name) -> std::shared_ptr<PrintDevice> {
            printouts.append(name);
            if (onPrintout)
                onPrintout();
            return device;
        });
        onPrintout = nullptr;
        clock = std::make_unique<Clock::Fixed>(QDateTime(QDate(2026, 12, 7), QTime(9, 30)));
    }

    void cleanup()
    {
        clock.reset();
        printers.reset();
        window.reset();
        Settings::useFile(QString());
        folder.reset();
    }

    void aLogTabPrintsItsHighlightedEntryWithItsNotes()
    {
        writeFileOf<TripRecord>("Trip.Dat", {trip(day(2009, 6, 1), "Blue Ridge", 412, "Rain all day.\r\nGood food."),
                                             trip(day(2009, 7, 4), "Coast", 260, "")});
        showRide();
        ui().MainTab->setCurrentIndex(5);
        QVERIFY(!ui().cmdLogPrint[3]->isHidden());
        QVERIFY(ui().cmdLogPrint[1]->isHidden()); // no maintenance entries

        ui().grid[3]->setCurrentIndex(ui().grid[3]->model()->index(0, 0));
        MessageBox::Script boxes;
        emit ui().cmdLogPrint[3]->Click();

        QCOMPARE(printouts, QStringList({"'Trips' entry"}));
        QCOMPARE(device->documentCount(), 1);
        QStringList texts;
        for (const auto &line : device->lines())
            texts.append(line.text);
        QCOMPARE(texts, QStringList({"Printout of my ride, a", "2005 Honda Shadow", "(aka Blue Thunder)",
                                     "printed on 12/07/2026 09:30", "'Trips' Entry",
                                     "Date           Brief DescriptionMiles       ", "06/01/2009Blue Ridge412",
                                     "'Trips' Notes", "Rain all day.", "Good food."}));
        QCOMPARE(boxes.count(), 0);
        QVERIFY(window->isEnabled());
    }

    void theRidePrintCommandOffersWhatTheWindowShows()
    {
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(day(2009, 5, 2), "Tires", 4500000, ""),
                                                 expense(day(2009, 3, 15), "Oil change", 299500, "")});
        showRide(); // the report reads the lists not yet in view

        QList<Qt::CheckState> offered;
        QList<bool> enabled;
        QTimer::singleShot(0, this, [&] {
            auto *options = qobject_cast<frmPrint *>(QApplication::activeModalWidget());
            if (!options)
                return;
            for (int index = 0; index < frmPrint::OptionCount; ++index) {
                offered.append(options->option(index)->checkState());
                enabled.append(options->option(index)->isEnabled());
            }
            options->cmdPrint_Click();
            options->cmdCancel_Click();
        });
        emit ui().cmdRidePrint->Click();

        const Qt::CheckState C = Qt::Checked, U = Qt::Unchecked;
        QCOMPARE(offered, (QList<Qt::CheckState>{C, U, U, C, U, U, U}));
        QCOMPARE(enabled, (QList<bool>{true, false, false, true, false, false, false}));
        QCOMPARE(printouts, QStringList({"Ride report - basic information", "Ride report - 'Maint./Repair' list"}));
        QCOMPARE(device->lines(1, 1).at(4).text, QStringLiteral("Style -- Cruiser"));
        const auto list = device->lines(2, 1);
        QCOMPARE(list.at(6).text, QStringLiteral("03/15/2009Oil change$29.95"));
        QCOMPARE(list.at(7).text, QStringLiteral("05/02/2009Tires$450.00"));
        QCOMPARE(list.last().text, QStringLiteral(" Total Cost: $479.95"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void thePictureIsPrintedByTheLargerPictureWindow()
    {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        const QString path = folder->path() + QStringLiteral("/ride.png");
        QVERIFY(picture.save(path));
        showRide(path);

        bool offered = false;
        QStringList windowsShown;
        QTimer::singleShot(0, this, [&] {
            auto *options = qobject_cast<frmPrint *>(QApplication::activeModalWidget());
            if (!options)
                return;
            offered = options->option(2)->isEnabled() && options->option(2)->checkState() == Qt::Checked;
            options->option(0)->click();
            // Which window is in front while the picture prints.
            onPrintout = [&] {
                QTimer::singleShot(0, this, [&] {
                    if (QWidget *modal = QApplication::activeModalWidget())
                        windowsShown.append(modal->objectName() + u' ' + modal->windowTitle());
                });
            };
            options->cmdPrint_Click();
            options->cmdCancel_Click();
        });
        emit ui().cmdRidePrint->Click();

        QVERIFY(offered);
        QCOMPARE(printouts, QStringList({"Ride report - picture"}));
        QCOMPARE(windowsShown, QStringList({"frmLargePic Blue Thunder"}));
        const auto title = device->lines(1, 1);
        QCOMPARE(title.size(), 1);
        QCOMPARE(title.at(0).text, QStringLiteral("Blue Thunder"));
        COMPARE_INCHES(title.at(0).x, 0.75);
        COMPARE_INCHES(title.at(0).y, 1.8);
        const auto pictures = device->operations(RecordingPrintDevice::Operation::Kind::Picture);
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(pictures.at(0).rect, QRectF(0.75, 2.0, 6.25, 4.6875));
        QCOMPARE(pictures.at(0).picture.size(), QSize(400, 300));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aPictureThatCannotBeLoadedIsNotOffered()
    {
        showRide(folder->path() + QStringLiteral("/gone.png"));
        bool offered = true;
        QTimer::singleShot(0, this, [&] {
            if (auto *options = qobject_cast<frmPrint *>(QApplication::activeModalWidget())) {
                offered = options->option(2)->isEnabled();
                options->cmdCancel_Click();
            }
        });
        emit ui().cmdRidePrint->Click();
        QVERIFY(!offered);
    }
};

QTEST_MAIN(TestPrintCommands)
#include "test_print_commands.moc"
