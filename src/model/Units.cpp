#include "model/Units.h"

#include <cmath>

namespace Units {

namespace {

constexpr double KilometresInAMile = kilometresIn(DistanceUnit::Miles);
constexpr double LitresInAUsGallon = litresIn(FuelUnit::UsGallons);

} // namespace

RideExtras forNewRide(const QLocale &locale)
{
    RideExtras units;
    switch (locale.measurementSystem()) {
    case QLocale::MetricSystem:
        if (locale.language() == QLocale::C)
            break;
        units.distance = DistanceUnit::Kilometres;
        units.fuel = FuelUnit::Litres;
        units.economy = EconomyUnit::LitresPer100Km;
        break;
    case QLocale::ImperialUKSystem:
        units.fuel = FuelUnit::ImperialGallons;
        break;
    case QLocale::ImperialUSSystem:
        break;
    }
    return units;
}

QString distanceName(DistanceUnit unit)
{
    return unit == DistanceUnit::Kilometres ? QStringLiteral("Kilometres") : QStringLiteral("Miles");
}

QString fuelName(FuelUnit unit)
{
    switch (unit) {
    case FuelUnit::ImperialGallons:
        return QStringLiteral("Imp. gallons");
    case FuelUnit::Litres:
        return QStringLiteral("Litres");
    case FuelUnit::UsGallons:
        break;
    }
    return QStringLiteral("Gallons");
}

QString economyName(EconomyUnit unit)
{
    switch (unit) {
    case EconomyUnit::LitresPer100Km:
        return QStringLiteral("L/100 km");
    case EconomyUnit::KmPerLitre:
        return QStringLiteral("km/L");
    case EconomyUnit::MilesPerGallon:
        break;
    }
    return QStringLiteral("MPG");
}

QString oneFuelName(FuelUnit unit)
{
    switch (unit) {
    case FuelUnit::ImperialGallons:
        return QStringLiteral("imperial gallon");
    case FuelUnit::Litres:
        return QStringLiteral("litre");
    case FuelUnit::UsGallons:
        break;
    }
    return QStringLiteral("gallon");
}

std::optional<double> shownEconomy(std::optional<double> distancePerFuel, const RideExtras &units)
{
    if (!distancePerFuel || !std::isfinite(*distancePerFuel))
        return std::nullopt;
    const double kmPerLitre = *distancePerFuel * kilometresIn(units.distance) / litresIn(units.fuel);
    switch (units.economy) {
    case EconomyUnit::KmPerLitre:
        return kmPerLitre;
    case EconomyUnit::LitresPer100Km:
        if (!(kmPerLitre > 0))
            return std::nullopt;
        return 100.0 / kmPerLitre;
    case EconomyUnit::MilesPerGallon:
        break;
    }
    // The ride's own gallon; a ride that counts litres shows US gallons.
    const double gallon = units.fuel == FuelUnit::Litres ? LitresInAUsGallon : litresIn(units.fuel);
    return kmPerLitre / KilometresInAMile * gallon;
}

} // namespace Units
