#include "platform/Clock.h"

QDateTime Clock::now()
{
    const Fixed *fixed = Fixed::active();
    return fixed ? fixed->fixed : QDateTime::currentDateTime();
}
