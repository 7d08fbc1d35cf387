#include "ui/ButtonCanvas.h"

#include "platform/LineBreaks.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdlib>

using ButtonColor::Value;

void ButtonCanvas::resize(int width, int height)
{
    if (m_image.width() != width || m_image.height() != height)
        m_image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
}

void ButtonCanvas::clear()
{
    m_image.fill(Qt::black);
}

void ButtonCanvas::put(int x, int y, QRgb value)
{
    if (inside(x, y))
        reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = value;
}

void ButtonCanvas::rectangle(int x, int y, int w, int h, Value colour, bool frameOnly)
{
    if (w <= 0 || h <= 0)
        return;
    const QRgb value = ButtonColor::toRgb32(colour);
    if (frameOnly) {
        for (int i = x; i < x + w; ++i) {
            put(i, y, value);
            put(i, y + h - 1, value);
        }
        for (int j = y; j < y + h; ++j) {
            put(x, j, value);
            put(x + w - 1, j, value);
        }
        return;
    }
    const int left = std::max(x, 0);
    const int right = std::min(x + w, m_image.width());
    const int top = std::max(y, 0);
    const int bottom = std::min(y + h, m_image.height());
    for (int j = top; j < bottom; ++j) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(j));
        std::fill(row + left, row + std::max(left, right), value);
    }
}

void ButtonCanvas::line(int x1, int y1, int x2, int y2, Value colour)
{
    // Bresenham from (x1, y1) towards (x2, y2); the end point stays unpainted.
    const QRgb value = ButtonColor::toRgb32(colour);
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        put(x, y, value);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void ButtonCanvas::setPixel(int x, int y, Value colour)
{
    put(x, y, ButtonColor::toRgb32(colour));
}

Value ButtonCanvas::pixel(int x, int y) const
{
    return inside(x, y) ? ButtonColor::fromRgb32(m_image.pixel(x, y)) : 0;
}

void ButtonCanvas::invertFocusRect(const QRect &r)
{
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width();   // exclusive
    const int bottom = r.top() + r.height();  // exclusive
    if (right <= left || bottom <= top)
        return;
    auto invert = [this](int x, int y) {
        if (inside(x, y) && (x + y) % 2 == 0)
            put(x, y, m_image.pixel(x, y) ^ 0x00FFFFFFu);
    };
    for (int x = left; x < right; ++x) {
        invert(x, top);
        if (bottom - 1 != top)
            invert(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        invert(left, y);
        if (right - 1 != left)
            invert(right - 1, y);
    }
}

void ButtonCanvas::copyFrom(const QImage &source)
{
    if (source.isNull())
        return;
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, source);
}

QString displayCaption(const QString &caption)
{
    QString text = caption;
    text.replace(CrLf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void ButtonCanvas::text(const QRect &r, const QString &caption, const QFont &font, Value colour)
{
    if (caption.isEmpty() || m_image.isNull())
        return;
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(ButtonColor::toQColor(colour));
    // The caption was measured to fit r. Drawn, an access key's underline
    // splits the line into parts that are laid out one by one and can come
    // out a fraction of a pixel wider, enough to wrap a line that fits; the
    // text is centred, so a little room on either side changes no pixel.
    constexpr int Slack = 2;
    painter.drawText(r.adjusted(-Slack, 0, Slack, 0), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                     displayCaption(caption));
}

void ButtonCanvas::blit(int x, int y, const QImage &picture, const Blit &how)
{
    const int w = picture.width();
    const int h = picture.height();
    if (w == 0 || h == 0)
        return;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = ButtonColor::toRgb32(how.key) & 0x00FFFFFFu;
    const QRgb silhouette = how.silhouette >= 0 ? ButtonColor::toRgb32(static_cast<Value>(how.silhouette)) : 0;
    const int top = std::max(y, 0);
    const int bottom = std::min(y + h, m_image.height());
    const int left = std::max(x, 0);
    const int right = std::min(x + w, m_image.width());
    for (int j = top; j < bottom; ++j) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(j - y));
        auto *to = reinterpret_cast<QRgb *>(m_image.scanLine(j));
        for (int i = left; i < right; ++i) {
            const QRgb p = from[i - x] & 0x00FFFFFFu;
            if (how.useKey && p == key)
                continue;
            if (how.silhouette >= 0) {
                if (!how.darkOnly || qRed(p) + qGreen(p) + qBlue(p) < 385)
                    to[i] = silhouette;
            } else if (how.greyscale) {
                const int grey = ButtonColor::greyOf(qRed(p), qGreen(p), qBlue(p));
                to[i] = qRgb(grey, grey, grey);
            } else {
                to[i] = p | 0xFF000000u;
            }
        }
    }
}
