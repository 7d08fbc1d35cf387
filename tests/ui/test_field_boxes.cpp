#include "ui/FieldBoxes.h"
#include "ui/NotesBox.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

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
        QCOMPARE(box.text(), QStringLiteral(" Beetlex"));
        QVERIFY(notes.notes.last().text.startsWith(QStringLiteral("Not taken: Жук.")));

        // Assistive technology sets the whole text.
        box.setText(QStringLiteral("one\r\ntwo"));
        QCOMPARE(box.text(), QStringLiteral("one two"));
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
