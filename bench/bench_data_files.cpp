// Times the data work of the busiest commands on files of the largest size
// (32767 records; the ride file is 327 MB), each as a ratio to the plain
// file work it cannot avoid, measured in the same run:
// - a log list refill (read every record, keep one ride's: ForEachRecordOfRide)
//   and the rides menu (read every ride's name fields: ForEachRecord), against
//   reading the file's bytes in order;
// - compacting a file with every second record marked, against copying the
//   file and flushing the copy to disk.
// The files live in a temporary folder under /tmp, removed at the end.

#include "BenchData.h"
#include "data/RecordFile.h"

#include <QDir>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Repeats = 9;
constexpr int Rides = 40; // the log entries are spread over this many rides

double seconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Timing
{
    double work = 1e30;
    double baseline = 1e30;
};

// The best times of the work and of its baseline, run by turns so that both
// meet the same conditions (the machine is shared); setUp runs untimed
// before each run of the work.
Timing timeAgainst(const std::function<void()> &baseline, const std::function<void()> &setUp, const std::function<void()> &work)
{
    Timing best;
    for (int i = 0; i < Repeats; ++i) {
        best.baseline = std::min(best.baseline, seconds(baseline));
        setUp();
        best.work = std::min(best.work, seconds(work));
    }
    return best;
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "bench_data_files: %s\n", qPrintable(what));
    std::exit(1);
}

void check(const FileStatus &status)
{
    if (!status)
        fail(status.message());
}

double rideKey(int ride) { return 39000.0 + ride * 1.375; }

QString sampleText(int number, int length)
{
    QString text = QStringLiteral("Entry %1: oil and filter changed, tyres rotated, chain lubed. ").arg(number);
    if (number % 10 == 0)
        text += QStringLiteral("Owner\u2019s notes \u2014 \u20AC12. ");
    while (text.size() < length)
        text += text;
    return text.left(length);
}

template<DataRecord Record>
void fillFile(RecordFile<Record> &file, const std::function<void(int, Record &)> &make)
{
    check(OpenRecordFile(file));
    for (int number = 1; number <= MaxRecords; ++number) {
        make(number, file.buffer);
        check(WriteRecord(file, number));
    }
    check(CloseRecordFile(file));
}

void readWholeFile(const char *path)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        fail(QStringLiteral("cannot open %1").arg(path));
    std::vector<char> chunk(1 << 20);
    while (::read(fd, chunk.data(), chunk.size()) > 0) {
    }
    ::close(fd);
}

void copyAndFlush(const char *from, const char *to)
{
    const int in = ::open(from, O_RDONLY);
    const int out = ::open(to, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0)
        fail(QStringLiteral("cannot copy %1").arg(from));
    std::vector<char> chunk(1 << 20);
    for (ssize_t got; (got = ::read(in, chunk.data(), chunk.size())) > 0;) {
        if (::write(out, chunk.data(), static_cast<size_t>(got)) != got)
            fail(QStringLiteral("cannot write %1").arg(to));
    }
    ::fsync(out);
    ::close(in);
    ::close(out);
}

struct Result
{
    const char *name;
    double time;
    double baseline;
    double aim;
};

void report(const std::vector<Result> &results)
{
    std::printf("%-44s %10s %10s\n", "benchmark (best of runs)", "time (s)", "base (s)");
    for (const Result &r : results)
        std::printf("%-44s %10.3f %10.3f\n", r.name, r.time, r.baseline);
    for (const Result &r : results)
        BenchData::figure(QString::fromLatin1(r.name), r.time / r.baseline, "x base", r.aim);
}

} // namespace

