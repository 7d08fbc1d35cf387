// Times Torqal's start as a whole process, from the moment it is launched to
// the moment its main window is mapped on a real X server, against a bare Qt
// program (one main window with a seven-page tab widget, the same build
// flags) launched the same way in the same run, by turns. Torqal shows its
// title window first; its Continue command is pressed (the space bar, typed
// through the X test extension) the moment that window is mapped. The
// settings skip the new-user overview, and windows do not fade.
//
// For each data set it prints the medians of the runs and their ratios; then,
// once each tab of the main window has been brought into view (Ctrl+Tab, so
// that Torqal shows its four log lists), the peak memory of each
// program when it has settled, and the processor time Torqal then uses in
// one second of idling.
//
// DISPLAY must name an X server without a window manager (scripts/run-benchmarks
// starts a private Xvfb). Each data set lives in a temporary folder under
// /tmp, removed at the end.

#include "BenchData.h"
#include "data/DataFileTable.h"
#include "DemoWriter.h"
#include "platform/DataFolder.h"
#include "platform/Identity.h"

#include <QGuiApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using BenchData::fail;
using Clock = std::chrono::steady_clock;

constexpr int Runs = 9;
constexpr auto MapTimeout = std::chrono::seconds(60);

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The X server: top-level windows being mapped, and a key sent to one.
class XServer
{
public:
    XServer()
    {
        int screenNumber = 0;
        c = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(c))
            fail(QStringLiteral("no X server at DISPLAY=%1").arg(qEnvironmentVariable("DISPLAY")));
        const xcb_setup_t *setup = xcb_get_setup(c);
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(setup);
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screen);
        root = screen.data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
        spaceKey = keycodeOf(setup, 0x20);
        tabKey = keycodeOf(setup, 0xff09);
        controlKey = keycodeOf(setup, 0xffe3);
        xcb_flush(c);
    }
    ~XServer() { xcb_disconnect(c); }

    void forgetEvents()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c))
            std::free(event);
    }

    // The next top-level window mapped (menus and tool tips aside), while
    // the process runs.
    xcb_window_t waitForMap(pid_t pid)
    {
        const auto deadline = Clock::now() + MapTimeout;
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                const bool topLevel = (event->response_type & 0x7f) == XCB_MAP_NOTIFY && !map->override_redirect;
                const xcb_window_t window = map->window;
                std::free(event);
                if (topLevel)
                    return window;
            }
            if (xcb_connection_has_error(c))
                fail(QStringLiteral("lost the X server"));
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                fail(QStringLiteral("the program ended before showing its window"));
            if (Clock::now() > deadline)
                fail(QStringLiteral("no window within a minute"));
            pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&fd, 1, 20);
        }
    }

    // A press and release of the space bar, as the window's focused control
    // receives it.
    void pressSpace(xcb_window_t window) { press(window, spaceKey, false); }
    void pressControlTab(xcb_window_t window) { press(window, tabKey, true); }

private:
    // Real key strokes through the server's test extension, to the window
    // given the input focus, so that held modifiers count as held.
    void press(xcb_window_t window, xcb_keycode_t keycode, bool control)
    {
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        if (control)
            xcb_test_fake_input(c, XCB_KEY_PRESS, controlKey, XCB_CURRENT_TIME, root, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_PRESS, keycode, XCB_CURRENT_TIME, root, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_RELEASE, keycode, XCB_CURRENT_TIME, root, 0, 0, 0);
        if (control)
            xcb_test_fake_input(c, XCB_KEY_RELEASE, controlKey, XCB_CURRENT_TIME, root, 0, 0, 0);
        xcb_flush(c);
    }

    xcb_keycode_t keycodeOf(const xcb_setup_t *setup, xcb_keysym_t symbol)
    {
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto *reply = xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, uint8_t(count)),
                                                     nullptr);
        if (!reply)
            fail(QStringLiteral("no keyboard mapping"));
        const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(reply);
        const int perKey = reply->keysyms_per_keycode;
        xcb_keycode_t found = 0;
        for (int k = 0; k < count && !found; ++k) {
            if (symbols[k * perKey] == symbol)
                found = xcb_keycode_t(setup->min_keycode + k);
        }
        std::free(reply);
        if (!found)
            fail(QStringLiteral("no key for the symbol %1 on the keyboard").arg(symbol, 0, 16));
        return found;
    }

    xcb_connection_t *c = nullptr;
    xcb_window_t root = 0;
    xcb_keycode_t spaceKey = 0;
    xcb_keycode_t tabKey = 0;
    xcb_keycode_t controlKey = 0;
};

