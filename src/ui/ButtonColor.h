#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// Colours of the button control are 24-bit values laid out 0x00BBGGRR (red in
// the low byte), as its stored layouts keep them. A value with the top bit set
// (0x800000xx) refers to a system colour and is translated through the palette.
// This file is the one place where such values become QColor and back.
namespace ButtonColor {

using Value = quint32;

// System-colour references used as load defaults.
constexpr Value SystemButtonFace = 0x8000000Fu;
constexpr Value SystemButtonText = 0x80000012u;

constexpr int red(Value c) { return static_cast<int>(c & 0xFFu); }
constexpr int green(Value c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blue(Value c) { return static_cast<int>((c >> 16) & 0xFFu); }
constexpr Value rgb(int r, int g, int b)
{
    return static_cast<Value>(r) + static_cast<Value>(g) * 256u + static_cast<Value>(b) * 65536u;
}

QColor toQColor(Value c);
Value fromQColor(const QColor &colour);
Value fromRgb32(QRgb pixel);
QRgb toRgb32(Value c);

// Resolves a system-colour reference with the palette; plain colours pass
// through with their top byte cleared.
Value translate(Value stored, const QPalette &palette);

// Rounds to the nearest integer, ties to the even neighbour.
int roundHalfEven(double value);

// Shifts each channel by n (halved first when softBevel is on); with
// blueScaled the blue channel moves by blue * n / 192 instead. Channels are
// clamped to 255 when n > 0 and to 0 when n < 0.
Value shift(Value colour, int n, bool blueScaled, bool softBevel);

// The grey of a picture pixel: round(G * 0.59 + round(R * 0.3) + B * 0.11).
int greyOf(int r, int g, int b);

} // namespace ButtonColor
