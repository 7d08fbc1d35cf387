// Times the history window's charts of one ride whose four logs hold 32767
// entries each (dates over about 25 years): reading the ride's history from
// the files, working out the figures, building the three charts and drawing
// them at the window's size, as the charts page shows them; then drawing
// the charts again as the PDF does. Reports the median of several runs.
// The files live in a temporary folder under /tmp, removed at the end.

#include "history/HistoryCharts.h"
#include "history/RideHistory.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int Repeats = 5;
constexpr double RideKey = 40123.5;

double milliseconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void check(const FileStatus &status)
{
    if (!status) {
        std::fprintf(stderr, "bench_history_charts: %s\n", qPrintable(status.message()));
        std::exit(1);
    }
}

// About one entry every six days, in no particular order.
double entryDate(int number) { return 36000 + (number * 7919) % 9200; }

template<DataRecord Record>
void fillFile(RecordFile<Record> &file, const std::function<void(int, Record &)> &make)
{
    check(OpenRecordFile(file));
    for (int number = 1; number <= MaxRecords; ++number) {
        file.buffer.RideKey = RideKey;
        file.buffer.EntryDate = entryDate(number);
        make(number, file.buffer);
        check(WriteRecord(file, number));
    }
    check(CloseRecordFile(file));
}

void fillFiles(DataFiles &files)
{
    check(OpenRecordFile(files.rides));
    files.rides.buffer.RideKey = RideKey;
    files.rides.buffer.Year = QStringLiteral("2001");
    files.rides.buffer.Make = QStringLiteral("Honda");
    check(WriteRecord(files.rides, 1));
    check(CloseRecordFile(files.rides));
    const auto expense = [](int n, ExpenseRecord &r) {
        r.Description = QStringLiteral("Entry %1").arg(n);
        r.Cost = 10000LL * (n % 500);
    };
    fillFile<ExpenseRecord>(files.maintenance, expense);
    fillFile<ExpenseRecord>(files.goodies, expense);
    fillFile<TripRecord>(files.trips, [](int n, TripRecord &r) {
        r.Description = QStringLiteral("Trip %1").arg(n);
        r.Miles = 20 + n % 400;
    });
    fillFile<GasRecord>(files.gas, [](int n, GasRecord &r) {
        r.Gallons = 8.0f + float(n % 7);
        r.Miles = 250 + n % 90;
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_history_charts-XXXXXX"));
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 1;
    DataFiles files;
    fillFiles(files);

    std::vector<double> reading, figuring, drawing, printing;
    for (int run = 0; run < Repeats; ++run) {
        RideHistory history;
        reading.push_back(milliseconds([&] { check(readRideHistory(files, 1, history)); }));
        HistoryCharts::Figures figures;
        figuring.push_back(milliseconds([&] {
            figures = {HistoryFigures::milesPerGallon(history.gas),
                       HistoryFigures::spendingPerMonth(history.maintenance, history.goodies),
                       HistoryFigures::milesPerMonth(history.gas, history.trips)};
        }));
        drawing.push_back(milliseconds([&] {
            for (const HistoryCharts::Chart chart : HistoryCharts::AllCharts) {
                QChartView view(HistoryCharts::makeChart(chart, figures).release());
                view.setRenderHint(QPainter::Antialiasing);
                view.resize(860, 320);
                view.grab(); // paints the chart as the window does
            }
        }));
        printing.push_back(milliseconds([&] {
            for (const HistoryCharts::Chart chart : HistoryCharts::AllCharts)
                HistoryCharts::chartImage(*HistoryCharts::makeChart(chart, figures), QSize(715, 363));
        }));
        if (run == 0)
            std::printf("entries per log: %zu, %zu, %zu, %zu; fill-ups drawn: %zu; months: %zu\n",
                        history.maintenance.size(), history.goodies.size(), history.trips.size(),
                        history.gas.size(), figures.mpg.size(), figures.spending.size());
    }
    const double total = median(reading) + median(figuring) + median(drawing);
    std::printf("read the history from the files:   %7.1f ms\n", median(reading));
    std::printf("work out the figures:              %7.1f ms\n", median(figuring));
    std::printf("build and draw the three charts:   %7.1f ms\n", median(drawing));
    std::printf("charts page in all:                %7.1f ms (median of %d runs)\n", total, Repeats);
    std::printf("draw the three charts for the PDF: %7.1f ms\n", median(printing));
    return 0;
}
