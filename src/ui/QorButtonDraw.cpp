// How a QorButton paints itself: colours, the looks of each type, captions
// and pictures, all on the button's canvas in device pixels.

#include "ui/QorButton.h"

using ButtonColor::Value;

QorButton::Colour QorButton::ShiftColor(Colour colour, int n, bool blueScaled) const
{
    return ButtonColor::shift(colour, n, blueScaled, m_softBevel);
}

void QorButton::ApplyColorScheme()
{
    Colours &c = m_colours;
    auto derive = [&] {
        c.shadow = ShiftColor(c.face, -64);
        c.light = ShiftColor(c.face, +31);
        c.highlight = ShiftColor(c.face, +47);
    };
    const QPalette &own = palette();
    switch (m_colorScheme) {
    case Custom:
        c.face = ButtonColor::translate(m_backColor, own);
        c.text = ButtonColor::translate(m_foreColor, own);
        c.hoverText = ButtonColor::translate(m_foreOver, own);
        derive();
        break;
    case Classic:
        c.face = 0xC0C0C0;
        c.shadow = 0x808080;
        c.light = 0xDFDFDF;
        c.highlight = 0xFFFFFF;
        c.text = c.hoverText = 0x000000;
        break;
    case Container: {
        const QWidget *holder = parentWidget() ? parentWidget() : this;
        const QPalette &p = holder->palette();
        c.face = ButtonColor::fromQColor(p.color(holder->backgroundRole()));
        c.text = c.hoverText = ButtonColor::fromQColor(p.color(holder->foregroundRole()));
        derive();
        break;
    }
    default: // System
        c.face = ButtonColor::fromQColor(own.color(QPalette::Button));
        c.shadow = ButtonColor::fromQColor(own.color(QPalette::Dark));
        c.light = ButtonColor::fromQColor(own.color(QPalette::Midlight));
        c.highlight = ButtonColor::fromQColor(own.color(QPalette::Light));
        c.text = c.hoverText = ButtonColor::fromQColor(own.color(QPalette::ButtonText));
        break;
    }
    c.key = ButtonColor::translate(m_maskColor, own);
    c.tint = ShiftColor(c.face, +48, m_buttonType == RoundedShaded);
}

void QorButton::DrawButton(int state, bool force)
{
    if (m_checkBoxBehaviour && m_value)
        state = PressedState;
    if (!force && m_caption == m_lastDrawnCaption && state == m_lastDrawnState)
        return;
    if (m_h == 0 || !m_shown)
        return;
    m_lastDrawnState = state;
    m_lastDrawnCaption = m_caption;
    m_drawPending = !m_everShown;
    if (!m_drawPending)
        drawLook();
}

void QorButton::drawIfPending() const
{
    if (m_drawPending) {
        auto *self = const_cast<QorButton *>(this);
        self->m_drawPending = false;
        self->renderLook();
    }
}

const QImage &QorButton::surface() const
{
    drawIfPending();
    return m_canvas.image();
}

int QorButton::drawCount() const
{
    drawIfPending();
    return m_drawCount;
}

void QorButton::drawLook()
{
    renderLook();
    update();
}

// The look of the last state asked for, on the canvas.
void QorButton::renderLook()
{
    const int state = m_lastDrawnState;
    ++m_drawCount;
    m_canvas.resize(m_w, m_h);
    m_canvas.clear();

    // A hovered Custom button takes every derived colour from BackOver.
    const bool hoverColours = m_hover && m_colorScheme == Custom;
    const Colour savedBackColor = m_backColor;
    if (hoverColours) {
        m_backColor = m_backOver;
        ApplyColorScheme();
    }
    m_canvas.fill(0, 0, m_w, m_h, m_colours.face);
    if (!buttonEnabled())
        drawDisabledLook();
    else if (state == PressedState)
        drawPressedLook();
    else
        drawNormalLook();
    if (hoverColours) {
        m_backColor = savedBackColor;
        ApplyColorScheme();
    }
}

void QorButton::shade(Colour base, int numerator, bool blueScaled, bool bottomUp)
{
    const float step = static_cast<float>(numerator) / static_cast<float>(m_h);
    for (int y = 1; y <= m_h; ++y) {
        const int amount = ButtonColor::roundHalfEven(-static_cast<double>(step) * y);
        const int row = bottomUp ? m_h - y : y;
        m_canvas.line(0, row, m_w, row, ShiftColor(base, amount, blueScaled));
    }
}

