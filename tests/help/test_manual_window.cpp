#include "help/FrmManual.h"
#include "help/HelpTexts.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Counts the F1 presses that reach a key preview of the whole program, as
// the main window's help key has.
class KeyCounter : public QObject
{
public:
    int f1 = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1
            && watched->isWidgetType())
            ++f1;
        return QObject::eventFilter(watched, event);
    }
};

QAction *entry(FrmManual &manual, int index)
{
    return manual.topicMenu()->actions().at(index - 1);
}

QList<int> checkedEntries(FrmManual &manual)
{
    QList<int> checked;
    const QList<QAction *> actions = manual.topicMenu()->actions();
    for (int index = 1; index <= actions.size(); ++index)
        if (actions[index - 1]->isChecked())
            checked << index;
    return checked;
}

} // namespace

class TestManualWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<FrmManual> openManual(int topic, QWidget *owner = nullptr)
    {
        auto manual = std::make_unique<FrmManual>(topic, owner);
        manual->show();
        if (!QTest::qWaitForWindowExposed(manual.get()))
            qFatal("the manual did not appear");
        return manual;
    }

    static QLabel *caption(FrmManual &manual) { return manual.findChild<QLabel *>(QStringLiteral("labelHelpTopic")); }
    static QPlainTextEdit *text(FrmManual &manual)
    {
        return manual.findChild<QPlainTextEdit *>(QStringLiteral("txtManual"));
    }

private slots:
    void opensAtTheGasolineTopicWithItsEntryChecked()
    {
        auto manual = openManual(HelpTopics::forTab(6));
        QCOMPARE(manual->windowTitle(), QStringLiteral(" Torqal - Help Window"));
        QCOMPARE(caption(*manual)->text(), QStringLiteral("Gasoline Usage, Mileage, etc."));
        QCOMPARE(checkedEntries(*manual), QList<int>{9});
        QCOMPARE(text(*manual)->toPlainText(), MessageBox::displayText(helpText(8500)));
        QCOMPARE(manual->topicMenu()->title(), QStringLiteral("Help Topics"));
        QCOMPARE(manual->topicMenu()->actions().size(), 17);
        QVERIFY(entry(*manual, 13)->isSeparator());
    }

    void choosingTheShownTopicAgainKeepsTheScrollPosition()
    {
        auto manual = openManual(3);
        QScrollBar *bar = text(*manual)->verticalScrollBar();
        QVERIFY(bar->maximum() > 10);
        bar->setValue(10);
        entry(*manual, 3)->trigger();
        QCOMPARE(bar->value(), 10);
        QCOMPARE(checkedEntries(*manual), QList<int>{3});

        entry(*manual, 4)->trigger();
        QCOMPARE(caption(*manual)->text(), QStringLiteral("Buying and Selling Info"));
        QCOMPARE(checkedEntries(*manual), QList<int>{4});
        QCOMPARE(bar->value(), 0);
    }

    void aboutTorqalShowsTheAboutBoxAndChangesNothingElse()
    {
        auto manual = openManual(5);
        const QString shown = text(*manual)->toPlainText();
        MessageBox::Script boxes;
        entry(*manual, 11)->trigger();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("About Torqal"));
        QCOMPARE(boxes.last().text, aboutText());
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Information);
        QCOMPARE(manual->currentTopic(), 5);
        QCOMPARE(checkedEntries(*manual), QList<int>{5});
        QCOMPARE(caption(*manual)->text(), QStringLiteral("Miscellaneous Info"));
        QCOMPARE(text(*manual)->toPlainText(), shown);

        entry(*manual, 17)->trigger();
        QCOMPARE(manual->currentTopic(), 5);
        QCOMPARE(boxes.count(), 1);
    }

    void f1OpensTheTopicMenuWhateverHasTheFocus()
    {
        QWidget owner;
        KeyCounter counter;
        qApp->installEventFilter(&counter);
        owner.show();
        auto manual = openManual(1, &owner);
        text(*manual)->setFocus();
        QTest::keyClick(text(*manual), Qt::Key_F1);
        QTRY_VERIFY(manual->topicMenu()->isVisible());
        manual->topicMenu()->hide();
        QTest::keyClick(manual->findChild<QWidget *>(QStringLiteral("cmdReturn")), Qt::Key_F1);
        QTRY_VERIFY(manual->topicMenu()->isVisible());
        manual->topicMenu()->hide();
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.f1, 0);
        QCOMPARE(owner.findChildren<FrmManual *>().size(), 1);
        QVERIFY(manual->isVisible());
    }

    void escClosesTheManualWhateverHasTheFocus()
    {
        for (const char *control : {"txtManual", "cmdHelpTopic", "cmdPrintHelp"}) {
            auto manual = openManual(1);
            QWidget *focus = manual->findChild<QWidget *>(QLatin1String(control));
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
            QTRY_VERIFY2(!manual->isVisible(), control);
        }
    }

    void openRunsModallyUntilClosed()
    {
        bool sawManual = false;
        QTimer::singleShot(0, this, [&] {
            auto *manual = qobject_cast<FrmManual *>(QApplication::activeModalWidget());
            sawManual = manual && manual->currentTopic() == 4;
            if (manual)
                QTest::keyClick(manual, Qt::Key_Escape);
        });
        FrmManual::open(nullptr, 4);
        QVERIFY(sawManual);
    }
};

QTEST_MAIN(TestManualWindow)
#include "test_manual_window.moc"
