#pragma once

#include <optional>
#include <span>
#include <vector>

// Miles per gallon (or kilometres per litre: the ride's own units) counted
// only where the fuel is known. A fill-up's miles are those driven since
// the fill-up before it; a full tank ends a chain of fill-ups that began
// after the full tank before it, and the chain's miles over its fuel are the
// figure of that full fill-up. So a partial fill-up's fuel joins the next
// full one, and a chain in which a fill-up is marked as following a missed
// one has no figure: the distance before it was driven on fuel the log never
// saw. Without partial or missed fill-ups every fill-up is a chain of its
// own, its figure its miles over its gallons.
namespace FuelEconomy {

struct FillUp
{
    double miles = 0;
    double fuel = 0;
    bool partial = false;
    bool missed = false; // the fill-up before this one is not in the log
};

struct Figures
{
    // Per fill-up, in the order given: the figure of the chain it ends; none
    // for a partial fill-up, one of a chain with a missed fill-up, one of a
    // chain without fuel, and for the fill-ups after the last full one.
    std::vector<std::optional<double>> perFillUp;
    // The miles and fuel of the chains that count: ended by a full fill-up,
    // without a missed one.
    double countedMiles = 0;
    double countedFuel = 0;

    // The overall figure: the counted miles over the counted fuel, from 1
    // mile on, when there is fuel.
    std::optional<double> overall() const;
};

// The fill-ups in the order they were made (the list's date order).
Figures of(std::span<const FillUp> fillUps);

// The figures of fill-ups of any kind, in that order: fillUp(i) gives the
// i-th as a FillUp.
template<class FillUpAt>
Figures of(std::size_t count, FillUpAt fillUp)
{
    std::vector<FillUp> fillUps;
    fillUps.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        fillUps.push_back(fillUp(i));
    return of(fillUps);
}

} // namespace FuelEconomy
