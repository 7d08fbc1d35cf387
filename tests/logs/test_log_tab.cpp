#include "LogTestSupport.h"

#include "logs/EntryExtrasBoxes.h"
#include "logs/frmLogEntry.h"
#include "logs/LogTab.h"
#include "ui/NotesBox.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "store/ReminderStore.h"
#include "support/FadeWait.h"
#include "ui/QorButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

using namespace DataTest;
using namespace LogTest;
using Button = MessageBox::Button;

namespace {

// The log tabs of a main window, as far as one log's commands see them.
struct MainWindowStub
{
    explicit MainWindowStub(LogKind kind) : listing(kind)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(tabs);
        for (const char *caption : {"The 'Ride'", "Bought/Sold", "Misc Info/Notes", "Maint./Repair", "Goodies", "Trips",
                                    "Gas Usage/Info"})
            tabs->addTab(new QWidget, caption);
        QWidget *page = tabs->widget(logIndex(kind) + 2);
        controls.grid = new QTableView(page);
        controls.grid->setModel(new LogListModel(listing, controls.grid));
        controls.notes = new NotesBox(2916, page);
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(controls.grid);
        pageLayout->addWidget(controls.notes);
        controls.notesCaption = new QLabel(QStringLiteral(" Notes on the Highlighted Entry... "), page);
        for (QLabel *&total : controls.totals)
            total = new QLabel(page);
        for (QorButton **button : {&controls.add, &controls.edit, &controls.remove, &controls.print})
            *button = new QorButton(page);
        controls.tabs = tabs;
        tabs->setCurrentIndex(logIndex(kind) + 2);
        window.resize(800, 600);
        window.show();

        context.window = &window;
        context.addingEntry = &addingEntry;
        context.editingEntry = &editingEntry;
        context.rideKey = [this] { return rideKey; };
        context.rideShown = [this] { return rideKey != 0; };
        context.database = [this] { return database; };
        tab = std::make_unique<LogTab>(controls, context);
    }

    QStringList descriptions() const
    {
        QStringList texts;
        for (int row = 0; row < tab->model().entryCount(); ++row)
            texts << tab->model().row(row).cells[1];
        return texts;
    }

    LogListing listing; // declared first: the list outlives the window that shows it
    QWidget window;
    QTabWidget *tabs = new QTabWidget;
    LogTabControls controls;
    LogContext context;
    bool addingEntry = false;
    bool editingEntry = false;
    double rideKey = RideA;
    ReminderStore *database = nullptr;
    std::unique_ptr<LogTab> tab;
};

// Fills the editor's fields and clicks its Save button.
std::function<void(frmLogEntry &)> typeAndSave(const EntryFields &fields)
{
    return [fields](frmLogEntry &editor) {
        for (int i = 0; i < 3; ++i)
            editor.lineField(i)->setText(fields[std::size_t(i)]);
        editor.notesField()->setPlainText(fields[3]);
        QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
    };
}

} // namespace

