#pragma once

#include <QDateTime>

#include "platform/TestSeam.h"

// The current local date and time. Tests fix "now" with a Clock::Fixed.
class Clock
{
public:
    static QDateTime now();

    class Fixed : public TestSeam<Fixed>
    {
    public:
        explicit Fixed(const QDateTime &moment) : fixed(moment) {}
        void set(const QDateTime &moment) { fixed = moment; }

    private:
        friend class Clock;
        QDateTime fixed;
    };
};
