#include "model/RideMiles.h"

#include "model/LogTotals.h"
#include "store/LogScan.h"

StoreRead<std::map<double, qint64>> milesOfEveryRide()
{
    std::map<double, LogTotals> totals;
    StoreRead<std::map<double, qint64>> miles;
    miles.status = Store::scanEveryRide(LogKind::Gas, [&](double rideKey, const LogEntry &entry) { totals[rideKey].add(LogKind::Gas, entry); });
    for (const auto &[rideKey, gas] : totals)
        miles.value.emplace(rideKey, gas.miles);
    return miles;
}
