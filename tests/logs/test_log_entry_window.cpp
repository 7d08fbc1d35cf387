#include "LogTestSupport.h"

#include "data/SystemCalls.h"
#include "model/LogKindInfo.h"
#include "logs/frmLogEntry.h"
#include "ui/FieldBoxes.h"
#include "ui/NotesBox.h"
#include "platform/MessageBox.h"
#include "ui/QorButton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cerrno>
#include <memory>

using namespace DataTest;
using namespace LogTest;
using Button = MessageBox::Button;

namespace {

LogEntryRequest request(LogKind kind, EntryMode mode, int recordNumber = 0, std::array<QString, 3> cells = {},
                        const QString &notes = QString())
{
    const LogKindInfo &info = logKindInfo(kind);
    LogEntryRequest r;
    r.kind = kind;
    r.mode = mode;
    r.rideKey = RideA;
    r.tabCaption = info.tabCaption;
    r.columnTitles = {info.columns[0].title, info.columns[1].title, info.columns[2].title};
    r.notesCaption = QStringLiteral(" Notes on the Highlighted Log... ");
    r.notesLimit = info.notesWidth;
    r.recordNumber = recordNumber;
    r.cells = std::move(cells);
    r.notes = notes;
    return r;
}

struct Editor
{
    explicit Editor(const LogEntryRequest &request) : window(new frmLogEntry(request))
    {
        window->show();
    }

    void type(int field, const QString &text)
    {
        QWidget *box = field == 3 ? window->notesField()->viewport() : window->field(field);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, lines[i]);
        }
    }

    void clear(int field)
    {
        if (field < 3)
            window->lineField(field)->clear();
        else
            window->notesField()->clear();
    }

    void save() { QTest::mouseClick(window->saveButton(), Qt::LeftButton); }

    std::unique_ptr<frmLogEntry> window;
};

int failWrites(const char *callName) { return qstrcmp(callName, "pwrite") == 0 ? ENOSPC : 0; }

} // namespace

