#include "store/RideDelete.h"

#include "data/FieldCodec.h"
#include "data/RecordFile.h"
#include "store/StoreFiles.h"

namespace Store {

namespace {

// Whether the file holds an entry of the ride. The file is open.
FileStatus holdsEntryOf(RecordFileBase &file, double rideKey, bool &holds)
{
    holds = false;
    return file.scan([&](int, const char *bytes) {
        holds = FieldCodec::loadDouble(bytes) == rideKey; // RideKey leads every record
        return !holds;
    });
}

// Rebuilds the log file without the ride's entries; a file without any is
// left as it is (not replaced, no failure).
template<DataRecord Record>
Compaction removeEntriesOf(RecordFile<Record> &file, double rideKey)
{
    bool holds = false;
    FileStatus status = OpenRecordFile(file);
    if (status)
        status = holdsEntryOf(file, rideKey, holds);
    if (status && holds)
        return CompactRecordFile(file, KeepOtherRides{rideKey});
    const FileStatus closed = CloseRecordFile(file);
    return {status ? closed : status, false};
}

// Rebuilds the ride file without ride `number`.
Compaction removeRide(int number)
{
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    return CompactRecordFile(rides, [number](int n, const RideRecord &ride) { return n != number && !IsMarked(ride); });
}

FileStatus checkRide(int number, double rideKey)
{
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    FileStatus status = OpenRecordFile(rides);
    if (status) {
        status = StoreFiles::checkRecordOfRide(
            rides, number, rideKey, QStringLiteral("The ride is no longer in %1; nothing was deleted.").arg(rides.name()));
    }
    const FileStatus closed = CloseRecordFile(rides);
    return status ? closed : status;
}

} // namespace

StoreResult deleteRide(int number, double rideKey)
{
    FileStatus checked = StoreFiles::putBackPending();
    if (checked)
        checked = checkRide(number, rideKey);
    if (!checked)
        return {StoreOutcome::NothingWritten, std::move(checked)};

    RecordFile<ExpenseRecord> maintenance(DataFileKind::Maintenance);
    RecordFile<ExpenseRecord> goodies(DataFileKind::Goodies);
    RecordFile<TripRecord> trips(DataFileKind::Trips);
    RecordFile<GasRecord> gas(DataFileKind::Gas);
    StoreResult deletion{StoreOutcome::NothingWritten, FileStatus(), number};
    // Takes one file's compaction into the result; false when it stops the deletion.
    auto goesOn = [&deletion](Compaction compaction) {
        if (!compaction.replaced && !compaction.status) {
            deletion.status = std::move(compaction.status);
            if (deletion.outcome != StoreOutcome::NothingWritten)
                deletion.outcome = StoreOutcome::Unfinished;
            return false;
        }
        if (compaction.replaced && deletion.outcome == StoreOutcome::NothingWritten)
            deletion.outcome = StoreOutcome::Written;
        if (!compaction.status && deletion.status) {
            deletion.outcome = StoreOutcome::WrittenWithWarning;
            deletion.status = StoreFiles::asWarning(compaction.status);
        }
        return true;
    };
    if (goesOn(removeEntriesOf(maintenance, rideKey)) && goesOn(removeEntriesOf(goodies, rideKey)) &&
        goesOn(removeEntriesOf(trips, rideKey)) && goesOn(removeEntriesOf(gas, rideKey)))
        (void)goesOn(removeRide(number));
    return deletion;
}

} // namespace Store
