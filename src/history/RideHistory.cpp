#include "history/RideHistory.h"

#include "data/FieldCodec.h"
#include "logs/LogRows.h"

#include <QFileInfo>

#include <algorithm>
#include <map>

namespace {

template<DataRecord Record>
void sortByDay(std::vector<Record> &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Record &a, const Record &b) {
        return dateSortNumber(a.EntryDate) < dateSortNumber(b.EntryDate);
    });
}

std::vector<ExpenseRecord> &entriesOf(RideHistory &history, const RecordFile<ExpenseRecord> &file,
                                      const DataFiles &files)
{
    return &file == &files.maintenance ? history.maintenance : history.goodies;
}
std::vector<TripRecord> &entriesOf(RideHistory &history, const RecordFile<TripRecord> &, const DataFiles &)
{
    return history.trips;
}
std::vector<GasRecord> &entriesOf(RideHistory &history, const RecordFile<GasRecord> &, const DataFiles &)
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
FileStatus readLog(DataFiles &files, RecordFile<Record> &file, std::vector<RideHistory> &histories)
{
    std::map<double, std::size_t> rideOfKey;
    for (std::size_t i = 0; i < histories.size(); ++i)
        rideOfKey.emplace(histories[i].ride.RideKey, i);
    // A log that was never written has no entries; reading it creates nothing.
    if (!QFileInfo::exists(file.name()))
        return {};
    FileStatus status = OpenRecordFile(file);
    if (!status)
        return closing(file, status);
    status = file.scan([&](int, const char *bytes) {
        const auto found = rideOfKey.find(FieldCodec::loadDouble(bytes));
        if (found != rideOfKey.end()) {
            RideHistory &history = histories[found->second];
            entriesOf(history, file, files).push_back(decodeRecord<Record>(bytes));
        }
        return true;
    });
    return closing(file, status);
}

FileStatus readLogs(DataFiles &files, std::vector<RideHistory> &histories)
{
    FileStatus status = readLog(files, files.maintenance, histories);
    if (status)
        status = readLog(files, files.goodies, histories);
    if (status)
        status = readLog(files, files.trips, histories);
    if (status)
        status = readLog(files, files.gas, histories);
    if (!status)
        return status;
    for (RideHistory &history : histories) {
        sortByDay(history.maintenance);
        sortByDay(history.goodies);
        sortByDay(history.trips);
        sortByDay(history.gas);
    }
    return {};
}

} // namespace

FileStatus readRideHistory(DataFiles &files, int rideNumber, RideHistory &history)
{
    history = RideHistory();
    if (!QFileInfo::exists(files.rides.name()))
        return FileStatus::failure(files.rides.name(), QStringLiteral("There is no %1: no ride is on file.").arg(files.rides.name()));
    FileStatus status = OpenRecordFile(files.rides);
    if (status && (rideNumber < 1 || rideNumber > files.rides.count()))
        status = FileStatus::failure(files.rides.name(), QStringLiteral("%1 holds no ride number %2.")
                                                             .arg(files.rides.name())
                                                             .arg(rideNumber));
    if (status)
        status = ReadRecord(files.rides, rideNumber);
    status = closing(files.rides, status);
    if (!status)
        return status;
    history.rideNumber = rideNumber;
    history.ride = files.rides.buffer;
    std::vector<RideHistory> one{history};
    status = readLogs(files, one);
    history = std::move(one.front());
    return status;
}

FileStatus readAllRideHistories(DataFiles &files, std::vector<RideHistory> &histories)
{
    histories.clear();
    if (!QFileInfo::exists(files.rides.name()))
        return {};
    FileStatus status = OpenRecordFile(files.rides);
    if (status) {
        status = files.rides.scan([&](int number, const char *bytes) {
            RideHistory history;
            history.rideNumber = number;
            history.ride = decodeRecord<RideRecord>(bytes);
            if (!IsMarked(history.ride))
                histories.push_back(std::move(history));
            return true;
        });
    }
    status = closing(files.rides, status);
    return status ? readLogs(files, histories) : status;
}