class TestLogTab : public QObject
{
    Q_OBJECT

private slots:
    void entriesAddedOutOfOrderAreListedByDate()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideB, day(2001, 1, 1), "B's", 0)});
        MainWindowStub main(LogKind::Maintenance);
        main.tab->refill();
        QVERIFY(main.controls.add->isVisible());
        QVERIFY(main.controls.edit->isHidden());

        MessageBox::Script boxes;
        bool addingWhileOpen = false;
        for (const EntryFields &fields : {EntryFields{"5/1/2009", "Tires", "450", "new tires"},
                                          EntryFields{"3/15/2009", "Oil change", "29.95", "5W-30"},
                                          EntryFields{"6/1/2009", "Wash", "", ""}}) {
            LogEntryEditorScript script([&](frmLogEntry &editor) {
                QVERIFY(QThread::currentThread()->loopLevel() > 0); // within the editor's modal loop
                addingWhileOpen = main.addingEntry;
                typeAndSave(fields)(editor);
            });
            main.tab->addEntry();
            QVERIFY(addingWhileOpen);
            QVERIFY(!main.addingEntry);
            QCOMPARE(script.lastRequest.tabCaption, QStringLiteral("Maint./Repair"));
        }
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(main.descriptions(), QStringList({"Oil change", "Tires", "Wash"}));
        // The latest entry is highlighted, and each new one went to the end of the file.
        QCOMPARE(main.tab->currentRow(), 2);
        QCOMPARE(main.tab->model().recordNumber(0), 3);
        QCOMPARE(main.tab->model().recordNumber(1), 2);
        const QList<ExpenseRecord> stored = recordsIn<ExpenseRecord>("Maint.Dat");
        QCOMPARE(stored.size(), 4);
        QCOMPARE(stored[2].Cost, qint64(299500));
        QCOMPARE(main.controls.totals[0]->text(), QStringLiteral(" Total Cost: $479.95"));
        QVERIFY(main.controls.totals[0]->isVisible());
        QVERIFY(main.controls.edit->isVisible());
        QVERIFY(main.controls.remove->isVisible());
        QVERIFY(main.controls.print->isHidden()); // until printing is wired
    }

    void anEditKeepsTheRowPosition()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideA, day(2009, 1, 1), "January", 10, "cold"),
                                             trip(RideA, day(2009, 2, 1), "February", 20, "wet"),
                                             trip(RideA, day(2009, 3, 1), "March", 30, "windy")});
        MainWindowStub main(LogKind::Trips);
        main.tab->refill();
        main.controls.grid->setCurrentIndex(main.tab->model().index(0, 1));
        QCOMPARE(main.controls.notes->toPlainText(), QStringLiteral("cold"));

        MessageBox::Script boxes;
        LogEntryEditorScript script([&](frmLogEntry &editor) {
            QVERIFY(main.editingEntry);
            QCOMPARE(editor.fieldText(1), QStringLiteral("January"));
            QCOMPARE(editor.fieldText(3), QStringLiteral("cold"));
            editor.lineField(0)->setText("4/1/2009");
            QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
        });
        main.tab->editEntry();
        QCOMPARE(script.lastRequest.recordNumber, 1);
        QCOMPARE(main.descriptions(), QStringList({"February", "March", "January"}));
        QCOMPARE(main.tab->currentRow(), 0);
        QCOMPARE(main.controls.notes->toPlainText(), QStringLiteral("wet"));
        QVERIFY(!main.editingEntry);
        QCOMPARE(recordsIn<TripRecord>("Trip.Dat")[0].EntryDate, day(2009, 4, 1));
    }

    void cancellingTheEditorRefillsNothing()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideA, day(2009, 1, 1), "January", 10),
                                             trip(RideA, day(2009, 2, 1), "February", 20)});
        MainWindowStub main(LogKind::Trips);
        main.tab->refill();
        main.controls.grid->setCurrentIndex(main.tab->model().index(0, 0));
        // Behind the list's back: a refill would show it.
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideA, day(2009, 1, 1), "Changed", 10),
                                             trip(RideA, day(2009, 2, 1), "February", 20)});
        LogEntryEditorScript script([](frmLogEntry &editor) { editor.cmdCancel_Click(); });
        main.tab->editEntry();
        QCOMPARE(script.openings, 1);
        QCOMPARE(main.descriptions(), QStringList({"January", "February"}));
        QCOMPARE(main.tab->currentRow(), 0);
    }

    void theKeyboardComesBackToTheOpeningCommand_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("saved") << true;
        QTest::newRow("cancelled after a change, confirmed") << false;
    }

    void theKeyboardComesBackToTheOpeningCommand()
    {
        QFETCH(bool, save);
        WorkingFolder folder;
        MainWindowStub main(LogKind::Trips);
        main.tab->refill();
        QApplication::setActiveWindow(&main.window);
        main.controls.add->setFocus();
        MessageBox::Script boxes;
        boxes.answer(Button::Yes);
        // A message box takes the activation from the windows while it is open.
        QWidget elsewhere;
        boxes.whileOpen = [&elsewhere] {
            elsewhere.show();
            QApplication::setActiveWindow(&elsewhere);
        };
        LogEntryEditorScript script([save](frmLogEntry &editor) {
            if (save) {
                typeAndSave({"4/1/2009", "Rally", "250", QString()})(editor);
                return;
            }
            QTest::keyClicks(editor.lineField(1), QStringLiteral("Rally"));
            QTest::keyClick(&editor, Qt::Key_Escape);
        });
        main.tab->addEntry();
        QCOMPARE(script.openings, 1);
        QCOMPARE(main.descriptions(), save ? QStringList{"Rally"} : QStringList{});
        QTRY_COMPARE(QApplication::activeWindow(), &main.window);
        QTRY_COMPARE(QApplication::focusWidget(), main.controls.add);
    }

    void doubleClickEditsTheHighlightedEntry()
    {
        WorkingFolder folder;
        writeFileOf<GasRecord>("Gas.Dat", {gas(RideA, day(2009, 3, 15), 12.4f, 350, "full tank")});
        MainWindowStub main(LogKind::Gas);
        main.tab->refill();
        LogEntryEditorScript script([](frmLogEntry &editor) { editor.cmdCancel_Click(); });
        QTableView *grid = main.controls.grid;
        const QRect cell = grid->visualRect(main.tab->model().index(0, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(script.openings, 1);
        QCOMPARE(script.lastRequest.mode, EntryMode::Editing);
        QCOMPARE(script.lastRequest.cells, (std::array<QString, 3>{"03/15/2009", "12.4", "350   (28.2)"}));
        QCOMPARE(script.lastRequest.notes, QStringLiteral("full tank"));
        QCOMPARE(script.lastRequest.notesCaption, QStringLiteral(" Notes on the Highlighted Entry... "));
        QCOMPARE(script.lastRequest.notesLimit, 976);
    }

    void gasolineTotalsOnTheirCaptions()
    {
        WorkingFolder folder;
        writeFileOf<GasRecord>("Gas.Dat", {gas(RideA, day(2009, 3, 1), 10.0f, 300), gas(RideA, day(2009, 4, 1), 12.0f, 330)});
        MainWindowStub main(LogKind::Gas);
        main.tab->refill();
        QCOMPARE(main.controls.totals[0]->text(), QStringLiteral(" Total Gallons: 22.0 "));
        QCOMPARE(main.controls.totals[1]->text(), QStringLiteral(" Total Miles: 630.0 "));
        QCOMPARE(main.controls.totals[2]->text(), QStringLiteral(" Overall MPG: 28.6 "));
        for (QLabel *total : main.controls.totals)
            QVERIFY(total->isVisible());
        QTableView *grid = main.controls.grid;
        QCOMPARE(grid->model()->columnCount(), 3);
        QCOMPARE(grid->model()->index(1, 2).data().toString(), QStringLiteral("330   (27.5)"));
        QCOMPARE(grid->model()->index(1, 1).data(Qt::ToolTipRole).toString(),
                 QStringLiteral(" Double-click to edit this entry "));
        QVERIFY(grid->model()->index(1, 0).data(Qt::ToolTipRole).isNull());
        QVERIFY(grid->model()->index(1, 2).data(Qt::ToolTipRole).isNull());
        QVERIFY(grid->model()->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isNull());

        // Another ride without entries: the captions hide.
        main.rideKey = RideB;
        main.tab->refill();
        for (QLabel *total : main.controls.totals)
            QVERIFY(total->isHidden());
        QCOMPARE(main.controls.notes->toPlainText(), QString());
        QVERIFY(main.controls.add->isVisible());
        QVERIFY(main.controls.edit->isHidden());
    }

    // Fill-ups entered by odometer: the miles since the reading before are
    // filled in, a partial fill-up's fuel joins the next full one, and an
    // edit opens on the values kept.
    void fillUpsByOdometerWithTheirCost()
    {
        WorkingFolder folder;
        ReminderStore database(ReminderStore::FileName);
        MainWindowStub main(LogKind::Gas);
        main.database = &database;
        main.tab->refill();
        struct FillUp { const char *date, *gallons, *miles, *odometer, *cost; bool partial; const char *milesShown; };
        for (const FillUp &fillUp : {FillUp{"3/1/2009", "10", "300", "1000", "30.00", false, "300"},
                                     FillUp{"4/1/2009", "4", "", "1150", "12,00", true, "150"},
                                     FillUp{"5/1/2009", "8", "", "1450", "", false, "300"}}) {
            LogEntryEditorScript script([&](frmLogEntry &editor) {
                EntryExtrasBoxes *boxes = editor.extrasBoxes();
                QVERIFY(boxes);
                QTest::keyClicks(editor.lineField(0), fillUp.date);
                QTest::keyClicks(editor.lineField(1), fillUp.gallons);
                QTest::keyClicks(editor.lineField(2), fillUp.miles);
                QTest::keyClicks(boxes->odometer(), fillUp.odometer);
                QCOMPARE(editor.lineField(2)->text(), QString::fromLatin1(fillUp.milesShown));
                QTest::keyClicks(boxes->cost(), fillUp.cost);
                boxes->partial()->setChecked(fillUp.partial);
                QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
            });
            main.tab->addEntry();
        }
        QTableView *grid = main.controls.grid;
        QCOMPARE(grid->model()->index(1, 2).data().toString(), QStringLiteral("150"));
        QCOMPARE(grid->model()->index(2, 2).data().toString(), QStringLiteral("300   (37.5)"));
        QCOMPARE(main.controls.totals[2]->text(), QStringLiteral(" Overall MPG: 34.1 "));
        QCOMPARE(main.tab->model().totals().cost, qint64(420000));

        grid->setCurrentIndex(grid->model()->index(1, 0));
        LogEntryEditorScript script([](frmLogEntry &editor) {
            EntryExtrasBoxes *boxes = editor.extrasBoxes();
            QCOMPARE(boxes->odometer()->text(), QStringLiteral("1150"));
            QCOMPARE(boxes->cost()->text(), QStringLiteral("12.00"));
            QVERIFY(boxes->partial()->isChecked());
            boxes->partial()->setChecked(false);
            QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
        });
        main.tab->editEntry();
        QCOMPARE(grid->model()->index(1, 2).data().toString(), QStringLiteral("150   (37.5)"));
        QCOMPARE(main.tab->model().listing().extrasOf(1).odometer, std::optional<qint64>(1150));
    }

    void selectionShowsTheNotesFromTheFile()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Goody.Dat", {expense(RideA, day(2009, 1, 1), "Mirror", 0, "chrome\r\nleft side"),
                                                 expense(RideA, day(2009, 2, 1), "Horn", 0, "loud")});
        MainWindowStub main(LogKind::Goodies);
        main.tab->refill();
        QCOMPARE(main.controls.notes->toPlainText(), QStringLiteral("loud"));
        writeFileOf<ExpenseRecord>("Goody.Dat", {expense(RideA, day(2009, 1, 1), "Mirror", 0, "  chrome, both sides  "),
                                                 expense(RideA, day(2009, 2, 1), "Horn", 0, "loud")});
        main.controls.grid->setCurrentIndex(main.tab->model().index(0, 0));
        // The blanks the notes start with are the user's; those after them pad the field.
        QCOMPARE(main.controls.notes->toPlainText(), QStringLiteral("  chrome, both sides"));
        QCOMPARE(main.tab->notesShown(), QStringLiteral("  chrome, both sides"));
    }

    void deletingTheOnlyEntryRemovesTheFile()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideA, day(2009, 1, 1), "Oil", 10000, "n")});
        MainWindowStub main(LogKind::Maintenance);
        main.tab->refill();
        MessageBox::Script boxes;
        boxes.answer(Button::Yes);
        QTest::mouseClick(main.controls.remove, Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral(" Confirm Deletion"));
        QCOMPARE(boxes.last().text, QStringLiteral("Are you SURE you want to\r\ndelete the hightlighted entry?"));
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Question);
        QCOMPARE(boxes.last().defaultButton, Button::No);
        // The compaction removed the file; the refill opened it again, empty.
        QCOMPARE(bytesOf("Maint.Dat"), QByteArray());
        QCOMPARE(main.tab->model().entryCount(), 0);
        QCOMPARE(main.controls.notes->toPlainText(), QString());
        QVERIFY(main.controls.totals[0]->isHidden());
        QVERIFY(main.controls.edit->isHidden());
        QVERIFY(main.controls.remove->isHidden());
        QVERIFY(main.window.isEnabled());

        // Adding afterwards creates the file again.
        LogEntryEditorScript script(typeAndSave({"1/2/2009", "Filter", "", ""}));
        main.tab->addEntry();
        QCOMPARE(bytesOf("Maint.Dat").size(), ExpenseRecord::Length);
    }

    void deletingAnEntryOfOneRideKeepsTheOthersInOrder()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideB, day(2009, 1, 1), "B1", 1), trip(RideA, day(2009, 1, 2), "A1", 2),
                                             trip(RideB, day(2009, 1, 3), "B2", 3), trip(RideA, day(2009, 1, 4), "A2", 4),
                                             trip(RideB, day(2009, 1, 5), "B3", 5)});
        MainWindowStub main(LogKind::Trips);
        main.tab->refill();
        main.controls.grid->setCurrentIndex(main.tab->model().index(0, 0));
        MessageBox::Script boxes;
        boxes.answer(Button::No);
        main.tab->deleteEntry();
        QCOMPARE(recordsIn<TripRecord>("Trip.Dat").size(), 5);

        boxes.answer(Button::Yes);
        main.tab->deleteEntry();
        QCOMPARE(main.descriptions(), QStringList({"A2"}));
        QCOMPARE(main.tab->model().recordNumber(0), 3);
        main.rideKey = RideB;
        main.tab->refill();
        QCOMPARE(main.descriptions(), QStringList({"B1", "B2", "B3"}));
        QCOMPARE(recordsIn<TripRecord>("Trip.Dat").size(), 4);
    }

    void aLogThatCannotBeReadIsReported()
    {
        WorkingFolder folder;
        QVERIFY(QDir().mkdir("Goody.Dat"));
        MainWindowStub main(LogKind::Goodies);
        MessageBox::Script boxes;
        main.tab->refill();
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.last().text.contains("Goody.Dat"));
        QCOMPARE(main.tab->model().entryCount(), 0);
        QVERIFY(main.window.isEnabled());
    }

    void withoutARideOnlyTheListIsShown()
    {
        WorkingFolder folder;
        MainWindowStub main(LogKind::Gas);
        main.rideKey = 0;
        main.tab->refill();
        QVERIFY(main.controls.add->isHidden());
        QVERIFY(main.controls.edit->isHidden());
    }

    void theMainWindowDimsWhileTheEditorIsOpen()
    {
        WorkingFolder folder;
        Settings::useFile(folder.path() + "/settings.ini");
        SetTranslucencyOverride(true);
        const auto restore = qScopeGuard([] {
            SetFadesOn(false);
            SetTranslucencyOverride(std::nullopt);
            Settings::useFile(QString());
        });
        MainWindowStub main(LogKind::Gas);
        SetFadesOn(true); // as the main window's load step would
        int opacityWhileOpen = 0;
        LogEntryEditorScript script([&](frmLogEntry &editor) {
            WaitForFade(&main.window);
            WaitForFade(&editor);
            opacityWhileOpen = WindowFader::of(&main.window)->current();
            editor.cmdCancel_Click();
            QVERIFY(FadeRunning(&editor)); // the editor fades out before it closes
            WaitForFade(&editor);
        });
        main.tab->addEntry();
        QCOMPARE(opacityWhileOpen, 204);
        WaitForFade(&main.window);
        QCOMPARE(WindowFader::of(&main.window)->current(), 255);
        QVERIFY(main.window.isEnabled());
    }

    void thePrintCommandShowsOnceItIsSet()
    {
        WorkingFolder folder;
        writeFileOf<GasRecord>("Gas.Dat", {gas(RideA, day(2009, 3, 1), 10.0f, 300)});
        MainWindowStub main(LogKind::Gas);
        main.tab->refill();
        QVERIFY(main.controls.print->isHidden());
        int printed = 0;
        main.tab->setPrintCommand([&printed] { ++printed; });
        QVERIFY(main.controls.print->isVisible());
        QTest::mouseClick(main.controls.print, Qt::LeftButton);
        QCOMPARE(printed, 1);
    }
};

QTEST_MAIN(TestLogTab)
#include "test_log_tab.moc"
