#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/LinkOpener.h"
#include "platform/ScreenSize.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <stdexcept>

class TestPlatformServices : public QObject
{
    Q_OBJECT

private slots:
    void fileDialogScriptHandsOutQueuedNamesThenCancels()
    {
        FileDialog::Script script;
        script.choose(QStringLiteral("/pictures/mustang.jpg"));
        script.cancel();
        QCOMPARE(FileDialog::openFile(nullptr), QStringLiteral("/pictures/mustang.jpg"));
        QCOMPARE(FileDialog::openFile(nullptr), QString());
        QCOMPARE(FileDialog::openFile(nullptr), QString());
        QCOMPARE(script.count(), 3);
    }

    void clockCanBeFixedAndReleased()
    {
        const QDateTime moment(QDate(2009, 3, 15), QTime(14, 30));
        {
            Clock::Fixed fixed(moment);
            QCOMPARE(Clock::now(), moment);
            fixed.set(moment.addDays(1));
            QCOMPARE(Clock::now(), moment.addDays(1));
        }
        QVERIFY(qAbs(Clock::now().secsTo(QDateTime::currentDateTime())) < 5);
    }

    void linkOpenerScriptRecordsTargetsAndCanFail()
    {
        LinkOpener::Script script;
        const QString target = QStringLiteral("mailto:?subject=a b%0D%0A%0D%0Ac");
        QVERIFY(LinkOpener::open(target));
        script.setFailing(true);
        QVERIFY(!LinkOpener::open(QStringLiteral("http://www.qorsoftware.example")));
        QCOMPARE(script.targets(), (QList<QString>{target, QStringLiteral("http://www.qorsoftware.example")}));
    }

    void screenSizeCanBePretended()
    {
        const QSize real = ScreenSize::pixels();
        {
            ScreenSize::Pretend pretend({640, 480});
            QCOMPARE(ScreenSize::pixels(), QSize(640, 480));
        }
        QCOMPARE(ScreenSize::pixels(), real);
    }

    void busyPointerIsUndoneOnEveryExitPath()
    {
        QWidget window;
        {
            BusyPointer busy(&window);
            QVERIFY(!window.isEnabled());
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(window.isEnabled());
        QVERIFY(!QApplication::overrideCursor());

        try {
            BusyPointer busy(&window);
            throw std::runtime_error("refused");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(window.isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void busyPointerSurvivesItsWindow()
    {
        auto *window = new QWidget;
        {
            BusyPointer busy(window);
            delete window;
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void twipsConvertAtTheLogicalDpi()
    {
        QCOMPARE(Twips::toPixels(1440, 96), 96);
        QCOMPARE(Twips::toPixels(9870, 96), 658);
        QCOMPARE(Twips::toPixels(4530, 96), 302);
        QCOMPARE(Twips::toPixels(4530, 120), 378);
        QCOMPARE(Twips::toPixels(7, 96), 0);
        QCOMPARE(Twips::toPixels(8, 96), 1);
        QCOMPARE(Twips::fromPixels(302, 96), 4530);
        QCOMPARE(Twips::fromPixels(1000, 120), 12000);
        const double dpi = Twips::logicalDpiX();
        QCOMPARE(Twips::x(1440), int(dpi + 0.5));
        QCOMPARE(Twips::size(1440, 2880), QSize(Twips::x(1440), Twips::y(2880)));
    }
};

QTEST_MAIN(TestPlatformServices)
#include "test_platform_services.moc"
