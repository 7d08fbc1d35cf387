// Times the history window's charts of one ride whose four logs hold 32767
// entries each (the benchmarks' data files): reading the ride's history from
// the files, working out the figures, building the three charts and drawing
// them at the window's size, as the charts page shows them; then drawing
// the charts again as the PDF does. Reports the median of several runs, and
// the charts page against reading the files' bytes in the same runs (aim:
// at most four times the read, plus 200 ms for building and drawing).
// The files live in a temporary folder under /tmp, removed at the end.

#include "BenchData.h"
#include "data/DataFileTable.h"
#include "history/HistoryChartPainter.h"
#include "history/HistoryScreenChart.h"
#include "store/RideHistory.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Repeats = 5;

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

// Reads every byte of the ride file and the four logs, in 1 MiB blocks.
void readRaw()
{
    static QByteArray block(1 << 20, Qt::Uninitialized);
    for (DataFileKind kind : {DataFileKind::Rides, DataFileKind::Maintenance, DataFileKind::Goodies,
                              DataFileKind::Trips, DataFileKind::Gas}) {
        QFile file(dataFileInfo(kind).name);
        if (!file.open(QIODevice::ReadOnly))
            BenchData::fail(QStringLiteral("cannot read ") + file.fileName());
        while (file.read(block.data(), block.size()) > 0) {
        }
    }
}

void check(const FileStatus &status)
{
    if (!status)
        BenchData::fail(status.message());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_history_charts-XXXXXX"));
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 1;
    // One ride that owns every entry of the four logs.
    BenchData::writeRides(folder.path(), 1);
    BenchData::writeLogs(folder.path(), MaxRecords, 1);

    std::vector<double> raw, reading, figuring, drawing, printing;
    for (int run = 0; run < Repeats; ++run) {
        raw.push_back(milliseconds(readRaw));
        RideHistory history;
        reading.push_back(milliseconds([&] {
            StoreRead<RideHistory> read = Store::readRideHistory(1);
            check(read.status);
            history = std::move(read.value);
        }));
        HistoryCharts::Figures figures;
        figuring.push_back(milliseconds([&] {
            figures = HistoryCharts::figuresOf(history);
        }));
        drawing.push_back(milliseconds([&] {
            for (const HistoryCharts::Chart chart : HistoryCharts::AllCharts) {
                QChartView view(HistoryScreenChart::make(chart, figures, {}).release());
                view.setRenderHint(QPainter::Antialiasing);
                view.resize(860, 320);
                view.grab(); // paints the chart as the window does
            }
        }));
        printing.push_back(milliseconds([&] {
            for (const HistoryCharts::Chart chart : HistoryCharts::AllCharts)
                HistoryChartPainter::paint(chart, figures, QSize(715, 363), HistoryChartPainter::Title::Left);
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
    std::printf("raw read of the five files:        %7.1f ms\n", median(raw));
    BenchData::figure(QStringLiteral("history charts page, four full logs (aim: 4 x the raw read + 200 ms)"), total, "ms",
                      4 * median(raw) + 200);
    return 0;
}
