#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "support/ChildProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class TestStartServices : public QObject
{
    Q_OBJECT

    QTemporaryDir runtime;
    QString startFolder = QDir::currentPath();

    // The id of a process that has ended.
    static qint64 deadProcessId()
    {
        QProcess child;
        child.start(QStringLiteral("true"), {});
        if (!child.waitForStarted())
            return 0;
        const qint64 pid = child.processId();
        child.waitForFinished();
        return pid;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Torqal"));
    }

    void cleanup()
    {
        QDir::setCurrent(startFolder);
    }

    void aSecondProgramOnTheFolderIsRefusedUntilTheFirstEnds()
    {
        QTemporaryDir folder;
        auto first = std::make_unique<SingleInstance>(folder.path());
        QCOMPARE(first->acquire(), SingleInstance::Outcome::Acquired);
        QCOMPARE(first->lockFilePath(), QDir(folder.path()).filePath(QStringLiteral("Torqal.lock")));

        SingleInstance second(folder.path());
        QCOMPARE(second.acquire(), SingleInstance::Outcome::HeldElsewhere);
        QCOMPARE(first->acquire(), SingleInstance::Outcome::Acquired); // the first keeps running
        SingleInstance elsewhere(runtime.path());
        QCOMPARE(elsewhere.acquire(), SingleInstance::Outcome::Acquired); // another folder, another lock

        first.reset();
        QCOMPARE(second.acquire(), SingleInstance::Outcome::Acquired);
    }

    void whatStandsAtTheLocksPlace_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<SingleInstance::Outcome>("outcome");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("a dead program's lock") << QString::fromUtf8(QByteArray::number(deadProcessId()) + "\ntorqal\n" + host + "\n")
                                               << SingleInstance::Outcome::Acquired;
        QTest::newRow("another computer's lock") << QStringLiteral("4242\ntorqal\nsome-other-computer\n")
                                                 << SingleInstance::Outcome::HeldElsewhere;
        QTest::newRow("a damaged lock file") << QStringLiteral("\x01\x02") << SingleInstance::Outcome::Unreadable;
        QTest::newRow("an empty lock file") << QString() << SingleInstance::Outcome::Unreadable;
        QTest::newRow("a folder") << QStringLiteral("<folder>") << SingleInstance::Outcome::InTheWay;
        QTest::newRow("a read-only data folder") << QStringLiteral("<read-only>") << SingleInstance::Outcome::CannotMake;
    }

    void whatStandsAtTheLocksPlace()
    {
        QFETCH(QString, content);
        QFETCH(SingleInstance::Outcome, outcome);
        QTemporaryDir folder;
        const QString lockFile = QDir(folder.path()).filePath(QStringLiteral("Torqal.lock"));
        // The check runs as an ordinary user, to whom the folder is open.
        QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
        if (content == QLatin1String("<folder>")) {
            QVERIFY(QDir().mkdir(lockFile));
        } else if (content == QLatin1String("<read-only>")) {
            QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x5555)));
        } else {
            QFile file(lockFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toUtf8());
            QVERIFY(file.setPermissions(QFileDevice::Permissions(0x6666)));
        }
        const int result = ChildProcess::exitCodeOf(ChildProcess::runInChild([&] {
            if (!ChildProcess::dropPrivileges())
                return 100;
            SingleInstance instance(folder.path());
            return int(instance.acquire());
        }));
        QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7700)));
        QCOMPARE(result, int(outcome));
    }

    void theDataFolderIsCreatedAndBecomesTheWorkingFolder()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        const DataFolder::Outcome outcome = DataFolder::enter();
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.path, QDir(home.path()).filePath(QStringLiteral("Torqal")));
        QCOMPARE(QDir::currentPath(), outcome.path);
        QVERIFY(DataFolder::enter().ok); // already there
    }

    void aDataFolderThatCannotBeMadeIsReported()
    {
        QTemporaryDir home;
        const QString blocker = QDir(home.path()).filePath(QStringLiteral("not-a-folder"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocker));
        const DataFolder::Outcome outcome = DataFolder::enter();
        QVERIFY(!outcome.ok);
        QVERIFY(outcome.path.startsWith(blocker));
        QCOMPARE(QDir::currentPath(), startFolder);
    }
};

QTEST_GUILESS_MAIN(TestStartServices)
#include "test_start_services.moc"