// Processor time the process has used so far, in clock ticks.
long cpuTicks(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which is in parentheses.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLong() + fields[12].toLong() : -1;
}

// The largest resident size of the process so far (VmHWM), in kilobytes.
long peakKilobytes(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Waits until the process has used no processor time for 200 ms.
void waitUntilIdle(pid_t pid)
{
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    long last = cpuTicks(pid);
    for (int quiet = 0; quiet < 4 && Clock::now() < deadline;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const long now = cpuTicks(pid);
        quiet = now == last ? quiet + 1 : 0;
        last = now;
    }
}

struct Run
{
    double titleMs = 0; // launched to first window mapped
    double mainMs = 0;  // launched to main window mapped
    long peakKb = 0;    // settled, every tab of the main window shown
    long idleTicks = 0; // processor time over one second of idling
};

class Launcher
{
public:
    explicit Launcher(XServer &server) : x(server) {}

    // The environment of the programs: this one's, with the data set's
    // folders, and on the X server rather than without a screen.
    void setFolders(const QString &home)
    {
        environment.clear();
        for (char **variable = environ; *variable; ++variable) {
            const QByteArray entry(*variable);
            if (!entry.startsWith("QT_QPA_PLATFORM=") && !entry.startsWith("XDG_DATA_HOME=")
                && !entry.startsWith("XDG_CONFIG_HOME=") && !entry.startsWith("XDG_RUNTIME_DIR="))
                environment.push_back(entry);
        }
        environment.push_back("XDG_DATA_HOME=" + QFile::encodeName(home + QStringLiteral("/data")));
        environment.push_back("XDG_CONFIG_HOME=" + QFile::encodeName(home + QStringLiteral("/config")));
        environment.push_back("XDG_RUNTIME_DIR=" + QFile::encodeName(home + QStringLiteral("/runtime")));
    }

    // Launches the program and, with pressContinue, presses the focused
    // command of its first window; the main window is the next one mapped.
    Run launch(const char *program, bool pressContinue, bool measureIdle = false)
    {
        std::vector<char *> envp;
        for (QByteArray &entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        char *argv[] = {const_cast<char *>(program), nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);

        x.forgetEvents();
        Run run;
        const auto start = Clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program, &quiet, nullptr, argv, envp.data()) != 0)
            fail(QStringLiteral("cannot start %1").arg(QString::fromLocal8Bit(program)));
        posix_spawn_file_actions_destroy(&quiet);
        xcb_window_t main = x.waitForMap(pid);
        run.titleMs = msSince(start);
        if (pressContinue) {
            x.pressSpace(main);
            main = x.waitForMap(pid);
        }
        run.mainMs = msSince(start);
        for (int tab = 1; tab < 7; ++tab)
            x.pressControlTab(main);
        waitUntilIdle(pid);
        run.peakKb = peakKilobytes(pid);
        if (measureIdle) {
            const long before = cpuTicks(pid);
            std::this_thread::sleep_for(std::chrono::seconds(1));
            run.idleTicks = cpuTicks(pid) - before;
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return run;
    }

private:
    XServer &x;
    std::vector<QByteArray> environment;
};

// A fresh home for one data set: data and settings folders, the settings
// that skip the new-user overview, and the data files.
QTemporaryDir makeHome(const std::function<void(const QString &dataFolder)> &fill)
{
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/torqal-bench-start-XXXXXX"));
    if (!home.isValid())
        fail(QStringLiteral("cannot make a folder under /tmp"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    const QString dataFolder = DataFolder::path();
    QDir().mkpath(dataFolder);
    QDir().mkpath(home.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSettings settings(home.filePath(QStringLiteral("config/%1/%1.conf").arg(ApplicationTitle)), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Defaults/New User"), QStringLiteral("No Show"));
    settings.sync();
    fill(dataFolder);
    return home;
}

void benchDataSet(Launcher &launcher, const char *name, double aim, bool memoryAim,
                  const std::function<void(const QString &)> &fill)
{
    const QTemporaryDir home = makeHome(fill);
    launcher.setFolders(home.path());
    launcher.launch(TORQAL_PROGRAM, true); // warm-up of both
    launcher.launch(BARE_PROGRAM, false);
    std::vector<double> title, main, bare;
    long peak = 0, barePeak = 0;
    Run idle;
    for (int i = 0; i < Runs; ++i) {
        const Run torqal = launcher.launch(TORQAL_PROGRAM, true, i == 0);
        if (i == 0)
            idle = torqal;
        const Run yardstick = launcher.launch(BARE_PROGRAM, false);
        title.push_back(torqal.titleMs);
        main.push_back(torqal.mainMs);
        bare.push_back(yardstick.mainMs);
        peak = std::max(peak, torqal.peakKb);
        barePeak = std::max(barePeak, yardstick.peakKb);
    }
    const double ratio = median(main) / median(bare);
    std::printf("%s\n", name);
    std::printf("  start to window mapped, median of %d: bare Qt %.0f ms; Torqal title %.0f ms, main window %.0f ms\n",
                Runs, median(bare), median(title), median(main));
    const double memoryRatio = double(peak) / double(barePeak);
    std::printf("  peak memory, every tab shown: bare Qt %ld KB, Torqal %ld KB, ratio %.2f\n", barePeak, peak, memoryRatio);
    std::printf("  processor time used in one second of idling: %ld ms\n", idle.idleTicks * 1000 / sysconf(_SC_CLK_TCK));
    std::fflush(stdout);
    BenchData::figure(QStringLiteral("start, %1").arg(QLatin1String(name)), ratio, "x bare", aim);
    if (memoryAim)
        BenchData::figure(QStringLiteral("memory, every tab shown, %1").arg(QLatin1String(name)), memoryRatio, "x bare", 2.0);
}

} // namespace

int main(int argc, char *argv[])
{
    // The demo pictures are drawn without a screen; the programs timed get
    // the X server.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        fail(QStringLiteral("DISPLAY names no X server (scripts/run-benchmarks starts one)"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(ApplicationTitle);
    XServer x;
    Launcher launcher(x);
    std::printf("Launched as processes, by turns, %d runs each after one warm-up; a space key presses Torqal's "
                "Continue.\n",
                Runs);
    benchDataSet(launcher, "demo rides", 1.2, false,
                 [](const QString &folder) {
                     const QString problem = writeDemoData(folder, QDate::currentDate());
                     if (!problem.isEmpty())
                         fail(problem);
                 });
    benchDataSet(launcher, "1000 rides, four logs of 32767 entries of the ride shown", 1.3, true,
                 [](const QString &folder) {
                     BenchData::writeRides(folder, 1000);
                     BenchData::writeLogs(folder, MaxRecords, 1);
                 });
    benchDataSet(launcher, "1000 rides, four logs of 32767 entries of the ride shown, every entry with extras", 1.3, true,
                 [](const QString &folder) {
                     BenchData::writeRides(folder, 1000);
                     BenchData::writeLogs(folder, MaxRecords, 1);
                     BenchData::writeExtras(folder, MaxRecords, 1);
                 });
    benchDataSet(launcher, "32767 rides", 1.3, false,
                 [](const QString &folder) { BenchData::writeRides(folder, MaxRecords); });
    return 0;
}
