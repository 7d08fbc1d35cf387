// The reminders in the real windows: the main window's notice, the
// "Reminders" page of the history window with its editor, "Done" through the
// maintenance entry editor, the overdue list at start, a deleted ride and a
// damaged database.

#include "data/DateValue.h"
#include "history/HistoryWindow.h"
#include "history/ImportWindow.h"
#include "support/ImportSettled.h"
#include "logs/frmLogEntry.h"
#include "reminders/OverdueWindow.h"
#include "reminders/ReminderEditor.h"
#include "reminders/ReminderPage.h"
#include "ui/QorButton.h"
#include "store/ReminderStore.h"
#include "ride/RideWindowSupport.h"
#include "support/ReminderSupport.h"
#include "support/WhenOpen.h"
#include "ui/ModalRun.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace RideTest;
using namespace ReminderTest;
using ReminderForm::Field;

namespace {

// Today in these tests is 15 March 2009 (the World's clock).
const QDate Today(2009, 3, 15);

QList<Reminder> storedReminders()
{
    ReminderStore store(ReminderStore::FileName);
    QList<Reminder> reminders;
    (void)store.allReminders(reminders);
    return reminders;
}

void store(QList<Reminder> reminders)
{
    ReminderStore store(ReminderStore::FileName);
    for (Reminder &reminder : reminders)
        QVERIFY(store.add(reminder));
}

QStringList rowTexts(const QTreeWidget *list)
{
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(row)->text(column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void type(ReminderEditor &editor, Field field, const QString &text)
{
    QLineEdit *box = editor.field(field);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The "Reminders" page of a history window, and whether the window opened on it.
ReminderPage *remindersPage(QDialog &dialog, bool *shownFirst = nullptr)
{
    auto *window = qobject_cast<HistoryWindow *>(&dialog);
    auto *page = window ? window->findChild<ReminderPage *>() : nullptr;
    if (page && shownFirst)
        *shownFirst = window->findChild<QTabWidget *>(QStringLiteral("HistoryPages"))->currentWidget() == page;
    return page;
}

GasRecord gasEntry(double rideKey, qint32 miles)
{
    GasRecord gas;
    gas.RideKey = rideKey;
    gas.EntryDate = 39000;
    gas.Gallons = 10;
    gas.Miles = miles;
    return gas;
}

} // namespace

class TestReminderWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The editor's checks, in the order of its boxes, and the reminder it makes.
    void editorChecks_data()
    {
        QTest::addColumn<bool>("repeating");
        QTest::addColumn<QStringList>("texts"); // in the order of ReminderForm::Field
        QTest::addColumn<int>("problemField");  // -1: saved
        QTest::addColumn<QString>("problem");

        const QString none;
        QTest::newRow("no description") << false << QStringList{"  ", "5/1/2027", "", "", "", "", ""}
                                        << int(Field::Description) << "Please say what is to be done (for example: Oil change).";
        QTest::newRow("no date") << false << QStringList{"Inspection", "13/45/2027", "", "", "", "", ""}
                                 << int(Field::OnDate) << "I don't recognize\r\n\r\n   13/45/2027\r\n\r\nas a valid date.";
        QTest::newRow("miles with a fraction") << false << QStringList{"Inspection", "", "60000.5", "", "", "", ""}
                                               << int(Field::AtMiles) << "The miles must be a whole number from 0 to 99,999,999.";
        QTest::newRow("neither date nor miles") << false << QStringList{"Inspection", "", "", "6", "", "", ""}
                                                << int(Field::OnDate)
                                                << "Please give the date or the miles at which it falls due, or both.";
        QTest::newRow("once, by both") << false << QStringList{"Inspection", "5/1/2027", "60,000", "", "", "", ""} << -1 << none;
        QTest::newRow("no interval") << true << QStringList{"Oil change", "", "", "0", "", "3/1/2009", "100"}
                                     << int(Field::EveryMonths)
                                     << "Please give how many months or miles apart it falls due, or both.";
        QTest::newRow("months, never done") << true << QStringList{"Oil change", "", "", "6", "", "", "100"}
                                            << int(Field::LastDoneDate) << "Please give the date on which it was last done.";
        QTest::newRow("by miles alone") << true << QStringList{"Oil change", "", "", "", "5000", "", "100"} << -1 << none;
    }

    void editorChecks()
    {
        QFETCH(bool, repeating);
        QFETCH(QStringList, texts);
        QFETCH(int, problemField);
        QFETCH(QString, problem);
        MessageBox::Script boxes;
        ReminderEditor editor(ReminderForm::newFields(Today, 0), Reminder{}, QStringLiteral("Sally"), false, [](Reminder &) { return FileStatus(); });
        editor.show();
        (repeating ? editor.repeatingChoice() : editor.onceChoice())->click();
        for (int i = 0; i < ReminderForm::FieldCount; ++i) {
            if (editor.field(Field(i))->isEnabled())
                type(editor, Field(i), texts[i]);
        }
        QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
        if (problemField < 0) {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(editor.result(), int(QDialog::Accepted));
            QCOMPARE(editor.reminder().repeating, repeating);
            return;
        }
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, problem);
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.focusWidget(), editor.field(Field(problemField)));
    }

