#include "store/RideHistory.h"

#include "data/RecordFile.h"
#include "store/EntryCommands.h"
#include "store/LogEntry.h"
#include "store/LogEntryIndex.h"
#include "store/ReminderStore.h"

#include <QFileInfo>
#include <QSqlDatabase>

#include <algorithm>
#include <map>

namespace {

std::vector<EntryHead> &keysOf(RideHistory &history, LogKind kind)
{
    return history.keys[std::size_t(logIndex(kind) - 1)];
}

std::vector<ExpenseRecord> &entriesOf(RideHistory &history, const RecordFile<ExpenseRecord> &file)
{
    return file.info().kind == DataFileKind::Maintenance ? history.maintenance : history.goodies;
}
std::vector<TripRecord> &entriesOf(RideHistory &history, const RecordFile<TripRecord> &)
{
    return history.trips;
}
std::vector<GasRecord> &entriesOf(RideHistory &history, const RecordFile<GasRecord> &)
{
    return history.gas;
}

FileStatus closing(RecordFileBase &file, FileStatus status)
{
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

// Hands each entry of the log to the history of its ride.
template<DataRecord Record>
FileStatus readLog(DataFileKind kind, std::vector<RideHistory> &histories)
{
    RecordFile<Record> file(kind);
    std::map<double, std::size_t> rideOfKey;
    for (std::size_t i = 0; i < histories.size(); ++i)
        rideOfKey.emplace(histories[i].ride.RideKey, i);
    // A log that was never written has no entries; reading it creates nothing.
    if (!QFileInfo::exists(file.name()))
        return {};
    FileStatus status = OpenRecordFile(file);
    if (!status)
        return closing(file, status);
    LogKind log = LogKind::Maintenance;
    (void)logKindOfFile(kind, log);
    std::vector<std::vector<int>> days(histories.size());
    QHash<quint64, int> heads; // how many unmarked records of each head came before
    status = file.scan([&](int, const char *bytes) {
        const auto found = rideOfKey.find(FieldCodec::loadDouble(bytes));
        // An entry an older program left marked deleted is not listed.
        if (found == rideOfKey.end() || IsMarkedRecord<Record>(bytes))
            return true;
        RideHistory &history = histories[found->second];
        Record &entry = entriesOf(history, file).emplace_back();
        FieldCodec::FieldDecoder decoder(bytes, &entry.Notes);
        Record::visitFields(entry, decoder);
        const quint64 head = recordHead(bytes, HeadLength<Record>);
        keysOf(history, log).push_back({head, heads[head]++});
        days[found->second].push_back(dateSortNumber(entry.EntryDate));
        return true;
    });
    for (std::size_t i = 0; i < histories.size(); ++i) {
        const std::vector<std::size_t> order = Store::orderByDay(days[i]);
        Store::putInOrder(entriesOf(histories[i], file), order);
        Store::putInOrder(keysOf(histories[i], log), order);
    }
    return closing(file, status);
}

FileStatus readLogs(std::vector<RideHistory> &histories)
{
    FileStatus status = readLog<ExpenseRecord>(DataFileKind::Maintenance, histories);
    if (status)
        status = readLog<ExpenseRecord>(DataFileKind::Goodies, histories);
    if (status)
        status = readLog<TripRecord>(DataFileKind::Trips, histories);
    if (status)
        status = readLog<GasRecord>(DataFileKind::Gas, histories);
    return status;
}

} // namespace

namespace {

// The extras of the history's entries of the log from those of its ride.
void takeExtras(RideHistory &history, LogKind kind, const ExtrasByHead &byKey)
{
    const std::size_t k = std::size_t(logIndex(kind) - 1);
    history.extras[k].clear();
    if (byKey.isEmpty())
        return;
    for (const EntryHead &key : history.keys[k])
        history.extras[k].push_back(byKey.value(key));
}

} // namespace

EntryExtras RideHistory::extrasOf(LogKind kind, std::size_t index) const
{
    const std::vector<EntryExtras> &ofLog = extras[std::size_t(logIndex(kind) - 1)];
    return index < ofLog.size() ? ofLog[index] : EntryExtras();
}

namespace Store {

StoreRead<std::vector<RideHistory>> readRides(std::optional<int> rideNumber)
{
    StoreRead<std::vector<RideHistory>> histories;
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    if (!QFileInfo::exists(rides.name())) {
        if (!rideNumber)
            histories.recordCount = 0;
        else
            histories.status = FileStatus::failure(rides.name(), QStringLiteral("There is no %1: no ride is on file.").arg(rides.name()));
        return histories;
    }
    FileStatus status = OpenRecordFile(rides);
    if (status)
        histories.recordCount = rides.count();
    if (status && rideNumber) {
        if (*rideNumber < 1 || *rideNumber > rides.count())
            status = FileStatus::failure(rides.name(), QStringLiteral("%1 holds no ride number %2.").arg(rides.name()).arg(*rideNumber));
        if (status)
            status = ReadRecord(rides, *rideNumber);
        if (status) {
            RideHistory &history = histories.value.emplace_back();
            history.rideNumber = *rideNumber;
            history.ride = rides.buffer;
        }
    } else if (status) {
        status = rides.scan([&](int number, const char *bytes) {
            RideHistory history;
            history.rideNumber = number;
            history.ride = decodeRecord<RideRecord>(bytes);
            if (!IsMarked(history.ride))
                histories.value.push_back(std::move(history));
            return true;
        });
    }
    histories.status = closing(rides, status);
    return histories;
}

StoreRead<RideHistory> readRideHistory(int rideNumber, const ReminderStore *database)
{
    StoreRead<std::vector<RideHistory>> one = readRides(rideNumber);
    StoreRead<RideHistory> history;
    history.recordCount = one.recordCount;
    history.status = one.status;
    if (!history.status)
        return history;
    history.status = readLogs(one.value);
    if (history.status && database)
        history.status = readEntryExtras(*database, one.value.front());
    history.value = std::move(one.value.front());
    return history;
}

StoreRead<std::vector<RideHistory>> readAllRideHistories(const ReminderStore *database)
{
    StoreRead<std::vector<RideHistory>> histories = readRides(std::nullopt);
    if (histories.status)
        histories.status = readLogs(histories.value);
    if (histories.status && database)
        histories.status = readEntryExtras(*database, histories.value);
    return histories;
}

FileStatus readEntryExtras(const ReminderStore &database, RideHistory &history)
{
    for (LogKind kind : AllLogKinds) {
        ExtrasByHead byKey;
        if (FileStatus status = readEntryExtras(database, kind, history.ride.RideKey, byKey); !status)
            return status;
        takeExtras(history, kind, byKey);
    }
    return readRideExtras(database, history.ride.RideKey, history.units);
}

FileStatus readEntryExtras(const ReminderStore &database, std::vector<RideHistory> &histories)
{
    // Every row at once: a query per ride and log would take long with
    // thousands of rides.
    std::vector<EntryExtrasTable::Row> rows;
    const FileStatus status =
        database.read([&](QSqlDatabase &db) { return EntryExtrasTable::readAll(db, database.path(), rows); });
    if (!status)
        return status;
    std::map<std::pair<int, double>, ExtrasByHead> byLogAndRide;
    for (const EntryExtrasTable::Row &row : rows)
        byLogAndRide[{logIndex(row.log), row.rideKey}].insert(row.entry, row.extras);
    for (RideHistory &history : histories) {
        for (LogKind kind : AllLogKinds) {
            const auto found = byLogAndRide.find({logIndex(kind), history.ride.RideKey});
            if (found != byLogAndRide.end())
                takeExtras(history, kind, found->second);
        }
    }
    std::map<double, RideExtras> units;
    const FileStatus read = database.read([&](QSqlDatabase &db) { return RideExtrasTable::readAll(db, database.path(), units); });
    for (RideHistory &history : histories)
        if (const auto found = units.find(history.ride.RideKey); found != units.end())
            history.units = found->second;
    return read;
}

} // namespace Store
