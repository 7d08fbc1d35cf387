// Every command that writes the data files (add, edit and delete a ride; add,
// edit and delete a log entry; an import of many entries and its undo; a picture copied
// into the data folder and set; the start's recovery of a scratch file and
// of a journal; a reminder marked done with its maintenance entry, and a
// ride deleted with its reminders, both of which write Torqal.db as well),
// stopped at each of its system calls (Torqal.db's file operations too): killed there,
// the call failing with EIO or ENOSPC, or a write coming out short and then
// the process killed or every later call failing with EIO. After each, and
// again after the program has started anew on the folder, every data file
// holds, record for record, its state from before the command or its state
// from after it, the command's outcome agrees with what is on disk, nothing
// is set aside, and the data tool's check finds no damage. (While a journal
// is still to be put back, the folder is checked after the new start only:
// that is when the program puts it back.) A data file and the reminders that
// change together are, after the new start, both as before or both as after.

#include "support/Garage.h"
#include "support/ReminderSupport.h"
#include "support/SqliteFaults.h"

#include "CheckCommand.h"
#include "data/ScratchRecovery.h"
#include "data/SystemCalls.h"
#include "data/WriteJournal.h"
#include "store/EntryCommands.h"
#include "store/ImportUndo.h"
#include "store/LogEntryDelete.h"
#include "store/LogEntryWrite.h"
#include "store/LogScan.h"
#include "store/PicturePaths.h"
#include "store/ProgramSettings.h"
#include "store/ReminderChanges.h"
#include "store/ReminderStore.h"
#include "store/RideDelete.h"
#include "store/RideUnitsChange.h"
#include "store/RideRead.h"
#include "store/RideWrite.h"
#include "store/StoreFiles.h"

#include <QDir>
#include <QSqlDatabase>
#include <QTemporaryDir>
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

std::vector<GasRecord> fiftyFillUps()
{
    std::vector<GasRecord> fillUps;
    for (int id = 1; id <= 50; ++id)
        fillUps.push_back(gas(100 + id, ride(2).RideKey));
    return fillUps;
}

const QByteArray PictureBytes = QByteArray("a picture, in bytes ").repeated(500);

// The garage with a picture outside the data folder.
void garageWithPicture()
{
    Garage::write();
    QDir().mkpath(QStringLiteral("elsewhere"));
    writeBytes(QStringLiteral("elsewhere/photo.png"), PictureBytes);
}

StoreResult copyAndSetPicture()
{
    QString stored;
    if (FileStatus copied = PicturePaths::copyIntoDataFolder(QDir::currentPath(), QStringLiteral("elsewhere/photo.png"), stored); !copied)
        return {StoreOutcome::NothingWritten, copied};
    return Store::setRidePicture(1, ride(1).RideKey, stored);
}

// The maintenance log only in the scratch file, as an older program's
// compaction leaves it when stopped between its delete and its rename.
void garageWithMaintenanceInScratchFile()
{
    Garage::write();
    writeFileOf<ExpenseRecord>(QStringLiteral("Goody.Dat"), {expense(7, ride(3).RideKey)}); // else it could be the origin too
    QVERIFY(QFile::rename(QStringLiteral("Maint.Dat"), ScratchFileName));
}

// Five of ten fill-ups appended under a journal that was never finished.
void garageWithPendingJournal()
{
    Garage::write();
    RecordFile<GasRecord> file(DataFileKind::Gas);
    QVERIFY(OpenRecordFile(file));
    WriteJournal journal;
    QVERIFY(journal.noteAppend(file, 10));
    QVERIFY(journal.begin());
    const int first = file.count() + 1;
    for (int i = 0; i < 5; ++i) {
        file.buffer = gas(200 + i, ride(2).RideKey);
        QVERIFY(WriteRecord(file, first + i));
    }
    QVERIFY(CloseRecordFile(file));
}

// A recovery that fails may have done part of its work; either way the
// next start completes it.
StoreResult asRecovery(const FileStatus &status)
{
    return {status ? StoreOutcome::Written : StoreOutcome::Unfinished, status};
}

// The garage with two reminders of ride 1 and one of ride 2 in Torqal.db.
void garageWithReminders()
{
    Garage::write();
    ReminderStore reminders(ReminderStore::FileName);
    for (Reminder reminder : {ReminderTest::ofRide(ReminderTest::once(QDate(2027, 1, 1)), ride(1).RideKey),
                              ReminderTest::ofRide(ReminderTest::every(6, 3000, QDate(2026, 5, 1)), ride(1).RideKey),
                              ReminderTest::ofRide(ReminderTest::once(QDate(2027, 2, 1)), ride(2).RideKey)})
        QVERIFY(reminders.add(reminder));
}

