// `cmake --install` into a fresh prefix puts the programs, the launcher entry,
// the icon in every hicolor size and the AppStream file where a desktop looks
// for them, and they agree with each other.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString AppId = QStringLiteral("example.qorsoftware.Torqal");

struct Run
{
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, QStringLiteral("did not finish: ") + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of `key` in the [Desktop Entry] group.
QString desktopValue(const QString &entry, const QString &key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_prefix;
    QDir m_share;

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        const Run install = run(QStringLiteral(CMAKE_COMMAND),
                                {QStringLiteral("--install"), QStringLiteral(BUILD_FOLDER), QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
        m_share = QDir(m_prefix.filePath(QStringLiteral("share")));
    }

    void installsThePrograms()
    {
        QStringList programs{QStringLiteral("torqal-data")};
        if (TORQAL_HAS_PROGRAM)
            programs << QStringLiteral("torqal");
        for (const QString &program : programs) {
            const QFileInfo installed(m_prefix.filePath(QStringLiteral("bin/") + program));
            QVERIFY2(installed.isFile() && installed.isExecutable(), qPrintable(installed.filePath()));
            const QString page = m_share.filePath(QStringLiteral("man/man1/%1.1.gz").arg(program));
            QVERIFY2(QFileInfo::exists(page), qPrintable(page));
        }
        // The generator of the demo data is a developer's tool only.
        QVERIFY(!QFileInfo::exists(m_prefix.filePath(QStringLiteral("bin/torqal-demo-data"))));
        const Run usage = run(m_prefix.filePath(QStringLiteral("bin/torqal-data")), {QStringLiteral("--help")});
        QCOMPARE(usage.exitCode, 0);
        QVERIFY(usage.output.startsWith(QStringLiteral("Usage: torqal-data")));
    }

    // A backup of the data files alone loses the reminders: each page's FILES
    // section names everything the data folder holds.
    void manualPagesNameEveryFile()
    {
        QStringList programs{QStringLiteral("torqal-data")};
        if (TORQAL_HAS_PROGRAM)
            programs << QStringLiteral("torqal");
        for (const QString &program : programs) {
            const Run page = run(QStringLiteral("gzip"), {QStringLiteral("-dc"), m_share.filePath(QStringLiteral("man/man1/%1.1.gz").arg(program))});
            QCOMPARE(page.exitCode, 0);
            const QString files = page.output.section(QStringLiteral(".SH FILES\n"), 1);
            for (const char *name : {"Torqal.Dat", "Gas.Dat", "Torqal.db", "Pictures/", "Printouts/", "Torqal.lock", "Torqal.jnl"})
                QVERIFY2(files.contains(QLatin1String(name)), qPrintable(program + QStringLiteral(": ") + QLatin1String(name)));
        }
    }

    // torqal-data's manual page keeps each item of a command's list whole,
    // under a bullet of its own, as its help shows them.
    void dataToolManualKeepsListsWhole()
    {
        const Run help = run(m_prefix.filePath(QStringLiteral("bin/torqal-data")), {QStringLiteral("check"), QStringLiteral("--help")});
        QStringList items;
        for (const QString &line : help.output.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("- ")))
                items << line.mid(2);
            else if (!items.isEmpty() && line.startsWith(QLatin1String("  ")))
                items.last() += QLatin1Char(' ') + line.trimmed();
            else if (!items.isEmpty())
                break;
        }
        QVERIFY(items.size() > 1);
        const Run page = run(QStringLiteral("gzip"), {QStringLiteral("-dc"), m_share.filePath(QStringLiteral("man/man1/torqal-data.1.gz"))});
        QCOMPARE(page.exitCode, 0);
        for (const QString &item : items) {
            const QString bullet = QStringLiteral(".IP \\(bu 2\n") + QString(item).replace(QLatin1Char('-'), QStringLiteral("\\-")) + QLatin1Char('\n');
            QVERIFY2(page.output.contains(bullet), qPrintable(item));
        }
    }

    void iconInEveryHicolorSize()
    {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString path = m_share.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId));
            const QImage icon(path);
            QVERIFY2(!icon.isNull(), qPrintable(path));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            // A badge with rounded corners: clear corners, an opaque middle.
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size * 7 / 8)), 255);
        }
    }

    void launcherEntryStartsTheProgram()
    {
        const QString path = m_share.filePath(QStringLiteral("applications/%1.desktop").arg(AppId));
        const QString entry = readText(path);
        QVERIFY2(entry.startsWith(QStringLiteral("[Desktop Entry]\n")), qPrintable(path));
        QCOMPARE(desktopValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(desktopValue(entry, QStringLiteral("Name")), QStringLiteral("Torqal"));
        QCOMPARE(desktopValue(entry, QStringLiteral("Exec")), QStringLiteral("torqal"));
        QCOMPARE(desktopValue(entry, QStringLiteral("Icon")), AppId);
        QCOMPARE(desktopValue(entry, QStringLiteral("Categories")), QStringLiteral("Office;"));
        // On X11 every window's class is the application's name (on Wayland
        // the desktop file name itself), so the desktop matches the windows
        // to this launcher.
        QCOMPARE(desktopValue(entry, QStringLiteral("StartupWMClass")), QStringLiteral("Torqal"));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
        const Run validation = run(validator, {path});
        QVERIFY2(validation.exitCode == 0 && validation.output.isEmpty(), qPrintable(validation.output));
    }

    void changelogNamesThisVersion()
    {
        QVERIFY(QFileInfo::exists(m_share.filePath(QStringLiteral("doc/torqal/copyright"))));
        const Run changelog = run(QStringLiteral("gzip"), {QStringLiteral("-dc"), m_share.filePath(QStringLiteral("doc/torqal/changelog.gz"))});
        QCOMPARE(changelog.exitCode, 0);
        QCOMPARE(changelog.output.section(QLatin1Char('\n'), 0, 0), QStringLiteral("torqal (%1) stable; urgency=medium").arg(PROJECT_VERSION));
    }

    void appStreamFileNamesThisRelease()
    {
        const QString path = m_share.filePath(QStringLiteral("metainfo/%1.metainfo.xml").arg(AppId));
        const QString metainfo = readText(path);
        QVERIFY2(metainfo.contains(QStringLiteral("<id>%1</id>").arg(AppId)), qPrintable(path));
        QVERIFY(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(AppId)));
        const QRegularExpression release(QStringLiteral("<release version=\"([^\"]+)\" date=\"\\d{4}-\\d{2}-\\d{2}\"/>"));
        QCOMPARE(release.match(metainfo).captured(1), QStringLiteral(PROJECT_VERSION));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (validator.isEmpty())
            QSKIP("appstreamcli is not installed (package appstream)");
        const Run validation = run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--pedantic"), path});
        QVERIFY2(validation.exitCode == 0, qPrintable(validation.output));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
