// Times the refill of a log list on logs of the largest size (32767 records):
// the file scan through the sorted rows and the totals, as the list model
// does it, as a ratio to reading the file's bytes in the same run. Two cases:
// one ride owns every entry, and one ride owns every hundredth. Then shows
// all four logs of the first case in grids and reports the process's peak
// memory and the time one page of scrolling takes to paint. The gasoline log
// is timed once more with every fill-up's extras in Torqal.db (its odometer,
// cost and partial flag), which the list reads with the file.
// The files live in temporary folders under /tmp, removed at the end.

#include "BenchData.h"
#include "data/RecordFile.h"
#include "logs/LogListModel.h"
#include "model/RideModel.h"
#include "store/ReminderStore.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Repeats = 7;
constexpr double OwnRide = BenchData::ShownRide;

double seconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

using BenchData::fail;

void check(const FileStatus &status)
{
    if (!status)
        fail(status.message());
}

void readWholeFile(const QString &name)
{
    const int fd = ::open(qPrintable(name), O_RDONLY);
    if (fd < 0)
        fail(QStringLiteral("cannot open %1").arg(name));
    std::vector<char> chunk(1 << 20);
    while (::read(fd, chunk.data(), chunk.size()) > 0) {
    }
    ::close(fd);
}

struct Timing
{
    double refill = 1e30;
    double read = 1e30;
};

// Best of several runs of each, by turns, so both meet the same conditions.
Timing timeRefill(LogKind kind, int expectedRows, const ReminderStore *database = nullptr)
{
    const QString name = dataFileInfo(logDataFile(kind)).name;
    LogListing listing(kind);
    LogListModel model(listing);
    Timing best;
    for (int i = 0; i < Repeats; ++i) {
        best.read = std::min(best.read, seconds([&] { readWholeFile(name); }));
        best.refill = std::min(best.refill, seconds([&] { check(model.refill(OwnRide, database)); }));
    }
    if (model.entryCount() != expectedRows)
        fail(QStringLiteral("%1 rows listed, %2 expected").arg(model.entryCount()).arg(expectedRows));
    if (database && listing.extras.size() != expectedRows)
        fail(QStringLiteral("%1 entries' extras read, %2 expected").arg(listing.extras.size()).arg(expectedRows));
    return best;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long currentKilobytes()
{
    FILE *status = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (status) {
        if (std::fscanf(status, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(status);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Folder
{
    Folder()
    {
        char pattern[] = "/tmp/torqal-bench-logs-XXXXXX";
        if (!mkdtemp(pattern))
            fail(QStringLiteral("cannot make a folder under /tmp"));
        path = pattern;
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Folder all;
    Folder sparse;
    const long startKb = currentKilobytes();
    DataFiles files;
    std::printf("Building four logs of %d records, twice ...\n", MaxRecords);
    std::fflush(stdout);
    BenchData::writeLogs(QString::fromStdString(all.path.string()), MaxRecords, 1);
    BenchData::writeLogs(QString::fromStdString(sparse.path.string()), MaxRecords, 100);

    std::printf("%-40s %10s %10s\n", "refill (scan, rows, sort, totals)", "time (s)", "read (s)");
    const auto report = [](const char *name, const Timing &t) {
        std::printf("%-40s %10.4f %10.4f\n", name, t.refill, t.read);
        BenchData::figure(QStringLiteral("log list refill, %1").arg(QLatin1String(name)), t.refill / t.read, "x read", 3.0);
    };
    std::filesystem::current_path(all.path);
    report("Maint.Dat, one ride owns all", timeRefill(LogKind::Maintenance, MaxRecords));
    report("Gas.Dat, one ride owns all", timeRefill(LogKind::Gas, MaxRecords));
    BenchData::writeExtras(QString::fromStdString(all.path.string()), MaxRecords, 1);
    {
        const ReminderStore database(ReminderStore::FileName);
        if (!database.isOpen())
            fail(database.status().message());
        report("Gas.Dat with extras, one ride owns all", timeRefill(LogKind::Gas, MaxRecords, &database));
    }
    std::filesystem::current_path(sparse.path);
    report("Maint.Dat, one ride owns 1 in 100", timeRefill(LogKind::Maintenance, MaxRecords / 100));
    report("Gas.Dat, one ride owns 1 in 100", timeRefill(LogKind::Gas, MaxRecords / 100));

    // The four logs of the ride that owns every entry, each in its grid.
    std::filesystem::current_path(all.path);
    const long beforeKb = currentKilobytes();
    RideModel ride;
    std::vector<std::unique_ptr<LogListModel>> models;
    std::vector<std::unique_ptr<QTableView>> grids;
    for (LogKind kind : AllLogKinds) {
        models.push_back(std::make_unique<LogListModel>(ride.log(kind)));
        check(models.back()->refill(OwnRide));
        grids.push_back(std::make_unique<QTableView>());
        grids.back()->setModel(models.back().get());
        grids.back()->resize(640, 300);
        grids.back()->show();
    }
    QApplication::processEvents();
    const long shownKb = currentKilobytes();

    QTableView &grid = *grids.front();
    QScrollBar *bar = grid.verticalScrollBar();
    int pages = 0;
    double slowest = 0;
    const double total = seconds([&] {
        for (bar->setValue(0); bar->value() < bar->maximum(); ++pages) {
            const double one = seconds([&] {
                bar->setValue(bar->value() + bar->pageStep());
                grid.viewport()->repaint();
            });
            slowest = std::max(slowest, one);
        }
    });
    std::printf("\nfour grids of %d rows: resident %ld KB before the lists, %ld KB with them shown "
                "(the lists take %ld KB); peak %ld KB (start %ld KB)\n",
                MaxRecords, beforeKb, shownKb, shownKb - beforeKb, peakKilobytes(), startKb);
    std::printf("scrolling the maintenance grid page by page: %d pages, %.3f ms a page on average, %.3f ms the slowest\n",
                pages, 1000 * total / std::max(pages, 1), 1000 * slowest);
    return 0;
}
