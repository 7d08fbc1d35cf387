#pragma once

#include <QImage>
#include <QWidget>

#include <future>

class QPainter;

// The picture on the title window: a wheel on the road, painted to scale.
// Its picture is painted on a second thread as soon as the widget is made,
// while the rest of the title window is built, and shown by its first paint.
class TitleArtwork : public QWidget
{
    Q_OBJECT

public:
    // A picture of `size` (in the widget's units), the widget's fixed size.
    explicit TitleArtwork(QSize size, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static QImage pictureOf(QSize size, qreal ratio);
    static void paint(QPainter &painter, QSizeF size);

    std::future<QImage> m_painting;
    QImage m_picture;
};
