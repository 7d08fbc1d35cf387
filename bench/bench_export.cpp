// Times `torqal-data export --ride 1` of one ride that owns every entry of
// four logs of 32767 entries (the benchmarks' data files), as a whole
// process, against reading the same files' bytes (as `cat` to /dev/null
// does) by turns in the same run, and reports the process's peak memory.
// The data files live in a temporary folder under /tmp; the CSV files are
// written into one in memory (/dev/shm) where there is one, as `cat` writes
// nothing either, so that the figure is the program's own work and not the
// disk's (on a slow disk, writing the 90 MB of CSV costs several times the
// reading). Both are removed at the end.

#include "BenchData.h"
#include "data/DataFileTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using BenchData::fail;
using Clock = std::chrono::steady_clock;

constexpr int Runs = 7;
constexpr double TimeAim = 4.0;
constexpr double MemoryAimMb = 150;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the program to its end with its output thrown away; its wall time in
// milliseconds and its peak resident memory in kilobytes.
struct Process
{
    double ms = 0;
    long peakKb = 0;
};

Process run(const std::vector<QByteArray> &arguments)
{
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv.front(), &quiet, nullptr, argv.data(), environ) != 0)
        fail(QStringLiteral("cannot start %1").arg(QString::fromLocal8Bit(argv.front())));
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(QStringLiteral("%1 failed").arg(QString::fromLocal8Bit(argv.front())));
    Process process;
    process.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    process.peakKb = usage.ru_maxrss;
    return process;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/bench_export-XXXXXX"));
    if (!folder.isValid())
        fail(QStringLiteral("cannot make a folder under /tmp"));
    const QString data = folder.filePath(QStringLiteral("data"));
    const QTemporaryDir memory(QStringLiteral("/dev/shm/bench_export-XXXXXX"));
    const QString out = memory.isValid() ? memory.filePath(QStringLiteral("csv")) : folder.filePath(QStringLiteral("csv"));
    QDir().mkpath(data);
    BenchData::writeRides(data, 1);
    BenchData::writeLogs(data, MaxRecords, 1);

    const std::vector<QByteArray> exporting = {TORQAL_DATA_PROGRAM, "export", "--ride", "1", QFile::encodeName(data),
                                               QFile::encodeName(out)};
    std::vector<QByteArray> reading = {"cat"};
    for (DataFileKind kind : {DataFileKind::Maintenance, DataFileKind::Goodies, DataFileKind::Trips, DataFileKind::Gas})
        reading.push_back(QFile::encodeName(QDir(data).filePath(dataFileInfo(kind).name)));

    run(exporting); // warm-up of both, with the files read into memory
    run(reading);
    std::vector<double> exported, read;
    long peak = 0;
    for (int i = 0; i < Runs; ++i) {
        const Process one = run(exporting);
        exported.push_back(one.ms);
        peak = std::max(peak, one.peakKb);
        read.push_back(run(reading).ms);
    }
    std::printf("torqal-data export --ride 1, one ride owning four logs of %d entries, median of %d runs by turns: "
                "export into %s %.0f ms, cat of the four logs %.0f ms; peak memory %ld KB\n",
                MaxRecords, Runs, qPrintable(QFileInfo(out).path()), median(exported), median(read), peak);
    BenchData::figure(QStringLiteral("export of four full logs"), median(exported) / median(read), "x cat", TimeAim);
    BenchData::figure(QStringLiteral("export of four full logs, peak memory"), double(peak) / 1024, "MB", MemoryAimMb);
    return 0;
}
