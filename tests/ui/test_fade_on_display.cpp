// Fades on a real X display under the GLib event loop (the toolkit's default
// on Linux desktops), with no input at all: the display shows each fade's
// last opacity as soon as the fade is over.

#include "support/PrivateDisplay.h"
#include "ui/WindowFade.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// The opacity (0-255) the display holds for the window, read over a
// connection of its own. Without the property a window is opaque.
int opacityOnDisplay(const QWidget &window)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const QByteArray name = "_NET_WM_WINDOW_OPACITY";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    xcb_get_property_reply_t *property = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, xcb_window_t(window.winId()), atom->atom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    int alpha = 255;
    if (property && xcb_get_property_value_length(property) == 4) {
        const quint32 value = *static_cast<const quint32 *>(xcb_get_property_value(property));
        alpha = int(double(value) * 255.0 / 0xffffffffu);
    }
    std::free(property);
    std::free(atom);
    xcb_disconnect(connection);
    return alpha;
}

// Runs the event loop until the fade's follow-up, or at most ten seconds.
bool fadeEndsByItself(QWidget &window, int start, int end, int step)
{
    QEventLoop loop;
    bool ended = false;
    StartFade(&window, start, end, step, false, [&] {
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return ended;
}

} // namespace

class TestFadeOnDisplay : public QObject
{
    Q_OBJECT

private slots:
    void theDisplayShowsWhereEachFadeEnded()
    {
        QVERIFY(QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib"));
        SetTranslucencyOverride(true);
        QWidget window;
        window.resize(300, 200);
        QVERIFY(SetWindowOpacity(&window, 0, true));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200); // the display's own events have come and gone

        QVERIFY(fadeEndsByItself(window, 0, 255, 20));
        QCOMPARE(opacityOnDisplay(window), 255);
        QVERIFY(fadeEndsByItself(window, 255, 204, 2));
        QCOMPARE(opacityOnDisplay(window), 204);
        QVERIFY(fadeEndsByItself(window, 204, 0, 20));
        QCOMPARE(opacityOnDisplay(window), 0);
    }
};

int main(int argc, char *argv[])
{
    PrivateDisplay display;
    if (!display.started()) {
        qCritical("%s", display.problem.constData());
        return 1;
    }
    qputenv("DISPLAY", display.name);
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("QT_NO_GLIB");
    QApplication application(argc, argv);
    TestFadeOnDisplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fade_on_display.moc"
