#include "model/FuelEconomy.h"

#include <cmath>

namespace FuelEconomy {

std::optional<double> Figures::overall() const
{
    if (countedMiles < 1 || countedFuel == 0)
        return std::nullopt;
    return countedMiles / countedFuel;
}

Figures of(std::span<const FillUp> fillUps)
{
    Figures figures;
    figures.perFillUp.resize(fillUps.size());
    double miles = 0, fuel = 0;
    bool broken = false;
    for (std::size_t i = 0; i < fillUps.size(); ++i) {
        const FillUp &fillUp = fillUps[i];
        miles += fillUp.miles;
        fuel += fillUp.fuel;
        broken = broken || fillUp.missed;
        if (fillUp.partial)
            continue;
        if (!broken) {
            figures.countedMiles += miles;
            figures.countedFuel += fuel;
            if (fuel != 0 && std::isfinite(miles / fuel))
                figures.perFillUp[i] = miles / fuel;
        }
        miles = fuel = 0;
        broken = false;
    }
    return figures;
}

} // namespace FuelEconomy