StoreResult markReminderDone()
{
    ReminderStore reminders(ReminderStore::FileName);
    if (!reminders.isOpen())
        return {StoreOutcome::NothingWritten, reminders.status()};
    QList<Reminder> ofRide;
    (void)reminders.remindersOf(ride(1).RideKey, ofRide);
    Reminder done = ofRide.value(1);
    done.lastDoneDate = QDate(2026, 12, 7);
    done.lastDoneMiles = 41000;
    return Store::recordReminderDone(reminders, expense(9, ride(1).RideKey), done);
}

StoreResult addReminder()
{
    ReminderStore reminders(ReminderStore::FileName);
    Reminder added = ReminderTest::ofRide(ReminderTest::once(QDate(2027, 3, 1)), ride(3).RideKey);
    const FileStatus status = reminders.isOpen() ? reminders.add(added) : reminders.status();
    return {status ? StoreOutcome::Written : StoreOutcome::NothingWritten, status};
}

// The garage with the odometer reading of ride 2's first fill-up.
void garageWithFillUpValues()
{
    Garage::write();
    ReminderStore database(ReminderStore::FileName);
    EntryExtras values;
    values.odometer = 41000;
    QVERIFY(Store::editLogEntry(database, LogKind::Gas, 1, gas(1, ride(2).RideKey), values).done());
}

StoreResult editFillUpWithValues()
{
    ReminderStore database(ReminderStore::FileName);
    GasRecord edited = gas(1, ride(2).RideKey);
    edited.Miles += 10;
    EntryExtras values;
    values.odometer = 41010;
    return Store::editLogEntry(database, LogKind::Gas, 1, edited, values);
}

StoreResult convertRideUnits()
{
    ReminderStore database(ReminderStore::FileName);
    RideExtras metric;
    metric.distance = DistanceUnit::Kilometres;
    metric.fuel = FuelUnit::Litres;
    return Store::changeRideUnits(database, ride(2).RideKey, metric, Store::UnitsChange::Convert);
}

// The garage with three fill-ups of ride 2 imported after its own, the
// first with its odometer reading. Imported once, then written from its
// bytes for every run (Torqal.db's making waits for the disk many times).
void garageWithImport()
{
    static FolderState imported;
    if (imported.isEmpty()) {
        Garage::write();
        {
            ReminderStore database(ReminderStore::FileName);
            EntryExtras values;
            values.odometer = 42000;
            QVERIFY(Store::appendLogEntries(database, std::vector<GasRecord>{gas(301, ride(2).RideKey), gas(302, ride(2).RideKey),
                                                                             gas(303, ride(2).RideKey)},
                                            {values})
                        .done());
        }
        for (const QString &name : QDir().entryList(QDir::Files))
            imported[name] = bytesOf(name);
        return;
    }
    for (auto file = imported.cbegin(); file != imported.cend(); ++file)
        writeBytes(file.key(), file.value());
}

StoreResult undoImport()
{
    ReminderStore database(ReminderStore::FileName);
    return Store::undoLastImport(database, LogKind::Gas, ride(2).RideKey);
}

StoreResult storeCurrency()
{
    ReminderStore database(ReminderStore::FileName);
    Currency euro;
    euro.symbol = QStringLiteral("EUR");
    euro.side = Currency::Side::After;
    const FileStatus stored = Store::putCurrency(database, euro);
    return {stored ? StoreOutcome::Written : StoreOutcome::NothingWritten, stored};
}

// (Should Torqal.db not open, the window says the reminders cannot be used,
// and a deletion then is one of the ride file alone, swept above.)
StoreResult deleteRideWithReminders()
{
    ReminderStore reminders(ReminderStore::FileName);
    if (!reminders.isOpen())
        return {StoreOutcome::NothingWritten, reminders.status()};
    return Store::deleteRide(2, ride(2).RideKey, &reminders);
}

struct Command
{
    const char *name;
    StoreResult (*run)();
    void (*setUp)() = Garage::write;
    // A recovery of the start: the new start completes it, whatever stopped it.
    bool recovers = false;
    // The scratch file is compared too, and a check before the new start may
    // find it (it holds records no data file has until the start restores it).
    bool recoversScratchFile = false;
    // A data file whose change and the reminders' go together: after a new
    // start both are as before or both as after ("": the reminders alone).
    const char *withReminders = nullptr;
    // The reminders' part may follow at the next start (see apart()).
    bool remindersFollow = false;
};

