#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/LinkOpener.h"
#include "platform/PrintQueues.h"
#include "platform/ScreenSize.h"
#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QImage>
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

    // What the print service's client answers, read in its own words.
    void printServiceAnswers_data()
    {
        using State = PrintQueues::Service::State;
        QTest::addColumn<QString>("lpstat");
        QTest::addColumn<bool>("configured");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("printer");
        QTest::newRow("default printer")
            << QStringLiteral("scheduler is running\nsystem default destination: Office_Laser\n") << true
            << int(State::Ready) << QStringLiteral("Office_Laser");
        QTest::newRow("queues but no default")
            << QStringLiteral("scheduler is running\nno system default destination\n") << true << int(State::NoPrinter)
            << QString();
        QTest::newRow("service stopped") << QStringLiteral("scheduler is not running\n") << true
                                         << int(State::Unreachable) << QString();
        QTest::newRow("no service set up") << QStringLiteral("scheduler is not running\n") << false
                                           << int(State::NoPrinter) << QString();
        QTest::newRow("an error") << QStringLiteral("lpstat: Bad file descriptor\n") << true << int(State::Unreachable)
                                  << QString();
    }

    void printServiceAnswers()
    {
        QFETCH(QString, lpstat);
        QFETCH(bool, configured);
        QFETCH(int, state);
        QFETCH(QString, printer);
        const PrintQueues::Service service = PrintQueues::serviceFromStatus(lpstat, configured);
        QCOMPARE(int(service.state), state);
        QCOMPARE(service.defaultPrinter, printer);
        QCOMPARE(PrintQueues::refusal(QStringLiteral("Office"),
                                      QStringLiteral("lp: Error - The printer or class does not exist.\n")),
                 QStringLiteral("The printer \"Office\" did not accept the printout: The printer or class does not "
                                "exist."));
    }

    // Only a print queue's own no is a refusal: lp that does not answer in
    // time, or ends without an answer, may have queued the job all the same,
    // and is stopped.
    void aPrintJobIsAnsweredByTheClient_data()
    {
        using Answer = PrintQueues::Answer;
        QTest::addColumn<QString>("client");
        QTest::addColumn<int>("patienceMs");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("why");
        QTest::newRow("accepted") << QStringLiteral("exit 0") << 30000 << int(Answer::Accepted) << QString();
        QTest::newRow("refused")
            << QStringLiteral("echo 'lp: Error - Destination \"Office\" is not accepting jobs.' >&2; exit 1") << 30000
            << int(Answer::Refused)
            << QStringLiteral("The printer \"Office\" did not accept the printout: Destination \"Office\" is not "
                              "accepting jobs.");
        QTest::newRow("no answer") << QStringLiteral("exec sleep 60") << 1000 << int(Answer::NotConfirmed)
                                   << QStringLiteral("The print service did not answer within 30 seconds.");
        QTest::newRow("ended without an answer") << QStringLiteral("kill -9 $$") << 30000 << int(Answer::NotConfirmed)
                                                 << QStringLiteral("The print command lp ended without an answer.");
        QTest::newRow("no client") << QString() << 30000 << int(Answer::Refused)
                                   << QStringLiteral("The printout could not be handed to the printer \"Office\": the "
                                                     "print command lp, from the package cups-client, cannot be run.");
    }

    void aPrintJobIsAnsweredByTheClient()
    {
        QFETCH(QString, client);
        QFETCH(int, patienceMs);
        QFETCH(int, answer);
        QFETCH(QString, why);
        QTemporaryDir folder;
        const QString lp = folder.filePath(QStringLiteral("lp"));
        if (!client.isEmpty()) {
            QFile script(lp);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\necho $$ > '%1.pid'\nprintf '%s\\n' \"$@\" > '%1.args'\n%2\n")
                             .arg(lp, client)
                             .toUtf8());
            script.close();
            QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
        }
        PrintQueues::Client seam(lp, std::chrono::milliseconds(patienceMs));
        PrintQueues::Submission job(QStringLiteral("Office"), QStringLiteral("/tmp/job.pdf"),
                                    QStringLiteral("Trips entry"), 2, {QStringLiteral("sides=one-sided")});
        QSignalSpy answered(&job, &PrintQueues::Submission::answered);
        QVERIFY(answered.wait(20000));
        QCOMPARE(answered.at(0).at(0).value<PrintQueues::Answer>(), PrintQueues::Answer(answer));
        QCOMPARE(answered.at(0).at(1).toString(), why);
        if (client.isEmpty())
            return;
        QFile arguments(lp + QStringLiteral(".args"));
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()).split(u'\n', Qt::SkipEmptyParts),
                 QStringList({"-d", "Office", "-t", "Trips entry", "-n", "2", "-o", "collate=true", "-o",
                              "sides=one-sided", "--", "/tmp/job.pdf"}));
        // A client given up is not left running; stopping waiting later
        // changes nothing.
        QFile pid(lp + QStringLiteral(".pid"));
        QVERIFY(pid.open(QIODevice::ReadOnly));
        const QString process = QStringLiteral("/proc/%1").arg(QString::fromUtf8(pid.readAll()).trimmed());
        QTRY_VERIFY(!QFileInfo::exists(process));
        job.cancel();
        QCOMPARE(answered.size(), 1);
    }

    void linkOpenerScriptRecordsTargetsAndCanFail()
    {
        LinkOpener::Script script;
        int failures = 0;
        const QString target = QStringLiteral("mailto:?subject=a b%0D%0A%0D%0Ac");
        LinkOpener::open(target, [&] { ++failures; });
        QCOMPARE(failures, 0);
        script.setFailing(true);
        LinkOpener::open(QStringLiteral("http://www.qorsoftware.example"), [&] { ++failures; });
        QCOMPARE(failures, 1);
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

    void tileBackgroundRepeatsThePictureFromTheTopLeftCorner()
    {
        QImage picture(8, 6, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.setPixel(0, 0, qRgb(255, 0, 0));
        picture.setPixel(7, 5, qRgb(0, 255, 0));

        QWidget window;
        window.resize(50, 31);
        TileBackground(QPixmap::fromImage(picture), &window);
        const QImage shown = window.grab().toImage();
        for (int y = 0; y < 31; y += 6)
            for (int x = 0; x < 50; x += 8) {
                QCOMPARE(QColor(shown.pixel(x, y)), QColor(Qt::red));
                if (x + 7 < 50 && y + 5 < 31)
                    QCOMPARE(QColor(shown.pixel(x + 7, y + 5)), QColor(Qt::green));
            }
        QCOMPARE(QColor(shown.pixel(49, 30)), QColor(Qt::blue));
    }

    void texturesSuitTheirCaptions()
    {
        // White captions go on the carbon, black text on the steel.
        const auto averageGrey = [](const QPixmap &tile) {
            const QImage image = tile.toImage();
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sum += qGray(image.pixel(x, y));
            return sum / (image.width() * image.height());
        };
        QVERIFY(averageGrey(Textures::carbon()) < 70);
        QVERIFY(averageGrey(Textures::brushedSteel()) > 190);
        QCOMPARE(Textures::brushedSteel().toImage(), Textures::brushedSteel().toImage());
    }
};

QTEST_MAIN(TestPlatformServices)
#include "test_platform_services.moc"
