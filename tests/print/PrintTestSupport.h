#pragma once

#include <QString>
#include <QTest>

#include <cmath>

// In the recording device's metric a character of a 10-point font is 1/12
// inch wide and a line 1/6 inch high.
inline constexpr double CharWidth10 = 1.0 / 12.0;
inline constexpr double Line10 = 1.0 / 6.0;

inline bool nearly(double actual, double expected)
{
    return std::fabs(actual - expected) < 1e-9;
}

#define COMPARE_INCHES(actual, expected)                                                                    \
    QVERIFY2(nearly((actual), (expected)),                                                                  \
             qPrintable(QStringLiteral("%1 is %2, expected %3").arg(QStringLiteral(#actual)).arg(actual).arg(expected)))
