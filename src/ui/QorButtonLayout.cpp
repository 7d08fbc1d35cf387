// Where a QorButton puts its caption and picture, its shape, the captured
// background of the Transparent type, its access key and cursor.

#include "ui/QorButton.h"

#include "platform/ValueFormats.h"

#include <QAccessible>
#include <QCursor>
#include <QFontMetrics>
#include <QKeySequence>
#include <QRegion>

namespace {

Qt::CursorShape cursorShape(short pointer)
{
    switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    case 16: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

QFont QorButton::captionFont() const
{
    QFont f = font();
    if (m_boldForDefault)
        f.setBold(true);
    return f;
}

void QorButton::resizeHandling()
{
    m_focusRect = rect();
    m_w = m_focusRect.width();
    m_h = m_focusRect.height();
    switch (m_buttonType) {
    case RoundedShaded:
        m_focusRect.adjust(4, 4, -4, -4);
        break;
    case Transparent:
        m_focusRect.adjust(3, 3, -3, -3);
        break;
    case BevelShaded:
        m_focusRect.adjust(5, 5, -5, -5);
        m_focusRect.translate(1, 1);
        break;
    default:
        break;
    }
    LayoutCaption();
    BuildShape();
    if (m_h != 0)
        DrawButton(NormalState, true);
}

void QorButton::MeasurePicture()
{
    const QSize size = m_pictureNormal.size();
    m_pictureW = m_pictureNormal.isNone() ? 0 : size.width();
    m_pictureH = m_pictureNormal.isNone() ? 0 : size.height();
}

void QorButton::LayoutCaption()
{
    MeasurePicture();
    const int w = m_w;
    const int h = m_h;
    const int pw = m_pictureW;
    const int ph = m_pictureH;
    int left = 4;
    int top = 4;
    int right = w - 8;
    int bottom = h - 8;
    switch (m_picturePosition) {
    case PictureLeft: left = pw + 4; break;
    case PictureRight: right = w - pw - 8; break;
    case PictureTop: top = ph + 4; break;
    case PictureBottom: bottom = h - ph - 8; break;
    case PictureBehind: top = 1; bottom = h - 4; break;
    default: break;
    }
    // The word-wrapped extent of the caption in that rectangle.
    const QFontMetrics metrics(captionFont());
    const QRect extent = metrics.boundingRect(QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0)),
                                              Qt::TextWordWrap | Qt::TextShowMnemonic, displayCaption(m_caption));
    const int textRight = left + (m_caption.isEmpty() ? 0 : extent.width());
    const int textBottom = top + (m_caption.isEmpty() ? 0 : extent.height());
    int dx = (w - textRight) / 2;
    int dy = (h - textBottom) / 2;
    if (m_picturePosition == PictureRight)
        dx = (w - textRight - pw - 4) / 2;
    else if (m_picturePosition == PictureBottom)
        dy = (h - textBottom - ph - 4) / 2;
    m_textRect = QRect(left + dx, top + dy, textRight - left, textBottom - top);
    m_pressedTextRect = m_textRect.translated(1, 1);
    PlacePicture();
}

void QorButton::PlacePicture()
{
    if (m_pictureNormal.isNone() && m_pictureOver.isNone())
        return;
    const int pw = m_pictureW;
    const int ph = m_pictureH;
    if (ValueFormats::trimBlanks(m_caption).isEmpty() || m_picturePosition == PictureBehind) {
        m_pictureX = (m_w - pw) / 2;
        m_pictureY = (m_h - ph) / 2;
        return;
    }
    const int left = m_textRect.left();
    const int top = m_textRect.top();
    const int right = left + m_textRect.width();
    const int bottom = top + m_textRect.height();
    switch (m_picturePosition) {
    case PictureLeft:
        m_pictureX = left - pw - 6;
        m_pictureY = (m_h - ph) / 2;
        break;
    case PictureRight:
        m_pictureX = right + 6;
        m_pictureY = (m_h - ph) / 2;
        break;
    case PictureTop:
        m_pictureX = (m_w - pw) / 2;
        m_pictureY = top - ph - 2;
        break;
    case PictureBottom:
        m_pictureX = (m_w - pw) / 2;
        m_pictureY = bottom + 2;
        break;
    default:
        break;
    }
}

void QorButton::BuildShape()
{
    const int w = m_w;
    const int h = m_h;
    QRegion shape(0, 0, w, h);
    auto cut = [&shape](int x, int y) { shape -= QRegion(x, y, 1, 1); };
    if (m_buttonType == RoundedShaded) {
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 1, 0), QPoint(w - 2, 0),
                               QPoint(w - 1, 1), QPoint(0, h - 1), QPoint(1, h - 1), QPoint(0, h - 2),
                               QPoint(w - 1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)})
            cut(p.x(), p.y());
    } else if (m_buttonType == BevelShaded) {
        cut(0, h - 1);
        cut(w - 1, 0);
    }
    if (m_buttonType == RoundedShaded || m_buttonType == BevelShaded)
        setMask(shape);
    else
        clearMask();
    update();
}

void QorButton::CaptureBackground()
{
    // Renders what lies beneath the button: the window with everything on it,
    // while this button paints nothing.
    QWidget *top = window();
    if (top == this || m_w <= 0 || m_h <= 0)
        return;
    m_layoutGuard = true;
    QImage captured(m_w, m_h, QImage::Format_RGB32);
    captured.fill(ButtonColor::toRgb32(m_colours.face));
    const QPoint origin = mapTo(top, QPoint(0, 0));
    top->render(&captured, QPoint(0, 0), QRegion(QRect(origin, QSize(m_w, m_h))),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    m_background = captured;
    m_layoutGuard = false;
}

bool QorButton::IsMouseOver(const QPointF &pos) const
{
    const QPoint at = pos.toPoint();
    if (at.x() < 0 || at.y() < 0 || at.x() >= width() || at.y() >= height())
        return false;
    const QRegion shape = mask();
    return shape.isEmpty() || shape.contains(at);
}

void QorButton::UpdateAccessKey()
{
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    m_accessKey = QChar();
    const QString &c = m_caption;
    if (c.size() >= 2) {
        qsizetype at = c.indexOf(QLatin1Char('&'));
        if (at >= 0 && at < c.size() - 1) {
            if (c.at(at + 1) != QLatin1Char('&')) {
                m_accessKey = c.at(at + 1).toLower();
            } else {
                at = c.indexOf(QLatin1Char('&'), at + 2);
                if (at >= 0 && at + 1 < c.size() && c.at(at + 1) != QLatin1Char('&'))
                    m_accessKey = c.at(at + 1).toLower();
            }
        }
    }
    if (!m_accessKey.isNull())
        m_shortcutId = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(m_accessKey.toUpper().unicode()))));
    announceNameChange();
}

void QorButton::announceNameChange()
{
    // Named by its caption or hover text (see QorButtonAccessible), the
    // button tells assistive technology when they change; a name the program
    // gave it stays as it is.
    if (!accessibleName().isEmpty())
        return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void QorButton::applyCursor()
{
    if (m_mousePointer == 99) {
        if (const auto custom = m_mouseIcon.cursor())
            setCursor(*custom);
        else
            unsetCursor();
    } else if (m_mousePointer == 0) {
        unsetCursor();
    } else {
        setCursor(cursorShape(m_mousePointer));
    }
}
