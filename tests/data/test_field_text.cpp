#include "data/FieldText.h"

#include <QTest>

using namespace FieldText;

namespace {

// A box's text with "|" where the cursor stands.
Typing typed(const QString &marked)
{
    return {QString(marked).remove(QLatin1Char('|')), marked.indexOf(QLatin1Char('|'))};
}

QString marked(const Typing &typing)
{
    return QString(typing.text).insert(typing.cursor, QLatin1Char('|'));
}

} // namespace

class TestFieldText : public QObject
{
    Q_OBJECT

private slots:
    void boxesTakeWhatTheFieldStores_data()
    {
        QTest::addColumn<bool>("notes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<bool>("cut");

        const QString emoji25 = QString::fromUtf8("😀").repeated(25);
        QTest::newRow("code page text") << false << 25 << "" << "€1½ Škoda ÿ|" << "€1½ Škoda ÿ|" << "" << false;
        QTest::newRow("Cyrillic") << false << 25 << "" << "Жук|" << "|" << "Жук" << false;
        QTest::newRow("arrow amid text") << false << 25 << "ab" << "a→|b" << "a|b" << "→" << false;
        QTest::newRow("emoji fill a field") << false << 25 << "" << emoji25 + "|" << "|" << "😀" << false;
        QTest::newRow("emoji in notes") << true << 976 << "" << "x😀y|" << "xy|" << "😀" << false;
        QTest::newRow("tab and 0x01 dropped") << false << 25 << "" << "a\tb\x01" "c|" << "abc|" << "" << false;
        QTest::newRow("CR LF becomes a blank") << false << 25 << "" << "one\r\ntwo|" << "one two|" << "" << false;
        QTest::newRow("LF becomes a blank") << false << 25 << "" << "one\ntwo|" << "one two|" << "" << false;
        QTest::newRow("paragraph break") << false << 25 << "" << "a\u2029b|" << "a b|" << "" << false;
        QTest::newRow("notes keep breaks, tabs") << true << 976 << "" << "a\n\tb|" << "a\n\tb|" << "" << false;
        QTest::newRow("paste cut at limit") << false << 4 << "" << "12345|" << "1234|" << "" << true;
        QTest::newRow("cut before the cursor") << false << 4 << "ab" << "aXYZ|b" << "aXY|b" << "" << true;
        QTest::newRow("notes break takes two") << true << 5 << "" << "ab\ncd|" << "ab\nc|" << "" << true;
        QTest::newRow("notes break not halved") << true << 5 << "" << "abcd\n|" << "abcd|" << "" << true;
        QTest::newRow("long shown value kept") << false << 10 << "$1,234,567.89" << "$1,234,567.8|"
                                               << "$1,234,567.8|" << "" << false;
        QTest::newRow("long shown value no growth") << false << 10 << "$1,234,567.89" << "$1,234,567.890|"
                                                    << "$1,234,567.89|" << "" << true;
    }
    void boxesTakeWhatTheFieldStores()
    {
        QFETCH(bool, notes);
        QFETCH(int, limit);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const Box box{limit, notes ? Lines::Many : Lines::One};
        const Admitted admitted = admit(before, typed(after), box);
        QTEST(marked(admitted.kept), "kept");
        QTEST(admitted.refused, "refused");
        QTEST(admitted.cut, "cut");
        QCOMPARE(note(admitted, box).isEmpty(), admitted.refused.isEmpty() && !admitted.cut);
    }

    void lineBreaksCountAsStored()
    {
        QCOMPARE(storedLength(u"a\nb", Lines::Many), 4);
        QCOMPARE(storedLength(u"a\nb", Lines::One), 3);
        QCOMPARE(storedLength(QString::fromUtf8("😀😀"), Lines::One), 2);
    }
};

QTEST_APPLESS_MAIN(TestFieldText)
#include "test_field_text.moc"