void QorButton::bevel(Colour light, Colour dark)
{
    const int w = m_w;
    const int h = m_h;
    m_canvas.line(0, h - 1, 0, 0, light);
    m_canvas.line(0, 0, w - 1, 0, light);
    m_canvas.line(w - 1, 0, w - 1, h - 1, dark);
    m_canvas.line(w - 1, h - 1, -1, h - 1, dark);
}

void QorButton::roundedFrame(Colour frame, Colour corner)
{
    m_canvas.frame(0, 0, m_w, m_h, frame);
    for (const QPoint p : {QPoint(1, 1), QPoint(1, m_h - 2), QPoint(m_w - 2, 1), QPoint(m_w - 2, m_h - 2)})
        m_canvas.setPixel(p.x(), p.y(), corner);
}

void QorButton::focusMark()
{
    if (m_showFocusRect && m_hasFocus)
        m_canvas.invertFocusRect(m_focusRect);
}

namespace {
// The edges of a RoundedShaded button in its hover and focus looks.
struct RoundedEdges {
    Value frame, bottom, top, second, sides;
};
constexpr RoundedEdges HoverEdges{0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF};
constexpr RoundedEdges FocusEdges{0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5};
constexpr Value RoundedFrame = 0x733C00;
constexpr Value RoundedCorner = 0x7B4D10;
} // namespace

void QorButton::drawNormalLook()
{
    const int w = m_w;
    const int h = m_h;
    const Colours &c = m_colours;
    const int captionMode = m_hover ? 1 : 0;
    switch (m_buttonType) {
    case BevelShaded:
        if (m_hover)
            m_canvas.fill(0, 0, w, h, c.light);
        else
            shade(c.highlight, 58, false, false);
        // The holder's default button shows its caption bold; the bold stays
        // on until the picture is drawn, which may draw the caption again.
        if (m_displayAsDefault) {
            m_boldForDefault = true;
            LayoutCaption();
        }
        DrawCaption(captionMode);
        m_canvas.frame(0, 0, w, h, ShiftColor(c.shadow, -50));
        m_canvas.frame(1, 1, w - 2, h - 2, ShiftColor(c.face, -9));
        m_canvas.fill(2, 2, w - 4, 2, c.highlight);
        m_canvas.fill(2, 4, 2, h - 6, c.highlight);
        focusMark();
        DrawPicture(PictureMode::Normal);
        if (m_boldForDefault) {
            m_boldForDefault = false;
            LayoutCaption();
        }
        break;
    case RoundedShaded: {
        shade(c.tint, 25, true, false);
        DrawCaption(captionMode);
        roundedFrame(RoundedFrame, RoundedCorner);
        const bool focusEdges = m_showFocusRect && (m_hasFocus || m_displayAsDefault);
        if (m_hover || focusEdges) {
            const RoundedEdges &e = m_hover ? HoverEdges : FocusEdges;
            m_canvas.frame(1, 2, w - 2, h - 4, e.frame);
            m_canvas.line(2, h - 2, w - 2, h - 2, e.bottom);
            m_canvas.line(2, 1, w - 2, 1, e.top);
            m_canvas.line(1, 2, w - 1, 2, e.second);
            m_canvas.line(2, 3, 2, h - 3, e.sides);
            m_canvas.line(w - 3, 3, w - 3, h - 3, e.sides);
        } else {
            auto edge = [&](int x1, int y1, int x2, int y2, int n) {
                m_canvas.line(x1, y1, x2, y2, ShiftColor(c.tint, n, true));
            };
            edge(2, h - 2, w - 2, h - 2, -48);
            edge(1, h - 3, w - 2, h - 3, -32);
            edge(w - 2, 2, w - 2, h - 2, -36);
            edge(w - 3, 3, w - 3, h - 3, -24);
            edge(2, 1, w - 2, 1, +16);
            edge(1, 2, w - 2, 2, +10);
            edge(1, 2, 1, h - 2, -5);
            edge(2, 3, 2, h - 3, -10);
        }
        DrawPicture(PictureMode::Normal);
        break;
    }
    case Transparent:
        m_canvas.copyFrom(m_background);
        DrawCaption(captionMode);
        if (m_hover)
            bevel(c.highlight, c.shadow);
        focusMark();
        DrawPicture(PictureMode::Normal);
        break;
    default:
        DrawPicture(PictureMode::Normal);
        break;
    }
}

