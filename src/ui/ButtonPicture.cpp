#include "ui/ButtonPicture.h"

#include "ui/ButtonIcons.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>

ButtonPicture ButtonPicture::fromSource(const QString &source)
{
    if (source.isEmpty())
        return {};
    if (source == QLatin1String("cursor:hand"))
        return fromImage(ButtonIcons::handCursor(), source, ButtonIcons::handCursorHotSpot());
    if (source.startsWith(QLatin1String("icon:"))) {
        const QImage icon = ButtonIcons::icon(source.mid(5));
        return icon.isNull() ? ButtonPicture{} : fromImage(icon, source);
    }
    const QImage image(source);
    return image.isNull() ? ButtonPicture{} : fromImage(image, source, QPoint(image.width() / 2, image.height() / 2));
}

ButtonPicture ButtonPicture::fromImage(const QImage &image, const QString &source, QPoint hotSpot)
{
    ButtonPicture picture;
    picture.m_image = image;
    picture.m_source = source;
    picture.m_hotSpot = hotSpot;
    return picture;
}

QImage ButtonPicture::rendered(QSize size, QRgb maskColour) const
{
    if (m_image.isNull() || size.isEmpty())
        return {};
    if (!m_image.hasAlphaChannel()) {
        const QImage bitmap = m_image.convertToFormat(QImage::Format_RGB32);
        return bitmap.size() == size ? bitmap : bitmap.scaled(size);
    }
    QImage working(size, QImage::Format_RGB32);
    working.fill(maskColour);
    QPainter painter(&working);
    painter.drawImage(QRect(QPoint(0, 0), size), m_image);
    return working;
}

std::optional<QCursor> ButtonPicture::cursor() const
{
    if (m_image.isNull() || !m_image.hasAlphaChannel())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(m_image), m_hotSpot.x(), m_hotSpot.y());
}
