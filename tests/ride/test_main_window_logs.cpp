// The main window's log tabs, driven through the window's own grids, notes
// boxes, captions and commands, with the real entry editor.

#include "data/DataTestSupport.h"
#include "data/DateValue.h"
#include "logs/frmLogEntry.h"
#include "ui/NotesBox.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "ride/MainWindowLogs.h"
#include "ride/RideUnitsWindow.h"
#include "ride/frmMain.h"
#include "store/ProgramSettings.h"
#include "store/ReminderStore.h"
#include "support/FirstActivation.h"
#include "support/ProgramCurrency.h"
#include "ui/ModalRun.h"
#include "ui/QorButton.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTabBar>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace DataTest;

namespace {

constexpr double RideA = 40000.5;
constexpr double RideB = 40100.75;

double day(int year, int month, int dayOfMonth) { return DateValue::fromDateTime(QDate(year, month, dayOfMonth)); }

ExpenseRecord expense(double ride, double date, const char *description, qint64 cost, const char *notes)
{
    ExpenseRecord r;
    r.RideKey = ride;
    r.EntryDate = date;
    r.Description = QString::fromUtf8(description);
    r.Cost = cost;
    r.Notes = QString::fromUtf8(notes);
    return r;
}

TripRecord trip(double ride, double date, const char *description, qint32 miles)
{
    TripRecord r;
    r.RideKey = ride;
    r.EntryDate = date;
    r.Description = QString::fromUtf8(description);
    r.Miles = miles;
    return r;
}

GasRecord gas(double ride, double date, float gallons, qint32 miles, const char *notes = "")
{
    GasRecord r;
    r.RideKey = ride;
    r.EntryDate = date;
    r.Gallons = gallons;
    r.Miles = miles;
    r.Notes = QString::fromUtf8(notes);
    return r;
}

} // namespace

class TestMainWindowLogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<frmMain> window;
    // The window's own state and log tabs.
    RideState &state() { return window->state(); }
    MainWindowLogs &logs() { return window->logs(); }

    const MainWindowControls &ui() const { return window->controls(); }
    QStringList column(int k, int column) const
    {
        QStringList texts;
        const QAbstractItemModel *model = ui().grid[std::size_t(k)]->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }
    void showRide(double key)
    {
        state().CurrentRide = 1;
        state().CurrentRideKey = key;
        logs().refillAll();
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
    }

    void cleanup()
    {
        window.reset();
        Settings::useFile(QString());
        folder.reset();
    }

    // The window comes up with its log pages empty and builds them right
    // after its first paint, or first thing when something needs them sooner.
    void logPagesAreBuiltOnceNeeded_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("first paint") << 0;
        QTest::newRow("log tab chosen") << 1;
        QTest::newRow("every list asked for") << 2;
    }

    void logPagesAreBuiltOnceNeeded()
    {
        QFETCH(int, before);
        RideRecord ride;
        ride.RideKey = RideA;
        writeFileOf<RideRecord>("Torqal.Dat", {ride});
        writeFileOf<GasRecord>("Gas.Dat", {gas(RideA, day(2009, 4, 1), 12.0f, 330, "premium")});
        frmMain fresh;
        const MainWindowControls &ui = fresh.controls();
        QVERIFY(ui.MainTab->widget(6)->children().isEmpty());
        if (before == 1)
            ui.MainTab->setCurrentIndex(6);
        if (before == 2)
            fresh.logs().fillStale();
        QTableView *grid = ui.grid[4];
        QCOMPARE(grid != nullptr, before != 0);

        fresh.show();
        QVERIFY(WaitForFirstActivation(fresh));
        for (int k = 1; k <= 4; ++k) {
            const QList<QTableView *> grids = fresh.findChildren<QTableView *>(QStringLiteral("grid(%1)").arg(k));
            QCOMPARE(grids.size(), 1);
            QCOMPARE(grids[0], ui.grid[std::size_t(k)]);
            QVERIFY(ui.MainTab->widget(k + 2)->isAncestorOf(ui.cmdLogPrint[std::size_t(k)]));
        }
        if (grid)
            QCOMPARE(ui.grid[4], grid);
        QCOMPARE(ui.grid[4]->model()->rowCount(), 1); // the ride shown first, its gasoline list filled
        QCOMPARE(ui.txtField[31]->property("plainText").toString(), QStringLiteral("premium"));
        QCOMPARE(ui.cmdLogAdd[4]->toolTip(), QStringLiteral(" Add a new gasoline entry to your list "));
        QVERIFY(!ui.cmdLogAdd[4]->pictureNormal().isNone());
    }

    // "Units..." on the gasoline page: the ride counted in kilometres and
    // litres, its fill-ups converted when the user says so, and the list, its
    // titles and totals in the new units; another ride keeps miles.
    void theUnitsCommandConvertsTheRide()
    {
        writeFileOf<GasRecord>("Gas.Dat", {gas(RideA, day(2009, 4, 1), 10.0f, 300), gas(RideB, day(2009, 4, 1), 10.0f, 300)});
        showRide(RideA);
        ui().MainTab->setCurrentIndex(6);
        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button::Yes);
        ModalScript script([](QDialog &dialog) {
            auto &units = static_cast<RideUnitsWindow &>(dialog);
            units.distance()->setCurrentIndex(int(DistanceUnit::Kilometres));
            units.fuel()->setCurrentIndex(int(FuelUnit::Litres));
            units.economy()->setCurrentIndex(int(EconomyUnit::LitresPer100Km));
            units.accept();
        });
        QTest::mouseClick(ui().cmdRideUnits, Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        const QAbstractItemModel *gasList = ui().grid[4]->model();
        QCOMPARE(gasList->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Litres"));
        QCOMPARE(gasList->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Kilometres     L/100 km"));
        QCOMPARE(column(4, 2), QStringList{QStringLiteral("483   (7.8)")});
        QCOMPARE(ui().lblTotal[4]->text(), QStringLiteral(" Total Litres: 37.9 "));
        QCOMPARE(ui().lblTotal[6]->text(), QStringLiteral(" Overall L/100 km: 7.8 "));

        showRide(RideB);
        QCOMPARE(column(4, 2), QStringList{QStringLiteral("300   (30.0)")});
        QCOMPARE(ui().lblTotal[4]->text(), QStringLiteral(" Total Gallons: 10.0 "));
    }

    // The currency chosen under "Units..." is every ride's from then on, kept
    // in Torqal.db: the lists, their totals and the ride's price show it.
    void theCurrencyChangesEveryAmountShown()
    {
        RideRecord ride;
        ride.RideKey = RideA;
        ride.PricePaid = 274500000;
        writeFileOf<RideRecord>("Torqal.Dat", {ride});
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideA, day(2009, 5, 2), "Tires", 4500000, "")});
        ProgramCurrency keep;
        state().CurrentRide = 1;
        window->rides().view.ShowRide(1);
        QCOMPARE(ui().fieldText(RideFields::PricePaidBox), QStringLiteral("$27,450.00"));
        ui().MainTab->setCurrentIndex(6);
        ModalScript script([](QDialog &dialog) {
            auto &units = static_cast<RideUnitsWindow &>(dialog);
            units.currencySymbol()->setText(QStringLiteral("\u20AC"));
            units.currencyWritten()->setCurrentIndex(3);
            QCOMPARE(units.currencyWritten()->currentText(), QStringLiteral("1,234.50\u00A0\u20AC"));
            units.accept();
        });
        QTest::mouseClick(ui().cmdRideUnits, Qt::LeftButton);
        QCOMPARE(column(1, 2), QStringList{QStringLiteral("450.00\u00A0\u20AC")});
        QCOMPARE(ui().lblTotal[1]->text(), QStringLiteral(" Total Cost: 450.00\u00A0\u20AC"));
        QCOMPARE(ui().fieldText(RideFields::PricePaidBox), QStringLiteral("27,450.00\u00A0\u20AC"));
        const ReminderStore database(ReminderStore::FileName, ReminderStore::Access::ReadOnly);
        QCOMPARE(Store::currencyOf(database).symbol, QStringLiteral("\u20AC"));
    }

    // The currency kept in Torqal.db is taken once the window is on screen,
    // and the amounts it showed before are written in it.
    void theStoredCurrencyIsTakenAtStart()
    {
        window.reset();
        ProgramCurrency keep;
        RideRecord ride;
        ride.RideKey = RideA;
        ride.PricePaid = 274500000;
        writeFileOf<RideRecord>("Torqal.Dat", {ride});
        {
            ReminderStore database(ReminderStore::FileName);
            QVERIFY(Store::putCurrency(database, {QStringLiteral("\u20AC"), Currency::Side::After, true}));
        }
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(WaitForFirstActivation(*window));
        QTRY_COMPARE(ui().fieldText(RideFields::PricePaidBox), QStringLiteral("27,450.00\u00A0\u20AC"));
    }

    void showingARideFillsTheFourTabs()
    {
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideA, day(2009, 5, 2), "Tires", 4500000, "front and rear"),
                                                 expense(RideA, day(2009, 3, 15), "Oil change", 299500, "5W-30\r\nfilter")});
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideA, day(2009, 6, 1), "Rally", 0), trip(RideA, day(2009, 6, 2), "Home", -20)});
        writeFileOf<GasRecord>("Gas.Dat", {gas(RideA, day(2009, 4, 1), 12.0f, 330, "premium"),
                                           gas(RideA, day(2009, 3, 1), 10.0f, 300), gas(RideB, day(2009, 3, 2), 9.0f, 200)});
        showRide(RideA);

        QCOMPARE(column(1, 0), QStringList({"03/15/2009", "05/02/2009"}));
        QCOMPARE(column(1, 2), QStringList({"$29.95", "$450.00"}));
        QCOMPARE(ui().txtField[28]->property("plainText").toString(), QStringLiteral("front and rear"));
        QCOMPARE(ui().lblTotal[1]->text(), QStringLiteral(" Total Cost: $479.95"));
        QVERIFY(!ui().lblTotal[1]->isHidden());
        QVERIFY(!ui().cmdLogEdit[1]->isHidden());
        QVERIFY(!ui().cmdLogPrint[1]->isHidden());

        QCOMPARE(ui().grid[2]->model()->rowCount(), 0); // no goodies
        QVERIFY(!ui().cmdLogAdd[2]->isHidden());
        QVERIFY(ui().cmdLogEdit[2]->isHidden());
        QVERIFY(ui().cmdLogDelete[2]->isHidden());
        QVERIFY(ui().lblTotal[2]->isHidden());

        QCOMPARE(column(3, 2), QStringList({"", "-20"}));
        QVERIFY(ui().lblTotal[3]->isHidden());

        QCOMPARE(column(4, 1), QStringList({"10.0", "12.0"}));
        QCOMPARE(column(4, 2), QStringList({"300   (30.0)", "330   (27.5)"}));
        QCOMPARE(ui().lblTotal[4]->text(), QStringLiteral(" Total Gallons: 22.0 "));
        QCOMPARE(ui().lblTotal[5]->text(), QStringLiteral(" Total Miles: 630.0 "));
        QCOMPARE(ui().lblTotal[6]->text(), QStringLiteral(" Overall MPG: 28.6 "));
        QCOMPARE(ui().txtField[31]->property("plainText").toString(), QStringLiteral("premium"));
        const QModelIndex description = ui().grid[4]->model()->index(0, 1);
        QCOMPARE(description.data(Qt::ToolTipRole).toString(), QStringLiteral(" Double-click to edit this entry "));

        // Selecting the earlier oil change shows its notes, read from the file.
        ui().grid[1]->setCurrentIndex(ui().grid[1]->model()->index(0, 0));
        QCOMPARE(ui().txtField[28]->property("plainText").toString(), QStringLiteral("5W-30\nfilter"));

        // No ride: the lists empty and nothing can be added.
        state() = RideState();
        logs().refillAll();
        QCOMPARE(ui().grid[4]->model()->rowCount(), 0);
        QVERIFY(ui().cmdLogAdd[4]->isHidden());
        QVERIFY(ui().lblTotal[6]->isHidden());
    }

    void altAndADigitOpensEachPage_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 0; page < 7; ++page)
            QTest::addRow("Alt+%d", page + 1) << page;
    }

    void altAndADigitOpensEachPage()
    {
        QFETCH(int, page);
        showRide(RideA);
        ui().MainTab->setCurrentIndex(page == 0 ? 1 : 0);
        QApplication::setActiveWindow(window.get());
        const QString keys = QStringLiteral("Alt+%1").arg(page + 1);
        QTest::keySequence(window.get(), QKeySequence(keys));
        QCOMPARE(ui().MainTab->currentIndex(), page);
        QVERIFY(ui().MainTab->tabToolTip(page).endsWith(QStringLiteral("(%1)").arg(keys)));
        QTRY_VERIFY(ui().MainTab->tabBar()->hasFocus());
    }

    // The log list and its notes show where the keyboard is; assistive
    // technology can give the list the focus; read-only notes are a stop of
    // the Tab key while they have something to read.
    void theLogPageShowsWhereTheKeyboardIs()
    {
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideA, day(2009, 3, 15), "Oil change", 299500, ""),
                                                 expense(RideA, day(2009, 5, 2), "Tires", 4500000, "front and rear")});
        showRide(RideA);
        ui().MainTab->setCurrentIndex(3);
        QApplication::setActiveWindow(window.get());
        QTableView *grid = ui().grid[1];
        auto *notes = static_cast<NotesBox *>(ui().txtField[28]);
        QorButton *add = ui().cmdLogAdd[1];
        add->setFocus();
        QTRY_VERIFY(add->hasFocus());
        const QImage listUnfocused = grid->viewport()->grab().toImage();
        const QImage notesUnfocused = notes->viewport()->grab().toImage();

        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(grid);
        QCOMPARE(list->role(), QAccessible::Table);
        QCOMPARE(list->tableInterface()->rowCount(), 2);
        QVERIFY(list->actionInterface()->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
        list->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        QVERIFY(grid->viewport()->grab().toImage() != listUnfocused);

        QVERIFY(notes->focusPolicy() & Qt::TabFocus);
        notes->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(notes->hasFocus());
        QVERIFY(notes->viewport()->grab().toImage() != notesUnfocused);

        grid->setCurrentIndex(grid->model()->index(0, 0));
        QVERIFY(notes->shownText().isEmpty());
        QVERIFY(!(notes->focusPolicy() & Qt::TabFocus));
    }

    void theAddCommandWritesThroughTheEditor()
    {
        showRide(RideA);
        ui().MainTab->setCurrentIndex(6);
        MessageBox::Script boxes;
        LogEntryEditorScript script([](frmLogEntry &editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral(" Adding a New 'Gas Usage/Info' Entry"));
            QCOMPARE(editor.caption(3)->text(), QStringLiteral(" Notes about the Highlighted Gas Entry... "));
            QCOMPARE(editor.notesField()->maxLength(), 976);
            QTest::keyClicks(editor.lineField(0), "3/15/2009");
            QTest::keyClicks(editor.lineField(1), "12.4");
            QTest::keyClicks(editor.lineField(2), "350");
            QTest::keyClicks(editor.notesField()->viewport(), "x");
            QCOMPARE(editor.gauge()->text(), QStringLiteral(" 1% full "));
            QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
        });
        QTest::mouseClick(ui().cmdLogAdd[4], Qt::LeftButton);
        QCOMPARE(script.openings, 1);
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!state().AddingEntry);
        const QList<GasRecord> stored = recordsIn<GasRecord>("Gas.Dat");
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].RideKey, RideA);
        QCOMPARE(stored[0].Gallons, 12.4f);
        QCOMPARE(stored[0].Miles, 350);
        QCOMPARE(column(4, 2), QStringList({"350   (28.2)"}));
        QCOMPARE(ui().txtField[31]->property("plainText").toString(), QStringLiteral("x"));
        QVERIFY(!ui().cmdLogEdit[4]->isHidden());
    }

    void doubleClickAndDeleteWorkOnTheHighlightedRow()
    {
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideB, day(2009, 1, 1), "B1", 1), trip(RideA, day(2009, 1, 3), "A2", 2),
                                             trip(RideB, day(2009, 1, 3), "B2", 3), trip(RideA, day(2009, 1, 2), "A1", 4)});
        showRide(RideA);
        ui().MainTab->setCurrentIndex(5);
        QTableView *grid = ui().grid[3];
        const QRect first = grid->visualRect(grid->model()->index(0, 1));
        LogEntryEditorScript script([](frmLogEntry &editor) { editor.cmdCancel_Click(); });
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(script.lastRequest.mode, EntryMode::Editing);
        QCOMPARE(script.lastRequest.tabCaption, QStringLiteral("Trips"));
        QCOMPARE(script.lastRequest.cells[1], QStringLiteral("A1"));
        QCOMPARE(script.lastRequest.recordNumber, 4);
        QVERIFY(!state().EditingEntry);

        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button::Yes);
        QTest::mouseClick(ui().cmdLogDelete[3], Qt::LeftButton);
        QCOMPARE(boxes.last().title, QStringLiteral(" Confirm Deletion"));
        QCOMPARE(column(3, 1), QStringList({"A2"}));
        QStringList left;
        for (const TripRecord &r : recordsIn<TripRecord>("Trip.Dat"))
            left << r.Description.trimmed();
        QCOMPARE(left, QStringList({"B1", "A2", "B2"}));
    }

    void aRowSelectedOtherThanByClickIsTheRowActedOn()
    {
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideA, day(2009, 3, 15), "Oil change", 0, "5W-30"),
                                                 expense(RideA, day(2009, 5, 2), "Tires", 0, "front")});
        showRide(RideA);
        ui().MainTab->setCurrentIndex(3);
        QTableView *grid = ui().grid[1];
        QItemSelectionModel *selection = grid->selectionModel();
        // As assistive technology selects a row: clear, then select.
        selection->clearSelection();
        selection->select(grid->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(ui().txtField[28]->property("plainText").toString(), QStringLiteral("5W-30"));
        // A selection left empty takes the current row again.
        selection->clearSelection();
        QTRY_VERIFY(selection->isRowSelected(0, {}));
        QCOMPARE(selection->selectedRows().size(), 1);

        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button::Yes);
        QTest::mouseClick(ui().cmdLogDelete[1], Qt::LeftButton);
        QCOMPARE(column(1, 1), QStringList({"Tires"}));
    }
};

QTEST_MAIN(TestMainWindowLogs)
#include "test_main_window_logs.moc"
