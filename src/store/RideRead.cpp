#include "store/RideRead.h"

#include "data/RecordFile.h"
#include "store/RideLabels.h"

namespace Store {

StoreRead<int> countRides()
{
    StoreRead<int> rides;
    RecordFile<RideRecord> file(DataFileKind::Rides);
    rides.status = OpenRecordFile(file);
    if (rides.status)
        rides.value = rides.recordCount = file.count();
    const FileStatus closed = CloseRecordFile(file);
    if (rides.status)
        rides.status = closed;
    return rides;
}

StoreRead<RideRecord> readRide(int number)
{
    StoreRead<RideRecord> ride;
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    ride.status = OpenRecordFile(rides);
    if (ride.status) {
        ride.recordCount = rides.count();
        ride.status = ReadRecord(rides, number);
        ride.value = rides.buffer;
    }
    const FileStatus closed = CloseRecordFile(rides);
    if (ride.status)
        ride.status = closed;
    return ride;
}

namespace {

// Reads the rides' name fields (and key) into `read` through add(ride).
template<class Value, class Add>
StoreRead<Value> readRideNames(Add add)
{
    StoreRead<Value> read;
    RecordFile<RideRecord> rides(DataFileKind::Rides);
    read.status = OpenRecordFile(rides);
    if (read.status) {
        read.recordCount = rides.count();
        read.value.reserve(rides.count());
        read.status = ForEachRecord(rides, {&RideRecord::Year, &RideRecord::Make, &RideRecord::Model, &RideRecord::RideName},
                                    [&](int, const RideRecord &ride) { add(read.value, ride); });
    }
    const FileStatus closed = CloseRecordFile(rides);
    if (read.status)
        read.status = closed;
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

StoreRead<std::map<double, qint64>> readRideMiles()
{
    StoreRead<std::map<double, qint64>> miles;
    RecordFile<GasRecord> gas(DataFileKind::Gas);
    miles.status = OpenRecordFile(gas);
    if (miles.status) {
        miles.recordCount = gas.count();
        miles.status = ForEachRecord(gas, {}, [&](int, const GasRecord &fillUp) { miles.value[fillUp.RideKey] += fillUp.Miles; });
    }
    const FileStatus closed = CloseRecordFile(gas);
    if (miles.status)
        miles.status = closed;
    return miles;
}

} // namespace Store
