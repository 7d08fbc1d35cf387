// Times the main window's ride commands on the largest files, each as a
// ratio to reading the same files' bytes in the same run:
// - ShowRide for a ride whose four logs hold 32767 entries each, once with
//   every entry the ride's own and once with every hundredth;
// - BuildRidesMenu with 1000 and with 32767 rides on file.
// The files live in a temporary folder under /tmp, removed at the end.

#include "data/RecordFile.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "ride/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int Repeats = 5;
constexpr double ShownRide = 40123.5;
constexpr double OtherRide = 40200.25;

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "bench_rides: %s\n", qPrintable(what));
    std::exit(1);
}

void check(const FileStatus &status)
{
    if (!status)
        fail(status.message());
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianSeconds(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < Repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return median(times);
}

// Reads every byte of the files, in blocks, as the plain measure of the work.
void readRaw(const QStringList &files)
{
    static QByteArray block(1 << 20, Qt::Uninitialized);
    for (const QString &name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read ") + name);
        while (file.read(block.data(), block.size()) > 0) {
        }
    }
}

template<DataRecord Record>
void writeRecords(RecordFile<Record> &file, int count, const std::function<void(Record &, int)> &fill)
{
    check(OpenRecordFile(file));
    for (int n = 1; n <= count; ++n) {
        file.buffer = Record();
        fill(file.buffer, n);
        check(WriteRecord(file, n));
    }
    check(CloseRecordFile(file));
}

RideRecord rideNumber(int n)
{
    RideRecord ride;
    ride.RideKey = n == 1 ? ShownRide : OtherRide + n;
    ride.Year = QString::number(1950 + n % 70);
    ride.Make = QStringLiteral("Make %1").arg(n);
    ride.Model = QStringLiteral("Model %1").arg(n);
    ride.Notes = QStringLiteral("Notes of ride %1, kept for years.\r\n").arg(n).repeated(40);
    return ride;
}

void writeRides(DataFiles &files, int count)
{
    writeRecords<RideRecord>(files.rides, count, [](RideRecord &r, int n) { r = rideNumber(n); });
}

// Four logs of 32767 entries; the shown ride owns every `every`-th.
void writeLogs(DataFiles &files, int every)
{
    const auto key = [every](int n) { return n % every == 0 ? ShownRide : OtherRide; };
    const auto date = [](int n) { return 36000.0 + (n * 7919) % 9000; };
    const auto expense = [&](ExpenseRecord &r, int n) {
        r.RideKey = key(n);
        r.EntryDate = date(n);
        r.Description = QStringLiteral("Entry %1: new plugs").arg(n);
        r.Cost = 125000LL * (n % 50);
        r.Notes = QStringLiteral("Valve clearance checked.");
    };
    writeRecords<ExpenseRecord>(files.maintenance, MaxRecords, expense);
    writeRecords<ExpenseRecord>(files.goodies, MaxRecords, expense);
    writeRecords<TripRecord>(files.trips, MaxRecords, [&](TripRecord &r, int n) {
        r.RideKey = key(n);
        r.EntryDate = date(n);
        r.Description = QStringLiteral("Trip %1").arg(n);
        r.Miles = n % 900;
    });
    writeRecords<GasRecord>(files.gas, MaxRecords, [&](GasRecord &r, int n) {
        r.RideKey = key(n);
        r.EntryDate = date(n);
        r.Gallons = 8.5f + float(n % 7);
        r.Miles = 250 + n % 90;
    });
}

// The main window, whose four log tabs every ShowRide refills.
struct Window
{
    std::unique_ptr<frmMain> main = std::make_unique<frmMain>();

    Window()
    {
        main->show();
        QCoreApplication::processEvents();
    }
};

void report(const char *what, double seconds, double raw)
{
    std::printf("%-52s %9.1f ms   raw read %8.1f ms   ratio %6.1f\n", what, seconds * 1000, raw * 1000, seconds / raw);
}

void benchShowRide(const char *what, int every)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_rides-XXXXXX"));
    QDir::setCurrent(folder.path());
    {
        DataFiles files;
        writeRides(files, 2);
        writeLogs(files, every);
    }
    Window window;
    RideState &state = window.main->state();
    state.CurrentRide = 1;
    const QStringList names = {QStringLiteral("Torqal.Dat"), QStringLiteral("Maint.Dat"), QStringLiteral("Goody.Dat"),
                               QStringLiteral("Trip.Dat"), QStringLiteral("Gas.Dat")};
    const double raw = medianSeconds([&] { readRaw(names); });
    const double shown = medianSeconds([&] { window.main->rides().view.ShowRide(1); });
    if (state.CurrentRideKey != ShownRide)
        fail(QStringLiteral("the ride was not shown"));
    if (window.main->controls().grid[1]->model()->rowCount() != MaxRecords / every)
        fail(QStringLiteral("the maintenance list holds %1 entries").arg(window.main->controls().grid[1]->model()->rowCount()));
    report(what, shown, raw);
}

void benchRidesMenu(const char *what, int rides)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_rides-XXXXXX"));
    QDir::setCurrent(folder.path());
    {
        DataFiles files;
        writeRides(files, rides);
    }
    Window window;
    const double raw = medianSeconds([] { readRaw({QStringLiteral("Torqal.Dat")}); });
    const double built = medianSeconds([&] { window.main->rides().menu.BuildRidesMenu(); });
    if (window.main->state().RideCount != rides)
        fail(QStringLiteral("the menu counted %1 rides").arg(window.main->state().RideCount));
    report(what, built, raw);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    Settings::useFile(settings.filePath(QStringLiteral("settings.ini")));
    MessageBox::Script noBoxes;
    const QString start = QDir::currentPath();

    std::printf("Median of %d runs; raw read = the same files' bytes read in 1 MiB blocks.\n", Repeats);
    benchShowRide("ShowRide, 4 logs x 32767 entries, all of the ride", 1);
    benchShowRide("ShowRide, 4 logs x 32767 entries, 1 in 100", 100);
    benchRidesMenu("BuildRidesMenu, 1000 rides", 1000);
    benchRidesMenu("BuildRidesMenu, 32767 rides", MaxRecords);
    QDir::setCurrent(start);
    return 0;
}
