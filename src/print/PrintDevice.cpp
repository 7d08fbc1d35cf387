#include "print/PrintDevice.h"

void PrintDevice::setFont(const PrintFont &font)
{
    font_ = font;
    fontChanged(font_);
}

void PrintDevice::print(const QString &text, LineEnd lineEnd)
{
    if (!text.isEmpty()) {
        drawText(text, x(), y());
        x_ += textWidthTwips(text);
    }
    if (lineEnd == LineEnd::End) {
        x_ = 0.0;
        y_ += lineAdvanceTwips();
    }
}

void PrintDevice::newPage()
{
    startPage();
    x_ = 0.0;
    y_ = 0.0;
}

bool PrintDevice::endDocument()
{
    const bool sent = finishDocument();
    x_ = 0.0;
    y_ = 0.0;
    return sent;
}
