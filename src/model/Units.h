#pragma once

#include "store/RideExtras.h"

#include <QLocale>
#include <QString>

#include <optional>

// A ride's units in words and numbers, without a window.
namespace Units {

// The units a new ride takes from the desktop's locale: kilometres, litres
// and litres per 100 km where it measures metric, miles, imperial gallons
// and miles per gallon in the United Kingdom, and otherwise miles, US
// gallons and miles per gallon, as before (the C locale included).
RideExtras forNewRide(const QLocale &locale = QLocale());

// "Miles" or "Kilometres"; "Gallons", "Imp. gallons" or "Litres"; "MPG",
// "L/100 km" or "km/L".
QString distanceName(DistanceUnit unit);
QString fuelName(FuelUnit unit);
QString economyName(EconomyUnit unit);
// One of the fuel unit, as in a price per it: "gallon", "imperial gallon" or
// "litre".
QString oneFuelName(FuelUnit unit);

// A figure of distance per fuel in the ride's own units (see FuelEconomy)
// as the ride shows economy: miles per gallon of the ride's gallon (a US
// gallon for a ride that counts litres), litres per 100 km, or km per litre.
// None for no figure, or one of no distance.
std::optional<double> shownEconomy(std::optional<double> distancePerFuel, const RideExtras &units);

} // namespace Units
