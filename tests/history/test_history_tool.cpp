// torqal-data history and export over the demo rides: the PDF read back with
// pdftotext, the CSV files, and the data files left as they were.

#include "DemoWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int run(const QString &program, const QStringList &arguments, QString *out = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitCode();
}

QByteArray folderBytes(const QString &folder)
{
    QByteArray bytes;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.Dat")}, QDir::Files, QDir::Name)) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly))
            bytes += name.toUtf8() + file.readAll();
    }
    return bytes;
}

} // namespace

class TestHistoryTool : public QObject
{
    Q_OBJECT

private slots:
    void historyAndExportOfTheDemoRides()
    {
        QTemporaryDir temporary;
        const QString data = temporary.filePath(QStringLiteral("data"));
        QCOMPARE(writeDemoData(data, QDate(2026, 6, 1)), QString());
        const QByteArray before = folderBytes(data);

        const QString pdf = temporary.filePath(QStringLiteral("car.pdf"));
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"history", data, "1", pdf}), 0);
        QString text;
        QCOMPARE(run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}, &text), 0);
        for (const char *expected : {"History of", "Net cost of the ride", "Style", "'Maint./Repair' List",
                                     "'Gas Usage/Info' List", "Overall MPG", "Miles per gallon of each fill-up",
                                     "Money spent per month", "Miles per month", "(page 2)"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(!text.contains(QLatin1String("(page 1)")));

        const QString out = temporary.filePath(QStringLiteral("csv"));
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"export", data, out}), 0);
        QFile rides(out + QStringLiteral("/ride.csv"));
        QVERIFY(rides.open(QIODevice::ReadOnly));
        const QString rideRows = QString::fromUtf8(rides.readAll());
        QVERIFY(rideRows.startsWith(QLatin1String("Ride,Year,Make,")));
        QCOMPARE(rideRows.count(QRegularExpression(QStringLiteral(R"(\r\n[123],\d{4},)"))), 3);
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"export", data, out, "--ride", "4"}), 2);
        QCOMPARE(run(QStringLiteral(TORQAL_DATA_TOOL), {"history", data, "0", pdf}), 2);

        QCOMPARE(folderBytes(data), before);
    }
};

QTEST_GUILESS_MAIN(TestHistoryTool)
#include "test_history_tool.moc"
