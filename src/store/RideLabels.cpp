#include "store/RideLabels.h"

#include "platform/ValueFormats.h"

using ValueFormats::trimBlanks;

namespace RideLabels {

QString DisplayName(const RideRecord &ride)
{
    const QString name = trimBlanks(ride.RideName);
    if (!name.isEmpty())
        return name;
    return trimBlanks(ride.Year) + QLatin1Char(' ') + trimBlanks(ride.Make);
}

QString MenuLabel(const RideRecord &ride)
{
    const QString name = trimBlanks(ride.RideName);
    if (!name.isEmpty())
        return name;
    return trimBlanks(ride.Year) + QLatin1Char(' ') + trimBlanks(ride.Make) + QLatin1Char(' ') + trimBlanks(ride.Model);
}

QString RidesOnFileCaption(int rideCount)
{
    return QStringLiteral("Rides that are\ncurrently on file: %1").arg(rideCount);
}

} // namespace RideLabels
