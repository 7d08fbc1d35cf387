#include "Version.h"
#include "app/LinkLabel.h"
#include "app/StartTexts.h"
#include "app/StartUp.h"
#include "app/frmNewUser.h"
#include "app/frmTitlePage.h"
#include "data/RecordFile.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"
#include "platform/ScreenSize.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "ride/frmMain.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs handle on the modal window that opens next, if one opens; reports
// through seen whether one did.
void whenModalOpens(bool &seen, const std::function<void(QWidget *)> &handle)
{
    seen = false;
    QTimer::singleShot(0, [&seen, handle] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            seen = true;
            handle(modal);
        }
    });
}

void continueOverview(QWidget *modal, bool dontShowAgain)
{
    auto *overview = qobject_cast<frmNewUser *>(modal);
    QVERIFY(overview);
    overview->findChild<QCheckBox *>(QStringLiteral("chk"))->setChecked(dontShowAgain);
    overview->findChild<QorButton *>(QStringLiteral("cmdContinue"))->Click();
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QString startFolder = QDir::currentPath();
    QPointer<frmTitlePage> title;
    QPointer<frmMain> main;

    // The main window opens on a folder with one ride on file, so that it
    // has no message of its own to show.
    void enterFolderWithOneRide()
    {
        QVERIFY(QDir::setCurrent(home.path()));
        RecordFile<RideRecord> rides(DataFileKind::Rides);
        QVERIFY(OpenRecordFile(rides));
        if (rides.count() == 0) {
            rides.buffer.RideKey = 39000.5;
            rides.buffer.Year = QStringLiteral("1998");
            rides.buffer.Make = QStringLiteral("Honda");
            rides.buffer.Model = QStringLiteral("Civic");
            QVERIFY(WriteRecord(rides, 1));
        }
        QVERIFY(CloseRecordFile(rides));
    }

    // Continues from a fresh title window; the overview, if it opens, is
    // answered with dontShowAgain. Returns whether it opened.
    bool continueFromTitle(bool dontShowAgain)
    {
        enterFolderWithOneRide();
        title = new frmTitlePage;
        title->show();
        bool overviewShown = false;
        whenModalOpens(overviewShown, [dontShowAgain](QWidget *modal) { continueOverview(modal, dontShowAgain); });
        title->cmdContinue_Click();
        main = title->mainWindow();
        return overviewShown;
    }

private slots:
    void initTestCase()
    {
        ConfigureApplication();
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("runtime"))));
    }

    void init()
    {
        const QString file = home.filePath(QStringLiteral("settings.ini"));
        QFile::remove(file);
        Settings::useFile(file);
    }

    void cleanup()
    {
        delete title;
        delete main;
        QDir::setCurrent(startFolder);
    }

    void aSecondStartIsRefused()
    {
        SingleInstance first;
        QVERIFY(first.acquire());

        MessageBox::Script boxes;
        SingleInstance second;
        QVERIFY(!StartProgram(second));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Terminating..."));
        QCOMPARE(boxes.last().text, QStringLiteral("Torqal is already loaded\r\nand running on your computer!"));
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QCOMPARE(boxes.last().buttons, MessageBox::Buttons::Ok);
        QCOMPARE(QDir::currentPath(), startFolder); // went no further
        QVERIFY(first.acquire());                   // the first keeps running
    }

    void theFirstStartShowsTheTitleWindowInTheDataFolder()
    {
        MessageBox::Script boxes;
        SingleInstance instance;
        title = StartProgram(instance);
        QVERIFY(title);
        QVERIFY(title->isVisible());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(QDir::currentPath(), home.filePath(QStringLiteral("data/Torqal")));

        QCOMPARE(title->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Torqal"));
        QCOMPARE(title->findChild<QLabel *>(QStringLiteral("lblDescription"))->text(),
                 QStringLiteral("Vehicle Information/ Inventory Management"));
        QCOMPARE(title->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 StartTexts::versionText(TorqalVersionMajor, TorqalVersionMinor, TorqalVersionRevision));
        QCOMPARE(title->findChild<QLabel *>(QStringLiteral("lblMaker"))->text(), QStringLiteral("Qor Software"));
        QCOMPARE(title->findChild<QorButton *>(QStringLiteral("cmdContinue"))->caption(), QStringLiteral("&Continue"));
        QString error;
        QVERIFY2(LoadButtonLayout(title, QStringLiteral("frmTitlePage"), &error), qPrintable(error));
    }

    void aDataFolderThatCannotBeMadeEndsTheStart()
    {
        const QString blocker = home.filePath(QStringLiteral("not-a-folder"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocker));

        MessageBox::Script boxes;
        SingleInstance instance;
        QVERIFY(!StartProgram(instance));
        qputenv("XDG_DATA_HOME", dataHome);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QVERIFY(boxes.last().text.contains(blocker + QStringLiteral("/Torqal\r\n")));
        QCOMPARE(QDir::currentPath(), startFolder);
    }

    void versionText()
    {
        QCOMPARE(StartTexts::versionText(1, 31, 20), QStringLiteral("Version w1.31.20"));
        QCOMPARE(StartTexts::versionText(2, 0, 0), QStringLiteral("Version w2.0.0"));
    }

    void titleLinksOpenTheMakersAddresses()
    {
        title = new frmTitlePage;
        title->show();
        LinkOpener::Script links;
        MessageBox::Script boxes;
        QTest::mouseClick(title->findChild<LinkLabel *>(QStringLiteral("lblEmail")), Qt::LeftButton);
        QTest::mouseClick(title->findChild<LinkLabel *>(QStringLiteral("lblWeb")), Qt::LeftButton);
        QCOMPARE(links.targets(), (QList<QString>{QStringLiteral("mailto:support@qorsoftware.example"),
                                                  QStringLiteral("http://www.qorsoftware.example")}));
        links.setFailing(true);
        QTest::mouseClick(title->findChild<LinkLabel *>(QStringLiteral("lblWeb")), Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, QStringLiteral("Could not establish an internet connection!"));
        QVERIFY(title->isVisible());
    }

    void theOverviewIsShownUntilTheUserTicksItOff()
    {
        ScreenSize::Pretend screen({1024, 768});
        MessageBox::Script boxes;

        QVERIFY(continueFromTitle(false));
        QCOMPARE(Settings::value(Settings::NewUserKey), QString());
        QVERIFY(main && main->isVisible());
        QVERIFY(!title || !title->isVisible());
        cleanup();

        QVERIFY(continueFromTitle(true));
        QCOMPARE(Settings::value(Settings::NewUserKey), QStringLiteral("No Show"));
        cleanup();

        QVERIFY(!continueFromTitle(false));
        QVERIFY(main && main->isVisible());
        QCOMPARE(boxes.count(), 0);
    }

    void withFadingTheTitleWindowFadesOutIntoTheMainWindow()
    {
        SetTranslucencyOverride(true);
        Settings::setFadeStatus(true);
        Settings::setValue(Settings::NewUserKey, Settings::NoShow);
        ScreenSize::Pretend screen({1024, 768});
        enterFolderWithOneRide();
        title = new frmTitlePage;
        QVERIFY(FadeActive);
        title->show();
        WaitForFade(title); // the fade-in
        title->cmdContinue_Click();
        QVERIFY(!title->mainWindow()); // not before the fade-out has ended
        WaitForFade(title);
        main = title->mainWindow();
        QVERIFY(main && main->isVisible());
        QVERIFY(!title->isVisible());
        SetTranslucencyOverride(std::nullopt);
    }

    void theOverviewWindow()
    {
        frmNewUser overview;
        overview.show();
        QCOMPARE(overview.windowTitle(), QStringLiteral(" Torqal - New User Overview"));
        QString error;
        QVERIFY2(LoadButtonLayout(&overview, QStringLiteral("frmNewUser"), &error), qPrintable(error));
        QCOMPARE(overview.findChild<QCheckBox *>(QStringLiteral("chk"))->text(),
                 QStringLiteral("Don't show this screen again"));
        const QString text = overview.findChild<QLabel *>(QStringLiteral("lbl"))->text();
        QVERIFY(text.startsWith(QStringLiteral("Welcome from Qor Software! Are you a new user? If so, then let's take "
                                               "a moment for a quick overview.\n\nWelcome to Qor Software's Torqal!\n\n")));
        QVERIFY(text.endsWith(QStringLiteral("about your 'rides'!")));
        QCOMPARE(text.count(QStringLiteral("\n\n")), 5);
    }

    void screenResolutionMessage_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("warned");
        QTest::newRow("640x480") << QSize(640, 480) << true;
        QTest::newRow("799x600") << QSize(799, 600) << true;
        QTest::newRow("800x600") << QSize(800, 600) << false;
        QTest::newRow("1024x500") << QSize(1024, 500) << false;
    }

    void screenResolutionMessage()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, warned);
        Settings::setValue(Settings::NewUserKey, Settings::NoShow);
        ScreenSize::Pretend pretend(screen);
        MessageBox::Script boxes;
        continueFromTitle(false);
        QCOMPARE(boxes.count(), warned ? 1 : 0);
        QVERIFY(main && main->isVisible()); // the program goes on either way
        if (!warned)
            return;
        const MessageBox::Request asked = boxes.last();
        QCOMPARE(asked.title, QStringLiteral("Screen Resolution Issue"));
        QCOMPARE(asked.icon, MessageBox::Icon::NoIcon);
        QCOMPARE(asked.buttons, MessageBox::Buttons::Ok);
        const QStringList lines = asked.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[4], QStringLiteral("your current screen resolution (%1x%2).").arg(screen.width()).arg(screen.height()));
    }

    void theWholeResolutionText()
    {
        QCOMPARE(StartTexts::screenResolutionMessage({640, 480}),
                 QStringLiteral("Torqal is designed for use on a\r\n"
                                "screen resolution of at least 800x600. \r\n"
                                "\r\n"
                                "Torqal will not display correctly on\r\n"
                                "your current screen resolution (640x480).\r\n"
                                "\r\n"
                                "You can adjust your screen resolution by\r\n"
                                "right-clicking anywhere on your desktop,\r\n"
                                "select <Properties>, then <Settings>,\r\n"
                                "and then select and accept at least\r\n"
                                "800x600 as your 'Screen Area'."));
    }
};

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
