// What a screen reader finds in every window of the program: each control that
// takes input is named, each button can be pressed, the ride boxes and the
// entry editor's fields are named by their captions in reading order, the log
// grids by their logs, and the two pop-up menus close when an item is pressed.

#include "app/frmNewUser.h"
#include "app/frmTitlePage.h"
#include "platform/Identity.h"
#include "platform/LinkOpener.h"
#include "ride/RideWindowSupport.h"
#include "support/AccessibleTree.h"

#include <QAccessibleTableInterface>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>

using namespace RideTest;

// Fails with what was found.
#define VERIFY_NONE(problems)                                                                                          \
    do {                                                                                                               \
        const QStringList found = (problems);                                                                          \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));                                       \
    } while (false)
using AccessibleTree::of;

namespace {

constexpr double RideKey = 39000.25;

// Runs act on the window that find returns, as soon as it shows up while the
// caller waits in a modal window or pop-up menu of the program.
void whenShown(const std::function<QWidget *()> &find, const std::function<void(QWidget *)> &act)
{
    auto *poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, find, act] {
        QWidget *shown = find();
        if (!shown && ++*tries < 500)
            return;
        poll->stop();
        poll->deleteLater();
        if (shown)
            act(shown);
    });
    poll->start(10);
}

QWidget *modalWindow() { return QApplication::activeModalWidget(); }
QWidget *popUpMenu() { return QApplication::activePopupWidget(); }

// The menu item of popup named name.
QAccessibleInterface *menuItem(QWidget *popup, const QString &name)
{
    QAccessibleInterface *menu = of(popup);
    for (int i = 0; i < menu->childCount(); ++i)
        if (menu->child(i)->text(QAccessible::Name) == name)
            return menu->child(i);
    return nullptr;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<World> world;
    LinkOpener::Script links;

    // Three rides; the first, shown at start, with a picture and an entry in
    // every log, so that every command of the main window is shown.
    void openMainWindow()
    {
        world = std::make_unique<World>();
        // Where windows can be translucent the fade command is shown too.
        SetTranslucencyOverride(true);
        QList<RideRecord> rides = threeRides;
        rides[0].PicturePath = pictureFile(world->folder.path(), QSize(64, 48));
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), rides);
        ExpenseRecord expense;
        expense.RideKey = RideKey;
        expense.EntryDate = 39500;
        expense.Description = QStringLiteral("Oil change");
        writeFileOf<ExpenseRecord>(QStringLiteral("Maint.Dat"), {expense});
        writeFileOf<ExpenseRecord>(QStringLiteral("Goody.Dat"), {expense});
        TripRecord trip;
        trip.RideKey = RideKey;
        trip.EntryDate = 39500;
        trip.Description = QStringLiteral("Coast");
        writeFileOf<TripRecord>(QStringLiteral("Trip.Dat"), {trip});
        GasRecord gas;
        gas.RideKey = RideKey;
        gas.EntryDate = 39500;
        gas.Gallons = 10;
        gas.Miles = 300;
        writeFileOf<GasRecord>(QStringLiteral("Gas.Dat"), {gas});
        world->open();
    }

    // Opens a modal window with the command, checks its tree, then closes it.
    QStringList problemsInModalOf(QorButton *command)
    {
        QStringList found{QStringLiteral("no window opened")};
        whenShown(modalWindow, [&found](QWidget *modal) {
            found = AccessibleTree::problems(modal);
            modal->close();
        });
        AccessibleTree::press(of(command));
        return found;
    }