const Command commands[] = {
    {"add a ride", [] { return Store::addRide(ride(4)); }},
    {"edit a ride", [] { return Store::editRide(2, ride(2).RideKey, renameRide); }},
    {"delete a ride", [] { return Store::deleteRide(2, ride(2).RideKey); }},
    {"add an entry", [] { return Store::addLogEntry(LogKind::Maintenance, expense(9, ride(1).RideKey)); }},
    {"edit an entry", [] { return Store::editLogEntry(LogKind::Trips, 3, LogTest::trip(ride(1).RideKey, 39100, "Edited", 7)); }},
    {"delete an entry", [] { return Store::deleteLogEntry(LogKind::Maintenance, 2, ride(2).RideKey); }},
    {"import 50 entries", [] { return Store::appendLogEntries(fiftyFillUps()); }},
    {"set a picture copied into the data folder", copyAndSetPicture, garageWithPicture},
    {"recover a scratch file at start", [] { return asRecovery(ScratchRecovery::recover()); }, garageWithMaintenanceInScratchFile, true, true},
    {"put back a journal at start", [] { return asRecovery(JournalRecovery::rollBackPending()); }, garageWithPendingJournal, true},
    {"mark a reminder done", markReminderDone, garageWithReminders, false, false, "Maint.Dat"},
    {"delete a ride with its reminders", deleteRideWithReminders, garageWithReminders, false, false, "Torqal.Dat", true},
    {"add a reminder", addReminder, garageWithReminders, false, false, ""},
    {"edit a fill-up with its odometer reading", editFillUpWithValues, garageWithFillUpValues, false, false, "Gas.Dat"},
    {"convert a ride's units", convertRideUnits, garageWithFillUpValues, false, false, "Gas.Dat"},
    {"undo an import", undoImport, garageWithImport, false, false, "Gas.Dat"},
    {"store the currency", storeCurrency, garageWithReminders, false, false, ""},
};

// How a run is stopped at its fault point.
enum class Fault { Killed, Eio, Enospc, ShortThenKilled, ShortThenEio };

const char *nameOf(Fault fault)
{
    switch (fault) {
    case Fault::Killed:
        return "killed";
    case Fault::Eio:
        return "EIO";
    case Fault::Enospc:
        return "ENOSPC";
    case Fault::ShortThenKilled:
        return "a short write, then killed";
    case Fault::ShortThenEio:
        return "a short write, then EIO for good";
    }
    return "";
}

// The working folder of a run: made afresh at the same place every time, so
// that a path a command stores (a picture's) is the same in every run.
class RunFolder
{
public:
    RunFolder() : m_previous(QDir::currentPath())
    {
        static QTemporaryDir place;
        const QString path = place.path() + QStringLiteral("/run");
        QDir(path).removeRecursively();
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QDir::setCurrent(path));
    }
    ~RunFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

// The fault of a run: at call number `faultAt`, counted from 1.
QList<QByteArray> callNames;
int faultAt = 0;
Fault fault = Fault::Killed;
enum class After { Nothing, Kill, FailWithEio } afterFault = After::Nothing;

int faultHook(const char *callName)
{
    callNames << callName;
    const qsizetype call = callNames.size();
    if (afterFault == After::Kill)
        raise(SIGKILL);
    if (afterFault == After::FailWithEio)
        return EIO;
    if (call != faultAt)
        return 0;
    switch (fault) {
    case Fault::Killed:
        raise(SIGKILL);
        return 0;
    case Fault::Eio:
        return EIO;
    case Fault::Enospc:
        return ENOSPC;
    case Fault::ShortThenKilled:
        afterFault = After::Kill;
        return SystemCalls::ShortWrite;
    case Fault::ShortThenEio:
        afterFault = After::FailWithEio;
        return SystemCalls::ShortWrite;
    }
    return 0;
}

// Torqal.db's file operations go through the same hook, in its runs only.
bool armed = false;
int sqliteFaultHook(const char *callName) { return armed ? faultHook(callName) : 0; }

void armFault(int at, Fault kind)
{
    armed = true;
    callNames.clear();
    faultAt = at;
    fault = kind;
    afterFault = After::Nothing;
    SystemCalls::setFaultHook(&faultHook);
}

