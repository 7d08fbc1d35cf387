// The button's events and states from synthetic mouse and key input.

#include "ButtonTestSupport.h"

#include "ui/WindowFade.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QKeySequence>
#include <QKeyEvent>
#include <QStringList>
#include <QTest>

namespace {

enum class Obstacle { ButtonDisabled, WindowDisabled, Modal, Fade };

// Records the events a button raises, in order, with their arguments.
class EventLog : public QObject
{
public:
    explicit EventLog(QorButton *b)
    {
        auto mouse = [this](const char *name) {
            return [this, name](short button, short shift, float x, float y) {
                events << QStringLiteral("%1(%2,%3,%4,%5)").arg(QLatin1String(name)).arg(button).arg(shift).arg(x).arg(y);
            };
        };
        connect(b, &QorButton::Click, this, [this] { events << QStringLiteral("Click"); });
        connect(b, &QorButton::MouseDown, this, mouse("MouseDown"));
        connect(b, &QorButton::MouseMove, this, mouse("MouseMove"));
        connect(b, &QorButton::MouseUp, this, mouse("MouseUp"));
        connect(b, &QorButton::KeyPress, this, [this](short c) { events << QStringLiteral("KeyPress(%1)").arg(c); });
        connect(b, &QorButton::KeyDown, this,
                [this](short c, short s) { events << QStringLiteral("KeyDown(%1,%2)").arg(c).arg(s); });
        connect(b, &QorButton::KeyUp, this,
                [this](short c, short s) { events << QStringLiteral("KeyUp(%1,%2)").arg(c).arg(s); });
        connect(b, &QorButton::MouseOver, this, [this] { events << QStringLiteral("MouseOver"); });
        connect(b, &QorButton::MouseIn, this, [this] { events << QStringLiteral("MouseIn"); });
        connect(b, &QorButton::MouseOut, this, [this] { events << QStringLiteral("MouseOut"); });
    }
    QStringList take()
    {
        QStringList result = events;
        events.clear();
        return result;
    }
    QStringList events;
};

void press(QorButton *b, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(b, QEvent::MouseButtonPress, at, button, button);
}

void release(QorButton *b, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(b, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void key(QorButton *b, QEvent::Type type, int qtKey, const QString &text = {})
{
    QKeyEvent event(type, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(b, &event);
}

} // namespace

class TestButtonEvents : public QObject
{
    Q_OBJECT

    QWidget *window = nullptr;
    QorButton *b = nullptr;
    QImage normalLook;
    QImage hoverLook;
    QImage pressedLook;       // pressed while hovered: BackOver colours
    QImage plainPressedLook;  // pressed without hover (space bar, checked toggle)

private slots:
    void init()
    {
        window = new QWidget;
        b = placeButton(*window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        b->setBackOver(0xFF8080);
        showWindow(*window);
        normalLook = b->surface();
        press(b, QPoint(40, 14));
        plainPressedLook = b->surface();
        release(b, QPoint(40, 14));
        moveTo(b, QPoint(40, 14));
        hoverLook = b->surface();
        press(b, QPoint(40, 14));
        pressedLook = b->surface();
        release(b, QPoint(40, 14));
        leave(b);
        QCOMPARE(b->surface(), normalLook);
        QVERIFY(hoverLook != normalLook && pressedLook != hoverLook && plainPressedLook != pressedLook);
    }

    void cleanup()
    {
        delete window;
    }

    void hoverRaisesMouseInThenMouseOverAndLeavingMouseOut()
    {
        EventLog log(b);
        moveTo(b, QPoint(10, 10));
        QCOMPARE(log.take(), QStringList({"MouseMove(0,0,10,10)", "MouseIn", "MouseOver"}));
        QCOMPARE(b->surface(), hoverLook);
        moveTo(b, QPoint(12, 10));
        QCOMPARE(log.take(), QStringList({"MouseMove(0,0,12,10)"}));
        leave(b);
        QCOMPARE(log.take(), QStringList({"MouseOut"}));
        QCOMPARE(b->surface(), normalLook);
        leave(b);  // nothing runs once the pointer is away
        QCOMPARE(log.take(), QStringList());
    }

    void leftClickRaisesDownUpClick()
    {
        EventLog log(b);
        moveTo(b, QPoint(10, 10));
        log.take();
        press(b, QPoint(10, 10));
        QCOMPARE(b->surface(), pressedLook);
        release(b, QPoint(10, 10));
        QCOMPARE(log.take(), QStringList({"MouseDown(1,0,10,10)", "MouseUp(1,0,10,10)", "Click"}));
        QCOMPARE(b->surface(), hoverLook);
    }

    void rightClickNeitherPressesNorClicks()
    {
        EventLog log(b);
        moveTo(b, QPoint(10, 10));
        log.take();
        const QImage before = b->surface();
        press(b, QPoint(10, 10), Qt::RightButton);
        QCOMPARE(b->surface(), before);
        release(b, QPoint(10, 10), Qt::RightButton);
        QCOMPARE(log.take(), QStringList({"MouseDown(2,0,10,10)", "MouseUp(2,0,10,10)"}));
    }

    void draggingOffAndBackAndReleasingOutside()
    {
        EventLog log(b);
        moveTo(b, QPoint(10, 10));
        press(b, QPoint(10, 10));
        log.take();
        moveTo(b, QPoint(120, 10), Qt::LeftButton);
        QCOMPARE(log.take(), QStringList({"MouseMove(1,0,120,10)", "MouseOut"}));
        QCOMPARE(b->surface(), normalLook);
        moveTo(b, QPoint(20, 10), Qt::LeftButton);
        QCOMPARE(log.take(), QStringList({"MouseMove(1,0,20,10)", "MouseIn"}));
        QCOMPARE(b->surface(), pressedLook);
        moveTo(b, QPoint(-5, 10), Qt::LeftButton);
        QCOMPARE(b->surface(), normalLook);
        release(b, QPoint(-5, 10));
        QCOMPARE(log.take(), QStringList({"MouseMove(1,0,-5,10)", "MouseUp(1,0,-5,10)"}));
    }

    void checkBoxBehaviourTogglesAndStaysPressed()
    {
        b->setCheckBoxBehaviour(true);
        EventLog log(b);
        moveTo(b, QPoint(10, 10));
        press(b, QPoint(10, 10));
        release(b, QPoint(10, 10));
        QVERIFY(b->value());
        QCOMPARE(b->surface(), pressedLook);
        leave(b);
        QCOMPARE(b->surface(), plainPressedLook);   // a checked toggle always looks pressed
        press(b, QPoint(10, 10), Qt::RightButton);
        release(b, QPoint(10, 10), Qt::RightButton);
        QVERIFY(b->value());
        press(b, QPoint(10, 10));
        release(b, QPoint(10, 10));
        QVERIFY(!b->value());
        QCOMPARE(log.events.count(QStringLiteral("Click")), 2);
        // Setting Value raises no Click.
        b->setValue(true);
        QCOMPARE(b->surface(), plainPressedLook);
        QCOMPARE(log.events.count(QStringLiteral("Click")), 2);
    }

    void valueWithoutCheckBoxBehaviourKeepsTheLook()
    {
        const int draws = b->drawCount();
        b->setValue(true);
        QVERIFY(b->value());
        QCOMPARE(b->drawCount(), draws);
        QCOMPARE(b->surface(), normalLook);
    }

    void doubleClickClicksOnce()
    {
        EventLog log(b);
        moveTo(b, QPoint(10, 10));
        log.take();
        press(b, QPoint(10, 10));
        release(b, QPoint(10, 10));
        press(b, QPoint(10, 10));
        sendMouse(b, QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(b->surface(), pressedLook);
        release(b, QPoint(10, 10));
        QCOMPARE(log.take(), QStringList({"MouseDown(1,0,10,10)", "MouseUp(1,0,10,10)", "Click",
                                          "MouseDown(1,0,10,10)", "MouseUp(1,0,10,10)"}));
    }

    void spaceBarAndEnterClick()
    {
        EventLog log(b);
        key(b, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
        QCOMPARE(b->surface(), plainPressedLook);
        key(b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
        QCOMPARE(log.take(), QStringList({"KeyDown(32,0)", "KeyPress(32)", "KeyUp(32,0)", "Click"}));
        QCOMPARE(b->surface(), normalLook);
        key(b, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
        key(b, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(log.take(), QStringList({"KeyDown(13,0)", "KeyPress(13)", "Click", "KeyUp(13,0)"}));
        // A space released after another key went down does not click.
        key(b, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
        key(b, QEvent::KeyPress, Qt::Key_A, QStringLiteral("a"));
        key(b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
        QVERIFY(!log.take().contains(QStringLiteral("Click")));
    }

    void accessKeysFollowTheCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QChar>("expected");
        QTest::newRow("first letter") << "&Print" << QChar('p');
        QTest::newRow("inside") << "Help &Topics" << QChar('t');
        QTest::newRow("doubled only") << "A&&B" << QChar();
        QTest::newRow("doubled then marked") << "A&&B &Cancel" << QChar('c');
        QTest::newRow("doubled then doubled") << "A&&B&&C" << QChar();
        QTest::newRow("ampersand alone") << "&" << QChar();
        QTest::newRow("ampersand last") << "Go&" << QChar();
        QTest::newRow("over two lines") << "&Return\r\n<Esc>" << QChar('r');
        QTest::newRow("none") << "Plain" << QChar();
    }

    void accessKeysFollowTheCaption()
    {
        QFETCH(QString, caption);
        QFETCH(QChar, expected);
        b->setCaption(caption);
        QCOMPARE(b->accessKey(), expected);
    }

    void accessKeyClicksWithAltAndTheLetter()
    {
        b->setCaption(QStringLiteral("&Print"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        EventLog log(b);
        QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(log.events.count(QStringLiteral("Click")), 1);
        b->setEnabled(false);
        QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(log.events.count(QStringLiteral("Click")), 1);
        b->setEnabled(true);
        b->setCaption(QStringLiteral("Print"));
        QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(log.events.count(QStringLiteral("Click")), 1);
    }

    void realMouseRoutingReachesTheButton()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        EventLog log(b);
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));
        QCOMPARE(log.events.count(QStringLiteral("Click")), 1);
        QVERIFY(log.events.contains(QStringLiteral("MouseDown(1,0,30,10)")));
    }

    void realPointerMovesHoverAndLeave()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        EventLog log(b);
        QTest::mouseMove(b, QPoint(20, 10));
        QCOMPARE(log.take(), QStringList({"MouseMove(0,0,20,10)", "MouseIn", "MouseOver"}));
        QTest::mouseMove(window, QPoint(200, 100));
        QCOMPARE(log.take(), QStringList({"MouseOut"}));
        QVERIFY(!b->hovering());
    }

    void namedByTheGivenNameTheCaptionOrTheHoverText()
    {
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(b);
        QCOMPARE(button->role(), QAccessible::PushButton);
        b->setToolTip(QStringLiteral(" Enter a new 'ride' to your database "));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Enter a new 'ride' to your database"));
        QCOMPARE(button->text(QAccessible::Description), QStringLiteral("Enter a new 'ride' to your database"));
        b->setCaption(QStringLiteral("&Continue"));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Continue"));
        QCOMPARE(button->text(QAccessible::Accelerator), QKeySequence(QStringLiteral("Alt+C")).toString(QKeySequence::NativeText));
        b->setCaption(QStringLiteral("Help Topics\r\n<F1>"));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Help Topics <F1>"));
        b->setCaption(QString());
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Enter a new 'ride' to your database"));
        // A longer name the program gives outlasts the caption a layout loads.
        b->setAccessibleName(QStringLiteral("Add a reminder"));
        b->setCaption(QStringLiteral("&Add..."));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Add a reminder"));
        b->setAccessibleName(QString());
    }

    // Press clicks as the space bar does.
    void pressActionClicksAsTheSpaceBarDoes()
    {
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(b);
        const auto pressButton = [button] {
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        EventLog log(b);
        pressButton();
        QCOMPARE(log.take(), QStringList({"Click"}));
        QCOMPARE(b->surface(), normalLook);

        b->setCheckBoxBehaviour(true);
        pressButton();
        QVERIFY(b->value());
        QVERIFY(button->state().checkable && button->state().checked);
    }

    // Press acts only where the keyboard and the mouse reach: not on a
    // disabled button or window, not behind a modal window (the entry editor
    // over the main window, where its buttons are), not while the window
    // fades.
    void pressActionOnlyWhereInputReaches_data()
    {
        QTest::addColumn<int>("obstacle");
        QTest::newRow("button disabled") << int(Obstacle::ButtonDisabled);
        QTest::newRow("window disabled") << int(Obstacle::WindowDisabled);
        QTest::newRow("behind a modal window") << int(Obstacle::Modal);
        QTest::newRow("window fading") << int(Obstacle::Fade);
    }
    void pressActionOnlyWhereInputReaches()
    {
        QFETCH(int, obstacle);
        QDialog modal(window);
        QorButton *inModal = placeButton(modal, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        switch (Obstacle(obstacle)) {
        case Obstacle::ButtonDisabled: b->setEnabled(false); break;
        case Obstacle::WindowDisabled: window->setEnabled(false); break;
        case Obstacle::Modal:
            modal.setModal(true);
            modal.show();
            break;
        case Obstacle::Fade: StartFade(window, 255, 204, 2, false); break;
        }
        const auto pressButton = [](QorButton *pressed) {
            QAccessible::queryAccessibleInterface(pressed)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        };
        EventLog log(b);
        EventLog modalLog(inModal);
        QVERIFY(QAccessible::queryAccessibleInterface(b)->state().disabled);
        pressButton(b);
        QCOMPARE(log.take(), QStringList());
        if (modal.isVisible()) {
            pressButton(inModal);
            QCOMPARE(modalLog.take(), QStringList({"Click"}));
        }
    }

    void statesFollowTheButton()
    {
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(b);
        QVERIFY(button->state().focusable && !button->state().focused && !button->state().pressed);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        b->setFocus();
        QVERIFY(button->state().focused);
        press(b, QPoint(40, 14));
        QVERIFY(button->state().pressed);
        release(b, QPoint(40, 14));
        QVERIFY(!button->state().pressed);
        QVERIFY(!button->state().hasPopup);
        b->setOpensMenu(true);
        QCOMPARE(button->role(), QAccessible::ButtonMenu);
        QVERIFY(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    }

    void enabledFlagStopsClicks()
    {
        EventLog log(b);
        b->setEnabled(false);
        QVERIFY(!b->buttonEnabled());
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));
        QVERIFY(!log.events.contains(QStringLiteral("Click")));
    }
};

QTEST_MAIN(TestButtonEvents)
#include "test_button_events.moc"
