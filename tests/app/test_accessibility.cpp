// What a screen reader finds in every window of the program: each control that
// takes input is named, each button can be pressed, the ride boxes and the
// entry editor's fields are named by their captions in reading order, the log
// grids by their logs, and the two pop-up menus close when an item is pressed.

#include "app/frmNewUser.h"
#include "app/frmTitlePage.h"
#include "history/HistoryWindow.h"
#include "logs/LogTestSupport.h"
#include "platform/Identity.h"
#include "platform/LinkOpener.h"
#include "platform/ScreenSize.h"
#include "ride/RideWindowSupport.h"
#include "support/AccessibleTree.h"

#include <QAccessibleTableInterface>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
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
        if (!shown)
            return;
        const QPointer<QWidget> window = shown;
        act(shown);
        // A step that failed leaves no window open to hold the test up.
        if (window && window->isVisible() && QTest::currentTestFailed())
            window->close();
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

// The control under window with the role and name, as a screen reader finds
// it; null when there is none.
QAccessibleInterface *control(QWidget *window, QAccessible::Role role, const QString &name)
{
    return AccessibleTree::find(of(window), role, name);
}

// Whether the keyboard focus is on a control of window that tells assistive
// technology it has it.
bool focusIn(QWidget *window)
{
    QWidget *focused = QApplication::focusWidget();
    return focused && focused->window() == window && of(focused)->state().focused;
}

// Presses the command (or the page's tab) named name in window; fails when it
// is not there or cannot be pressed.
void pressIn(QWidget *window, const QString &name, QAccessible::Role role = QAccessible::PushButton)
{
    QAccessibleInterface *command = control(window, role, name);
    QVERIFY2(command, qPrintable(name));
    QVERIFY2(command->actionInterface(), qPrintable(name));
    QVERIFY2(command->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()), qPrintable(name));
    AccessibleTree::press(command);
}

