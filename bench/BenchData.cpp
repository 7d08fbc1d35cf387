#include "BenchData.h"

#include "data/DataFileTable.h"
#include "store/EntryExtras.h"
#include "store/ReminderStore.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace BenchData {

namespace {

template<DataRecord Record>
void writeFile(const QString &folder, DataFileKind kind, int count, const std::function<Record(int)> &make)
{
    const QString name = QDir(folder).filePath(dataFileInfo(kind).name);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1").arg(name));
    constexpr int PerBlock = 256;
    QByteArray block;
    for (int first = 1; first <= count; first += PerBlock) {
        const int records = std::min(PerBlock, count - first + 1);
        block.resize(qsizetype(records) * Record::Length);
        for (int i = 0; i < records; ++i)
            encodeRecord(make(first + i), block.data() + qsizetype(i) * Record::Length);
        if (file.write(block) != block.size())
            fail(QStringLiteral("cannot write %1").arg(name));
    }
}

QString sampleText(int number, int length)
{
    QString text = QStringLiteral("Entry %1: new plugs, valve clearance checked, carburettor balanced. ").arg(number);
    while (text.size() < length)
        text += text;
    return text.left(length);
}

double entryDate(int n) { return 36000.0 + (n * 7919) % 9000; }

} // namespace

RideRecord ride(int n)
{
    RideRecord ride;
    ride.RideKey = n == 1 ? ShownRide : OtherRide + n;
    ride.Year = QString::number(1950 + n % 70);
    ride.Make = QStringLiteral("Make %1").arg(n);
    ride.Model = QStringLiteral("Model %1").arg(n);
    ride.Notes = QStringLiteral("Notes of ride %1, kept for years.\r\n").arg(n).repeated(40);
    return ride;
}

void writeRides(const QString &folder, int count)
{
    writeFile<RideRecord>(folder, DataFileKind::Rides, count, &ride);
}

namespace {

double keyOf(int n, int every) { return n % every == 0 ? ShownRide : OtherRide; }

ExpenseRecord expense(int n, int every)
{
    ExpenseRecord r;
    r.RideKey = keyOf(n, every);
    r.EntryDate = entryDate(n);
    r.Description = sampleText(n, 45);
    r.Cost = 125000LL * (n % 50);
    r.Notes = sampleText(n, 800);
    return r;
}

TripRecord trip(int n, int every)
{
    TripRecord r;
    r.RideKey = keyOf(n, every);
    r.EntryDate = entryDate(n);
    r.Description = sampleText(n, 30);
    r.Miles = 20 + n % 400;
    r.Notes = sampleText(n, 800);
    return r;
}

GasRecord fillUp(int n, int every)
{
    GasRecord r;
    r.RideKey = keyOf(n, every);
    r.EntryDate = entryDate(n);
    r.Gallons = 8.5f + float(n % 7);
    r.Miles = 250 + n % 100;
    r.Notes = sampleText(n, 200);
    return r;
}

// Puts the extras of every entry of one log, counting each head's
// occurrences in file order as the store does.
template<DataRecord Record>
FileStatus putExtras(QSqlDatabase &database, LogKind log, int entries, int every, Record (*make)(int, int))
{
    QHash<QPair<double, quint64>, int> seen;
    for (int n = 1; n <= entries; ++n) {
        const Record record = make(n, every);
        const quint64 head = recordHead(record);
        EntryExtras extras;
        extras.odometer = 10000 + qint64(n) * 300;
        if (log == LogKind::Gas) {
            extras.cost = 300000LL + 1000LL * (n % 200);
            extras.partial = n % 5 == 0;
        }
        const EntryHead entry{head, seen[{record.RideKey, head}]++};
        if (FileStatus status = EntryExtrasTable::put(database, ReminderStore::FileName, log, record.RideKey, entry, extras);
            !status)
            return status;
    }
    return {};
}

} // namespace

void writeLogs(const QString &folder, int entries, int every)
{
    const auto expenseOf = [every](int n) { return expense(n, every); };
    writeFile<ExpenseRecord>(folder, DataFileKind::Maintenance, entries, expenseOf);
    writeFile<ExpenseRecord>(folder, DataFileKind::Goodies, entries, expenseOf);
    writeFile<TripRecord>(folder, DataFileKind::Trips, entries, [every](int n) { return trip(n, every); });
    writeFile<GasRecord>(folder, DataFileKind::Gas, entries, [every](int n) { return fillUp(n, every); });
}

void writeExtras(const QString &folder, int entries, int every)
{
    ReminderStore database(QDir(folder).filePath(ReminderStore::FileName));
    if (!database.isOpen())
        fail(database.status().message());
    const FileStatus status = database.change(QStringLiteral("write the entries' extras"), 0, [&](QSqlDatabase &db) {
        for (LogKind log : {LogKind::Maintenance, LogKind::Goodies}) {
            if (FileStatus put = putExtras<ExpenseRecord>(db, log, entries, every, &expense); !put)
                return put;
        }
        if (FileStatus put = putExtras<TripRecord>(db, LogKind::Trips, entries, every, &trip); !put)
            return put;
        return putExtras<GasRecord>(db, LogKind::Gas, entries, every, &fillUp);
    });
    if (!status)
        fail(status.message());
}

void figure(const QString &name, double value, const char *unit, double aim)
{
    std::printf("figure: %s: %.2f %s (aim %.4g %s)%s\n", qPrintable(name), value, unit, aim, unit,
                value <= aim ? "" : "  (over)");
    std::fflush(stdout);
}

void fail(const QString &what)
{
    std::fprintf(stderr, "benchmark: %s\n", qPrintable(what));
    std::exit(1);
}

} // namespace BenchData
