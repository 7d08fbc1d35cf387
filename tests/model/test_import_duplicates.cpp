// Which rows of an import the log already holds: each entry of the log
// stands for one row alike in day, amounts, description and (where both
// have one) odometer reading.

#include "logs/LogTestSupport.h"
#include "model/ImportDuplicates.h"
#include "store/LogEntryWrite.h"
#include "store/LogScan.h"

#include <QTest>

using namespace LogTest;

namespace {

// An entry or row in a few words: "1 Oil 2500" (day, description, cost),
// then optional "g10" (gallons), "m300" (miles), "o41000" (odometer), "x"
// (marked deleted).
struct Item
{
    LogEntry entry;
    EntryExtras extras;
};

Item item(const QString &words)
{
    const QStringList parts = words.split(u' ');
    Item made;
    made.entry.dateSort = 20260100 + parts.at(0).toInt();
    made.entry.description = parts.at(1).toLatin1();
    made.entry.cost = parts.at(2).toLongLong();
    for (const QString &part : parts.mid(3)) {
        if (part.startsWith(u'g'))
            made.entry.gallons = part.mid(1).toFloat();
        else if (part.startsWith(u'm'))
            made.entry.miles = part.mid(1).toInt();
        else if (part.startsWith(u'o'))
            made.extras.odometer = part.mid(1).toLongLong();
        else if (part == u'x')
            made.entry.marked = true;
    }
    return made;
}

} // namespace

class TestImportDuplicates : public QObject
{
    Q_OBJECT

private slots:
    void duplicates_data()
    {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<bool>>("expected");
        const QString oil = QStringLiteral("1 Oil 2500");
        QTest::newRow("same day, amount and text") << QStringList{oil} << QStringList{oil} << QList<bool>{true};
        QTest::newRow("another day") << QStringList{oil} << QStringList{"2 Oil 2500"} << QList<bool>{false};
        QTest::newRow("another cost") << QStringList{oil} << QStringList{"1 Oil 2501"} << QList<bool>{false};
        QTest::newRow("another text") << QStringList{oil} << QStringList{"1 Oil. 2500"} << QList<bool>{false};
        QTest::newRow("another gallons") << QStringList{"1 - 0 g10 m300"} << QStringList{"1 - 0 g10.5 m300"} << QList<bool>{false};
        QTest::newRow("other miles") << QStringList{"1 - 0 g10 m300"} << QStringList{"1 - 0 g10 m301"} << QList<bool>{false};
        QTest::newRow("same reading") << QStringList{"1 - 0 g10 m300 o41000"} << QStringList{"1 - 0 g10 m300 o41000"}
                                      << QList<bool>{true};
        QTest::newRow("another reading") << QStringList{"1 - 0 g10 m300 o41000"} << QStringList{"1 - 0 g10 m300 o41001"}
                                         << QList<bool>{false};
        QTest::newRow("a reading on one side only") << QStringList{"1 - 0 g10 m300"} << QStringList{"1 - 0 g10 m300 o41000"}
                                                    << QList<bool>{true};
        QTest::newRow("each entry matched by its own reading")
            << QStringList{"1 - 0 g10 m300 o5", "1 - 0 g10 m300 o6"} << QStringList{"1 - 0 g10 m300 o6", "1 - 0 g10 m300 o5"}
            << QList<bool>{true, true};
        QTest::newRow("two rows, one entry") << QStringList{oil} << QStringList{oil, oil} << QList<bool>{true, false};
        QTest::newRow("two rows, two entries") << QStringList{oil, oil} << QStringList{oil, oil} << QList<bool>{true, true};
        QTest::newRow("two rows alike, none in the log") << QStringList{"2 Oil 2500"} << QStringList{oil, oil}
                                                         << QList<bool>{false, false};
        QTest::newRow("an entry marked deleted") << QStringList{"1 Oil 2500 x"} << QStringList{oil} << QList<bool>{false};
    }

    void duplicates()
    {
        QFETCH(QStringList, log);
        QFETCH(QStringList, rows);
        QFETCH(QList<bool>, expected);
        std::vector<LogEntry> entries;
        ExtrasByHead extras;
        for (const QString &words : log) {
            Item made = item(words);
            made.entry.key = {quint64(entries.size() + 1), 0};
            extras.insert(made.entry.key, made.extras);
            entries.push_back(made.entry);
        }
        std::vector<LogEntry> rowEntries;
        std::vector<EntryExtras> rowExtras;
        for (const QString &words : rows) {
            rowEntries.push_back(item(words).entry);
            rowExtras.push_back(item(words).extras);
        }
        const std::vector<bool> found = ImportDuplicates::find(entries, extras, rowEntries, rowExtras);
        QCOMPARE(QList<bool>(found.begin(), found.end()), expected);
    }

    // A row is compared as the log will list it once stored: a description
    // longer than its field, and a time of day, are the stored entry's.
    void rowsAreComparedAsStored()
    {
        DataTest::WorkingFolder folder;
        ExpenseRecord row = expense(RideA, day(2026, 1, 1) + 0.5, QString(80, u'x'), 2500);
        QVERIFY(Store::addLogEntry(LogKind::Maintenance, row).done());
        const StoreRead<ImportDuplicates::Log> log = ImportDuplicates::readLog(nullptr, LogKind::Maintenance, RideA);
        QVERIFY(log.status);
        const std::vector<bool> found =
            ImportDuplicates::find(log.value.entries, log.value.extras, {ImportDuplicates::storedEntry(row)}, {});
        QCOMPARE(QList<bool>(found.begin(), found.end()), QList<bool>{true});
    }
};

QTEST_GUILESS_MAIN(TestImportDuplicates)
#include "test_import_duplicates.moc"
