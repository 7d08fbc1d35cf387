#include "ui/FieldBoxes.h"
#include "ui/NotesBox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// The Make box of a ride, holding "Subaru"; its notes are recorded.
struct MakeBox
{
    MakeBox()
    {
        FieldBoxes::limitOneLine(&box, 20);
        FieldBoxes::setText(&box, QStringLiteral("Subaru"));
        box.show();
    }
    FieldBoxes::NoteScript notes;
    QLineEdit box;
};

} // namespace

// The boxes put the rules of what a field stores to work on every way text
// comes in; the rules themselves are tested with FieldText.
class TestFieldBoxes : public QObject
{
    Q_OBJECT

private slots:
    void oneLineBoxesTakeWhatTheFieldStores()
    {
        FieldBoxes::NoteScript notes;
        QLineEdit box;
        FieldBoxes::limitOneLine(&box, 10);
        box.show();

        QTest::keyClicks(&box, QStringLiteral("abcdefghijkl"));
        QCOMPARE(box.text(), QStringLiteral("abcdefghij"));
        QCOMPARE(notes.notes.size(), 2);
        QCOMPARE(notes.notes.last().text, QStringLiteral("This box holds at most 10 characters."));

        box.clear();
        QApplication::clipboard()->setText(QStringLiteral("Жук Beetle\tx"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(box.text(), QStringLiteral(" Beetlex"));
        QVERIFY(notes.notes.last().text.startsWith(QStringLiteral("Not taken: Жук.")));

        // Assistive technology sets the whole text.
        box.setText(QStringLiteral("one\r\ntwo"));
        QCOMPARE(box.text(), QStringLiteral("one two"));
    }

    // Make holds "Subaru", selected as the box selects it on focus.
    void aRefusedCharacterNeverErasesText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("refused");
        QTest::newRow("typed") << "Ж" << QString() << "Subaru" << "Ж";
        QTest::newRow("pasted") << QString() << "Жук😀" << "Subaru" << "Жук😀";
        QTest::newRow("pasted in part") << QString() << "Жук Beetle" << " Beetle" << "Жук";
    }

    void aRefusedCharacterNeverErasesText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(QString, refused);
        MakeBox make;
        QLineEdit &box = make.box;
        box.selectAll();
        if (!typed.isEmpty()) {
            // A letter of a keyboard layout that QTest cannot name.
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(&box, &key);
        }
        QApplication::clipboard()->setText(pasted);
        if (!pasted.isEmpty())
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(box.text(), shown);
        if (shown == QStringLiteral("Subaru"))
            QCOMPARE(box.selectedText(), shown);
        QVERIFY(make.notes.notes.last().text.startsWith(QStringLiteral("Not taken: %1.").arg(refused)));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("Subaru"));
    }

    void assistiveTechnologyNeverEmptiesABox_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        enum { Set, Replace, Insert };
        QTest::newRow("set, nothing taken") << int(Set) << QString(25, QChar(0x263A)) << "Subaru";
        QTest::newRow("set, taken in part") << int(Set) << "Sub😀aru 2" << "Subaru 2";
        QTest::newRow("set empty") << int(Set) << QString() << QString();
        QTest::newRow("replaced, nothing taken") << int(Replace) << "😀😀" << "Subaru";
        QTest::newRow("inserted in part") << int(Insert) << "Ж!" << "Subaru!";
    }

    void assistiveTechnologyNeverEmptiesABox()
    {
        QFETCH(int, how);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        MakeBox make;
        QLineEdit &box = make.box;
        QAccessibleInterface *element = QAccessible::queryAccessibleInterface(&box);
        if (how == 0)
            element->setText(QAccessible::Value, text);
        else if (how == 1)
            element->editableTextInterface()->replaceText(0, 6, text);
        else
            element->editableTextInterface()->insertText(6, text);
        QCOMPARE(box.text(), shown);
        QCOMPARE(element->text(QAccessible::Value), shown);
        QCOMPARE(make.notes.notes.isEmpty(), text.isEmpty());
    }

    // The note is shown inside the window, an alert named by its text for
    // assistive technology (the events that announce it need a screen reader).
    void theNoteIsShownInTheWindow()
    {
        QWidget window;
        window.resize(200, 60);
        auto *box = new QLineEdit(&window);
        box->setGeometry(150, 30, 40, 24);
        FieldBoxes::limitOneLine(box, 10);
        window.show();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("Ж"));
        QApplication::sendEvent(box, &key);
        QLabel *note = FieldBoxes::noteOf(&window);
        QVERIFY(note && note->isVisible());
        QVERIFY(note->text().startsWith(QStringLiteral("Not taken: Ж.")));
        QAccessibleInterface *announced = QAccessible::queryAccessibleInterface(note);
        QCOMPARE(announced->role(), QAccessible::AlertMessage);
        QCOMPARE(announced->text(QAccessible::Name), note->text());
        QVERIFY(window.rect().contains(note->geometry()));
    }

    void theProgramsTextIsShownWholeAndGrowsNoFurther()
    {
        QLineEdit box;
        FieldBoxes::limitOneLine(&box, 10);
        FieldBoxes::setText(&box, QStringLiteral("$1,234,567.89"));
        QCOMPARE(box.text(), QStringLiteral("$1,234,567.89"));
        box.show();
        box.end(false);
        QTest::keyClicks(&box, QStringLiteral("0"));
        QCOMPARE(box.text(), QStringLiteral("$1,234,567.89"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("$1,234,567.8"));
    }

    void notesCountLineBreaksAsStoredAndKeepEveryCharacter()
    {
        FieldBoxes::NoteScript notes;
        NotesBox box(5);
        box.show();
        QTest::keyClicks(&box, QStringLiteral("ab"));
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, QStringLiteral("cdef"));
        QCOMPARE(box.storedText(), QStringLiteral("ab\r\nc"));
        QCOMPARE(notes.notes.size(), 3);

        box.setMaxLength(976);
        const QString stored = QStringLiteral("no-break\u00A0blank\r\n\r\n\tand a tab ");
        box.setStoredText(stored);
        QCOMPARE(box.storedText(), stored);

        box.moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(QStringLiteral("x😀y\r\n"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.storedText(), stored + QStringLiteral("xy\r\n"));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.storedText(), stored);

        // Changed another way, the box takes back what the field cannot hold.
        box.insertPlainText(QStringLiteral("Жук"));
        QCOMPARE(box.storedText(), stored);
    }
};

QTEST_MAIN(TestFieldBoxes)
#include "test_field_boxes.moc"
