#include "platform/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs check on the modal box as soon as it is open, then presses key on it.
static void whenBoxOpens(const std::function<void(QMessageBox *)> &check, Qt::Key key)
{
    QTimer::singleShot(0, [check, key] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        check(box);
        QTest::keyClick(box, key);
    });
}

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void scriptRecordsEveryRequestAndAnswersInOrder()
    {
        MessageBox::Script script;
        script.answer(MessageBox::Button::No);
        script.answer(MessageBox::Button::Yes);

        const QString text = QStringLiteral("Are you SURE you want to\r\ndelete the hightlighted entry?");
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral(" Confirm Deletion"), text, MessageBox::Button::No),
                 MessageBox::Button::No);
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Confirm"), QStringLiteral("Quit?"), MessageBox::Button::Yes),
                 MessageBox::Button::Yes);
        MessageBox::tell(nullptr, QStringLiteral("Error"), QStringLiteral("Oops"), MessageBox::Icon::Critical);

        QCOMPARE(script.count(), 3);
        const MessageBox::Request first = script.requests().first();
        QCOMPARE(first.title, QStringLiteral(" Confirm Deletion"));
        QCOMPARE(first.text, text);
        QCOMPARE(first.icon, MessageBox::Icon::Question);
        QCOMPARE(first.buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(first.defaultButton, MessageBox::Button::No);
        QCOMPARE(script.last().icon, MessageBox::Icon::Critical);
        QCOMPARE(script.last().buttons, MessageBox::Buttons::Ok);
    }

    void scriptWithoutAnswersTakesTheDefaultButton()
    {
        MessageBox::Script script;
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Confirm"), QStringLiteral("Sure?"), MessageBox::Button::No),
                 MessageBox::Button::No);
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Confirm"), QStringLiteral("Sure?"), MessageBox::Button::Yes),
                 MessageBox::Button::Yes);
    }

    void displayTurnsEachCrLfIntoOneLineBreak()
    {
        QCOMPARE(MessageBox::displayText(QStringLiteral("a\r\n\r\nb\r\nc")), QStringLiteral("a\n\nb\nc"));
    }

    void realBoxShowsPlainTextWithLineBreaksAndHonoursTheDefault()
    {
        const QString text = QStringLiteral("select <Properties>, then\r\n<Settings>");
        whenBoxOpens(
            [](QMessageBox *box) {
                QCOMPARE(box->windowTitle(), QStringLiteral("Confirm"));
                QCOMPARE(box->text(), QStringLiteral("select <Properties>, then\n<Settings>"));
                QCOMPARE(box->textFormat(), Qt::PlainText);
                QCOMPARE(box->icon(), QMessageBox::Question);
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            },
            Qt::Key_Return);
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Confirm"), text, MessageBox::Button::No),
                 MessageBox::Button::No);

        whenBoxOpens([](QMessageBox *box) { QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes)); },
                     Qt::Key_Return);
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Confirm"), text, MessageBox::Button::Yes),
                 MessageBox::Button::Yes);
    }

    void escapeOnAYesNoBoxAnswersNo()
    {
        whenBoxOpens([](QMessageBox *) {}, Qt::Key_Escape);
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Confirm"), QStringLiteral("Sure?"), MessageBox::Button::Yes),
                 MessageBox::Button::No);
    }

    void realOkBoxHasOneButtonAndTheIcon()
    {
        whenBoxOpens(
            [](QMessageBox *box) {
                QCOMPARE(box->buttons().size(), 1);
                QCOMPARE(box->icon(), QMessageBox::Warning);
            },
            Qt::Key_Return);
        MessageBox::tell(nullptr, QStringLiteral("Careful"), QStringLiteral("Watch out"), MessageBox::Icon::Warning);
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
