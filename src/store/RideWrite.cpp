#include "store/RideWrite.h"

#include "data/RecordFile.h"
#include "store/StoreFiles.h"

namespace Store {

namespace {

const QString RideGone = QStringLiteral("The ride is no longer in %1; nothing was saved.");

// Writes record `number` of the ride file after change(buffer) has made it
// from the record on file, which must still be the ride with rideKey.
template<class Change>
StoreResult changeRide(int number, double rideKey, Change change)
{
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    FileStatus status = StoreFiles::putBackPending();
    if (status)
        status = OpenRecordFile(rides);
    if (status)
        status = StoreFiles::checkRecordOfRide(rides, number, rideKey, RideGone.arg(rides.name()));
    FileStatus warning;
    if (status) {
        change(rides.buffer);
        status = StoreFiles::overwriteRecord(rides, number, rides.buffer, warning);
    }
    return StoreFiles::finishWrite(rides, std::move(status), number, std::move(warning));
}

} // namespace

StoreResult addRide(const RideRecord &ride, const StoreFiles::SecondPart &second)
{
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    FileStatus status = StoreFiles::putBackPending();
    if (status)
        status = OpenRecordFile(rides);
    // A full ride file refuses the write of record 32768 with its own message.
    const int number = rides.count() + 1;
    FileStatus warning;
    if (status)
        status = StoreFiles::appendRecords(rides, std::span(&ride, 1), warning, second);
    return StoreFiles::finishWrite(rides, std::move(status), number, std::move(warning));
}

StoreResult editRide(int number, double rideKey, const std::function<void(RideRecord &)> &change)
{
    return changeRide(number, rideKey, [&](RideRecord &stored) {
        change(stored);
        stored.RideKey = rideKey;
    });
}

StoreResult setRidePicture(int number, double rideKey, const QString &path)
{
    return changeRide(number, rideKey, [&path](RideRecord &stored) { stored.PicturePath = path; });
}

} // namespace Store
