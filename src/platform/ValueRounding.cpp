#include "platform/ValueFormats.h"

#include <cmath>
#include <limits>

// Rounding to the stored integer types and to money. std::nearbyint rounds in
// the current rounding mode, which the program never changes from the default
// round-to-nearest-even.
namespace ValueFormats {

namespace {

template <typename Integer>
Integer roundHalfEvenClamped(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    constexpr auto lowest = std::numeric_limits<Integer>::min();
    constexpr auto highest = std::numeric_limits<Integer>::max();
    // Both limits of a 16- or 32-bit integer are exact doubles. For 64 bits the
    // highest value is not: 2^63 is the first double beyond it.
    if (rounded <= static_cast<double>(lowest))
        return lowest;
    if (rounded >= std::ldexp(1.0, std::numeric_limits<Integer>::digits))
        return highest;
    return static_cast<Integer>(rounded);
}

} // namespace

qint32 roundToInt32(double value)
{
    return roundHalfEvenClamped<qint32>(value);
}

qint16 roundToInt16(double value)
{
    return roundHalfEvenClamped<qint16>(value);
}

double roundToFourDecimals(double value)
{
    const double scaled = value * MoneyScale;
    // Beyond 2^52 a double has no fraction left to round (and scaling could overflow).
    if (!std::isfinite(scaled) || std::fabs(scaled) >= std::ldexp(1.0, 52))
        return value;
    return std::nearbyint(scaled) / MoneyScale;
}

Money moneyFromDouble(double amount)
{
    return roundHalfEvenClamped<Money>(amount * MoneyScale);
}

} // namespace ValueFormats
