#include "reminders/RideMiles.h"

FileStatus milesOfRides(DataFiles &files, std::map<double, qint64> &miles)
{
    miles.clear();
    FileStatus status = OpenRecordFile(files.gas);
    if (status) {
        status = ForEachRecord(files.gas, {}, [&](int, const GasRecord &gas) { miles[gas.RideKey] += gas.Miles; });
    }
    const FileStatus closed = CloseRecordFile(files.gas);
    return status ? closed : status;
}
