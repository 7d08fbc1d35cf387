#include "ride/RideState.h"

#include "platform/ValueFormats.h"

qint16 FirstRideToShow(const QString &lastRideViewed, qint16 rideCount)
{
    if (rideCount < 1)
        return 0;
    bool isNumber = false;
    const int stored = ValueFormats::trimBlanks(lastRideViewed).toInt(&isNumber);
    if (!isNumber || stored < 1 || stored > rideCount)
        return 1;
    return qint16(stored);
}
