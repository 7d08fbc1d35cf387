// Times a CSV import of the largest log (32767 rows) as the import window
// and `torqal-data import` run it: the file read, every row read as an entry,
// looked for in the log and checked (the preview), then written as one
// command with the entries' extras into Torqal.db. Two files: fill-ups with
// an odometer reading, a cost and a partial flag each, and maintenance
// entries with an odometer reading. Each run imports into a fresh data
// folder holding one ride; reports the median of several runs against the
// aim of one second in all.

#include "BenchData.h"
#include "history/ImportReading.h"
#include "history/ImportWrite.h"
#include "store/ReminderStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Repeats = 5;
constexpr double Aim = 1.0;

double seconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QByteArray gasolineFile()
{
    QByteArray csv("Date,Gallons,Miles,Notes,Odometer,Cost,Partial\r\n");
    const QDate first(1990, 1, 1);
    for (int row = 0; row < MaxRecords; ++row) {
        const int miles = 250 + row % 90;
        csv += first.addDays(row / 3).toString(Qt::ISODate).toLatin1() + ',' + QByteArray::number(9 + row % 7) + '.'
               + QByteArray::number(row % 10) + ',' + QByteArray::number(miles) + ",Station " + QByteArray::number(row % 40)
               + ',' + QByteArray::number(1000 + qint64(row) * 300) + ",\"$" + QByteArray::number(30 + row % 20) + ".25\","
               + (row % 5 == 0 ? "yes" : "no") + "\r\n";
    }
    return csv;
}

QByteArray maintenanceFile()
{
    QByteArray csv("Date,Description,Cost,Notes,Odometer\r\n");
    const QDate first(1990, 1, 1);
    for (int row = 0; row < MaxRecords; ++row)
        csv += first.addDays(row / 3).toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",Service " + QByteArray::number(row % 50)
               + ",\"1,2" + QByteArray::number(10 + row % 90) + ".50\",\"Shop, " + QByteArray::number(row % 9) + "\","
               + QByteArray::number(1000 + qint64(row) * 300) + "\r\n";
    return csv;
}

struct Timing
{
    double reading = 0;
    double writing = 0;
};

Timing importOnce(LogKind kind, const QByteArray &csv)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_csv_import-XXXXXX"));
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        BenchData::fail(QStringLiteral("cannot make a data folder under %1").arg(QDir::tempPath()));
    BenchData::writeRides(folder.path(), 1);
    ReminderStore database(ReminderStore::FileName);
    if (!database.isOpen())
        BenchData::fail(database.status().message());
    Timing timing;
    ImportReading::Outcome outcome;
    timing.reading = seconds([&] {
        ImportReading::Choices choices;
        choices.kind = kind;
        outcome = ImportReading::read(csv, choices, {BenchData::ShownRide, QStringLiteral("1")},
                                      ImportReading::knownIn(&database, BenchData::ShownRide), QDate::currentDate(),
                                      QLocale(QLocale::English, QLocale::UnitedStates));
    });
    if (outcome.storedCount() != std::size_t(MaxRecords))
        BenchData::fail(QStringLiteral("%1 of %2 rows read; the first left out: %3")
                            .arg(outcome.storedCount())
                            .arg(MaxRecords)
                            .arg(outcome.entries.problems.empty() ? QString() : outcome.entries.problems.front().message));
    timing.writing = seconds([&] {
        const StoreResult written = writeImport(&database, kind, outcome.toStore());
        if (!written.done())
            BenchData::fail(written.status.message());
    });
    QDir::setCurrent(QDir::tempPath());
    return timing;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    std::printf("%-28s %12s %12s %10s %6s\n", "import of 32767 rows", "preview (s)", "write (s)", "all (s)", "aim");
    for (const auto &[kind, name, csv] : {std::tuple{LogKind::Gas, "gasoline.csv", gasolineFile()},
                                          std::tuple{LogKind::Maintenance, "maintenance.csv", maintenanceFile()}}) {
        std::vector<double> reading, writing, all;
        for (int run = 0; run < Repeats; ++run) {
            const Timing timing = importOnce(kind, csv);
            reading.push_back(timing.reading);
            writing.push_back(timing.writing);
            all.push_back(timing.reading + timing.writing);
        }
        const double total = median(all);
        std::printf("%-28s %12.3f %12.3f %10.3f %6.1f\n", name, median(reading), median(writing), total, Aim);
        BenchData::figure(QStringLiteral("CSV import of 32767 rows, %1").arg(QString::fromLatin1(name)), total, "s", Aim);
    }
    return 0;
}
