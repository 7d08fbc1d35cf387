#include "Version.h"
#include "app/LinkLabel.h"
#include "app/StartTexts.h"
#include "app/StartUp.h"
#include "app/frmNewUser.h"
#include "app/frmTitlePage.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "platform/DataFolder.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"
#include "platform/ScreenSize.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "ride/frmMain.h"
#include "support/FadeWait.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"

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

    void aSecondStartOnTheDataFolderIsRefused()
    {
        QVERIFY(QDir().mkpath(DataFolder::usualPath()));
        SingleInstance first(DataFolder::usualPath());
        QCOMPARE(first.acquire(), SingleInstance::Outcome::Acquired);
        // Another login's runtime folder changes nothing: the lock is in the data folder.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("other-runtime"))));

        MessageBox::Script boxes;
        std::unique_ptr<SingleInstance> second;
        QVERIFY(!StartProgram(second));
        QVERIFY(!second);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Terminating..."));
        QCOMPARE(boxes.last().text, QStringLiteral("Torqal is already loaded\r\nand running on your computer!"));
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QCOMPARE(boxes.last().buttons, MessageBox::Buttons::Ok);
        QCOMPARE(first.acquire(), SingleInstance::Outcome::Acquired); // the first keeps running
    }

    void aLockThatCannotBeTakenIsNamed_data()
    {
        QTest::addColumn<bool>("folderInTheWay");
        QTest::addColumn<QString>("whatToDo");
        QTest::newRow("damaged lock file") << false << QStringLiteral("delete that file and start Torqal again.");
        QTest::newRow("folder in its place") << true << QStringLiteral("has that name. Please move it away, then start");
    }

    void aLockThatCannotBeTakenIsNamed()
    {
        QFETCH(bool, folderInTheWay);
        QFETCH(QString, whatToDo);
        const QString lockFile = QDir(DataFolder::usualPath()).filePath(QStringLiteral("Torqal.lock"));
        QVERIFY(QDir().mkpath(DataFolder::usualPath()));
        if (folderInTheWay) {
            QVERIFY(QDir().mkdir(lockFile));
        } else {
            QFile damaged(lockFile);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
        }
        MessageBox::Script boxes;
        std::unique_ptr<SingleInstance> instance;
        const bool started = StartProgram(instance);
        QVERIFY(QDir().rmdir(lockFile) || QFile::remove(lockFile));
        QVERIFY(!started);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QVERIFY2(boxes.last().text.contains(QStringLiteral("\r\n") + lockFile + QStringLiteral("\r\n")), qPrintable(boxes.last().text));
        QVERIFY2(boxes.last().text.contains(whatToDo), qPrintable(boxes.last().text));
    }

    void theFirstStartShowsTheTitleWindowInTheDataFolder()
    {
        MessageBox::Script boxes;
        std::unique_ptr<SingleInstance> instance;
        title = StartProgram(instance);
        QVERIFY(title);
        QVERIFY(title->isVisible());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(QDir::currentPath(), home.filePath(QStringLiteral("data/Torqal")));
        QVERIFY(QFile::exists(QStringLiteral("Torqal.lock")));

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

    void anotherDataFolderLeavesTheUsualOneAlone()
    {
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("untouched"))));
        const QString stick = home.filePath(QStringLiteral("stick"));
        QVERIFY(QDir().mkpath(stick));
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("2"));

        DataFolder::choose(stick);
        MessageBox::Script boxes;
        std::unique_ptr<SingleInstance> instance;
        title = StartProgram(instance);
        QVERIFY(title);
        QCOMPARE(QDir::currentPath(), stick);
        QVERIFY(QFile::exists(QDir(stick).filePath(QStringLiteral("Torqal.lock"))));
        QCOMPARE(Settings::value(Settings::LastRideViewedKey, QStringLiteral("1")), QStringLiteral("1"));
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("5"));
        DataFolder::choose(QString());
        qputenv("XDG_DATA_HOME", dataHome);

        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("2"));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("untouched"))));
        DataFolder::choose(stick);
        QCOMPARE(Settings::value(Settings::LastRideViewedKey), QStringLiteral("5"));
        DataFolder::choose(QString());
        QCOMPARE(boxes.count(), 0);
    }

    void theStartLooksAfterTheDataFolder_data()
    {
        QTest::addColumn<QStringList>("files");     // name=length in bytes
        QTest::addColumn<int>("answer");            // to a question, if one is asked
        QTest::addColumn<QString>("asked");         // a line of the one message
        QTest::addColumn<QStringList>("afterwards"); // the folder's files
        const int yes = int(MessageBox::Button::Yes);
        const int no = int(MessageBox::Button::No);
        QTest::newRow("sound") << QStringList{"Torqal.Dat=10000"} << yes << QString() << QStringList{"Torqal.Dat", "Torqal.lock"};
        QTest::newRow("another spelling, renamed")
            << QStringList{"TORQAL.DAT=10000"} << yes << "Rename TORQAL.DAT to Torqal.Dat, so that Torqal uses it?"
            << QStringList{"Torqal.Dat", "Torqal.lock"};
        QTest::newRow("another spelling, kept")
            << QStringList{"maint.dat=3000", "Torqal.Dat=10000"} << no << "Rename maint.dat to Maint.Dat, so that Torqal uses it?"
            << QStringList{"Torqal.Dat", "Torqal.lock", "maint.dat"};
        QTest::newRow("two other spellings")
            << QStringList{"MAINT.DAT=3000", "maint.dat=3000", "Torqal.Dat=10000"} << yes << QString()
            << QStringList{"MAINT.DAT", "Torqal.Dat", "Torqal.lock", "maint.dat"};
        QTest::newRow("scratch file of two missing logs")
            << QStringList{"TempFile.$$$=6000", "Torqal.Dat=10000", "Trip.Dat=0", "Gas.Dat=0"} << yes << "torqal-data check %1"
            << QStringList{"Gas.Dat", "TempFile-1.$$$", "Torqal.Dat", "Torqal.lock", "Trip.Dat"};
        QTest::newRow("partial record")
            << QStringList{"Torqal.Dat=25000"} << yes << "torqal-data repair %1" << QStringList{"Torqal.Dat", "Torqal.lock"};
    }

    void theStartLooksAfterTheDataFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(int, answer);
        QFETCH(QString, asked);
        QFETCH(QStringList, afterwards);
        QTemporaryDir folder;
        QByteArray expense = encodeRecord(ExpenseRecord{39000.5, 39001, QStringLiteral("Oil change"), 250000, {}});
        for (const QString &file : files) {
            QFile data(QDir(folder.path()).filePath(file.section(u'=', 0, 0)));
            QVERIFY(data.open(QIODevice::WriteOnly));
            const int length = file.section(u'=', 1).toInt();
            data.write(length % 3000 == 0 ? expense.repeated(length / 3000) : QByteArray(length, ' '));
        }
        DataFolder::choose(folder.path());
        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button(answer));
        std::unique_ptr<SingleInstance> instance;
        title = StartProgram(instance);
        DataFolder::choose(QString());
        QVERIFY(title);
        QCOMPARE(boxes.count(), asked.isEmpty() ? 0 : 1);
        if (!asked.isEmpty())
            QVERIFY2(boxes.last().text.split(QStringLiteral("\r\n")).contains(QString(asked).replace(QStringLiteral("%1"), folder.path())),
                     qPrintable(boxes.last().text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), afterwards);
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
        std::unique_ptr<SingleInstance> instance;
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
        QVERIFY(FadesOn());
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
        QCOMPARE(StartTexts::screenResolutionMessage({640, 480}, QStringLiteral("ubuntu:GNOME")),
                 QStringLiteral("Torqal is designed for use on a\r\n"
                                "screen resolution of at least 800x600. \r\n"
                                "\r\n"
                                "Torqal will not display correctly on\r\n"
                                "your current screen resolution (640x480).\r\n"
                                "\r\n"
                                "You can adjust your screen resolution in\r\n"
                                "Settings, then Displays,\r\n"
                                "and then select and accept at least\r\n"
                                "800x600 as the resolution, or a smaller\r\n"
                                "scale if the desktop enlarges everything."));
        QCOMPARE(StartTexts::displaySettings(QStringLiteral("KDE")),
                 QStringLiteral("System Settings, then Display and Monitor,"));
        QCOMPARE(StartTexts::displaySettings(QString()), QStringLiteral("your desktop's display settings,"));
    }
};

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
