#pragma once

#include <QSize>

// Window geometry is designed in twips (1/1440 inch). This is the one place
// that turns twips into device-independent pixels and back:
// pixels = twips x logical DPI / 1440, rounded to the nearest pixel.
namespace Twips {

inline constexpr int PerInch = 1440;

int toPixels(int twips, double dotsPerInch);
int fromPixels(int pixels, double dotsPerInch);

// With the primary screen's logical DPI (96 when there is no screen).
double logicalDpiX();
double logicalDpiY();
int x(int twips);
int y(int twips);
QSize size(int widthTwips, int heightTwips);
int fromPixelsX(int pixels);
int fromPixelsY(int pixels);

} // namespace Twips
