// The main window as a view of the rides on file: the first display, the
// boxes and the name caption, pictures, and choosing a ride from the menu.

#include "RideWindowSupport.h"

#include "logs/frmLogEntry.h"
#include "platform/Twips.h"
#include "ride/RideCommands.h"
#include "ui/ListMenu.h"

#include <QDir>
#include <QMouseEvent>
#include <QTableView>

using namespace RideTest;

namespace {

QSize frameOf(const QLabel *picture)
{
    return picture->property("frameTwips").toSize();
}

} // namespace

class TestRideView : public QObject
{
    Q_OBJECT

private slots:
    void noRideOnFile()
    {
        World world;
        world.open();
        QCOMPARE(world.messages.count(), 1);
        const MessageBox::Request &told = world.messages.last();
        QCOMPARE(told.title, QStringLiteral("Torqal"));
        QCOMPARE(told.icon, MessageBox::Icon::Information);
        QCOMPARE(told.text, QStringLiteral("There are no rides currently on file.\r\n\r\nWhen you're ready to add a "
                                           "ride,\r\njust click on the green button\r\nin the upper-left hand corner."));
        for (int i = 1; i <= RideFields::Count; ++i)
            QVERIFY(world.box(i).isEmpty());
        const MainWindowControls &ui = world.ui();
        QVERIFY(ui.cmdRideAdd->isVisible());
        for (QWidget *hidden : {ui.cmdRideEdit, ui.cmdRideDelete, ui.cmdRidePrint, ui.cmdSelectRide, ui.cmdLargerPic,
                                ui.cmdPicAddEdit[1], ui.cmdPicAddEdit[2], ui.cmdPicDelete})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        QVERIFY(ui.lblPicture->isVisible());
        QCOMPARE(ui.lbl[0]->text(), QStringLiteral("Rides that are\ncurrently on file: 0"));
        QVERIFY(!DataTest::exists(QStringLiteral("Torqal.Dat")) || DataTest::bytesOf(QStringLiteral("Torqal.Dat")).isEmpty());
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QString());
    }

    void oneRideShowsItsBoxesAndName()
    {
        World world;
        RideRecord honda = threeRides[0];
        honda.PurchaseDate = 36526.0;
        honda.PricePaid = -125000;
        honda.PriceSold = 0;
        honda.Notes = QStringLiteral("Bought it used.\r\nRuns well.");
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda});
        world.open();
        QCOMPARE(world.messages.count(), 0);
        const MainWindowControls &ui = world.ui();
        QCOMPARE(ui.lblRideName->text(), QStringLiteral("1998 Honda"));
        QCOMPARE(world.box(1), QStringLiteral("1998"));
        QCOMPARE(world.box(8), QStringLiteral("01/01/2000"));
        QCOMPARE(world.box(13), QStringLiteral("-$12.50"));
        QCOMPARE(world.box(14), QString());
        QCOMPARE(world.box(19), QString());
        QVERIFY(world.box(27).startsWith(QStringLiteral("Bought it used.")));
        QVERIFY(ui.cmdRideEdit->isVisible());
        QVERIFY(ui.cmdRideDelete->isVisible());
        QVERIFY(!ui.cmdSelectRide->isVisible()); // one ride: nothing to choose
        QVERIFY(ui.cmdPicAddEdit[1]->isVisible());
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("1"));
        QCOMPARE(ui.MainTab->currentIndex(), 0);
        QCOMPARE(world.window->state().CurrentRide, qint16(1));
        QCOMPARE(world.window->state().CurrentRideKey, 39000.25);
    }

    // The pages "Bought/Sold" and "Misc Info/Notes" get their boxes right
    // after the window's first paint, or first thing when something needs
    // them sooner; either way the boxes show the ride, and the ride edited
    // and saved as shown keeps its record to the byte.
    void ridePagesAreCompleteOnceNeeded_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("first paint") << 0;
        QTest::newRow("Bought/Sold chosen") << 1;
        QTest::newRow("Misc Info/Notes chosen") << 2;
        QTest::newRow("ride edited and saved") << 3;
    }

    void ridePagesAreCompleteOnceNeeded()
    {
        QFETCH(int, before);
        World world;
        RideRecord honda = threeRides[0];
        honda.PurchaseDate = 36526.25; // with a time of day, which the box does not show
        honda.Notes = QStringLiteral("Bought it used.");
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda});
        const QByteArray record = DataTest::bytesOf(QStringLiteral("Torqal.Dat"));
        world.window = std::make_unique<frmMain>();
        const MainWindowControls &ui = world.ui();
        world.window->show(); // its first activation shows the ride
        QVERIFY(ui.MainTab->widget(1)->children().isEmpty());
        if (before == 1 || before == 2)
            ui.MainTab->setCurrentIndex(before);
        if (before == 3)
            world.window->rides().editing.cmdRideEdit_Click();
        if (before == 0)
            QVERIFY(WaitForFirstActivation(*world.window));
        QCOMPARE(world.box(8), QStringLiteral("01/01/2000"));
        QCOMPARE(world.box(27), QStringLiteral("Bought it used."));
        QCOMPARE(ui.isFieldLocked(8), before != 3);
        if (before == 3)
            world.window->rides().editing.SaveRide();

        QVERIFY(WaitForFirstActivation(*world.window));
        QCOMPARE(world.window->findChildren<QLineEdit *>(QStringLiteral("txtField(8)")).size(), 1);
        QCOMPARE(world.box(8), QStringLiteral("01/01/2000"));
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")), record);
    }

    void firstDisplayShowsTheLastRideViewed()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), threeRides);
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("3"));
        world.open();
        QCOMPARE(world.ui().lblRideName->text(), QStringLiteral("Sally"));
        QCOMPARE(world.window->state().CurrentRideKey, 39200.75);
        QVERIFY(world.ui().cmdSelectRide->isVisible());
        QCOMPARE(world.ui().lbl[0]->text(), QStringLiteral("Rides that are\ncurrently on file: 3"));
    }

    void aStaleLastRideViewedShowsRideOne_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("beyond the end") << QStringLiteral("4");
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("negative") << QStringLiteral("-2");
        QTest::newRow("not a number") << QStringLiteral("Sally");
    }

    void aStaleLastRideViewedShowsRideOne()
    {
        QFETCH(QString, stored);
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), threeRides);
        Settings::setValue(Settings::LastRideViewedKey, stored);
        world.open();
        QCOMPARE(world.messages.count(), 0);
        QCOMPARE(world.window->state().CurrentRide, qint16(1));
        QCOMPARE(world.ui().lblRideName->text(), QStringLiteral("1998 Honda"));
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("1"));
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")).size(), 30000);
    }

    void picturesAreFramedByTheirProportions_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSize>("frame");
        QTest::newRow("landscape") << QSize(1000, 500) << QSize(4530, 2265);
        QTest::newRow("portrait") << QSize(500, 1000) << QSize(2055, 4110);
        QTest::newRow("square") << QSize(600, 600) << QSize(4110, 4110);
        QTest::newRow("nearly square") << QSize(1000, 950) << QSize(4530, 4303);
    }

    void picturesAreFramedByTheirProportions()
    {
        QFETCH(QSize, pixels);
        QFETCH(QSize, frame);
        if (Twips::logicalDpiX() != 96.0 || Twips::logicalDpiY() != 96.0)
            QSKIP("the frames are given for 96 DPI");
        World world;
        RideRecord honda = threeRides[0];
        honda.PicturePath = pictureFile(world.folder.path(), pixels);
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda});
        world.open();
        const MainWindowControls &ui = world.ui();
        QCOMPARE(frameOf(ui.imgRide), frame);
        QCOMPARE(ui.imgRide->size(), Twips::size(frame.width(), frame.height()));
        QCOMPARE(ui.imgRide->pos(), QPoint(0, 0));
        QCOMPARE(ui.imgRide->toolTip(), honda.PicturePath);
        QVERIFY(!ui.lblPicture->isVisible());
        QVERIFY(ui.cmdPicAddEdit[2]->isVisible());
        QVERIFY(ui.cmdPicDelete->isVisible());
        QVERIFY(ui.cmdLargerPic->isVisible());
        QVERIFY(!ui.cmdPicAddEdit[1]->isVisible());
    }

    // A picture is read where its path leads, or in the data folder's
    // Pictures when the path no longer does (the folder moved, a path written
    // on Windows); one that cannot be shown is named in the frame. The path
    // is the ride's as stored: showing rides and quitting write nothing.
    void picturePathsAreReadNeverRewritten_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("content"); // at <data folder>/Pictures/Blue Heron.png: "picture", "text" or nothing
        QTest::addColumn<QString>("frame");   // said instead of the picture, %1 the data folder; empty when shown
        const QString notFound = QStringLiteral("The picture was not found\nat the indicated location--\n\n(%1)");
        QTest::newRow("relative") << "Pictures/Blue Heron.png" << "picture" << "";
        QTest::newRow("data folder moved") << "/gone/Torqal/Pictures/Blue Heron.png" << "picture" << "";
        QTest::newRow("written on Windows") << "C:\\Torqal\\Pictures\\Blue Heron.png" << "picture" << "";
        QTest::newRow("not found") << "/gone/Blue Heron.png" << "" << notFound.arg("/gone/Blue Heron.png");
        QTest::newRow("relative, not found") << "Pictures/Blue Heron.png" << "" << notFound.arg("%1/Pictures/Blue Heron.png");
        QTest::newRow("no picture") << "Pictures/Blue Heron.png" << "text"
                                    << "There is no valid picture file\nat the indicated location--\n\n(%1/Pictures/Blue Heron.png)";
    }
    void picturePathsAreReadNeverRewritten()
    {
        QFETCH(QString, stored);
        QFETCH(QString, content);
        QFETCH(QString, frame);
        World world;
        const QString file = world.folder.path() + QStringLiteral("/Pictures/Blue Heron.png");
        QVERIFY(QDir().mkpath(world.folder.path() + QStringLiteral("/Pictures")));
        if (content == QLatin1String("picture"))
            QVERIFY(QImage(pictureFile(world.folder.path(), QSize(64, 48))).save(file));
        else if (content == QLatin1String("text"))
            DataTest::writeBytes(file, "no picture here");
        RideRecord honda = threeRides[0];
        honda.PicturePath = stored;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda, threeRides[1]});
        const QByteArray before = DataTest::bytesOf(QStringLiteral("Torqal.Dat"));

        world.open();
        RidesMenu &menu = world.window->rides().menu;
        menu.menuListRides_Click(2);
        menu.menuListRides_Click(1);
        const MainWindowControls &ui = world.ui();
        QCOMPARE(world.messages.count(), 0);
        QVERIFY(!ui.lblPicture->isVisible());
        QVERIFY(ui.cmdPicAddEdit[2]->isVisible() && ui.cmdPicDelete->isVisible());
        QVERIFY(!ui.cmdPicAddEdit[1]->isVisible());
        QCOMPARE(ui.cmdLargerPic->isVisible(), frame.isEmpty());
        if (frame.isEmpty()) {
            QCOMPARE(ui.imgRide->toolTip(), file);
            QVERIFY(!ui.imgRide->pixmap().isNull());
        } else {
            QCOMPARE(ui.imgRide->text().remove(QChar(0x200B)), frame.replace(QStringLiteral("%1"), world.folder.path()));
        }

        world.messages.answer(MessageBox::Button::Yes);
        ui.cmdQuit->Click();
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")), before);
    }

    // The path of a picture not found changes only by the user's choice:
    // another picture, the picture removed; an edit saved keeps it.
    void aPictureNotFoundChangesOnlyByChoice_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("stored"); // "gone" for the path not found
        QTest::addColumn<QString>("shown");  // "picture", "placeholder" or what the frame says
        QTest::newRow("chosen again") << "cmdPicAddEdit(2)" << "picture 200x100.png" << "picture";
        QTest::newRow("removed") << "cmdPicDelete" << "" << "placeholder";
        QTest::newRow("edit saved") << "cmdRideEdit" << "gone" << "The picture was not found";
    }
    void aPictureNotFoundChangesOnlyByChoice()
    {
        QFETCH(QString, command);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        World world;
        RideRecord honda = threeRides[0];
        honda.PicturePath = world.folder.path() + QStringLiteral("/gone.png");
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {honda});
        world.open();
        const MainWindowControls &ui = world.ui();
        // A picture inside the data folder is kept relative to it.
        world.dialog.choose(pictureFile(world.folder.path(), QSize(200, 100)));
        world.messages.answer(MessageBox::Button::Yes);
        world.click(world.find<QorButton>(command));
        if (command == QLatin1String("cmdRideEdit"))
            world.click(ui.cmdRideSave);
        const QString expected = stored == QLatin1String("gone") ? honda.PicturePath : stored;
        QCOMPARE(recordsIn<RideRecord>(QStringLiteral("Torqal.Dat"))[0].PicturePath.trimmed(), expected);
        QCOMPARE(!ui.imgRide->pixmap().isNull(), shown == QLatin1String("picture"));
        QCOMPARE(ui.lblPicture->isVisible(), shown == QLatin1String("placeholder"));
        if (shown == QLatin1String("placeholder"))
            QCOMPARE(ui.imgRide->text(), QString());
        else if (shown != QLatin1String("picture"))
            QVERIFY(ui.imgRide->text().startsWith(shown));
    }

    // Input that arrives while another ride is being shown is handled once the
    // ride's boxes, key and lists are all the new ride's: an entry added by a
    // click queued meanwhile goes to the ride shown.
    void aClickQueuedDuringARideSwitchActsOnTheRideShown()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0], threeRides[1]});
        world.open();
        world.ui().MainTab->setCurrentIndex(3);
        QorButton *add = world.ui().cmdLogAdd[1];
        const QPointF centre = add->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QCoreApplication::postEvent(
                add, new QMouseEvent(type, centre, add->mapToGlobal(centre), Qt::LeftButton, held, Qt::NoModifier));
        }
        LogEntryEditorScript editor([](frmLogEntry &opened) { opened.cmdCancel_Click(); });
        world.window->rides().menu.menuListRides_Click(2);
        QCOMPARE(editor.openings, 0);
        QCoreApplication::sendPostedEvents(add);
        QCOMPARE(editor.openings, 1);
        QCOMPARE(world.window->state().CurrentRideKey, threeRides[1].RideKey);
        QCOMPARE(editor.lastRequest.rideKey, threeRides[1].RideKey);
    }

    void menuWithTwoRides()
    {
        World world;
        RideRecord named = threeRides[1];
        named.RideName = QStringLiteral("Bonnie & Clyde");
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0], named});
        writeFileOf<ExpenseRecord>(QStringLiteral("Maint.Dat"), {DataTest::expense(1, named.RideKey)});
        world.open();
        QCOMPARE(world.ui().grid[1]->model()->rowCount(), 0);
        RidesMenu &menu = world.window->rides().menu;
        const QStringList captions = {"-", "1998 Honda Civic", "Bonnie & Clyde", "-", "Exit this Menu"};
        QCOMPARE(menu.itemCount(), int(captions.size()));
        for (int i = 0; i < menu.itemCount(); ++i) {
            QCOMPARE(menu.caption(i), captions[i]);
            QCOMPARE(menu.isItemVisible(i), i > 0);
        }

        // The select-ride command opens the menu; closing it changes nothing.
        world.click(world.ui().cmdSelectRide);
        QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget *>(menu.menu()));
        QTest::keyClick(menu.menu(), Qt::Key_Escape);
        QVERIFY(!menu.menu()->isVisible());
        QCOMPARE(world.window->state().CurrentRide, qint16(1));

        menu.menuListRides_Click(4); // Exit this Menu
        QCOMPARE(world.window->state().CurrentRide, qint16(1));
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("untouched"));
        menu.menuListRides_Click(1); // the ride shown is not reloaded
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("untouched"));

        // Up from no highlight goes to "Exit this Menu", then over the separator.
        world.click(world.ui().cmdSelectRide);
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Return})
            QTest::keyClick(menu.menu(), key);
        QCOMPARE(world.window->state().CurrentRide, qint16(2));
        QCOMPARE(world.ui().lblRideName->text(), QStringLiteral("Bonnie & Clyde"));
        QCOMPARE(world.window->state().CurrentRideKey, 39100.5);
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("2"));
        world.ui().MainTab->setCurrentIndex(3);
        QCOMPARE(world.ui().grid[1]->model()->rowCount(), 1); // the log lists follow the ride shown
    }
};

QTEST_MAIN(TestRideView)
#include "test_ride_view.moc"
