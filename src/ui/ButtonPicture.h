#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

class QCursor;

// A picture property of the button: a bitmap or an icon, or none. It remembers
// the name it was made from, which is what a stored layout keeps:
//   "icon:<role>-<size>"  an icon painted by the program (see ButtonIcons.h),
//   "cursor:hand"         the program's hand cursor,
//   anything else         an image file or resource path (":/...").
class ButtonPicture
{
public:
    ButtonPicture() = default;
    static ButtonPicture fromSource(const QString &source);
    static ButtonPicture fromImage(const QImage &image, const QString &source = {}, QPoint hotSpot = {});

    bool isNone() const { return m_image.isNull(); }
    const QString &source() const { return m_source; }
    const QImage &image() const { return m_image; }
    QSize size() const { return m_image.size(); }

    // An icon (a picture with transparency) is drawn over the mask colour so its
    // transparent parts take that colour; a bitmap is used as it is. The result
    // is width x height.
    QImage rendered(QSize size, QRgb maskColour) const;

    // The picture as a mouse cursor; none for pictures that cannot serve as one
    // (no picture, or a bitmap without transparency).
    std::optional<QCursor> cursor() const;

    friend bool operator==(const ButtonPicture &a, const ButtonPicture &b)
    {
        return a.m_source == b.m_source && a.m_image == b.m_image;
    }

private:
    QString m_source;
    QImage m_image;
    QPoint m_hotSpot;
};
