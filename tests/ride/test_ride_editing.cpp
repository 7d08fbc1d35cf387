// Changing the rides through the main window: adding and editing with the
// checks before a save, deleting a ride with its log entries, the picture
// commands, and refused file operations.

#include "RideWindowSupport.h"
#include "support/SystemCallFaults.h"

#include "data/DateValue.h"
#include "data/SystemCalls.h"
#include "platform/Twips.h"
#include "print/PrintRun.h"
#include "print/RecordingPrintDevice.h"
#include "ride/RestorePreview.h"
#include "ride/frmLargePic.h"
#include "support/WhenOpen.h"

#include <QAccessible>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <cerrno>
#include <cstring>

using namespace RideTest;

namespace {

const QStringList dataFiles = {QStringLiteral("Torqal.Dat"), QStringLiteral("Maint.Dat"), QStringLiteral("Goody.Dat"),
                               QStringLiteral("Trip.Dat"), QStringLiteral("Gas.Dat")};

// Two entries per ride in every log, interleaved by ride.
void writeLogsOf(const QList<RideRecord> &rides)
{
    QList<ExpenseRecord> expenses;
    QList<TripRecord> trips;
    QList<GasRecord> gas;
    for (int round = 0; round < 2; ++round) {
        for (const RideRecord &r : rides) {
            const int id = int(expenses.size());
            expenses.append(DataTest::expense(id, r.RideKey));
            TripRecord trip;
            trip.RideKey = r.RideKey;
            trip.EntryDate = 39000 + id;
            trip.Description = QStringLiteral("Trip %1").arg(id);
            trips.append(trip);
            gas.append(DataTest::gas(id, r.RideKey));
        }
    }
    writeFileOf(QStringLiteral("Maint.Dat"), expenses);
    writeFileOf(QStringLiteral("Goody.Dat"), expenses);
    writeFileOf(QStringLiteral("Trip.Dat"), trips);
    writeFileOf(QStringLiteral("Gas.Dat"), gas);
}

template<DataRecord Record>
QList<double> keysIn(const QString &file)
{
    QList<double> keys;
    for (const Record &r : recordsIn<Record>(file))
        keys.append(r.RideKey);
    return keys;
}

QMap<QString, QByteArray> allFiles()
{
    QMap<QString, QByteArray> files;
    for (const QString &name : dataFiles)
        files[name] = DataTest::bytesOf(name);
    return files;
}

// Fails every call of one kind with one error.
const char *failingCall = nullptr;
int failingError = 0;
int failNamedCall(const char *callName)
{
    return failingCall && std::strcmp(callName, failingCall) == 0 ? failingError : 0;
}

struct CallFailure
{
    CallFailure(const char *call, int error)
    {
        failingCall = call;
        failingError = error;
        SystemCalls::setFaultHook(failNamedCall);
    }
    ~CallFailure() { SystemCalls::setFaultHook(nullptr); }
};

} // namespace

