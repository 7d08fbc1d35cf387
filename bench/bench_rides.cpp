// Times the main window's ride commands on large files:
// - ShowRide for a ride whose four logs hold 32767 entries each, once with
//   every entry the ride's own and once with every hundredth, and ShowRide
//   followed by each log tab brought into view (its list read then), as a
//   ratio to reading the same files' bytes in the same run;
// - the rides menu with 10, 1000, 10000 and 32767 rides on file: its build
//   (BuildRidesMenu, as at the first display and after a save or deletion)
//   and its first opening (the labels read, the menu laid out and painted),
//   with the time per ride, which stays flat when the work grows linearly.
// The files live in a temporary folder under /tmp, removed at the end.

#include "BenchData.h"
#include "data/RecordFile.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "ride/frmMain.h"
#include "ui/ListMenu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using BenchData::fail;

constexpr int Repeats = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double seconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The median time of the work; setUp runs untimed before each run.
double medianSeconds(const std::function<void()> &work, const std::function<void()> &setUp = [] {})
{
    std::vector<double> times;
    for (int i = 0; i < Repeats; ++i) {
        setUp();
        times.push_back(seconds(work));
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

void benchShowRide(const char *what, int every)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_rides-XXXXXX"));
    QDir::setCurrent(folder.path());
    BenchData::writeRides(folder.path(), 2);
    BenchData::writeLogs(folder.path(), MaxRecords, every);
    Window window;
    RideState &state = window.main->state();
    state.CurrentRide = 1;
    const QStringList names = {QStringLiteral("Torqal.Dat"), QStringLiteral("Maint.Dat"), QStringLiteral("Goody.Dat"),
                               QStringLiteral("Trip.Dat"), QStringLiteral("Gas.Dat")};
    const double raw = medianSeconds([&] { readRaw(names); });
    const double shown = medianSeconds([&] { window.main->rides().view.ShowRide(1); });
    QTabWidget *tabs = window.main->controls().MainTab;
    const double withLogs = medianSeconds([&] {
        window.main->rides().view.ShowRide(1);
        for (int tab = 3; tab <= 6; ++tab)
            tabs->setCurrentIndex(tab);
    });
    if (state.CurrentRideKey != BenchData::ShownRide)
        fail(QStringLiteral("the ride was not shown"));
    if (window.main->controls().grid[1]->model()->rowCount() != MaxRecords / every)
        fail(QStringLiteral("the maintenance list holds %1 entries").arg(window.main->controls().grid[1]->model()->rowCount()));
    std::printf("%s\n  ShowRide %8.1f ms; with the four log tabs in view %8.1f ms   raw read %7.1f ms   ratio %5.1f\n",
                what, shown * 1000, withLogs * 1000, raw * 1000, withLogs / raw);
}

void benchRidesMenu(int rides)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_rides-XXXXXX"));
    QDir::setCurrent(folder.path());
    BenchData::writeRides(folder.path(), rides);
    Window window;
    RidesMenu &menu = window.main->rides().menu;
    const double built = medianSeconds([&] { menu.BuildRidesMenu(); });
    if (window.main->state().RideCount != rides)
        fail(QStringLiteral("the menu counted %1 rides").arg(window.main->state().RideCount));
    ListMenu *popup = menu.menu();
    const auto rebuild = [&] {
        popup->close();
        menu.BuildRidesMenu();
    };
    // Asking for an item's caption reads the labels.
    const double labels = medianSeconds([&] { menu.caption(1); }, rebuild);
    const double opened = medianSeconds(
        [&] {
            menu.cmdSelectRide_Click();
            popup->repaint();
        },
        rebuild);
    if (!popup->isVisible() || popup->model()->rowCount() != rides + 2)
        fail(QStringLiteral("the menu did not open with every ride"));
    if (menu.caption(rides) != BenchData::ride(rides).Year + QStringLiteral(" Make %1 Model %1").arg(rides))
        fail(QStringLiteral("the last ride's label is %1").arg(menu.caption(rides)));
    popup->close();
    std::printf("%6d rides   build %8.2f ms   first opening %8.2f ms, of which reading the labels %8.2f ms   "
                "(%.2f us a ride)\n",
                rides, built * 1000, opened * 1000, labels * 1000, (built + opened) * 1e6 / rides);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The screenless platform's notes on what it cannot do say nothing here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    QTemporaryDir settings;
    Settings::useFile(settings.filePath(QStringLiteral("settings.ini")));
    MessageBox::Script noBoxes;
    const QString start = QDir::currentPath();

    std::printf("Median of %d runs; raw read = the same files' bytes read in 1 MiB blocks.\n", Repeats);
    benchShowRide("ShowRide, 4 logs x 32767 entries, all of the ride", 1);
    benchShowRide("ShowRide, 4 logs x 32767 entries, 1 in 100", 100);
    std::printf("\nThe rides menu:\n");
    for (const int rides : {10, 1000, 10000, MaxRecords})
        benchRidesMenu(rides);
    QDir::setCurrent(start);
    return 0;
}
