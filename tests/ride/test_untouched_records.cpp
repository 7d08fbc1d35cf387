// A ride and one entry of each log holding the most the files can hold go
// through every editor: saved without typing, their bytes stay as they were
// (notes that start with blanks included); with only the notes changed,
// every other field keeps its bytes, and the notes the blanks typed first.

#include "RideWindowSupport.h"

#include "data/Cp1252.h"
#include "data/DateValue.h"
#include "logs/frmLogEntry.h"
#include "ui/NotesBox.h"

#include <limits>

using namespace RideTest;

namespace {

// Every character of the code page but the blank and the controls.
QString codePageCharacters()
{
    QString characters;
    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        const char c = char(byte);
        const QString character = Cp1252::decode(&c, 1);
        if (!character.at(0).isNull() && character.at(0).category() != QChar::Other_Control)
            characters += character;
    }
    return characters;
}

// `width` characters of the code page, starting at `first`, with blanks
// between them, and CR LF breaking the lines of notes; neither end is blank.
QString fullText(int width, int first, bool lines = false)
{
    static const QString characters = codePageCharacters();
    QString text;
    int next = first;
    while (text.size() < width) {
        const qsizetype at = text.size();
        if (lines && at % 64 == 62 && at + 2 < width)
            text += QStringLiteral("\r\n");
        else if (at % 9 == 4 && at + 1 < width)
            text += QLatin1Char(' ');
        else
            text += characters.at(next++ % characters.size());
    }
    return text;
}

// Fills every text field but the picture path to its width; the notes start
// with two blanks.
struct FullTexts
{
    int first = 0;
    template<class T> void key(const char *, T &) {}
    template<class T> void date(const char *, T &) {}
    template<class T> void money(const char *, T &) {}
    template<class T> void long32(const char *, T &) {}
    template<class T> void single(const char *, T &) {}
    void text(const char *name, QString &field, int width)
    {
        if (qstrcmp(name, "Notes") == 0)
            field = QStringLiteral("  ") + fullText(width - 2, first += 7, true);
        else if (qstrcmp(name, "PicturePath") != 0)
            field = fullText(width, first += 7);
    }
};

const double Key = 39000.25;
const double July4th1850 = DateValue::fromDateTime(QDate(1850, 7, 4));
const double DayAndTime = 39887.6;
constexpr qint64 MostMoney = std::numeric_limits<qint64>::max();
constexpr qint64 LeastMoney = std::numeric_limits<qint64>::min();

// A record of the ride with every text field full.
template<DataRecord Record>
Record full()
{
    Record record;
    FullTexts texts;
    Record::visitFields(record, texts);
    record.RideKey = Key;
    return record;
}

RideRecord fullRide()
{
    auto ride = full<RideRecord>();
    ride.PurchaseDate = July4th1850;
    ride.SellingDate = DayAndTime;
    ride.PricePaid = MostMoney;
    ride.PriceSold = LeastMoney;
    return ride;
}

ExpenseRecord fullExpense(double date, qint64 cost)
{
    auto entry = full<ExpenseRecord>();
    entry.EntryDate = date;
    entry.Cost = cost;
    return entry;
}

TripRecord fullTrip()
{
    auto entry = full<TripRecord>();
    entry.EntryDate = DayAndTime;
    entry.Miles = std::numeric_limits<qint32>::min();
    return entry;
}

GasRecord fullGas()
{
    auto entry = full<GasRecord>();
    entry.EntryDate = DayAndTime;
    entry.Gallons = 12.345678f;
    entry.Miles = std::numeric_limits<qint32>::max();
    return entry;
}

// The record's bytes with its notes, the last field, replaced by "  new".
QByteArray withNewNotes(QByteArray record, int notesWidth)
{
    const qsizetype notesAt = record.size() - notesWidth;
    return record.replace(notesAt, notesWidth, QByteArray("  new").leftJustified(notesWidth, ' '));
}

// Replaces the notes in the box by "  new", typed.
void typeNewNotes(QPlainTextEdit *notes)
{
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(notes->viewport(), QStringLiteral("  new"));
}

const QStringList logFiles = {QStringLiteral("Maint.Dat"), QStringLiteral("Goody.Dat"), QStringLiteral("Trip.Dat"),
                              QStringLiteral("Gas.Dat")};

} // namespace

class TestUntouchedRecords : public QObject
{
    Q_OBJECT

private slots:
    void everyEditorKeepsTheBytesItWasNotAskedToChange()
    {
        World world;
        writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {fullRide()});
        writeFileOf<ExpenseRecord>(logFiles[0], {fullExpense(DayAndTime, MostMoney)});
        writeFileOf<ExpenseRecord>(logFiles[1], {fullExpense(July4th1850, 123456)}); // $12.3456
        writeFileOf<TripRecord>(logFiles[2], {fullTrip()});
        writeFileOf<GasRecord>(logFiles[3], {fullGas()});
        world.open();
        const MainWindowControls &ui = world.ui();
        const QByteArray ride = DataTest::bytesOf(QStringLiteral("Torqal.Dat"));
        QCOMPARE(world.box(13), QStringLiteral("$922,337,203,685,477.58")); // shown whole
        QCOMPARE(world.box(8), QStringLiteral("07/04/1850"));

        world.click(ui.cmdRideEdit);
        world.click(ui.cmdRideSave);
        QCOMPARE(world.messages.count(), 0);
        QVERIFY(ui.cmdRideEdit->isVisible());
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")), ride);
        world.click(ui.cmdRideEdit);
        ui.MainTab->setCurrentIndex(2);
        typeNewNotes(qobject_cast<QPlainTextEdit *>(ui.txtField[RideFields::RideNotesBox]));
        world.click(ui.cmdRideSave);
        QCOMPARE(DataTest::bytesOf(QStringLiteral("Torqal.Dat")), withNewNotes(ride, RideRecord::NotesWidth));

        for (int k = 1; k <= 4; ++k) {
            const QString file = logFiles[k - 1];
            const QByteArray entry = DataTest::bytesOf(file);
            ui.MainTab->setCurrentIndex(k + 2);
            {
                // Save writes a cost back (Save takes off its "$"); the other
                // logs stay open and are cancelled.
                LogEntryEditorScript untouched([k](frmLogEntry &editor) {
                    if (k == 1)
                        QCOMPARE(editor.fieldText(2), QStringLiteral("$922,337,203,685,477.58"));
                    editor.cmdSave_Click();
                    if (editor.isVisible())
                        editor.cmdCancel_Click();
                });
                world.click(ui.cmdLogEdit[std::size_t(k)]);
                QCOMPARE(untouched.openings, 1);
            }
            QCOMPARE(world.messages.count(), 0);
            QVERIFY2(DataTest::bytesOf(file) == entry, qPrintable(file));
            {
                LogEntryEditorScript notesOnly([](frmLogEntry &editor) {
                    typeNewNotes(editor.notesField());
                    editor.cmdSave_Click();
                });
                world.click(ui.cmdLogEdit[std::size_t(k)]);
            }
            const int notesWidth = k == 4 ? GasRecord::NotesWidth : k == 3 ? TripRecord::NotesWidth : ExpenseRecord::NotesWidth;
            QVERIFY2(DataTest::bytesOf(file) == withNewNotes(entry, notesWidth), qPrintable(file));
        }
    }
};

QTEST_MAIN(TestUntouchedRecords)
#include "test_untouched_records.moc"
