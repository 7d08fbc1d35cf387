// torqal's command line: read before anything needs a display, and the
// built program without a display.

#include "app/ProgramCommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: the program runs
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        const QString hint = QStringLiteral("Try 'torqal --help' for more information.\n");
        QTest::newRow("nothing") << QStringList{} << -1 << QString() << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0 << QStringLiteral("Usage: torqal [--data-folder FOLDER]\n") << QString();
        QTest::newRow("-h") << QStringList{"-h"} << 0 << QStringLiteral("Usage: torqal [--data-folder FOLDER]\n") << QString();
        QTest::newRow("version") << QStringList{"--version"} << 0 << QStringLiteral("torqal (Torqal) ") << QString();
        QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << QString() << "torqal: Unknown option 'colour'.\n" + hint;
        QTest::newRow("stray argument") << QStringList{"Torqal.Dat"} << 2 << QString() << "torqal: unexpected argument 'Torqal.Dat'\n" + hint;
        QTest::newRow("folder missing") << QStringList{"--data-folder"} << 2 << QString() << "torqal: Missing value after '--data-folder'.\n" + hint;
        QTest::newRow("no such folder") << QStringList{"--data-folder", "nowhere"} << 1 << QString() << "torqal: nowhere: no such folder\n";
        QTest::newRow("a file") << QStringList{"--data-folder", "/dev/null"} << 1 << QString() << "torqal: /dev/null is a file, not a folder\n";
        QTest::newRow("a folder") << QStringList{"--data-folder", "."} << -1 << QString() << QString();
    }

    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        ProgramCommandLine options;
        const std::optional<int> done = ProgramCommandLine::read(QStringList{"torqal"} + arguments, options, outStream, errStream);
        QCOMPARE(done.value_or(-1), status);
        QVERIFY2(out.startsWith(output) && (output.isEmpty() == out.isEmpty()), qPrintable(out));
        QCOMPARE(err, errors);
        QCOMPARE(options.dataFolder, status == -1 && !arguments.isEmpty() ? QDir::currentPath() : QString());
    }

    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<bool>("dataFolder"); // there before the start
        const QString noDisplay =
            QStringLiteral("torqal: cannot open its windows: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        QTest::newRow("help") << QStringList{"--help"} << 0 << QStringLiteral("Usage: torqal") << QString() << false;
        QTest::newRow("version") << QStringList{"--version"} << 0 << QStringLiteral("torqal (Torqal) ") << QString() << false;
        QTest::newRow("start") << QStringList{} << 1 << QString() << noDisplay << false;
        QTest::newRow("start, data folder there") << QStringList{} << 1 << QString() << noDisplay << true;
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QFETCH(bool, dataFolder);
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("data/Torqal"));
        if (dataFolder)
            QVERIFY(QDir().mkpath(folder));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TORQAL_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).startsWith(output));
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), errors);
        // Nothing was made, and the data folder's lock was given back.
        if (dataFolder)
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        else
            QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("data"))));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
