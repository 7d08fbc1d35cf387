#include "store/RideRead.h"

#include "data/RecordFile.h"
#include "store/RideLabels.h"
#include "store/StoreFiles.h"

namespace Store {

using StoreFiles::whileOpen;

StoreRead<int> countRides()
{
    StoreRead<int> rides;
    RecordFile<RideRecord> file(DataFileKind::Rides);
    rides.status = whileOpen(file, [&] {
        rides.value = rides.recordCount = file.count();
        return FileStatus();
    });
    return rides;
}

StoreRead<RideRecord> readRide(int number)
{
    StoreRead<RideRecord> ride;
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    ride.status = whileOpen(rides, [&] {
        ride.recordCount = rides.count();
        const FileStatus read = ReadRecord(rides, number);
        ride.value = rides.buffer;
        return read;
    });
    return ride;
}

namespace {

// Reads the rides' name fields (and key) into `read` through add(ride).
template<class Value, class Add>
StoreRead<Value> readRideNames(Add add)
{
    StoreRead<Value> read;
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    read.status = whileOpen(rides, [&] {
        read.recordCount = rides.count();
        read.value.reserve(rides.count());
        return ForEachRecord(rides, {&RideRecord::Year, &RideRecord::Make, &RideRecord::Model, &RideRecord::RideName},
                             [&](int, const RideRecord &ride) { add(read.value, ride); });
    });
    return read;
}

} // namespace

StoreRead<QStringList> readRideLabels()
{
    return readRideNames<QStringList>([](QStringList &labels, const RideRecord &ride) { labels.append(RideLabels::MenuLabel(ride)); });
}

StoreRead<std::vector<RideListing>> readRideListings()
{
    return readRideNames<std::vector<RideListing>>([](std::vector<RideListing> &rides, const RideRecord &ride) {
        rides.push_back({ride.RideKey, RideLabels::MenuLabel(ride)});
    });
}

} // namespace Store
