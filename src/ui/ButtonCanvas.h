#pragma once

#include "ui/ButtonColor.h"

#include <QImage>
#include <QRect>

class QFont;
class QString;

// The surface a button paints on: an image of device pixels with the three
// drawing primitives of the control (fill-or-frame a rectangle, a one-pixel
// line that leaves out its end point, a single pixel), the inverted dotted
// focus rectangle, caption text and keyed picture composition.
class ButtonCanvas
{
public:
    void resize(int width, int height);
    const QImage &image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    void clear();
    void fill(int x, int y, int w, int h, ButtonColor::Value colour) { rectangle(x, y, w, h, colour, false); }
    void frame(int x, int y, int w, int h, ButtonColor::Value colour) { rectangle(x, y, w, h, colour, true); }
    void rectangle(int x, int y, int w, int h, ButtonColor::Value colour, bool frameOnly);
    void line(int x1, int y1, int x2, int y2, ButtonColor::Value colour);
    void setPixel(int x, int y, ButtonColor::Value colour);
    ButtonColor::Value pixel(int x, int y) const;

    // Inverts every other pixel on the outline of r (right and bottom exclusive).
    void invertFocusRect(const QRect &r);

    // Copies a same-sized image (the captured background) onto the surface.
    void copyFrom(const QImage &source);

    // Caption text: centred both ways, word-wrapped, "&x" shown as underlined x;
    // only the glyphs are painted.
    void text(const QRect &r, const QString &caption, const QFont &font, ButtonColor::Value colour);

    struct Blit {
        bool useKey = true;
        ButtonColor::Value key = 0xC0C0C0;
        int silhouette = -1;      // a colour value, or negative for none
        bool darkOnly = false;    // silhouette only where r + g + b < 385
        bool greyscale = false;
    };
    // Composes picture (already width x height, RGB) onto the surface at (x, y).
    void blit(int x, int y, const QImage &picture, const Blit &how);

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height(); }
    void put(int x, int y, QRgb value);

    QImage m_image;
};

// Caption text as the platform draws it: CR LF (or a lone CR) becomes a line break.
QString displayCaption(const QString &caption);