private slots:
    void cleanup() { world.reset(); }

    void titleWindowLinksOpenByKeyboardAndPress()
    {
        frmTitlePage title;
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        VERIFY_NONE(AccessibleTree::problems(&title));

        auto *email = title.findChild<QLabel *>(QStringLiteral("lblEmail"));
        auto *web = title.findChild<QLabel *>(QStringLiteral("lblWeb"));
        QCOMPARE(of(email)->role(), QAccessible::Link);
        QCOMPARE(of(web)->text(QAccessible::Name), Maker::WebAddress);
        QVERIFY(of(email)->state().focusable);

        email->setFocus(Qt::TabFocusReason);
        QTest::keyClick(email, Qt::Key_Space);
        AccessibleTree::press(of(web));
        QCOMPARE(links.targets().size(), 2);
        QVERIFY(links.targets()[0].startsWith(QStringLiteral("mailto:")));
        QVERIFY(links.targets()[1].contains(Maker::WebAddress));
    }

    void newUserOverview()
    {
        frmTitlePage title;
        frmNewUser overview(&title);
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        VERIFY_NONE(AccessibleTree::problems(&overview));
    }

    void mainWindowEveryTab()
    {
        openMainWindow();
        const MainWindowControls &ui = world->ui();
        QVERIFY(ui.cmdFadeStatus->isVisible());
        QCOMPARE(of(ui.cmdFadeStatus)->text(QAccessible::Name), QStringLiteral("Enable form fade effects"));

        // Every box named, tab by tab, in reading order, and no two alike
        // on one tab.
        QStringList expected[7];
        for (int i = 1; i <= RideFields::Count; ++i)
            expected[RideFields::tabOf(i)] << RideFields::spokenName(i);
        for (int tab = 0; tab < ui.MainTab->count(); ++tab) {
            ui.MainTab->setCurrentIndex(tab);
            VERIFY_NONE(AccessibleTree::problems(world->window.get()));
            const QStringList names = AccessibleTree::boxNames(ui.MainTab->widget(tab));
            QCOMPARE(names, expected[tab]);
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        }

        const QStringList gridNames{QStringLiteral("Maint./Repair list"), QStringLiteral("Goodies list"),
                                    QStringLiteral("Trips list"), QStringLiteral("Gas Usage/Info list")};
        for (int k = 1; k <= 4; ++k) {
            QAccessibleInterface *grid = of(ui.grid[std::size_t(k)]);
            QCOMPARE(grid->text(QAccessible::Name), gridNames[k - 1]);
            QCOMPARE(grid->tableInterface()->selectedRows(), QList<int>{0});
        }

        QAccessibleInterface *picture = of(ui.imgRide);
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Picture of the ride"));
    }

    void modalWindowsOfTheMainWindow()
    {
        openMainWindow();
        const MainWindowControls &ui = world->ui();
        ui.MainTab->setCurrentIndex(0);
        VERIFY_NONE(problemsInModalOf(ui.cmdLargerPic));
        VERIFY_NONE(problemsInModalOf(ui.cmdRidePrint));
        VERIFY_NONE(problemsInModalOf(ui.cmdHelp));
        VERIFY_NONE(problemsInModalOf(ui.cmdRideHistory));

        // The entry editor's fields are named by their captions.
        ui.MainTab->setCurrentIndex(3);
        QStringList names;
        whenShown(modalWindow, [&names](QWidget *editor) {
            VERIFY_NONE(AccessibleTree::problems(editor));
            names = AccessibleTree::boxNames(editor);
            editor->close();
        });
        AccessibleTree::press(of(ui.cmdLogAdd[1]));
        QCOMPARE(names, (QStringList{QStringLiteral("Date"), QStringLiteral("Brief Description"), QStringLiteral("Cost"),
                                     RideFields::caption(28).trimmed(), QStringLiteral("Odometer")}));
    }

    void ridesMenuItemPressedCloses()
    {
        openMainWindow();
        const MainWindowControls &ui = world->ui();
        QCOMPARE(of(ui.cmdSelectRide)->role(), QAccessible::ButtonMenu);
        AccessibleTree::press(of(ui.cmdSelectRide));
        QWidget *menu = popUpMenu();
        QVERIFY(menu);
        QCOMPARE(of(menu)->role(), QAccessible::PopupMenu);
        QAccessibleInterface *sally = menuItem(menu, QStringLiteral("Sally"));
        QVERIFY(sally);
        AccessibleTree::press(sally);
        QVERIFY(!menu->isVisible());
        QCOMPARE(world->window->state().CurrentRide, 3);
    }

    // A print button's second command, Print To..., sits in a menu of the
    // button's own that assistive technology opens as the menu key does.
    void printButtonMenuOffersPrintTo()
    {
        openMainWindow();
        QAccessibleActionInterface *print = of(world->ui().cmdLogPrint[1])->actionInterface();
        QVERIFY(print->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        print->doAction(QAccessibleActionInterface::showMenuAction());
        QWidget *menu = popUpMenu();
        QVERIFY(menu);
        QVERIFY(menuItem(menu, QStringLiteral("Print To...")));
        menu->close();
    }

    void manualTopicMenuItemPressedCloses()
    {
        openMainWindow();
        QString shown;
        bool closed = false;
        whenShown(modalWindow, [&](QWidget *manual) {
            auto *topics = manual->findChild<QorButton *>(QStringLiteral("cmdHelpTopic"));
            QCOMPARE(of(topics)->role(), QAccessible::ButtonMenu);
            AccessibleTree::press(of(topics));
            QWidget *menu = popUpMenu();
            QVERIFY(menu);
            AccessibleTree::press(menuItem(menu, QStringLiteral("Buying and Selling Info")));
            closed = !menu->isVisible();
            menu->close();
            shown = of(manual->findChild<QPlainTextEdit *>())->text(QAccessible::Name);
            manual->close();
        });
        AccessibleTree::press(of(world->ui().cmdHelp));
        QVERIFY(closed);
        QCOMPARE(shown, QStringLiteral("Buying and Selling Info"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
