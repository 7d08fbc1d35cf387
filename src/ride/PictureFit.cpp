#include "ride/PictureFit.h"

#include "platform/Twips.h"

#include <QImageReader>

namespace PictureFit {

QSize FitPicture(QSize natural, QSize box)
{
    const qint64 w = natural.width();
    const qint64 h = natural.height();
    if (w <= 0 || h <= 0)
        return {};
    // The products are taken in 64 bits so that a very large picture cannot
    // overflow them; the quotient never exceeds the box's larger side.
    if (w > h)
        return {box.width(), int(h * box.width() / w)};
    return {int(w * box.height() / h), box.height()};
}

std::optional<Picture> LoadPicture(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    const QSize twips(Twips::fromPixelsX(image.width()), Twips::fromPixelsY(image.height()));
    return Picture{std::move(image), twips};
}

} // namespace PictureFit
