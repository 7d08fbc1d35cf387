#include "BenchData.h"

#include "data/DataFileTable.h"

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

void writeLogs(const QString &folder, int entries, int every)
{
    const auto key = [every](int n) { return n % every == 0 ? ShownRide : OtherRide; };
    const auto expense = [&](int n) {
        ExpenseRecord r;
        r.RideKey = key(n);
        r.EntryDate = entryDate(n);
        r.Description = sampleText(n, 45);
        r.Cost = 125000LL * (n % 50);
        r.Notes = sampleText(n, 800);
        return r;
    };
    writeFile<ExpenseRecord>(folder, DataFileKind::Maintenance, entries, expense);
    writeFile<ExpenseRecord>(folder, DataFileKind::Goodies, entries, expense);
    writeFile<TripRecord>(folder, DataFileKind::Trips, entries, [&](int n) {
        TripRecord r;
        r.RideKey = key(n);
        r.EntryDate = entryDate(n);
        r.Description = sampleText(n, 30);
        r.Miles = 20 + n % 400;
        r.Notes = sampleText(n, 800);
        return r;
    });
    writeFile<GasRecord>(folder, DataFileKind::Gas, entries, [&](int n) {
        GasRecord r;
        r.RideKey = key(n);
        r.EntryDate = entryDate(n);
        r.Gallons = 8.5f + float(n % 7);
        r.Miles = 250 + n % 100;
        r.Notes = sampleText(n, 200);
        return r;
    });
}

void fail(const QString &what)
{
    std::fprintf(stderr, "benchmark: %s\n", qPrintable(what));
    std::exit(1);
}

} // namespace BenchData
