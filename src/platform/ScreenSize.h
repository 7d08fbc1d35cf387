#pragma once

#include <QSize>

#include "platform/TestSeam.h"

// The size of the screen in (device-independent) pixels. Tests pretend
// another size with a ScreenSize::Pretend.
class ScreenSize
{
public:
    static QSize pixels();

    class Pretend : public TestSeam<Pretend>
    {
    public:
        explicit Pretend(QSize pretended) : size(pretended) {}

    private:
        friend class ScreenSize;
        QSize size;
    };
};