// Runs the command in a child process with the fault armed. The outcome, or
// -1 when the child was killed.
int outcomeInChild(const Command &command, int at, Fault kind)
{
    const int status = runInChild([&] {
        armFault(at, kind);
        return int(command.run().outcome);
    });
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}

// The names of the system calls the command makes when nothing goes wrong.
QList<QByteArray> callsOf(const Command &command)
{
    RunFolder folder;
    command.setUp();
    armFault(0, Fault::Killed);
    const StoreResult result = command.run();
    SystemCalls::setFaultHook(nullptr);
    armed = false;
    return result.outcome == StoreOutcome::Written ? callNames : QList<QByteArray>();
}

// What the program does with the folder when it starts again: it puts back
// a journal, recovers a scratch file, and lists the rides and the entries of
// a ride in every log, which opens every data file.
void startAgain()
{
    (void)StoreFiles::putBackPending();
    (void)ScratchRecovery::recover();
    if (QFile::exists(ReminderStore::FileName)) {
        ReminderStore reminders(ReminderStore::FileName);
        (void)Store::finishCutShortChanges(reminders);
    }
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

// The reminders as text, one line each ("" without Torqal.db). Opening the
// file undoes a change of it that was cut short, as the program's would.
QByteArray remindersNow()
{
    if (!QFile::exists(ReminderStore::FileName))
        return {};
    ReminderStore reminders(ReminderStore::FileName);
    QList<Reminder> all;
    if (!reminders.isOpen() || !reminders.allReminders(all))
        return "unreadable: " + reminders.status().message().toUtf8();
    QByteArray text;
    for (const Reminder &reminder : std::as_const(all))
        text += QStringLiteral("%1 %2 %3 %4 %5\n").arg(reminder.id).arg(reminder.rideKey).arg(reminder.description)
                    .arg(reminder.lastDoneDate.toString(Qt::ISODate)).arg(reminder.lastDoneMiles).toUtf8();
    std::vector<EntryExtrasTable::Row> values;
    (void)reminders.read([&](QSqlDatabase &database) { return EntryExtrasTable::readAll(database, reminders.path(), values); });
    for (const EntryExtrasTable::Row &row : values)
        text += QStringLiteral("values %1 %2 %3 %4\n").arg(row.rideKey).arg(row.entry.head).arg(row.entry.occurrence)
                    .arg(row.extras.odometer.value_or(-1)).toUtf8();
    for (LogKind kind : AllLogKinds) {
        std::optional<ImportNote> note;
        (void)reminders.read([&](QSqlDatabase &database) { return ImportNoteTable::read(database, reminders.path(), kind, note); });
        if (note)
            text += QStringLiteral("import %1 %2 %3\n").arg(logIndex(kind)).arg(note->first).arg(note->count).toUtf8();
    }
    RideExtras units;
    (void)Store::readRideExtras(reminders, ride(2).RideKey, units);
    text += QStringLiteral("units %1 %2\n").arg(int(units.distance)).arg(int(units.fuel)).toUtf8();
    std::optional<Currency> currency;
    (void)Store::readCurrency(reminders, currency);
    if (currency)
        text += QStringLiteral("currency %1 %2 %3\n").arg(currency->symbol).arg(int(currency->side)).arg(currency->spaced).toUtf8();
    return text;
}

FolderState folderState(const Command &command)
{
    FolderState state = Garage::dataFiles();
    if (command.recoversScratchFile)
        state[ScratchFileName] = bytesOf(ScratchFileName);
    if (command.withReminders)
        state[ReminderStore::FileName] = remindersNow();
    return state;
}

// The data file and the reminders that change together, both as before or
// both as after.
QString apart(const Command &command, const FolderState &seen, const FolderState &before)
{
    if (!command.withReminders || !*command.withReminders)
        return {};
    const QString file = QString::fromLatin1(command.withReminders);
    const bool fileAsBefore = seen[file] == before[file];
    const bool remindersAsBefore = seen[ReminderStore::FileName] == before[ReminderStore::FileName];
    if (fileAsBefore == remindersAsBefore)
        return {};
    return QStringLiteral("%1 is as %2, the reminders as %3").arg(file, fileAsBefore ? "before" : "after", remindersAsBefore ? "before" : "after");
}

// Every data file as before or as after; which ones, as the outcome says.
QString mismatch(const Command &command, const FolderState &seen, const FolderState &before, const FolderState &after, int outcome)
{
    for (auto file = seen.begin(); file != seen.end(); ++file) {
        const bool asBefore = file.value() == before[file.key()];
        const bool asAfter = file.value() == after[file.key()];
        if (!asBefore && !asAfter)
            return file.key() + QStringLiteral(" is neither as before nor as after");
        if (command.remindersFollow && file.key() == ReminderStore::FileName)
            continue;
        const bool writtenWhole = outcome == int(StoreOutcome::Written) || outcome == int(StoreOutcome::WrittenWithWarning);
        if (outcome == int(StoreOutcome::NothingWritten) && !asBefore)
            return file.key() + QStringLiteral(" changed, but the command says nothing was written");
        if (writtenWhole && !asAfter)
            return file.key() + QStringLiteral(" is unchanged, but the command says it was written");
    }
    return {};
}

// Files that only a failure sets aside, and copies of the picture that are
// not whole under a picture's name.
QString leftovers()
{
    const QStringList setAside = QDir().entryList({QStringLiteral("TempFile-*"), QStringLiteral("Torqal-*.jnl")});
    if (!setAside.isEmpty())
        return QStringLiteral("set aside: ") + setAside.join(QStringLiteral(", "));
    for (const QString &copy : QDir(QStringLiteral("Pictures")).entryList({QStringLiteral("Picture *.png")}, QDir::Files)) {
        if (bytesOf(QStringLiteral("Pictures/") + copy) != PictureBytes)
            return QStringLiteral("Pictures/%1 is not a whole copy").arg(copy);
    }
    return {};
}

} // namespace