void QorButton::drawPressedLook()
{
    const int w = m_w;
    const int h = m_h;
    const Colours &c = m_colours;
    switch (m_buttonType) {
    case BevelShaded:
        m_canvas.fill(1, 1, w, h, ShiftColor(c.face, -9));
        m_canvas.frame(0, 0, w, h, ShiftColor(c.shadow, -48));
        m_canvas.line(2, h - 2, w - 2, h - 2, c.highlight);
        m_canvas.line(w - 2, 2, w - 2, h - 1, c.highlight);
        DrawCaption(5);
        focusMark();
        DrawPicture(PictureMode::Pressed);
        break;
    case RoundedShaded: {
        const Colour base = ShiftColor(c.tint, -32, true);
        shade(base, 25, true, true);
        DrawCaption(2);
        roundedFrame(RoundedFrame, RoundedCorner);
        auto edge = [&](int x1, int y1, int x2, int y2, Colour colour) { m_canvas.line(x1, y1, x2, y2, colour); };
        edge(2, h - 2, w - 2, h - 2, ShiftColor(base, +16, true));
        edge(1, h - 3, w - 2, h - 3, ShiftColor(base, +10, true));
        edge(w - 2, 2, w - 2, h - 2, ShiftColor(base, +5, true));
        edge(w - 3, 3, w - 3, h - 3, c.tint);
        edge(2, 1, w - 2, 1, ShiftColor(base, -32, true));
        edge(1, 2, w - 2, 2, ShiftColor(base, -24, true));
        edge(1, 2, 1, h - 2, ShiftColor(base, -32, true));
        edge(2, 2, 2, h - 2, ShiftColor(base, -22, true));
        DrawPicture(PictureMode::Pressed);
        break;
    }
    case Transparent:
        m_canvas.copyFrom(m_background);
        bevel(c.shadow, c.highlight);
        DrawCaption(5);
        focusMark();
        DrawPicture(PictureMode::Pressed);
        break;
    default:
        DrawPicture(PictureMode::Pressed);
        break;
    }
}

void QorButton::drawDisabledLook()
{
    const int w = m_w;
    const int h = m_h;
    const Colours &c = m_colours;
    switch (m_buttonType) {
    case BevelShaded:
        shade(c.highlight, 58, false, false);
        m_canvas.frame(0, 0, w, h, ShiftColor(c.shadow, -50));
        m_canvas.frame(1, 1, w - 2, h - 2, ShiftColor(c.face, -9));
        m_canvas.fill(2, 2, w - 4, 2, c.highlight);
        m_canvas.fill(2, 4, 2, h - 6, c.highlight);
        DrawCaption(3);
        DrawPicture(PictureMode::Disabled);
        break;
    case RoundedShaded: {
        m_canvas.fill(0, 0, w, h, ShiftColor(c.tint, -24, true));
        DrawCaption(4);
        roundedFrame(ShiftColor(c.tint, -84, true), ShiftColor(c.tint, -72, true));
        DrawPicture(PictureMode::Disabled);
        break;
    }
    case Transparent:
        m_canvas.copyFrom(m_background);
        DrawCaption(3);
        DrawPicture(PictureMode::Disabled);
        break;
    default:
        DrawPicture(PictureMode::Disabled);
        break;
    }
}

bool QorButton::drawsCaption() const
{
    return m_buttonType == BevelShaded || m_buttonType == RoundedShaded || m_buttonType == Transparent;
}

