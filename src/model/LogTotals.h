#pragma once

#include "model/FuelEconomy.h"
#include "model/LogKindInfo.h"
#include "store/RideExtras.h"
#include "store/LogEntry.h"

#include <QList>
#include <QString>

#include <concepts>
#include <limits>
#include <optional>

// Adds an amount to an accumulator. Whole numbers stop at the limits of their
// type instead of wrapping around, so that a long log cannot turn a total of
// miles negative.
template<class Number>
void AddTo(Number &accumulator, Number amount)
{
    if constexpr (std::integral<Number>) {
        Number sum;
        if (__builtin_add_overflow(accumulator, amount, &sum))
            sum = amount > 0 ? std::numeric_limits<Number>::max() : std::numeric_limits<Number>::min();
        accumulator = sum;
    } else {
        accumulator += amount;
    }
}

// The totals of one log's list, summed over the entries listed. These are
// the figures of the ride wherever they are shown, printed, exported or
// counted: the gasoline log's miles are the ride's miles (the reminders count
// from them), its miles over its gallons the ride's overall miles per
// gallon. An entry an older program left marked deleted counts in none of
// them (LogEntry::marked).
struct LogTotals
{
    qint64 cost = 0;   // maintenance, goodies: every cost that is not 0; gasoline: every fill-up's cost given
    qint64 miles = 0;  // trips: every positive mileage; gasoline: every mileage
    float gallons = 0; // gasoline: every amount
    // Gasoline: the miles and gallons that count in the overall figure. Each
    // fill-up counts unless the listing says otherwise (see FuelEconomy).
    double countedMiles = 0;
    double countedGallons = 0;

    void add(LogKind kind, const LogEntry &entry, const EntryExtras &extras = {});
    // Gasoline: counts the chains of the figures (see FuelEconomy) instead.
    void count(const FuelEconomy::Figures &figures)
    {
        countedMiles = figures.countedMiles;
        countedGallons = figures.countedFuel;
    }

    // The gasoline log's overall miles per gallon: from 1 mile counted on,
    // when the gallons counted do not add up to 0.
    std::optional<double> overallMpg() const;
};

// A total caption of the main window, lblTotal(label).
struct TotalCaption
{
    int label;
    QString text;
    bool shown;

    bool operator==(const TotalCaption &) const = default;
};

// The captions of the log's totals, in label order: " Total Cost: $6.00"
// (shown when above 0); " Total Miles: 120" (trips, shown from 1 mile on);
// " Total Gallons: 22.0 ", " Total Miles: 630.0 " and " Overall MPG: 28.6 "
// (gasoline; the gallons shown when above 0, the other two from 1 mile on).
// The overall figure is left out when the gallons add up to 0.
// In other units than miles, gallons and miles per gallon the captions name
// the ride's ("Total Litres", "Overall L/100 km", see Units).
QList<TotalCaption> totalCaptions(LogKind kind, const LogTotals &totals, const RideExtras &units = {});
