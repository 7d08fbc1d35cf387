#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"

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

    void aSecondInstanceIsRefusedUntilTheFirstEnds()
    {
        auto first = std::make_unique<SingleInstance>(runtime.path());
        QVERIFY(first->acquire());
        QVERIFY(QFile::exists(first->lockFilePath()));

        SingleInstance second(runtime.path());
        QVERIFY(!second.acquire());
        QVERIFY(first->acquire()); // the first keeps running

        first.reset();
        QVERIFY(second.acquire());
    }

    void theLockOfADeadProcessIsTakenOver()
    {
        QTemporaryDir folder;
        const qint64 pid = deadProcessId();
        QVERIFY(pid > 0);
        QFile leftover(QDir(folder.path()).filePath(QStringLiteral("Torqal.lock")));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write(QByteArray::number(pid) + "\ntorqal\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        leftover.close();

        SingleInstance instance(folder.path());
        QVERIFY(instance.acquire());
    }

    void theRuntimeFolderComesFromTheEnvironment()
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QCOMPARE(SingleInstance::defaultFolder(), runtime.path());
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
