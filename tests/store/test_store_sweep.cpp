// Every command of the store that writes (add, edit and delete a ride; add,
// edit and delete a log entry), stopped at each of its system calls in turn:
// killed there, or the call failing with EIO or ENOSPC. After each, and again
// after the program has started anew on the folder, every data file holds,
// record for record, its state from before the command or its state from
// after it, the command's outcome agrees with what is on disk, and the data
// tool's check finds no damage.

#include "support/Garage.h"

#include "CheckCommand.h"
#include "data/ScratchRecovery.h"
#include "data/SystemCalls.h"
#include "store/LogEntryDelete.h"
#include "store/LogEntryWrite.h"
#include "store/LogScan.h"
#include "store/RideDelete.h"
#include "store/RideRead.h"
#include "store/RideWrite.h"

#include <QTest>

#include <cerrno>

using namespace DataTest;
using Garage::FolderState;

namespace {

void renameRide(RideRecord &stored)
{
    stored.RideName = QStringLiteral("Renamed");
    stored.Notes = QStringLiteral("new notes");
}

struct Command
{
    const char *name;
    StoreResult (*run)();
};

const Command commands[] = {
    {"add a ride", [] { return Store::addRide(ride(4)); }},
    {"edit a ride", [] { return Store::editRide(2, ride(2).RideKey, renameRide); }},
    {"delete a ride", [] { return Store::deleteRide(2, ride(2).RideKey); }},
    {"add an entry", [] { return Store::addLogEntry(LogKind::Maintenance, expense(9, ride(1).RideKey)); }},
    {"edit an entry", [] { return Store::editLogEntry(LogKind::Trips, 3, LogTest::trip(ride(1).RideKey, 39100, "Edited", 7)); }},
    {"delete an entry", [] { return Store::deleteLogEntry(LogKind::Maintenance, 2, ride(2).RideKey); }},
};

// The fault of a run: at call number `at`, counted from 1, the process is
// killed (error 0) or the call fails with `error`.
int callsSoFar = 0;
int faultAt = 0;
int faultError = 0;

int faultHook(const char *)
{
    if (++callsSoFar != faultAt)
        return 0;
    if (faultError == 0)
        raise(SIGKILL);
    return faultError;
}

// Runs the command in a child process with the fault armed. The outcome, or
// -1 when the child was killed.
int outcomeInChild(const Command &command, int at, int error)
{
    const int status = runInChild([&] {
        callsSoFar = 0;
        faultAt = at;
        faultError = error;
        SystemCalls::setFaultHook(&faultHook);
        return int(command.run().outcome);
    });
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}

// The system calls the command makes when nothing goes wrong.
int callsOf(const Command &command)
{
    WorkingFolder folder;
    Garage::write();
    callsSoFar = 0;
    faultAt = 0;
    SystemCalls::setFaultHook(&faultHook);
    const StoreResult result = command.run();
    SystemCalls::setFaultHook(nullptr);
    return result.outcome == StoreOutcome::Written ? callsSoFar : 0;
}

// What the program does with the folder when it starts again: it lists the
// rides and the entries of a ride in every log, which opens every data file
// (and restores one that only a scratch file still holds).
void startAgain()
{
    (void)ScratchRecovery::recover();
    (void)Store::readRideLabels();
    for (LogKind kind : AllLogKinds)
        (void)Store::scanLog(kind, ride(1).RideKey);
}

QString checkReport(int &exitCode)
{
    QString report;
    QTextStream out(&report);
    exitCode = checkCommand(QStringLiteral("."), out, out);
    return report;
}

// Every data file as before or as after; which ones, as the outcome says.
QString mismatch(const FolderState &seen, const FolderState &before, const FolderState &after, int outcome)
{
    for (auto file = seen.begin(); file != seen.end(); ++file) {
        const bool asBefore = file.value() == before[file.key()];
        const bool asAfter = file.value() == after[file.key()];
        if (!asBefore && !asAfter)
            return file.key() + QStringLiteral(" is neither as before nor as after");
        const bool writtenWhole = outcome == int(StoreOutcome::Written) || outcome == int(StoreOutcome::WrittenWithWarning);
        if (outcome == int(StoreOutcome::NothingWritten) && !asBefore)
            return file.key() + QStringLiteral(" changed, but the command says nothing was written");
        if (writtenWhole && !asAfter)
            return file.key() + QStringLiteral(" is unchanged, but the command says it was written");
        if (outcome == int(StoreOutcome::Unfinished) && file.key() == "Torqal.Dat" && !asBefore)
            return QStringLiteral("an unfinished deletion removed the ride");
    }
    return {};
}

} // namespace

class TestStoreSweep : public QObject
{
    Q_OBJECT

private slots:
    void everyCallOfEveryCommand_data()
    {
        QTest::addColumn<int>("command");
        for (int c = 0; c < int(std::size(commands)); ++c)
            QTest::newRow(commands[c].name) << c;
    }

    void everyCallOfEveryCommand()
    {
        QFETCH(int, command);
        const Command &tried = commands[command];
        FolderState before;
        FolderState after;
        {
            WorkingFolder folder;
            Garage::write();
            before = Garage::dataFiles();
            QCOMPARE(tried.run().outcome, StoreOutcome::Written);
            after = Garage::dataFiles();
        }
        QVERIFY(after != before);
        const int calls = callsOf(tried);
        QVERIFY(calls > 0);

        int statesChecked = 0;
        for (int at = 1; at <= calls; ++at) {
            for (int error : {0, EIO, ENOSPC}) {
                WorkingFolder folder;
                Garage::write();
                const int outcome = outcomeInChild(tried, at, error);
                const QString where = QStringLiteral("%1 at call %2 of %3").arg(error == 0 ? "killed" : std::strerror(error)).arg(at).arg(calls);
                QVERIFY2(outcome >= -1, qPrintable(where + ": the child ended otherwise"));
                QVERIFY2(error != 0 || outcome == -1, qPrintable(where + ": the child was not killed"));

                for (const QString &when : {QString(), QStringLiteral(", after a new start")}) {
                    if (!when.isEmpty())
                        startAgain();
                    const QString problem = mismatch(Garage::dataFiles(), before, after, outcome);
                    QVERIFY2(problem.isEmpty(), qPrintable(where + when + ": " + problem));
                    int exitCode = -1;
                    const QString report = checkReport(exitCode);
                    QVERIFY2(exitCode == 0, qPrintable(where + when + ":\n" + report));
                    ++statesChecked;
                }
            }
        }
        qInfo("%s: %d system calls, each killed and failed twice; %d folder states checked", tried.name, calls, statesChecked);
    }
};

QTEST_GUILESS_MAIN(TestStoreSweep)
#include "test_store_sweep.moc"