    // A reminder that cannot be stored (another program holds the database)
    // leaves the editor open with what was typed, and the message says why;
    // Save then stores it once, or Cancel leaves the reminders as they were.
    void aFailedSaveKeepsTheEditorOpen_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("adding, then saving again") << false << QStringList{"Inspection", "Tires"};
        QTest::newRow("editing, then cancelling") << true << QStringList{"Inspection"};
    }

    void aFailedSaveKeepsTheEditorOpen()
    {
        QFETCH(bool, editing);
        QFETCH(QStringList, stored);
        World world;
        const double key = threeRides[2].RideKey;
        store({ofRide(once(QDate(2010, 1, 1), 0, QStringLiteral("Inspection")), key)});
        ReminderStore reminders(ReminderStore::FileName);
        ReminderPage page(reminders, {key, QStringLiteral("Sally"), 0}, nullptr);
        page.show();
        auto other = std::make_unique<OtherConnection>(ReminderStore::FileName);
        other->exec(QStringLiteral("BEGIN EXCLUSIVE"));

        ModalScript script([&](QDialog &dialog) {
            auto &editor = static_cast<ReminderEditor &>(dialog);
            editor.onceChoice()->click();
            type(editor, Field::Description, QStringLiteral("Tires"));
            type(editor, Field::OnDate, QStringLiteral("5/1/2027"));
            QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
            QCOMPARE(world.messages.count(), 1);
            QVERIFY2(world.messages.last().text.contains(QStringLiteral("another program is using it")),
                     qPrintable(world.messages.last().text));
            QVERIFY(editor.isVisible());
            QCOMPARE(editor.field(Field::Description)->text(), QStringLiteral("Tires"));
            QCOMPARE(editor.field(Field::OnDate)->text(), QStringLiteral("5/1/2027"));
            other->exec(QStringLiteral("ROLLBACK"));
            QTest::mouseClick(editing ? editor.cancelButton() : editor.saveButton(), Qt::LeftButton);
        });
        QTest::mouseClick(editing ? page.editButton() : page.addButton(), Qt::LeftButton);
        QCOMPARE(script.openings, 1);
        other.reset();

        QStringList descriptions;
        for (const Reminder &reminder : storedReminders())
            descriptions << reminder.description;
        QCOMPARE(descriptions, stored);
        QCOMPARE(page.list()->topLevelItemCount(), stored.size());
        QCOMPARE(world.messages.count(), 1);
    }

    // The keyboard focus shows on each of the reminders' commands.
    void theCommandsShowTheKeyboardFocus_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *name : {"cmdOK", "cmdReminderAdd", "cmdReminderEdit", "cmdReminderDelete", "cmdReminderDone"})
            QTest::newRow(name) << name;
    }

    void theCommandsShowTheKeyboardFocus()
    {
        QFETCH(QString, command);
        World world;
        const double key = threeRides[2].RideKey;
        store({ofRide(once(Today.addDays(-2)), key)});
        ReminderStore reminders(ReminderStore::FileName);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *overdue = new OverdueWindow({{QStringLiteral("Sally"), QStringLiteral("Oil"), QString(), 1}});
        overdue->setWindowFlags(Qt::Widget); // shown inside the test's window, beside the page
        layout->addWidget(overdue);
        layout->addWidget(new ReminderPage(reminders, {key, QStringLiteral("Sally"), 0}, nullptr, &window));
        auto *elsewhere = new QLineEdit(&window);
        layout->addWidget(elsewhere);
        window.show();
        QApplication::setActiveWindow(&window);
        auto *button = window.findChild<QorButton *>(command);
        QVERIFY(button && button->isVisible());
        elsewhere->setFocus();
        QTRY_VERIFY(elsewhere->hasFocus());
        const QImage unfocused = button->surface();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QVERIFY(button->surface() != unfocused);
    }

    // A reminder added on the history window's page, which the notice opens,
    // due by date and by the gasoline log's miles, shows in the notice;
    // "Done" records the maintenance entry, counts afresh from it and clears
    // the notice.
    void addAndDoneThroughTheWindows()
    {
        World world;
        const RideRecord &sally = threeRides[2];
        writeFileOf(QStringLiteral("Torqal.Dat"), QList<RideRecord>{sally});
        writeFileOf(QStringLiteral("Gas.Dat"), QList<GasRecord>{gasEntry(sally.RideKey, 2800), gasEntry(sally.RideKey, 2900)});
        world.open();
        auto *notice = world.find<QPushButton>(QStringLiteral("cmdReminders"));
        QTRY_COMPARE(notice->text(), QStringLiteral("Reminders..."));

        ModalScript adding([](QDialog &dialog) {
            if (auto *editor = qobject_cast<ReminderEditor *>(&dialog)) {
                QCOMPARE(editor->windowTitle(), QStringLiteral(" Adding a Reminder for Sally"));
                type(*editor, Field::Description, QStringLiteral("Oil change"));
                type(*editor, Field::EveryMonths, QStringLiteral("6"));
                type(*editor, Field::EveryMiles, QStringLiteral("5,000"));
                type(*editor, Field::LastDoneDate, QStringLiteral("9/1/2008"));
                type(*editor, Field::LastDoneMiles, QStringLiteral("1000"));
                QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
                return;
            }
            bool shownFirst = false;
            ReminderPage *page = remindersPage(dialog, &shownFirst);
            QVERIFY(page);
            QVERIFY(shownFirst);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("History of Sally"));
            QVERIFY(page->milesCaption()->text().contains(QStringLiteral("5,700")));
            QTest::mouseClick(page->addButton(), Qt::LeftButton);
            QCOMPARE(rowTexts(page->list()), QStringList{QStringLiteral("Oil change|03/01/2009|6,000|overdue by 14 days")});
            dialog.accept();
        });
        QTest::keyClick(notice, Qt::Key_Return); // Enter presses the notice, as Space does
        QCOMPARE(adding.openings, 2);
        QCOMPARE(notice->text(), QStringLiteral("1 reminder due (1 overdue)"));

        LogEntryEditorScript entry([](frmLogEntry &editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral(" Adding a New 'Maint./Repair' Entry"));
            QVERIFY(qobject_cast<HistoryWindow *>(editor.parentWidget()));
            QCOMPARE(editor.fieldText(0), QStringLiteral("03/15/2009"));
            QCOMPARE(editor.fieldText(1), QStringLiteral("Oil change"));
            editor.cmdSave_Click();
        });
        ModalScript done([](QDialog &dialog) {
            bool shownFirst = true;
            ReminderPage *page = remindersPage(dialog, &shownFirst);
            QVERIFY(page);
            QVERIFY(!shownFirst);
            QTest::mouseClick(page->doneButton(), Qt::LeftButton);
            QCOMPARE(rowTexts(page->list()),
                     QStringList{QStringLiteral("Oil change|09/15/2009|10,700|due in 184 days / 5,000 miles")});
            // The window's summary counts the entry just made.
            QVERIFY(dialog.findChild<QTextEdit *>(QStringLiteral("txtSummary"))->toPlainText().contains(QStringLiteral("Oil change")));
            dialog.accept();
        });
        world.click(world.ui().cmdRideHistory);
        QCOMPARE(entry.openings, 1);
        QCOMPARE(notice->text(), QStringLiteral("Reminders..."));
        const QList<ExpenseRecord> maintenance = recordsIn<ExpenseRecord>(QStringLiteral("Maint.Dat"));
        QCOMPARE(maintenance.size(), 1);
        QCOMPARE(maintenance[0].RideKey, sally.RideKey);
        QCOMPARE(DateValue::toDateTime(maintenance[0].EntryDate).date(), Today);
        QCOMPARE(world.window->logs().tab(LogKind::Maintenance).model().entryCount(), 1);
        QCOMPARE(world.messages.count(), 0);
    }

    // The notice of the ride shown at start counts with its gasoline log's
    // miles (5,700, past the 5,000 of the reminder) once the window is up,
    // with no input.
    void noticeAtStartCountsTheGasolineMiles()
    {
        World world;
        const RideRecord &sally = threeRides[2];
        writeFileOf(QStringLiteral("Torqal.Dat"), QList<RideRecord>{sally});
        writeFileOf(QStringLiteral("Gas.Dat"), QList<GasRecord>{gasEntry(sally.RideKey, 2800), gasEntry(sally.RideKey, 2900)});
        store({ofRide(once(QDate(), 5000), sally.RideKey)});
        Settings::setValue(Settings::OverdueAtStartKey, Settings::NoShow);
        world.open();
        auto *notice = world.find<QPushButton>(QStringLiteral("cmdReminders"));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("1 reminder due (1 overdue)"));
    }

    // Entries imported into the gasoline log count at once: the page shows
    // the new miles, and the standing follows them. An import that brings
    // the ride's first reading makes the odometer's reading the miles, and
    // moves the reminder with it.
    void anImportCountsTowardsTheMilesAtOnce_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("row");
        QTest::newRow("miles") << QByteArray("Date,Gallons,Miles,MPG,Notes\r\n2009-03-01,10,2900,,\r\n")
                               << "Miles known for this ride: 5,700 (the sum of its gasoline log's miles)"
                               << "Inspection||5,000|overdue by 700 miles";
        QTest::newRow("the first reading") << QByteArray("Date,Gallons,Miles,Odometer\r\n2009-03-01,10,2900,45210\r\n")
                                           << "Odometer now: 45,210 miles" << "Inspection||47,410|due in 2,200 miles";
    }
    void anImportCountsTowardsTheMilesAtOnce()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, caption);
        QFETCH(QString, row);
        World world;
        const RideRecord &sally = threeRides[2];
        writeFileOf(QStringLiteral("Torqal.Dat"), QList<RideRecord>{sally});
        writeFileOf(QStringLiteral("Gas.Dat"), QList<GasRecord>{gasEntry(sally.RideKey, 2800)});
        store({ofRide(once(QDate(), 5000), sally.RideKey)});
        const QString file = world.folder.path() + QStringLiteral("/gasoline.csv");
        DataTest::writeBytes(file, csv);
        world.dialog.choose(file);
        world.open();
        QString shownCaption;
        QStringList rows;
        ModalScript history([&](QDialog &dialog) {
            ReminderPage *page = remindersPage(dialog);
            QVERIFY(page);
            whenOpen<ImportWindow>(&dialog, [](ImportWindow &import) {
                QVERIFY(importSettled(import));
                import.confirm();
            });
            qobject_cast<HistoryWindow *>(&dialog)->importCsv();
            shownCaption = page->milesCaption()->text();
            rows = rowTexts(page->list());
            dialog.accept();
        });
        world.click(world.ui().cmdRideHistory);
        QCOMPARE(history.openings, 1);
        QCOMPARE(shownCaption, caption);
        QCOMPARE(rows, QStringList{row});
    }

    // Deleting a ride deletes its reminders and no others.
    void deletingARideDeletesItsReminders()
    {
        World world;
        writeFileOf(QStringLiteral("Torqal.Dat"), threeRides);
        store({ofRide(once(Today), threeRides[0].RideKey), ofRide(once(Today), threeRides[1].RideKey)});
        world.open();
        QCOMPARE(world.window->state().CurrentRideKey, threeRides[0].RideKey);
        world.messages.answer(MessageBox::Button::Yes);
        world.click(world.ui().cmdRideDelete);
        const QList<Reminder> left = storedReminders();
        QCOMPARE(left.size(), 1);
        QCOMPARE(left[0].rideKey, threeRides[1].RideKey);
    }

    // At start, the overdue reminders of every ride on file, until the user
    // asks not to see them at start.
    void listsWhatIsOverdueAtStart()
    {
        World world;
        writeFileOf(QStringLiteral("Torqal.Dat"), threeRides);
        store({ofRide(once(Today.addDays(-2), 0, QStringLiteral("Insurance")), threeRides[2].RideKey),
               ofRide(once(Today.addDays(2)), threeRides[1].RideKey),
               ofRide(once(Today.addDays(-1)), threeRides[0].RideKey),
               ofRide(once(Today.addDays(-5)), 12.0)});
        ModalScript script([](QDialog &dialog) {
            auto *list = qobject_cast<OverdueWindow *>(&dialog);
            QVERIFY(list);
            QCOMPARE(rowTexts(list->list()), (QStringList{QStringLiteral("1998 Honda Civic|Inspection|overdue by 1 day"),
                                                          QStringLiteral("Sally|Insurance|overdue by 2 days")}));
            list->dontShowChoice()->click();
            QTest::keyClick(list->okButton(), Qt::Key_Return);
            QCOMPARE(list->result(), int(QDialog::Accepted));
        });
        world.open();
        QTRY_COMPARE(script.openings, 1);
        QCOMPARE(Settings::value(Settings::OverdueAtStartKey), Settings::NoShow);

        world.window.reset();
        world.open();
        QTest::qWait(50);
        QCOMPARE(script.openings, 1);
    }

    // Enter or a double-click on a row of the overdue list opens that ride's
    // reminders: the main window shows the ride, and its history window opens
    // on the "Reminders" page.
    void aRowOfTheOverdueListOpensItsRidesReminders_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("Enter") << false;
        QTest::newRow("double-click") << true;
    }

    void aRowOfTheOverdueListOpensItsRidesReminders()
    {
        QFETCH(bool, doubleClick);
        World world;
        writeFileOf(QStringLiteral("Torqal.Dat"), threeRides);
        store({ofRide(once(Today.addDays(-1)), threeRides[0].RideKey),
               ofRide(once(Today.addDays(-2), 0, QStringLiteral("Insurance")), threeRides[2].RideKey)});
        QString opened;
        bool onReminders = false;
        ModalScript script([&](QDialog &dialog) {
            if (auto *overdue = qobject_cast<OverdueWindow *>(&dialog)) {
                QTreeWidget *list = overdue->list();
                QTreeWidgetItem *sally = list->topLevelItem(1);
                if (doubleClick) {
                    // A double-click is a click followed by the double-click event.
                    const QPoint at = list->visualItemRect(sally).center();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                } else {
                    list->setFocus();
                    QTest::keyClick(list, Qt::Key_Down);
                    QTest::keyClick(list, Qt::Key_Return);
                }
                return;
            }
            opened = dialog.windowTitle();
            QVERIFY(remindersPage(dialog, &onReminders));
            dialog.accept();
        });
        world.open();
        QTRY_COMPARE(script.openings, 2);
        QCOMPARE(opened, QStringLiteral("History of Sally"));
        QVERIFY(onReminders);
        QCOMPARE(world.window->state().CurrentRideKey, threeRides[2].RideKey);
    }

    // A damaged database: one message naming it, the file left alone, and
    // the rides as before.
    void carriesOnWithoutADamagedDatabase()
    {
        World world;
        writeFileOf(QStringLiteral("Torqal.Dat"), threeRides);
        const QByteArray damaged(4096, 'R');
        DataTest::writeBytes(ReminderStore::FileName, damaged);
        world.open();
        QTRY_COMPARE(world.messages.count(), 1);
        QVERIFY(world.messages.last().text.contains(QDir::current().absoluteFilePath(ReminderStore::FileName)));
        QVERIFY(!world.find<QPushButton>(QStringLiteral("cmdReminders"))->isVisible());
        world.window->state().CurrentRide = 2;
        world.window->rides().view.ShowRide(2);
        QCOMPARE(world.ui().lblRideName->text(), QStringLiteral("2001 Ford"));
        QCOMPARE(world.messages.count(), 1);
        QCOMPARE(DataTest::bytesOf(ReminderStore::FileName), damaged);
    }
};

QTEST_MAIN(TestReminderWindows)
#include "test_reminder_windows.moc"