class TestLogEntryWindow : public QObject
{
    Q_OBJECT

private slots:
    void addingLaysOutTheWindowForTheLog()
    {
        WorkingFolder folder;
        Editor editor(request(LogKind::Maintenance, EntryMode::Adding));
        frmLogEntry &w = *editor.window;
        QCOMPARE(w.objectName(), QStringLiteral("frmLogEntry"));
        QCOMPARE(w.windowTitle(), QStringLiteral(" Adding a New 'Maint./Repair' Entry"));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w.caption(0)->text(), QStringLiteral(" Date "));
        QCOMPARE(w.caption(1)->text(), QStringLiteral(" Brief Description "));
        QCOMPARE(w.caption(2)->text(), QStringLiteral(" Cost "));
        QCOMPARE(w.caption(3)->text(), QStringLiteral(" Notes on the Highlighted Log... "));
        QCOMPARE(w.saveButton()->toolTip(), QStringLiteral(" Save this New Entry "));
        QCOMPARE(w.cancelButton()->toolTip(), QStringLiteral(" Cancel this New Entry "));
        QCOMPARE(w.rectangle()->palette().color(QPalette::Window), QColor(0xFF, 0xE0, 0xC0));
        QCOMPARE(FieldBoxes::limitOf(w.lineField(1)), 60);
        QCOMPARE(w.notesField()->maxLength(), 2916);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w.fieldText(i), QString());
        QVERIFY(w.gauge()->isHidden());
        QVERIFY(!w.entryChanged());
    }

    void gasolineNarrowsTheGallonsField()
    {
        WorkingFolder folder;
        Editor editor(request(LogKind::Gas, EntryMode::Editing, 1, {"03/15/2009", "12.4", "350   (28.2)"}, "a\r\nb"));
        frmLogEntry &w = *editor.window;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Editing this 'Gas Usage/Info' Entry"));
        QCOMPARE(w.caption(1)->text(), QStringLiteral(" Gallons "));
        QCOMPARE(w.caption(2)->text(), QStringLiteral(" Miles "));
        QCOMPARE(w.lineField(1)->width(), w.lineField(2)->width());
        QCOMPARE(FieldBoxes::limitOf(w.lineField(1)), 5);
        QCOMPARE(w.rectangle()->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0xFF));
        QCOMPARE(w.fieldText(2), QStringLiteral("350"));
        QCOMPARE(w.fieldText(3), QStringLiteral("a\r\nb"));
        QCOMPARE(w.notesField()->toPlainText(), QStringLiteral("a\nb"));
        QVERIFY(!w.entryChanged()); // filling the fields is no change
        QCOMPARE(w.gauge()->text(), QStringLiteral(" 1% full "));
    }

    void focusColoursFollowTheMode()
    {
        WorkingFolder folder;
        for (EntryMode mode : {EntryMode::Adding, EntryMode::Editing}) {
            Editor editor(request(LogKind::Trips, mode, 1, {"01/01/2009", "x", ""}));
            frmLogEntry &w = *editor.window;
            QApplication::setActiveWindow(&w);
            w.lineField(1)->setFocus();
            const bool adding = mode == EntryMode::Adding;
            QCOMPARE(w.caption(1)->palette().color(QPalette::WindowText),
                     adding ? QColor(0xFF, 0xFF, 0x00) : QColor(0xFF, 0xC0, 0xFF));
            QVERIFY(w.caption(1)->font().bold());
            QCOMPARE(w.lineField(1)->palette().color(QPalette::Base),
                     adding ? QColor(0xFF, 0xFF, 0x00) : QColor(0xFF, 0x80, 0xFF));
            w.lineField(2)->setFocus();
            QCOMPARE(w.caption(1)->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0xFF));
            QVERIFY(!w.caption(1)->font().bold());
            QCOMPARE(w.lineField(1)->palette().color(QPalette::Base), QColor(0x00, 0xFF, 0xFF));
        }
    }

    // Enter in a one-line box moves on, Ctrl+Enter saves, Enter on a command presses it.
    void enterMovesOnOrSaves_data()
    {
        QTest::addColumn<int>("focused"); // a box, or -1 for Save
        QTest::addColumn<bool>("control");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Enter in a box") << 0 << false << false;
        QTest::newRow("Ctrl+Enter in a box") << 1 << true << true;
        QTest::newRow("Enter on Save") << -1 << false << true;
    }

    void enterMovesOnOrSaves()
    {
        QFETCH(int, focused);
        QFETCH(bool, control);
        QFETCH(bool, saved);
        WorkingFolder folder;
        MessageBox::Script boxes;
        Editor editor(request(LogKind::Maintenance, EntryMode::Adding));
        QApplication::setActiveWindow(editor.window.get());
        editor.type(0, "3/15/2009");
        editor.type(1, "Oil change");
        QWidget *target = focused < 0 ? static_cast<QWidget *>(editor.window->saveButton()) : editor.window->field(focused);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(target, Qt::Key_Return, control ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(editor.window->saved(), saved);
        QCOMPARE(exists("Maint.Dat"), saved);
        if (!saved)
            QCOMPARE(QApplication::focusWidget(), editor.window->field(focused + 1));
        QCOMPARE(boxes.count(), 0);
    }

    void anImpossibleDateIsRefusedAndFocused()
    {
        WorkingFolder folder;
        MessageBox::Script boxes;
        Editor editor(request(LogKind::Maintenance, EntryMode::Adding));
        QApplication::setActiveWindow(editor.window.get());
        editor.type(0, "13/45/2009");
        editor.type(1, "Oil change");
        editor.window->lineField(1)->setFocus();
        editor.save();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, QStringLiteral("I don't understand\r\n13/45/2009\r\nas being a valid date."));
        QCOMPARE(boxes.last().title, QStringLiteral("Torqal"));
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QCOMPARE(editor.window->focusWidget(), editor.window->field(0));
        QVERIFY(editor.window->isVisible());
        QVERIFY(!exists("Maint.Dat"));
    }

    void gasolineNeedsGallonsAndMiles()
    {
        WorkingFolder folder;
        MessageBox::Script boxes;
        for (const char *gallons : {"0", "abc"}) {
            Editor editor(request(LogKind::Gas, EntryMode::Adding));
            editor.type(0, "3/15/2009");
            editor.type(1, gallons);
            editor.type(2, "300");
            editor.save();
            QCOMPARE(boxes.last().text, QStringLiteral("A 'Gallons' entry is required."));
            QCOMPARE(editor.window->focusWidget(), editor.window->field(1));
        }
        Editor editor(request(LogKind::Gas, EntryMode::Adding));
        editor.type(0, "3/15/2009");
        editor.type(1, "12.5");
        editor.save();
        QCOMPARE(boxes.last().text, QStringLiteral("A 'Miles Travelled' entry is required."));
        QCOMPARE(editor.window->focusWidget(), editor.window->field(2));
        QCOMPARE(boxes.count(), 3);
        QVERIFY(!exists("Gas.Dat"));
    }

    void aCostWithSeparatorsIsStoredExactly()
    {
        WorkingFolder folder;
        MessageBox::Script boxes;
        Editor editor(request(LogKind::Maintenance, EntryMode::Adding));
        editor.type(0, "3/15/2009");
        editor.type(1, "  Timing belt ");
        editor.type(2, "$1,250.00");
        editor.type(3, "line one\nline two ");
        editor.save();
        QCOMPARE(boxes.count(), 0);
        QVERIFY(editor.window->saved());
        QVERIFY(!editor.window->isVisible());
        const QByteArray bytes = bytesOf("Maint.Dat");
        QCOMPARE(bytes.size(), ExpenseRecord::Length);
        const ExpenseRecord stored = decodeRecord<ExpenseRecord>(bytes.constData());
        QCOMPARE(stored.RideKey, RideA);
        QCOMPARE(stored.EntryDate, day(2009, 3, 15));
        QCOMPARE(stored.Cost, qint64(12500000));
        QCOMPARE(bytes.mid(16, 12), QByteArray("Timing belt "));
        QCOMPARE(bytes.mid(84, 20), QByteArray("line one\r\nline two  "));
    }

    void savingAnUntouchedTripDoesNothing()
    {
        WorkingFolder folder;
        writeFileOf<TripRecord>("Trip.Dat", {trip(RideA, day(2009, 1, 1) + 0.5, "Rally", 120, "notes")});
        const QByteArray before = bytesOf("Trip.Dat");
        MessageBox::Script boxes;
        Editor editor(request(LogKind::Trips, EntryMode::Editing, 1, {"01/01/2009", "Rally", "120"}, "notes"));
        editor.save();
        QVERIFY(editor.window->isVisible());
        QVERIFY(!editor.window->saved());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(bytesOf("Trip.Dat"), before);
    }

    void removingTheDollarCountsAsAChange()
    {
        WorkingFolder folder;
        // A time of day that the list does not show: the date left as shown keeps it.
        const ExpenseRecord oil = expense(RideA, day(2009, 2, 1) + 0.5, "Oil", 120000, "n");
        writeFileOf<ExpenseRecord>("Maint.Dat", {expense(RideB, day(2009, 1, 1), "Other", 0), oil});
        MessageBox::Script boxes;
        LogEntryRequest edit = request(LogKind::Maintenance, EntryMode::Editing, 2, {"02/01/2009", "Oil", "$12.00"}, "n");
        edit.entry = logEntry(oil, 2);
        Editor editor(edit);
        editor.save();
        QCOMPARE(boxes.count(), 0);
        QVERIFY(editor.window->saved());
        QCOMPARE(editor.window->fieldText(2), QStringLiteral("12.00"));
        const QList<ExpenseRecord> stored = recordsIn<ExpenseRecord>("Maint.Dat");
        QCOMPARE(stored.size(), 2);
        QCOMPARE(encodeRecord(stored[1]), encodeRecord(oil));
    }

    void cancelAsksOnlyAfterAChange()
    {
        WorkingFolder folder;
        MessageBox::Script boxes;
        {
            Editor editor(request(LogKind::Goodies, EntryMode::Adding));
            QTest::mouseClick(editor.window->cancelButton(), Qt::LeftButton);
            QCOMPARE(boxes.count(), 0);
            QVERIFY(!editor.window->isVisible());
        }
        Editor editor(request(LogKind::Goodies, EntryMode::Adding));
        editor.type(1, "M");
        boxes.answer(Button::No);
        QTest::mouseClick(editor.window->cancelButton(), Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Verify Cancel"));
        QCOMPARE(boxes.last().text, QStringLiteral("Are you sure you want to cancel?"));
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Question);
        QCOMPARE(boxes.last().buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(boxes.last().defaultButton, Button::Yes);
        QVERIFY(editor.window->isVisible());
        QCOMPARE(editor.window->fieldText(1), QStringLiteral("M"));

        // The Escape key and the desktop's close take the same way.
        boxes.answer(Button::Yes);
        QTest::keyClick(editor.window.get(), Qt::Key_Escape);
        QCOMPARE(boxes.count(), 2);
        QVERIFY(!editor.window->isVisible());
        QVERIFY(!exists("Goody.Dat"));
    }

    void notesGaugeShowsFromTheFirstCharacter()
    {
        WorkingFolder folder;
        Editor editor(request(LogKind::Gas, EntryMode::Adding));
        editor.type(3, "x");
        QVERIFY(editor.window->gauge()->isVisible());
        QCOMPARE(editor.window->gauge()->text(), QStringLiteral(" 1% full "));
        editor.type(3, QString(350, QLatin1Char('y')));
        QCOMPARE(editor.window->gauge()->text(), QStringLiteral(" 36% full "));
        editor.clear(3);
        QVERIFY(editor.window->gauge()->isHidden());
    }

    void notesStopAtTheFieldWidth()
    {
        WorkingFolder folder;
        Editor editor(request(LogKind::Gas, EntryMode::Adding));
        editor.type(3, QString(974, QLatin1Char('n')));
        editor.type(3, "\nabc"); // the line break takes two characters
        QCOMPARE(editor.window->fieldText(3).size(), 976);
        QVERIFY(editor.window->fieldText(3).endsWith("n\r\n"));
        QCOMPARE(editor.window->gauge()->text(), QStringLiteral(" 100% full "));
    }

    void theDeletionMarkerIsRefused()
    {
        WorkingFolder folder;
        MessageBox::Script boxes;
        Editor editor(request(LogKind::Gas, EntryMode::Adding));
        editor.type(0, "3/15/2009");
        editor.type(1, "10");
        editor.type(2, "300");
        editor.type(3, "$Killed$");
        editor.save();
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.last().text.contains("$Killed$"));
        QCOMPARE(editor.window->focusWidget(), editor.window->field(3));
        QVERIFY(editor.window->isVisible());
        QVERIFY(!exists("Gas.Dat"));
    }

    void aFailedWriteKeepsTheEditorOpen()
    {
        WorkingFolder folder;
        writeFileOf<ExpenseRecord>("Goody.Dat", {expense(RideA, day(2009, 1, 1), "Mirror", 10000)});
        const QByteArray before = bytesOf("Goody.Dat");
        MessageBox::Script boxes;
        Editor editor(request(LogKind::Goodies, EntryMode::Adding));
        editor.type(0, "3/15/2009");
        editor.type(1, "Horn");
        SystemCalls::setFaultHook(failWrites);
        editor.save();
        SystemCalls::setFaultHook(nullptr);
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.last().text.contains("Goody.Dat"));
        QVERIFY(editor.window->isVisible());
        QVERIFY(editor.window->isEnabled());
        QVERIFY(!editor.window->saved());
        QCOMPARE(editor.window->fieldText(1), QStringLiteral("Horn"));
        QCOMPARE(bytesOf("Goody.Dat"), before);

        editor.save(); // the disk has room again
        QVERIFY(editor.window->saved());
        QCOMPARE(bytesOf("Goody.Dat").size(), 2 * ExpenseRecord::Length);
    }
};

QTEST_MAIN(TestLogEntryWindow)
#include "test_log_entry_window.moc"
