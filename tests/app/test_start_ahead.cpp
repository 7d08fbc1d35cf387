// The program's start, run as main() runs it, in a process of its own for
// each case: the second start-up thread, the display connection, and the main
// thread reading the first windows' layouts and pictures while a third thread
// paints them; a further thread sends messages while the display opens. The
// thread checker's build runs it as well, so that a data race among these
// threads fails it.

#include "app/StartAhead.h"
#include "platform/DataFolder.h"
#include "platform/Identity.h"
#include "support/PrivateDisplay.h"
#include "ui/ButtonLayout.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <thread>

extern char **environ;

namespace {

const char StartArgument[] = "--start-as-the-program";
const char MessagesArgument[] = "--with-messages";

std::set<std::string> environmentNow()
{
    std::set<std::string> variables;
    for (char **variable = environ; *variable; ++variable)
        variables.insert(*variable);
    return variables;
}

// The names of the variables that the start took out, put in or changed.
std::string changedVariables(const std::set<std::string> &before, const std::set<std::string> &after)
{
    std::set<std::string> names;
    for (const auto &[one, other] : {std::pair{&before, &after}, std::pair{&after, &before}}) {
        for (const std::string &variable : *one) {
            if (!other->contains(variable))
                names.insert(variable.substr(0, variable.find('=')));
        }
    }
    std::string list;
    for (const std::string &name : names)
        list += (list.empty() ? "" : " ") + name;
    return list;
}

// The start as main() makes it, on the data folder argv[2]. Reports on
// standard output the variables the start changed, how the data folder's
// lock went and how many messages the messaging thread sent.
int startAsTheProgram(int argc, char **argv)
{
    const std::set<std::string> before = environmentNow();
    SetApplicationIdentity();
    DataFolder::choose(QString::fromLocal8Bit(argv[2]));
    StartAhead ahead;

    const bool withMessages = argc > 3 && std::strcmp(argv[3], MessagesArgument) == 0;
    std::atomic<bool> open = false;
    int sent = 0;
    std::thread messaging([&] {
        while (withMessages && !open && sent < 10000) {
            qWarning("message %d", sent++);
            std::this_thread::yield();
        }
    });
    const std::unique_ptr<QApplication> application = ahead.openDisplay(argc, argv, QStringLiteral("test_start_ahead"));
    open = true;
    messaging.join();
    const DataFolderLock lock = ahead.finish();
    const std::set<std::string> after = environmentNow();

    const std::future<void> pictures = PaintButtonPicturesAhead(StartAhead::firstLayouts());
    for (const QString &name : StartAhead::firstLayouts()) {
        ButtonLayout layout;
        if (!programButtonLayout(name, layout))
            return 3;
        for (const QString &source : programPictures(layout)) {
            if (ButtonPicture::fromSource(source).isNone())
                return 4;
        }
    }
    pictures.wait();

    const bool locked = lock.instance && lock.outcome == SingleInstance::Outcome::Acquired;
    std::printf("changed: %s\nlock: %s\nmessages: %d\n", changedVariables(before, after).c_str(),
                locked ? "acquired" : "not acquired", sent);
    return 0;
}

} // namespace

class TestStartAhead : public QObject
{
    Q_OBJECT

private slots:
    void startsAsTheProgram_data()
    {
        QTest::addColumn<QString>("display"); // offscreen, x11 (a private X server) or none
        QTest::addColumn<bool>("launchTokens");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("report"); // without the count of messages
        QTest::addColumn<QString>("errors"); // with no messages sent
        // The toolkit takes out DESKTOP_STARTUP_ID on X11, and nothing else:
        // the second thread's reading of the environment rests on that.
        QTest::newRow("offscreen") << "offscreen" << false << 0 << "changed: \nlock: acquired" << QString();
        QTest::newRow("X11, launch tokens") << "x11" << true << 0 << "changed: DESKTOP_STARTUP_ID\nlock: acquired" << QString();
        QTest::newRow("no display") << "none" << false << 1 << QString()
                                    << "test_start_ahead: cannot open its windows: there is no display "
                                       "(neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
    }

    void startsAsTheProgram()
    {
        QFETCH(QString, display);
        QFETCH(bool, launchTokens);
        QFETCH(int, status);
        QFETCH(QString, report);
        QFETCH(QString, errors);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("data")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        std::optional<PrivateDisplay> server;
        if (display == QLatin1String("x11")) {
            server.emplace();
            QVERIFY2(server->started(), server->problem.constData());
            environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(server->name));
        } else if (display == QLatin1String("offscreen")) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), display);
        }
        if (launchTokens) {
            environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"), QStringLiteral("launcher-1_TIME0"));
            environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("token-1"));
        }
        QProcess start;
        start.setProcessEnvironment(environment);
        QStringList arguments{QString::fromLatin1(StartArgument), home.filePath(QStringLiteral("data"))};
        if (status == 0)
            arguments << QString::fromLatin1(MessagesArgument);
        start.start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(start.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(start.readAllStandardOutput());
        const QString standardErrors = QString::fromLocal8Bit(start.readAllStandardError());
        QVERIFY2(start.exitStatus() == QProcess::NormalExit && start.exitCode() == status, qPrintable(standardErrors));

        const QStringList lines = output.split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(0, 2).join(QLatin1Char('\n')), report);
        // Every message of the messaging thread is shown once, in its order,
        // and nothing else is said (a data race would be).
        QString expectedErrors = errors;
        const int sent = lines.value(2).section(QLatin1Char(' '), 1).toInt();
        for (int message = 0; message < sent; ++message)
            expectedErrors += QStringLiteral("message %1\n").arg(message);
        QCOMPARE(standardErrors, expectedErrors);
        // The lock is given back also where the program cannot go on.
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("data/Torqal.lock"))));
    }
};

int main(int argc, char *argv[])
{
    // Nothing of the toolkit runs before the start, as in the program.
    if (argc > 2 && std::strcmp(argv[1], StartArgument) == 0)
        return startAsTheProgram(argc, argv);
    QCoreApplication application(argc, argv);
    TestStartAhead test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_start_ahead.moc"