class TestRideEditing : public QObject
{
    Q_OBJECT

private slots:
    void addingARideStoresTheBoxes()
    {
        World world;
        world.open();
        world.click(world.ui().cmdRideAdd);
        const MainWindowControls &ui = world.ui();
        QVERIFY(world.window->state().AddingEntry);
        QCOMPARE(ui.lbl[0]->text(), QStringLiteral("Adding a New Entry"));
        QVERIFY(ui.lbl[0]->font().bold());
        QVERIFY(ui.cmdRideSave->isVisible());
        QCOMPARE(ui.cmdRideSave->toolTip(), QStringLiteral(" Save this new 'Ride' entry "));
        QVERIFY(!ui.cmdRideAdd->isVisible());
        QVERIFY(ui.lblTabsNotAvailable->isVisible());
        for (int tab = 3; tab <= 6; ++tab)
            QVERIFY(!ui.MainTab->isTabEnabled(tab));
        QCOMPARE(ui.lblRideName->text(), QStringLiteral("Click the 'Save' or 'Cancel' button at left when finished"));

        // The box being typed in is yellow with a bold yellow caption.
        world.type(1, QStringLiteral("1967"));
        QCOMPARE(ui.txtField[1]->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(ui.lblField[1]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(ui.lblField[1]->font().bold());
        world.type(2, QStringLiteral("  Ford  "));
        QCOMPARE(ui.txtField[1]->palette().color(QPalette::Base), QColor(192, 255, 192));
        QVERIFY(!ui.lblField[1]->font().bold());
        world.type(3, QStringLiteral("Mustang"));
        world.type(13, QStringLiteral("$1,234.50"));
        world.type(19, QStringLiteral("about 500"));
        world.click(ui.cmdRideSave);

        QCOMPARE(world.messages.count(), 1); // only the no-rides message at the start
        const QList<RideRecord> rides = recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"));
        QCOMPARE(rides.size(), 1);
        const RideRecord &saved = rides[0];
        QCOMPARE(saved.RideKey, DateValue::fromDateTime(QDateTime(QDate(2009, 3, 15), QTime(14, 30))));
        QCOMPARE(saved.Year, QStringLiteral("1967"));
        QCOMPARE(saved.Make, QStringLiteral("Ford").leftJustified(20));
        QCOMPARE(saved.PricePaid, qint64(12345000));
        QCOMPARE(saved.PriceSold, qint64(0));
        QCOMPARE(saved.PurchaseDate, 0.0);
        QCOMPARE(saved.SellingDate, 0.0);
        QCOMPARE(saved.PicturePath.trimmed(), QString());

        // Back in view mode, showing the new ride.
        QVERIFY(!world.window->state().AddingEntry);
        QCOMPARE(world.window->state().CurrentRide, qint16(1));
        QCOMPARE(ui.lblRideName->text(), QStringLiteral("1967 Ford"));
        QCOMPARE(ui.lbl[0]->text(), QStringLiteral("Rides that are\ncurrently on file: 1"));
        QVERIFY(!ui.lbl[0]->font().bold());
        QVERIFY(ui.txtField[1]->property("readOnly").toBool());
        QVERIFY(ui.MainTab->isTabEnabled(3));
        QVERIFY(!ui.lblTabsNotAvailable->isVisible());
        QCOMPARE(world.box(13), QStringLiteral("$1,234.50"));
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("1"));
    }

    void theDateCheckComesBeforeTheRequiredFields()
    {
        World world;
        world.open();
        world.click(world.ui().cmdRideAdd);
        world.type(1, QStringLiteral("1998"));
        world.type(8, QStringLiteral("13/45/2001"));
        world.click(world.ui().cmdRideSave);
        QCOMPARE(world.messages.last().title, QStringLiteral("Unrecognizable Date"));
        QCOMPARE(world.ui().MainTab->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), world.ui().txtField[8]);

        world.type(8, QString());
        world.click(world.ui().cmdRideSave);
        QCOMPARE(world.messages.last().title, QStringLiteral("Information needed..."));
        QCOMPARE(world.messages.last().text, QStringLiteral("Your ride has to have, at minimum,\r\nthe 'Year', 'Make', "
                                                            "and 'Model' information..."));
        QCOMPARE(world.ui().MainTab->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), world.ui().txtField[1]);
        QVERIFY(world.window->state().AddingEntry);
        QVERIFY(DataTest::bytesOf(QStringLiteral("Torqal.Dat")).isEmpty());
    }

    void theFocusLookComesBackAfterAMessage()
    {
        World world;
        world.open();
        QVERIFY(QTest::qWaitForWindowActive(world.window.get()));
        const MainWindowControls &ui = world.ui();
        world.click(ui.cmdRideAdd);
        world.type(8, QStringLiteral("13/45/2001"));
        // While the message is open the window is not the active one; the box
        // gets the focus when the window comes back.
        QWidget messageBox;
        world.messages.whileOpen = [&messageBox] {
            messageBox.show();
            messageBox.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&messageBox));
        };
        world.click(ui.cmdRideSave);
        world.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(world.window.get()));
        QCOMPARE(QApplication::focusWidget(), ui.txtField[8]);
        QCOMPARE(ui.txtField[8]->palette().color(QPalette::Base), QColor(255, 255, 0));
        QVERIFY(ui.lblField[8]->font().bold());
        QCOMPARE(qobject_cast<QLineEdit *>(ui.txtField[8])->selectedText(), QStringLiteral("13/45/2001"));
    }

    void tabFollowsEachPagesReadingOrder()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0]});
        world.open();
        QVERIFY(QTest::qWaitForWindowActive(world.window.get()));
        const MainWindowControls &ui = world.ui();
        const auto chainFrom = [](auto *start, int steps) {
            start->setFocus(Qt::TabFocusReason);
            QList<QWidget *> chain;
            for (int step = 0; step < steps; ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                chain << QApplication::focusWidget();
            }
            return chain;
        };
        const auto boxes = [&ui](int first, int last) {
            QList<QWidget *> range;
            for (int i = first; i <= last; ++i)
                range << ui.txtField[std::size_t(i)];
            return range;
        };
        // The log pages: the list, its notes (with nothing to read here, no
        // stop), then the commands.
        ui.MainTab->setCurrentIndex(3);
        QCOMPARE(chainFrom(ui.grid[1], 1), QList<QWidget *>({ui.cmdLogAdd[1]}));

        world.click(ui.cmdRideEdit);
        ui.MainTab->setCurrentIndex(1);
        QCOMPARE(chainFrom(ui.txtField[8], 12), boxes(9, 19) << ui.cmdRideSave);
        ui.MainTab->setCurrentIndex(2);
        QCOMPARE(chainFrom(ui.txtField[20], 8), boxes(21, 27) << ui.cmdRideSave);
    }

    void theDeletionMarkIsNoMake()
    {
        World world;
        world.open();
        world.click(world.ui().cmdRideAdd);
        world.type(1, QStringLiteral("1998"));
        world.type(2, QStringLiteral("$Killed$"));
        world.type(3, QStringLiteral("Civic"));
        world.click(world.ui().cmdRideSave);
        QVERIFY(world.messages.last().text.contains(QStringLiteral("$Killed$")));
        QCOMPARE(QApplication::focusWidget(), world.ui().txtField[2]);
        QVERIFY(world.window->state().AddingEntry);
        QVERIFY(DataTest::bytesOf(QStringLiteral("Torqal.Dat")).isEmpty());
    }

    void aFullRideFileTakesNoNewRide()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0]});
        world.open();
        world.window->state().RideCount = MaxRecords; // as counted at the last open
        world.click(world.ui().cmdRideAdd);
        QCOMPARE(world.messages.count(), 1);
        QVERIFY(world.messages.last().text.contains(QStringLiteral("32767")));
        QVERIFY(!world.window->state().AddingEntry);
        QVERIFY(world.ui().cmdRideAdd->isVisible());
    }

    void editingKeepsTheKeyAndCancelRestores()
    {
        World world;
        RideRecord honda = threeRides[0];
        honda.Notes = QStringLiteral("Bought used.\r\n\r\nNew tyres in May.");
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda, threeRides[1]});
        writeLogsOf({honda, threeRides[1]});
        world.open();
        const QByteArray before = DataTest::bytesOf(QStringLiteral("Torqal.Dat"));
        const MainWindowControls &ui = world.ui();

        world.click(ui.cmdRideEdit);
        QCOMPARE(ui.lbl[0]->text(), QStringLiteral("Editing this Entry"));
        // A box that takes the focus has its whole text selected; a tab chosen
        // gives its first box the focus.
        ui.txtField[2]->setFocus(Qt::MouseFocusReason);
        QCOMPARE(qobject_cast<QLineEdit *>(ui.txtField[2])->selectedText(), QStringLiteral("Honda"));
        QVERIFY(ui.lblField[2]->font().bold());
        ui.MainTab->setCurrentIndex(2);
        QCOMPARE(QApplication::focusWidget(), ui.txtField[20]);
        QVERIFY(!ui.lblField[2]->font().bold());
        world.type(3, QStringLiteral("Accord"));
        QCOMPARE(ui.txtField[3]->palette().color(QPalette::Base), QColor(255, 192, 255));
        world.click(ui.cmdRideCancel);
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")), before);
        QCOMPARE(world.box(3), QStringLiteral("Civic"));
        QCOMPARE(ui.lbl[0]->text(), QStringLiteral("Rides that are\ncurrently on file: 2"));
        QCOMPARE(ui.txtField[3]->palette().color(QPalette::Base), QColor(192, 255, 192));

        world.click(ui.cmdRideEdit);
        world.type(7, QStringLiteral("Bumble & Bee"));
        // A name the files cannot hold, set over the accessibility bus, leaves the name typed.
        QAccessible::queryAccessibleInterface(ui.txtField[7])->setText(QAccessible::Value, QStringLiteral("😀").repeated(25));
        world.click(ui.cmdRideSave);
        const QList<RideRecord> rides = recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"));
        QCOMPARE(rides.size(), 2);
        QCOMPARE(rides[0].RideKey, threeRides[0].RideKey);
        QCOMPARE(rides[0].RideName.trimmed(), QStringLiteral("Bumble & Bee"));
        QCOMPARE(rides[0].Notes.trimmed(), honda.Notes); // the notes' lines as they were
        QCOMPARE(encodeRecord(rides[1]), encodeRecord(threeRides[1]));
        QCOMPARE(ui.lblRideName->text(), QStringLiteral("Bumble & Bee"));
        QCOMPARE(world.window->rides().menu.caption(1), QStringLiteral("Bumble & Bee"));
        QCOMPARE(world.window->state().CurrentRideKey, threeRides[0].RideKey);
    }

    void cancellingAnAddShowsTheRideShownBefore()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0]});
        world.open();
        world.click(world.ui().cmdRideAdd);
        world.type(1, QStringLiteral("2020"));
        world.click(world.ui().cmdRideCancel);
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat")).size(), 1);
        QCOMPARE(world.ui().lblRideName->text(), QStringLiteral("1998 Honda"));
        QCOMPARE(world.ui().lbl[0]->text(), QStringLiteral("Rides that are\ncurrently on file: 1"));
    }

    void deletingTheMiddleOfThreeRides()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), threeRides);
        writeLogsOf(threeRides);
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("2"));
        world.open();

        // Answering No changes nothing.
        const auto before = allFiles();
        world.messages.answer(MessageBox::Button::No);
        world.click(world.ui().cmdRideDelete);
        QCOMPARE(world.messages.last().text, QStringLiteral("Are you SURE you want to delete your\r\n\r\n2001 Ford F150"
                                                            "\r\n\r\nfrom your 'Torqal' list?"));
        QCOMPARE(world.messages.last().defaultButton, MessageBox::Button::No);
        QCOMPARE(allFiles(), before);

        world.messages.answer(MessageBox::Button::Yes);
        world.click(world.ui().cmdRideDelete);
        QVERIFY(world.idle());
        const QList<RideRecord> rides = recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"));
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")).size(), 20000);
        QCOMPARE(encodeRecord(rides[0]), encodeRecord(threeRides[0]));
        QCOMPARE(encodeRecord(rides[1]), encodeRecord(threeRides[2]));
        const QList<double> kept = {39000.25, 39200.75, 39000.25, 39200.75};
        QCOMPARE(keysIn<ExpenseRecord>(QStringLiteral("Maint.Dat")), kept);
        QCOMPARE(keysIn<ExpenseRecord>(QStringLiteral("Goody.Dat")), kept);
        QCOMPARE(keysIn<TripRecord>(QStringLiteral("Trip.Dat")), kept);
        QCOMPARE(keysIn<GasRecord>(QStringLiteral("Gas.Dat")), kept);
        QCOMPARE(recordsIn<GasRecord>(QStringLiteral("Gas.Dat"))[1].Notes.trimmed(), QStringLiteral("Fill-up 2"));

        // Two rides left: none is shown, either can be chosen.
        QCOMPARE(world.window->state().CurrentRide, qint16(0));
        QCOMPARE(world.ui().lblRideName->text(), QString());
        QVERIFY(world.ui().cmdSelectRide->isVisible());
        QVERIFY(!world.ui().cmdRideDelete->isVisible());
        QCOMPARE(world.ui().lbl[0]->text(), QStringLiteral("Rides that are\ncurrently on file: 2"));
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("2"));

        // The named ride's question carries its name.
        world.window->rides().menu.menuListRides_Click(2);
        world.click(world.ui().cmdRideDelete); // the script's default answer: No
        QVERIFY(world.messages.last().text.contains(QStringLiteral("\r\n\r\n(aka  Sally)\r\n\r\n")));

        // Deleting one of two shows the other at once.
        world.messages.answer(MessageBox::Button::Yes);
        world.click(world.ui().cmdRideDelete);
        QCOMPARE(world.window->state().CurrentRide, qint16(1));
        QCOMPARE(world.ui().lblRideName->text(), QStringLiteral("1998 Honda"));

        // Deleting the last ride empties every file (which the view's next
        // reading may create again, empty).
        world.messages.answer(MessageBox::Button::Yes);
        world.click(world.ui().cmdRideDelete);
        for (const QString &file : dataFiles)
            QVERIFY2(DataTest::bytesOf(file).isEmpty(), qPrintable(file));
        QVERIFY(world.ui().cmdRideAdd->isVisible());
        QVERIFY(!world.ui().cmdRideEdit->isVisible());
    }

    // A ride goes only once the files are kept in Backups/; when they
    // cannot be, only on the user's word.
    void aRideIsDeletedAfterItsBackup()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), threeRides);
        writeLogsOf(threeRides);
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("2"));
        world.open();
        DataTest::writeBytes(QStringLiteral("Backups"), "a file where the folder goes");
        const auto before = allFiles();
        world.messages.answer(MessageBox::Button::Yes); // delete the ride
        world.messages.answer(MessageBox::Button::No);  // but not without a backup
        world.click(world.ui().cmdRideDelete);
        QCOMPARE(world.messages.last().title, QStringLiteral("No backup"));
        QCOMPARE(world.messages.last().defaultButton, MessageBox::Button::No);
        QCOMPARE(allFiles(), before);

        QVERIFY(QFile::remove(QStringLiteral("Backups")));
        world.messages.answer(MessageBox::Button::Yes);
        world.click(world.ui().cmdRideDelete);
        QVERIFY(world.idle());
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat")).size(), 2);
        QVERIFY(QFile::exists(QStringLiteral("Backups/2009-03-15 14-30 before ride deletion.zip")));
    }

    // Back up, delete a ride, restore: the rides are back, the deletion's
    // state kept as a backup of its own; a file that is no backup changes
    // nothing.
    void aBackupIsRestoredFromTheMainWindow()
    {
        World world;
        QTemporaryDir elsewhere;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), threeRides);
        writeLogsOf(threeRides);
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("2"));
        world.open();
        const QString backup = elsewhere.filePath(QStringLiteral("rides.zip"));
        world.dialog.choose(backup);
        world.click(world.ui().cmdBackup);
        QCOMPARE(world.messages.last().icon, MessageBox::Icon::Information);
        const auto before = allFiles();
        world.messages.answer(MessageBox::Button::Yes);
        world.click(world.ui().cmdRideDelete);

        DataTest::writeBytes(elsewhere.filePath(QStringLiteral("other.zip")), "no zip at all");
        world.dialog.choose(elsewhere.filePath(QStringLiteral("other.zip")));
        const auto afterDeletion = allFiles();
        world.click(world.ui().cmdRestore);
        QCOMPARE(world.messages.last().icon, MessageBox::Icon::Critical);
        QCOMPARE(allFiles(), afterDeletion);

        int ridesShown = -1;
        whenOpen<RestorePreview>(world.window.get(), [&ridesShown](RestorePreview &preview) {
            ridesShown = preview.findChild<QListWidget *>(QStringLiteral("lstRides"))->count();
            preview.findChild<QPushButton *>(QStringLiteral("cmdRestoreBackup"))->click();
        });
        world.dialog.choose(backup);
        world.click(world.ui().cmdRestore);
        QVERIFY(world.idle());
        QCOMPARE(ridesShown, 3);
        QCOMPARE(world.messages.last().icon, MessageBox::Icon::Information);
        QCOMPARE(allFiles(), before);
        QCOMPARE(world.ui().lbl[0]->text(), QStringLiteral("Rides that are\ncurrently on file: 3"));
        QCOMPARE(QDir(QStringLiteral("Backups")).entryList({QStringLiteral("* before restore.zip")}).size(), 1);
    }

    void aPictureChosenDuringAnEditStaysAfterCancel()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0]});
        world.open();
        const MainWindowControls &ui = world.ui();
        const QString picture = pictureFile(world.folder.path() + QStringLiteral("/.."), QSize(400, 300));
        world.click(ui.cmdRideEdit);
        world.dialog.choose(picture);
        world.click(ui.cmdPicAddEdit[1]);
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(), picture);
        QVERIFY(!ui.cmdLargerPic->isVisible()); // not while editing
        QVERIFY(ui.cmdPicAddEdit[2]->isVisible());
        world.click(ui.cmdRideCancel);
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(), picture);
        QVERIFY(ui.cmdLargerPic->isVisible());
        QCOMPARE(ui.imgRide->toolTip(), picture);
    }

    void aPictureChosenWhileAddingWaitsForTheSave()
    {
        World world;
        world.open();
        const MainWindowControls &ui = world.ui();
        const QString picture = pictureFile(world.folder.path(), QSize(300, 400));
        world.click(ui.cmdRideAdd);
        world.dialog.choose(picture);
        world.click(ui.cmdPicAddEdit[1]);
        QVERIFY(DataTest::bytesOf(QStringLiteral("Torqal.Dat")).isEmpty());
        QVERIFY(!ui.cmdLargerPic->isVisible());
        world.type(1, QStringLiteral("1998"));
        world.type(2, QStringLiteral("Honda"));
        world.type(3, QStringLiteral("Civic"));
        world.click(ui.cmdRideSave);
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(),
                 QFileInfo(picture).fileName()); // inside the data folder
        QVERIFY(ui.cmdLargerPic->isVisible());
    }

    // A picture inside the data folder is kept relative to it; a path the
    // file cannot keep, through a copy in the data folder's Pictures.
    void aPictureIsKeptWhereTheFileCanNameIt_data()
    {
        QTest::addColumn<QString>("pictureFolder");
        QTest::addColumn<QString>("dataFolder"); // below the test's folder
        QTest::addColumn<bool>("copy");          // the answer to the question, when asked
        QTest::addColumn<QString>("stored");     // "old" for the ride's picture
        QTest::newRow("Cyrillic folder") << "Изображения" << "" << true << "Pictures/Picture 1.png";
        QTest::newRow("long path") << QString(150, QLatin1Char('x')) << "" << true << "Pictures/Picture 1.png";
        QTest::newRow("declined") << "Изображения" << "" << false << "old";
        QTest::newRow("data folder the file cannot name") << "Изображения" << "Жук" << true << "Pictures/Picture 1.png";
        QTest::newRow("inside the data folder") << "Data/Photos" << "Data" << false << "Photos/picture 400x300.png";
    }
    void aPictureIsKeptWhereTheFileCanNameIt()
    {
        QFETCH(QString, pictureFolder);
        QFETCH(QString, dataFolder);
        QFETCH(bool, copy);
        QFETCH(QString, stored);
        World world;
        const QString data = world.folder.path() + QLatin1Char('/') + dataFolder;
        QVERIFY(QDir().mkpath(data) && QDir::setCurrent(data));
        QVERIFY(QDir().mkpath(world.folder.path() + QLatin1Char('/') + pictureFolder));
        const QString picture = pictureFile(world.folder.path() + QLatin1Char('/') + pictureFolder, QSize(400, 300));
        RideRecord honda = threeRides[0];
        honda.PicturePath = pictureFile(world.folder.path(), QSize(200, 100));
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda});
        world.open();
        const MainWindowControls &ui = world.ui();
        world.dialog.choose(picture);
        world.messages.answer(copy ? MessageBox::Button::Yes : MessageBox::Button::No);
        world.click(ui.cmdPicAddEdit[2]);
        const bool asked = !stored.startsWith(QLatin1String("Photos"));
        if (asked)
            QVERIFY(world.messages.last().text.contains(picture));

        const QString expected = stored == QLatin1String("old") ? honda.PicturePath : stored;
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(), expected);
        // Shown again, a relative path is read against the data folder; the
        // hover text is the file's whole path.
        world.window->rides().view.ShowRide(1);
        QCOMPARE(ui.imgRide->toolTip(), QDir::current().absoluteFilePath(expected));
        QVERIFY(!ui.imgRide->pixmap().isNull());
        QCOMPARE(world.messages.count(), asked ? 1 : 0);
        QCOMPARE(QFileInfo::exists(QStringLiteral("Pictures/Picture 1.png")), stored.startsWith(QLatin1String("Pictures")));
        QVERIFY(QDir::setCurrent(world.folder.path()));
    }

    void pictureChoicesThatChangeNothing()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0]});
        world.open();
        const QByteArray before = DataTest::bytesOf(QStringLiteral("Torqal.Dat"));
        const MainWindowControls &ui = world.ui();
        world.dialog.cancel();
        world.click(ui.cmdPicAddEdit[1]);
        QVERIFY(ui.lblPicture->isVisible());

        const QString notAPicture = world.folder.path() + QStringLiteral("/notes.txt");
        DataTest::writeBytes(notAPicture, "no picture here");
        world.dialog.choose(notAPicture);
        world.click(ui.cmdPicAddEdit[1]);
        QCOMPARE(world.messages.last().title, QStringLiteral("File Access Error"));
        QCOMPARE(world.messages.last().icon, MessageBox::Icon::NoIcon);
        QVERIFY(ui.lblPicture->isVisible());
        QVERIFY(ui.cmdPicAddEdit[1]->isVisible());
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")), before);
    }

    void aFileThatIsNoPictureKeepsTheRidesPicture()
    {
        World world;
        RideRecord honda = threeRides[0];
        honda.PicturePath = pictureFile(world.folder.path(), QSize(200, 100));
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda});
        world.open();
        const MainWindowControls &ui = world.ui();
        const QString notAPicture = world.folder.path() + QStringLiteral("/notes.txt");
        DataTest::writeBytes(notAPicture, "no picture here");

        world.click(ui.cmdRideEdit);
        world.dialog.choose(notAPicture);
        world.click(ui.cmdPicAddEdit[2]);
        QCOMPARE(world.messages.last().title, QStringLiteral("File Access Error"));
        QCOMPARE(ui.imgRide->toolTip(), honda.PicturePath);
        QVERIFY(!ui.lblPicture->isVisible());

        world.click(ui.cmdRideSave);
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(), honda.PicturePath);
        QVERIFY(ui.cmdLargerPic->isVisible());
    }

    void removingAPictureKeepsItsFile()
    {
        World world;
        RideRecord honda = threeRides[0];
        honda.PicturePath = pictureFile(world.folder.path(), QSize(200, 100));
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda});
        world.open();
        const MainWindowControls &ui = world.ui();
        world.click(ui.cmdPicDelete); // default answer: No
        QCOMPARE(world.messages.last().title, QStringLiteral("Confirm Picture Delete"));
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(), honda.PicturePath);

        world.messages.answer(MessageBox::Button::Yes);
        world.click(ui.cmdPicDelete);
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(), QString());
        QVERIFY(DataTest::exists(honda.PicturePath));
        QVERIFY(ui.lblPicture->isVisible());
        QVERIFY(ui.cmdPicAddEdit[1]->isVisible());
        QVERIFY(!ui.cmdLargerPic->isVisible());
        QCOMPARE(ui.imgRide->toolTip(), QString());
    }

    void theLargerPicture()
    {
        World world;
        RideRecord sally = threeRides[2];
        sally.PicturePath = pictureFile(world.folder.path(), QSize(4000, 3000));
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {sally});
        world.open();
        auto printer = std::make_shared<RecordingPrintDevice>();
        PrintDevicesForTests printers([printer](const QString &) { return printer; });
        QString title;
        QSize frame;
        bool enabledAfterPrinting = false;
        bool refusalTold = false;
        QTimer::singleShot(0, [&] {
            auto *larger = qobject_cast<frmLargePic *>(QApplication::activeModalWidget());
            if (!larger)
                return;
            title = larger->windowTitle();
            frame = larger->frame();
            larger->cmdPrintPic_Click();
            enabledAfterPrinting = larger->isEnabled() && larger->isVisible() && !QApplication::overrideCursor();
            printer->refuseDocuments(QStringLiteral("The printer is out of paper."));
            larger->cmdPrintPic_Click();
            refusalTold = world.messages.count() == 1
                       && world.messages.last().text.contains(QStringLiteral("The printer is out of paper."));
            larger->cmdReturn_Click();
        });
        world.click(world.ui().cmdLargerPic);
        QCOMPARE(title, QStringLiteral("Sally"));
        if (Twips::logicalDpiX() == 96.0 && Twips::logicalDpiY() == 96.0)
            QCOMPARE(frame, QSize(8000, 6000));
        QVERIFY(enabledAfterPrinting);
        QVERIFY(refusalTold);
        const auto pictures = printer->operations(RecordingPrintDevice::Operation::Kind::Picture);
        QCOMPARE(pictures.size(), 2);
        QCOMPARE(pictures[0].rect, QRectF(0.75, 2.0, 6.25, 4.6875));
        QCOMPARE(printer->lines().first().text, QStringLiteral("Sally"));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(world.idle());
    }

    void aFullDiskStopsTheSaveAndKeepsTheMode()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0]});
        world.open();
        const QByteArray before = DataTest::bytesOf(QStringLiteral("Torqal.Dat"));
        world.click(world.ui().cmdRideAdd);
        world.type(1, QStringLiteral("2001"));
        world.type(2, QStringLiteral("Ford"));
        world.type(3, QStringLiteral("F150"));
        {
            CallFailure full("pwrite", ENOSPC);
            world.click(world.ui().cmdRideSave);
        }
        QCOMPARE(world.messages.count(), 1);
        QVERIFY(world.messages.last().text.contains(QStringLiteral("Torqal.Dat")));
        QVERIFY(world.messages.last().text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")), before);
        QVERIFY(world.idle());
        QVERIFY(world.window->state().AddingEntry);
        QCOMPARE(world.window->state().CurrentRide, qint16(1));

        world.click(world.ui().cmdRideSave);
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat")).size(), 2);
        QCOMPARE(world.window->state().CurrentRide, qint16(2));
    }

    void anUnreadableRideLeavesTheEmptyView()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0], threeRides[1]});
        world.open();
        {
            CallFailure unreadable("pread", EIO);
            world.window->rides().menu.menuListRides_Click(2);
        }
        QCOMPARE(world.messages.count(), 1);
        QVERIFY(world.messages.last().text.startsWith(QStringLiteral("Could not read Torqal.Dat: ")));
        QCOMPARE(world.window->state().CurrentRide, qint16(0));
        QCOMPARE(world.window->state().CurrentRideKey, 0.0);
        QCOMPARE(world.ui().lblRideName->text(), QString());
        QCOMPARE(world.box(1), QString());
        QVERIFY(!world.ui().cmdRideEdit->isVisible());
        QVERIFY(world.ui().cmdSelectRide->isVisible());
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("1"));
        QVERIFY(world.idle());
    }

    void aRefusedCompactionLeavesTheRideOnFile()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0], threeRides[1]});
        writeLogsOf({threeRides[0], threeRides[1]});
        world.open();
        const auto before = allFiles();
        world.messages.answer(MessageBox::Button::Yes);
        {
            CallFailure readOnly("rename", EROFS);
            world.click(world.ui().cmdRideDelete);
        }
        // The log files go first: the first of them stops the deletion.
        QCOMPARE(world.messages.count(), 2);
        QVERIFY(world.messages.last().text.contains(QStringLiteral("Maint.Dat")));
        QCOMPARE(allFiles(), before);
        QVERIFY(!DataTest::exists(QStringLiteral("TempFile.$$$")));
        QVERIFY(world.idle());
        QCOMPARE(world.window->state().CurrentRide, qint16(1));
        QCOMPARE(world.ui().lblRideName->text(), QStringLiteral("1998 Honda"));
    }

    // A change whose records reached the files counts as made, whatever
    // fails after it: one warning names the file or the folder, the window
    // leaves its mode, and the change is neither repeated nor taken back.
    void aWrittenChangeCountsAsMade_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("failingCall");
        QTest::addColumn<int>("nth");
        QTest::addColumn<QString>("warning");
        // A write closes its journal and the folder twice (after making and
        // after removing the journal), then the ride file.
        QTest::newRow("add, the ride file not closed") << "add" << QByteArray("close") << 4 << "Could not close Torqal.Dat";
        QTest::newRow("edit, the ride file not closed") << "edit" << QByteArray("close") << 4 << "Could not close Torqal.Dat";
        // A compaction flushes its scratch file, then the folder after the rename.
        QTest::newRow("delete, the folder not flushed") << "delete" << QByteArray("fsync") << 2 << "Could not flush the folder";
    }

    void aWrittenChangeCountsAsMade()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, failingCall);
        QFETCH(int, nth);
        QFETCH(QString, warning);
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0], threeRides[1]});
        writeLogsOf({threeRides[0], threeRides[1]});
        world.open();
        const MainWindowControls &ui = world.ui();
        if (command == QLatin1String("add")) {
            world.click(ui.cmdRideAdd);
            world.type(1, QStringLiteral("1967"));
            world.type(2, QStringLiteral("Ford"));
            world.type(3, QStringLiteral("Mustang"));
        } else if (command == QLatin1String("edit")) {
            world.click(ui.cmdRideEdit);
            world.type(3, QStringLiteral("Accord"));
        } else {
            world.messages.answer(MessageBox::Button::Yes);
        }
        const qsizetype shownBefore = world.messages.count();
        {
            SystemCallFaults::FailingCall fails(failingCall.constData(), EIO, nth);
            world.click(command == QLatin1String("delete") ? ui.cmdRideDelete : ui.cmdRideSave);
        }
        QCOMPARE(world.messages.count(), shownBefore + (command == QLatin1String("delete") ? 2 : 1));
        QVERIFY2(world.messages.last().text.startsWith(warning), qPrintable(world.messages.last().text));
        QCOMPARE(world.messages.last().icon, MessageBox::Icon::Warning);
        QVERIFY(!world.window->state().AddingEntry);
        QVERIFY(!world.window->state().EditingEntry);
        QVERIFY(!ui.cmdRideSave->isVisible());
        QVERIFY(world.idle());

        const QList<RideRecord> rides = recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"));
        QStringList models;
        for (const RideRecord &r : rides)
            models << r.Model.trimmed();
        const QStringList expected = command == QLatin1String("add")    ? QStringList{"Civic", "F150", "Mustang"}
                                     : command == QLatin1String("edit") ? QStringList{"Accord", "F150"}
                                                                        : QStringList{"F150"};
        QCOMPARE(models, expected);
        // Only the deleted ride's entries are gone from the logs.
        const QList<double> keys = keysIn<TripRecord>(QStringLiteral("Trip.Dat"));
        QCOMPARE(keys.count(threeRides[0].RideKey), command == QLatin1String("delete") ? 0 : 2);
        QCOMPARE(keys.count(threeRides[1].RideKey), 2);
    }
};

QTEST_MAIN(TestRideEditing)
#include "test_ride_editing.moc"