void QorButton::DrawCaption(int mode)
{
    m_textMode = mode;
    const Colours &c = m_colours;
    const QFont f = captionFont();
    switch (mode) {
    case 0:
        DrawCaptionEffect(m_textRect);
        m_canvas.text(m_textRect, m_caption, f, c.text);
        break;
    case 1:
        DrawCaptionEffect(m_textRect);
        m_canvas.text(m_textRect, m_caption, f, c.hoverText);
        break;
    case 2:
        DrawCaptionEffect(m_pressedTextRect);
        m_canvas.text(m_pressedTextRect, m_caption, f, c.hoverText);
        break;
    case 3:
        m_canvas.text(m_pressedTextRect, m_caption, f, c.highlight);
        m_canvas.text(m_textRect, m_caption, f, c.shadow);
        break;
    case 4:
        m_canvas.text(m_textRect, m_caption, f, ShiftColor(c.tint, -104, true));
        break;
    case 5:
        m_canvas.text(m_pressedTextRect, m_caption, f, ShiftColor(c.shadow, -50));
        m_canvas.text(m_textRect, m_caption, f, c.highlight);
        break;
    default:
        break;
    }
}

void QorButton::DrawCaptionEffect(const QRect &r)
{
    if (m_specialEffect < Raised)
        return;
    const Colour base = m_buttonType == BevelShaded ? m_colours.tint : m_colours.face;
    const int first = m_specialEffect == Sunken ? +40 : -40;
    const QFont f = captionFont();
    m_canvas.text(r.translated(1, 1), m_caption, f, ShiftColor(base, first));
    if (m_specialEffect < Shadow)
        m_canvas.text(r.translated(-1, -1), m_caption, f, ShiftColor(base, -first));
}

void QorButton::DrawPicture(PictureMode mode)
{
    if (m_pictureNormal.isNone())
        return;
    const int x = m_pictureX;
    const int y = m_pictureY;
    const bool hasOver = !m_pictureOver.isNone();
    switch (mode) {
    case PictureMode::Normal:
        if (!m_hover) {
            DrawPictureEffect(0, m_pictureNormal);
            BlitPicture(x, y, m_pictureNormal, -1, false, m_useGreyscale);
        } else {
            const ButtonPicture &shown = hasOver ? m_pictureOver : m_pictureNormal;
            DrawPictureEffect(0, shown);
            BlitPicture(x, y, shown, -1, false, false);
        }
        break;
    case PictureMode::Pressed:
        if (!hasOver) {
            DrawPictureEffect(1, m_pictureNormal);
            BlitPicture(x + 1, y + 1, m_pictureNormal, -1, false, false);
        } else {
            BlitPicture(x + 1, y + 1, m_pictureOver, -1, false, false);
        }
        break;
    case PictureMode::Disabled:
        if (m_buttonType == RoundedShaded) {
            BlitPicture(x + 1, y + 1, m_pictureNormal, -1, false, true);
        } else {
            BlitPicture(x + 1, y + 1, m_pictureNormal, static_cast<int>(m_colours.highlight), true, false);
            BlitPicture(x, y, m_pictureNormal, static_cast<int>(m_colours.shadow), true, false);
        }
        break;
    }
    // A picture behind the caption: the caption goes on top again. Types that
    // draw no caption stay without one.
    if (m_picturePosition == PictureBehind && drawsCaption())
        DrawCaption(m_textMode);
}

void QorButton::DrawPictureEffect(int d, const ButtonPicture &picture)
{
    if (m_specialEffect < Raised)
        return;
    const Colour base = m_buttonType == RoundedShaded ? m_colours.tint : m_colours.face;
    const int first = m_specialEffect == Sunken ? +40 : -40;
    BlitPicture(m_pictureX + 1 + d, m_pictureY + 1 + d, picture, static_cast<int>(ShiftColor(base, first)), false,
                false);
    if (m_specialEffect < Shadow)
        BlitPicture(m_pictureX - 1 + d, m_pictureY - 1 + d, picture, static_cast<int>(ShiftColor(base, -first)),
                    false, false);
}

void QorButton::BlitPicture(int x, int y, const ButtonPicture &picture, int silhouette, bool darkOnly, bool greyscale)
{
    if (m_pictureW == 0 || m_pictureH == 0)
        return;
    const QImage working = picture.rendered(QSize(m_pictureW, m_pictureH), ButtonColor::toRgb32(m_colours.key));
    ButtonCanvas::Blit how;
    how.useKey = m_useMaskColor;
    how.key = m_colours.key;
    how.silhouette = silhouette;
    how.darkOnly = darkOnly;
    how.greyscale = greyscale;
    m_canvas.blit(x, y, working, how);
}
