#include "ui/ButtonColor.h"

#include <cmath>

namespace ButtonColor {

QColor toQColor(Value c)
{
    return QColor(red(c), green(c), blue(c));
}

Value fromQColor(const QColor &colour)
{
    return rgb(colour.red(), colour.green(), colour.blue());
}

Value fromRgb32(QRgb pixel)
{
    return rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

QRgb toRgb32(Value c)
{
    return qRgb(red(c), green(c), blue(c));
}

namespace {

// The desktop's system-colour indices, mapped to the palette roles that play
// the same part here.
QColor systemColour(unsigned index, const QPalette &p)
{
    switch (index) {
    case 0: return p.color(QPalette::Button);                       // scroll bar
    case 1: return p.color(QPalette::Window);                       // desktop
    case 2: return p.color(QPalette::Active, QPalette::Highlight);  // active caption
    case 3: return p.color(QPalette::Inactive, QPalette::Highlight);
    case 4: return p.color(QPalette::Window);                       // menu
    case 5: return p.color(QPalette::Base);                         // window
    case 6: return p.color(QPalette::Shadow);                       // window frame
    case 7: return p.color(QPalette::WindowText);                   // menu text
    case 8: return p.color(QPalette::Text);                         // window text
    case 9: return p.color(QPalette::HighlightedText);              // caption text
    case 10:
    case 11: return p.color(QPalette::Window);                      // borders
    case 12: return p.color(QPalette::Mid);                         // application workspace
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);                      // button face
    case 16: return p.color(QPalette::Dark);                        // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text);    // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Disabled, QPalette::WindowText);
    case 20: return p.color(QPalette::Light);                       // button highlight
    case 21: return p.color(QPalette::Shadow);                      // 3-D dark shadow
    case 22: return p.color(QPalette::Midlight);                    // 3-D light
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Button);
    }
}

} // namespace

Value translate(Value stored, const QPalette &palette)
{
    if (stored & 0x80000000u)
        return fromQColor(systemColour(stored & 0xFFu, palette));
    return stored & 0xFFFFFFu;
}

int roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        result = lower + 1.0;
    return static_cast<int>(result);
}

Value shift(Value colour, int n, bool blueScaled, bool softBevel)
{
    if (softBevel)
        n /= 2;
    int r = red(colour) + n;
    int g = green(colour) + n;
    int b = blueScaled ? blue(colour) + (blue(colour) * n) / 192 : blue(colour) + n;
    if (n > 0) {
        r = std::min(r, 255);
        g = std::min(g, 255);
        b = std::min(b, 255);
    } else if (n < 0) {
        r = std::max(r, 0);
        g = std::max(g, 0);
        b = std::max(b, 0);
    }
    return rgb(r, g, b);
}

int greyOf(int r, int g, int b)
{
    return roundHalfEven(g * 0.59 + roundHalfEven(r * 0.3) + b * 0.11);
}

} // namespace ButtonColor
