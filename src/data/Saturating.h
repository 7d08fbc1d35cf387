#pragma once

#include <QtGlobal>

#include <limits>

// Sums and differences of whole miles that stop at the largest or smallest
// number instead of wrapping around, so that a long log or a reminder far
// ahead never turns a figure negative.
inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

inline qint64 saturatingSubtract(qint64 a, qint64 b)
{
    qint64 difference;
    if (__builtin_sub_overflow(a, b, &difference))
        return b < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return difference;
}
