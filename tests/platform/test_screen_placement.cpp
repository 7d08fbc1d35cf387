// Where windows go on screens of every size: the window with its frame always
// lies inside the available area.

#include "platform/ScreenPlacement.h"

#include <QTest>

class TestScreenPlacement : public QObject
{
    Q_OBJECT

private slots:
    void placeWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("placed");

        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("fits, centred") << QSize(600, 400) << QPoint(640, 512) << screen << QRect(337, 296, 608, 434);
        // The main window at a scale factor of 2 on a 1280 x 1024 screen.
        QTest::newRow("wider than the screen")
            << QSize(683, 451) << QPoint(320, 256) << QRect(0, 0, 640, 512) << QRect(0, 14, 640, 485);
        QTest::newRow("larger than the screen") << QSize(2000, 2000) << QPoint(640, 512) << screen << screen;
        QTest::newRow("over the left edge") << QSize(400, 300) << QPoint(100, 512) << screen << QRect(0, 346, 408, 334);
        QTest::newRow("past the bottom right")
            << QSize(400, 300) << QPoint(1250, 1000) << screen << QRect(872, 690, 408, 334);
        QTest::newRow("below a panel at the top")
            << QSize(400, 300) << QPoint(640, 60) << QRect(0, 40, 1280, 984) << QRect(437, 40, 408, 334);
    }

    void placeWindow()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, centre);
        QFETCH(QRect, available);
        QFETCH(QRect, placed);
        const QMargins frame(4, 30, 4, 4);
        QCOMPARE(PlaceWindow(size, centre, frame, available), placed);
    }
};

QTEST_MAIN(TestScreenPlacement)
#include "test_screen_placement.moc"