// Moves the focus to the box as assistive technology does, and types over its text.
void typeInto(QAccessibleInterface *box, const QString &text)
{
    QVERIFY(box);
    box->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QVERIFY(box->state().focused);
    box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), text);
    QCOMPARE(box->text(QAccessible::Value), text);
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

    // A screen reader's journey from the start to quitting, through the
    // accessibility interfaces alone: every control on the way is found by
    // its role and name and worked through its action or its text, and the
    // keyboard focus is in the window in front at every step.
    void journeyFromStartToQuit()
    {
        world = std::make_unique<World>();
        ScreenSize::Pretend screen({1024, 768});
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {threeRides[0]});

        QPointer<frmTitlePage> title = new frmTitlePage;
        title->show();
        QVERIFY(QTest::qWaitForWindowActive(title));
        whenShown(modalWindow, [](QWidget *overview) {
            QTRY_VERIFY(focusIn(overview));
            pressIn(overview, QStringLiteral("Continue"));
        });
        pressIn(title, QStringLiteral("Continue"));
        QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != title);
        const QPointer<QWidget> main = QApplication::activeWindow();
        QTRY_VERIFY(focusIn(main));

        pressIn(main, QStringLiteral("Gas Usage/Info"), QAccessible::PageTab);
        whenShown(modalWindow, [](QWidget *editor) {
            QTRY_VERIFY(focusIn(editor));
            typeInto(control(editor, QAccessible::EditableText, QStringLiteral("Date")), QStringLiteral("03/15/2009"));
            typeInto(control(editor, QAccessible::EditableText, QStringLiteral("Gallons")), QStringLiteral("10"));
            typeInto(control(editor, QAccessible::EditableText, QStringLiteral("Miles")), QStringLiteral("300"));
            pressIn(editor, QStringLiteral("Save this New Entry"));
        });
        pressIn(main, QStringLiteral("Add a new gasoline entry to your list"));
        QTRY_VERIFY(focusIn(main));

        // The notice under the ride's name reads what it shows, and says what it does.
        const auto notice = [&main](const QString &shown) { return control(main, QAccessible::PushButton, shown); };
        QVERIFY(notice(QStringLiteral("Reminders...")));
        QCOMPARE(notice(QStringLiteral("Reminders..."))->text(QAccessible::Description),
                 QStringLiteral("Open the reminders of this ride on the Reminders page of its history"));
        QString overallMpg;
        whenShown(modalWindow, [&overallMpg](QWidget *history) {
            QTRY_VERIFY(focusIn(history));
            pressIn(history, QStringLiteral("Summary"), QAccessible::PageTab);
            // Read line by line, as a screen reader reads the text.
            QAccessibleInterface *summaryPage = control(history, QAccessible::EditableText, QStringLiteral("Summary"));
            QVERIFY(summaryPage && summaryPage->textInterface());
            QAccessibleTextInterface *summary = summaryPage->textInterface();
            const QString all = summary->text(0, summary->characterCount());
            int start = 0;
            int end = 0;
            overallMpg = summary->textAtOffset(int(all.indexOf(QStringLiteral("Overall"))), QAccessible::LineBoundary, &start, &end);

            pressIn(history, QStringLiteral("Reminders"), QAccessible::PageTab);
            whenShown(modalWindow, [](QWidget *editor) {
                QTRY_VERIFY(focusIn(editor));
                QAccessibleInterface *once = control(editor, QAccessible::RadioButton, QStringLiteral("Once"));
                QVERIFY(once);
                once->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
                typeInto(control(editor, QAccessible::EditableText, QStringLiteral("What is to be done")), QStringLiteral("Oil change"));
                typeInto(control(editor, QAccessible::EditableText, QStringLiteral("Due on")), QStringLiteral("03/01/2009"));
                pressIn(editor, QStringLiteral("Save"));
            });
            pressIn(history, QStringLiteral("Add a reminder"));
            QTRY_VERIFY(focusIn(history));
            pressIn(history, QStringLiteral("Close"));
        });
        pressIn(main, QStringLiteral("Charts, summary and export for this 'ride'"));
        QCOMPARE(overallMpg.trimmed(), QStringLiteral("Overall miles per gallon:\t30.0"));
        QTRY_VERIFY(focusIn(main));

        QVERIFY(notice(QStringLiteral("1 reminder due (1 overdue)")));

        world->messages.answer(MessageBox::Button::Yes);
        pressIn(main, QStringLiteral("Ready to exit Torqal?"));
        QTRY_VERIFY(!main || !main->isVisible());
        QCOMPARE(world->messages.count(), 1);
        delete title;
        delete main;
    }

    // Each chart's figures read as a table in its place, named as the chart,
    // its columns as the chart's legend and value axis name them.
    void chartsReadAsTables_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("economy") << "Miles per gallon of each fill-up" << "Date|Miles per gallon|Average of the last five fill-ups"
                                 << "01/05/2009|30.0|30.0";
        QTest::newRow("money") << "Money spent per month" << "Month|Maintenance and repairs|Goodies|Fuel"
                               << "January 2009|$120.00|$0.00|$35.00";
        QTest::newRow("distance") << "Miles per month" << "Month|Gasoline log|Trips" << "January 2009|300|400";
        QTest::newRow("fuel price") << "Fuel price per gallon" << "Date|Price per gallon|Average of the last five fill-ups"
                                    << "01/05/2009|$3.50|$3.50";
    }

    void chartsReadAsTables()
    {
        QFETCH(QString, chart);
        QFETCH(QString, columns);
        QFETCH(QString, firstRow);
        RideHistory history;
        history.maintenance = {LogTest::expense(RideKey, LogTest::day(2009, 1, 10), QStringLiteral("Oil change"), 1200000)};
        history.trips = {LogTest::trip(RideKey, LogTest::day(2009, 1, 20), QStringLiteral("Coast"), 400)};
        history.gas = {LogTest::gas(RideKey, LogTest::day(2009, 1, 5), 10, 300),
                       LogTest::gas(RideKey, LogTest::day(2009, 2, 5), 12, 330)};
        history.extras[3].resize(2);
        history.extras[3][0].cost = 350000;
        history.extras[3][1].cost = 384000;
        HistoryWindow window(history, ShownRide{QStringLiteral("1998 Honda"), {}, {}, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!control(&window, QAccessible::Table, chart));

        QAccessibleInterface *toggle = control(&window, QAccessible::PushButton, QStringLiteral("Show as tables"));
        QVERIFY(toggle);
        toggle->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        AccessibleTree::press(toggle);
        VERIFY_NONE(AccessibleTree::problems(&window));
        QAccessibleInterface *table = control(&window, QAccessible::Table, chart);
        QVERIFY(table);
        // Tab goes from the command to the first table.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(of(QApplication::focusWidget())->text(QAccessible::Name), QStringLiteral("Miles per gallon of each fill-up"));
        QStringList names;
        QStringList cells;
        for (int column = 0; column < table->tableInterface()->columnCount(); ++column) {
            QAccessibleInterface *cell = table->tableInterface()->cellAt(0, column);
            names << cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name);
            cells << cell->text(QAccessible::Name);
        }
        QCOMPARE(names.join(u'|'), columns);
        QCOMPARE(cells.join(u'|'), firstRow);

        pressIn(&window, QStringLiteral("Show as charts"));
        QVERIFY(!control(&window, QAccessible::Table, chart));
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
