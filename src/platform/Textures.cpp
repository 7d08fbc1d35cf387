#include "platform/Textures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace Textures {

namespace {

// One strand of the weave: a bundle lit from one edge, dark at the other.
void paintStrand(QPainter &painter, const QRect &cell, bool across)
{
    const QPointF from = cell.topLeft();
    const QPointF to = across ? QPointF(cell.left(), cell.bottom() + 1) : QPointF(cell.right() + 1, cell.top());
    QLinearGradient shade(from, to);
    shade.setColorAt(0.0, QColor(24, 27, 33));
    shade.setColorAt(0.45, QColor(62, 68, 79));
    shade.setColorAt(1.0, QColor(20, 22, 27));
    painter.fillRect(cell, shade);
}

} // namespace

QPixmap carbon()
{
    constexpr int Cell = 6;
    QImage tile(2 * Cell, 2 * Cell, QImage::Format_RGB32);
    QPainter painter(&tile);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            paintStrand(painter, QRect(column * Cell, row * Cell, Cell, Cell), (row + column) % 2 == 0);
    painter.end();
    return QPixmap::fromImage(tile);
}

QPixmap brushedSteel()
{
    constexpr int Width = 128;
    constexpr int Height = 64;
    QImage tile(Width, Height, QImage::Format_RGB32);
    // A fixed sequence of pseudo-random numbers gives the same streaks on
    // every run. Each row keeps one tone across the tile, so the seams
    // between tiles do not show.
    std::uint32_t seed = 0x2545F491u;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 16) & 0xFF);
    };
    for (int y = 0; y < Height; ++y) {
        const int rowTone = 214 + next() % 14;
        int grain = next() % 9;
        for (int x = 0; x < Width; ++x) {
            if (next() % 8 == 0)
                grain = next() % 9;
            const int tone = std::clamp(rowTone + grain - 4, 0, 255);
            tile.setPixel(x, y, qRgb(tone - 6, tone - 2, std::min(tone + 2, 255)));
        }
    }
    return QPixmap::fromImage(tile);
}

} // namespace Textures
