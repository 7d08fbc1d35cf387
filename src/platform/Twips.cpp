#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

namespace {
constexpr double FallbackDpi = 96.0;

const QScreen *screen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                           : nullptr;
}
} // namespace

int toPixels(int twips, double dotsPerInch)
{
    return int(std::lround(twips * dotsPerInch / PerInch));
}

int fromPixels(int pixels, double dotsPerInch)
{
    return int(std::lround(pixels * PerInch / dotsPerInch));
}

double logicalDpiX()
{
    const QScreen *primary = screen();
    return primary ? primary->logicalDotsPerInchX() : FallbackDpi;
}

double logicalDpiY()
{
    const QScreen *primary = screen();
    return primary ? primary->logicalDotsPerInchY() : FallbackDpi;
}

int x(int twips) { return toPixels(twips, logicalDpiX()); }
int y(int twips) { return toPixels(twips, logicalDpiY()); }
QSize size(int widthTwips, int heightTwips) { return {x(widthTwips), y(heightTwips)}; }
int fromPixelsX(int pixels) { return fromPixels(pixels, logicalDpiX()); }
int fromPixelsY(int pixels) { return fromPixels(pixels, logicalDpiY()); }

} // namespace Twips