int main()
{
    char folderTemplate[] = "/tmp/torqal-bench-XXXXXX";
    if (!mkdtemp(folderTemplate))
        fail(QStringLiteral("cannot make a folder under /tmp"));
    const std::filesystem::path folder(folderTemplate);
    std::filesystem::current_path(folder);
    std::printf("Building files of %d records in %s ...\n", MaxRecords, folderTemplate);
    std::fflush(stdout);

    DataFiles files;
    fillFile<RideRecord>(files.rides, [](int n, RideRecord &r) {
        r.RideKey = rideKey(n);
        r.Year = QString::number(1950 + n % 70);
        r.Make = QStringLiteral("Make %1").arg(n % 97);
        r.Model = QStringLiteral("Model %1").arg(n);
        r.RideName = QStringLiteral("Ride number %1").arg(n);
        r.PicturePath = QStringLiteral("/home/someone/Pictures/ride%1.jpg").arg(n);
        r.Notes = sampleText(n, 2000);
    });
    fillFile<ExpenseRecord>(files.maintenance, [](int n, ExpenseRecord &r) {
        r.RideKey = rideKey(1 + n % Rides);
        r.EntryDate = 39000 + n * 0.25;
        r.Description = sampleText(n, 40);
        r.Cost = 125000LL * (n % 50);
        r.Notes = sampleText(n, 600);
    });
    fillFile<GasRecord>(files.gas, [](int n, GasRecord &r) {
        r.RideKey = rideKey(1 + n % Rides);
        r.EntryDate = 39000 + n * 0.25;
        r.Gallons = 8.5f + static_cast<float>(n % 7);
        r.Miles = 250 + n % 100;
        r.Notes = sampleText(n, 200);
    });

    std::vector<Result> results;
    const auto noSetUp = [] {};
    auto logScan = [&](auto &file) {
        check(OpenRecordFile(file));
        int kept = 0;
        check(ForEachRecordOfRide(file, rideKey(7), [&](int, const auto &) { ++kept; }));
        check(CloseRecordFile(file));
        if (kept == 0)
            fail(QStringLiteral("the scan kept nothing"));
    };
    auto add = [&](const char *name, Timing timing, double aim) { results.push_back({name, timing.work, timing.baseline, aim}); };
    add("log list refill, Maint.Dat (98 MB)",
        timeAgainst([] { readWholeFile("Maint.Dat"); }, noSetUp, [&] { logScan(files.maintenance); }), 1.5);
    add("log list refill, Gas.Dat (33 MB)", timeAgainst([] { readWholeFile("Gas.Dat"); }, noSetUp, [&] { logScan(files.gas); }), 1.5);
    add("rides menu, Torqal.Dat (327 MB)", timeAgainst([] { readWholeFile("Torqal.Dat"); }, noSetUp, [&] {
            QStringList labels;
            check(OpenRecordFile(files.rides));
            check(ForEachRecord(files.rides, {&RideRecord::Year, &RideRecord::Make, &RideRecord::Model, &RideRecord::RideName},
                                [&](int, const RideRecord &r) { labels << trimmedField(r.RideName); }));
            check(CloseRecordFile(files.rides));
        }), 1.5);

    // Every second record marked, kept aside so that each compaction starts alike.
    auto compaction = [&](auto &file, const char *markedCopy) {
        check(OpenRecordFile(file));
        for (int number = 1; number <= file.count(); number += 2)
            check(MarkRecord(file, number));
        check(CloseRecordFile(file));
        const QByteArray path = file.name().toLocal8Bit();
        copyAndFlush(path.constData(), markedCopy);
        const Timing timing = timeAgainst([&] { copyAndFlush(markedCopy, "Copy.bin"); }, [&] { copyAndFlush(markedCopy, path.constData()); },
                                          [&] { check(CompactRecordFile(file, KeepUnmarked{}).status); });
        ::unlink("Copy.bin");
        return timing;
    };
    add("compaction, Torqal.Dat half marked", compaction(files.rides, "Torqal.marked"), 3.0);
    add("compaction, Maint.Dat half marked", compaction(files.maintenance, "Maint.marked"), 3.0);

    std::filesystem::current_path("/");
    std::filesystem::remove_all(folder);
    report(results);
    return 0;
}
