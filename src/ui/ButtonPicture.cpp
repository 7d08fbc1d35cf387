#include "ui/ButtonPicture.h"

#include "ui/ButtonIcons.h"

#include <QCoreApplication>
#include <QCursor>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include <mutex>

namespace {

// The program's own pictures, each painted once and shared by every button
// that shows it. They may be painted ahead on another thread (see
// PaintButtonPicturesAhead); a picture asked for while it is being painted
// there is painted here as well, to the same result. A std::mutex guards
// them, whose order the thread checker's build follows (it cannot see into
// the waits of a QMutex).
ButtonPicture paintedPicture(const QString &source)
{
    static std::mutex guard;
    static QHash<QString, ButtonPicture> painted;
    {
        const std::lock_guard locked(guard);
        if (const auto found = painted.constFind(source); found != painted.constEnd())
            return *found;
    }
    ButtonPicture picture;
    if (source == QLatin1String("cursor:hand")) {
        picture = ButtonPicture::fromImage(ButtonIcons::handCursor(), source, ButtonIcons::handCursorHotSpot());
    } else {
        const QImage icon = ButtonIcons::icon(source.mid(5));
        if (!icon.isNull())
            picture = ButtonPicture::fromImage(icon, source);
    }
    const std::lock_guard locked(guard);
    painted.insert(source, picture);
    return picture;
}

// A mouse cursor per picture, so that the buttons showing one picture share
// one cursor of the window system. The cursors go with the application.
class CursorCache : public QObject
{
public:
    using QObject::QObject;
    QHash<QPair<qint64, QPoint>, QCursor> cursors;
};

} // namespace

ButtonPicture ButtonPicture::fromSource(const QString &source)
{
    if (source.isEmpty())
        return {};
    if (source == QLatin1String("cursor:hand") || source.startsWith(QLatin1String("icon:")))
        return paintedPicture(source);
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
    static QPointer<CursorCache> cache;
    if (!cache)
        cache = new CursorCache(QCoreApplication::instance());
    const QPair<qint64, QPoint> key(m_image.cacheKey(), m_hotSpot);
    auto found = cache->cursors.find(key);
    if (found == cache->cursors.end())
        found = cache->cursors.insert(key, QCursor(QPixmap::fromImage(m_image), m_hotSpot.x(), m_hotSpot.y()));
    return *found;
}
