// Window fades driven tick by tick.

#include "platform/Settings.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QCloseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

int alphaOf(const QWidget &window)
{
    return qRound(window.windowOpacity() * 255);
}

// Ticks the window's fade to its end; returns the opacities it showed.
QList<int> runFade(QWidget &window)
{
    QList<int> shown;
    WindowFader *fader = WindowFader::of(&window);
    while (fader && fader->running() && shown.size() < 1000) {
        fader->tick();
        shown << fader->current();
    }
    return shown;
}

class ClosingWindow : public QWidget
{
public:
    bool closedByFade = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        closedByFade = ClosingByFade(this);
        QWidget::closeEvent(event);
    }
};

} // namespace

class TestWindowFade : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void init()
    {
        const QString file = folder.filePath(QStringLiteral("settings.ini"));
        QFile::remove(file);
        Settings::useFile(file);
        SetTranslucencyOverride(true);
    }

    void cleanup()
    {
        SetTranslucencyOverride(std::nullopt);
    }

    void theOffscreenPlatformShowsNoTranslucency()
    {
        SetTranslucencyOverride(std::nullopt);
        QVERIFY(!TranslucencySupported());
        QWidget window;
        QVERIFY(!SetWindowOpacity(&window, 0, true));
        QCOMPARE(alphaOf(window), 255);
    }

    void opacityFollowsTheSettingUnlessForced()
    {
        QWidget window;
        QVERIFY(!SetWindowOpacity(&window, 0, false));   // no "FadeStatus": off
        QCOMPARE(alphaOf(window), 255);
        QVERIFY(SetWindowOpacity(&window, 0, true));
        QCOMPARE(alphaOf(window), 0);
        QVERIFY(SetWindowOpacity(&window, 204, true));
        QCOMPARE(alphaOf(window), 204);
        Settings::setFadeStatus(true);
        QVERIFY(SetWindowOpacity(&window, 100, false));
        QCOMPARE(alphaOf(window), 100);
        SetTranslucencyOverride(false);
        QVERIFY(!SetWindowOpacity(&window, 255, false));
        QCOMPARE(alphaOf(window), 100);
    }

    void thePaceOfEachFade()
    {
        QWidget window;
        StartFade(&window, 0, 255, 20, false);
        QList<int> expected;
        for (int a = 20; a <= 240; a += 20)
            expected << a;
        expected << 255;
        QCOMPARE(runFade(window), expected);
        QCOMPARE(alphaOf(window), 255);

        StartFade(&window, 0, 255, 10, false);
        QCOMPARE(runFade(window).size(), 26);
        StartFade(&window, 255, 0, 20, false);
        const QList<int> out = runFade(window);
        QCOMPARE(out.size(), 13);
        QCOMPARE(out.first(), 235);
        QCOMPARE(out.at(11), 15);
        QCOMPARE(out.last(), 0);
        StartFade(&window, 255, 204, 2, false);
        QCOMPARE(runFade(window).size(), 26);
        QCOMPARE(alphaOf(window), 204);
        StartFade(&window, 204, 255, 3, false);
        QCOMPARE(runFade(window).size(), 17);
    }

    void aFadeToItsOwnStartEndsOnTheFirstTick()
    {
        QWidget window;
        StartFade(&window, 128, 128, 20, false);
        QCOMPARE(runFade(window), QList<int>({128}));
    }

    void theWindowTakesNoInputWhileItFades()
    {
        QWidget window;
        auto *button = new QorButton(&window);
        button->setCaption(QStringLiteral("&Go"));
        button->setGeometry(10, 10, 80, 30);
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int clicks = 0;
        connect(button, &QorButton::Click, this, [&] { ++clicks; });
        int keys = 0;
        connect(button, &QorButton::KeyDown, this, [&] { ++keys; });
        auto tryEverything = [&] {
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
            QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
            QTest::keyClick(button, Qt::Key_Space);
        };

        StartFade(&window, 0, 255, 20, false);
        tryEverything();                             // from the start, before the first tick
        WindowFader::of(&window)->tick();
        tryEverything();
        QCOMPARE(clicks, 0);
        QCOMPARE(keys, 0);
        QTest::keyClick(button, Qt::Key_A);
        QCOMPARE(keys, 0);
        QVERIFY(window.isEnabled() && button->isEnabled());   // nothing greys meanwhile
        runFade(window);
        QVERIFY(!FadeRunning(&window));
        tryEverything();
        QCOMPARE(clicks, 3);
        QVERIFY(window.isVisible());
    }

    void aClosingFadeClosesAndThenFollowsUp()
    {
        ClosingWindow window;
        window.show();
        QStringList steps;
        StartFade(&window, 255, 0, 20, true, [&] {
            steps << (window.isVisible() ? QStringLiteral("follow-up while open") : QStringLiteral("follow-up after close"));
        });
        QCOMPARE(runFade(window).size(), 13);
        QVERIFY(!window.isVisible());
        QVERIFY(window.closedByFade);
        QCOMPARE(steps, QStringList({"follow-up after close"}));
        QVERIFY(!ClosingByFade(&window));
    }

    void aNewFadeReplacesTheRunningOne()
    {
        QWidget window;
        window.show();
        StartFade(&window, 0, 255, 20, false);
        WindowFader::of(&window)->tick();
        WindowFader::of(&window)->tick();
        QCOMPARE(alphaOf(window), 40);
        bool followedUp = false;
        StartFade(&window, 255, 0, 20, true, [&] { followedUp = true; });
        WindowFader::of(&window)->tick();
        QCOMPARE(alphaOf(window), 235);                  // from 255 at once
        QCOMPARE(runFade(window).size(), 12);
        QVERIFY(followedUp);
        // The replaced fade's follow-up is not run by a later fade.
        followedUp = false;
        StartFade(&window, 0, 255, 20, false);
        runFade(window);
        QVERIFY(!followedUp);
    }
};

QTEST_MAIN(TestWindowFade)
#include "test_window_fade.moc"