class TestStoreSweep : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SqliteFaults::install(&sqliteFaultHook); }

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
            RunFolder folder;
            tried.setUp();
            before = folderState(tried);
            QCOMPARE(tried.run().outcome, StoreOutcome::Written);
            after = folderState(tried);
        }
        QVERIFY(after != before);
        const QList<QByteArray> calls = callsOf(tried);
        QVERIFY(!calls.isEmpty());

        int runs = 0;
        int statesChecked = 0;
        for (int at = 1; at <= calls.size(); ++at) {
            QList<Fault> faults{Fault::Killed, Fault::Eio, Fault::Enospc};
            if (calls[at - 1] == "pwrite")
                faults << Fault::ShortThenKilled << Fault::ShortThenEio;
            for (Fault kind : faults) {
                RunFolder folder;
                tried.setUp();
                const int outcome = outcomeInChild(tried, at, kind);
                ++runs;
                const QString where = QStringLiteral("%1 at call %2 (%3) of %4").arg(nameOf(kind)).arg(at).arg(calls[at - 1]).arg(calls.size());
                QVERIFY2(outcome >= -1, qPrintable(where + ": the child ended otherwise"));
                const bool killed = kind == Fault::Killed || kind == Fault::ShortThenKilled;
                QVERIFY2(!killed || outcome == -1, qPrintable(where + ": the child was not killed"));

                // (Once Torqal.db holds a change as finished, it is done, with or without its journal.)
                const bool pending = JournalRecovery::isPending();
                QVERIFY2(!pending || tried.withReminders || outcome < int(StoreOutcome::Written) || outcome == int(StoreOutcome::Unfinished),
                         qPrintable(where + ": the command says it was written, but its journal is still there"));
                for (const QString &when : {QString(), QStringLiteral(", after a new start")}) {
                    if (!when.isEmpty())
                        startAgain();
                    else if (pending)
                        continue; // the new start puts the journal back
                    const int expected = !when.isEmpty() && tried.recovers ? int(StoreOutcome::Written) : outcome;
                    const FolderState seen = folderState(tried);
                    const QString problem = mismatch(tried, seen, before, after, expected);
                    QVERIFY2(problem.isEmpty(), qPrintable(where + when + ": " + problem));
                    const QString together = apart(tried, seen, before);
                    QVERIFY2(when.isEmpty() || together.isEmpty(), qPrintable(where + when + ": " + together));
                    const QString left = leftovers();
                    QVERIFY2(left.isEmpty(), qPrintable(where + when + ": " + left));
                    if (when.isEmpty() && tried.recoversScratchFile)
                        continue;
                    int exitCode = -1;
                    const QString report = checkReport(exitCode);
                    QVERIFY2(exitCode == 0, qPrintable(where + when + ":\n" + report));
                    ++statesChecked;
                }
            }
        }
        qInfo("%s: %lld system calls, %d runs, %d folder states checked", tried.name, qsizetype(calls.size()), runs, statesChecked);
    }
};

QTEST_GUILESS_MAIN(TestStoreSweep)
#include "test_store_sweep.moc"
