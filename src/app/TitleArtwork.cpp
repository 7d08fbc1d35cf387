#include "app/TitleArtwork.h"

#include <QGuiApplication>
#include <QtMath>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

TitleArtwork::TitleArtwork(QSize size, QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(size);
    const qreal ratio = qApp->devicePixelRatio();
    m_painting = std::async(std::launch::async, [size, ratio] { return pictureOf(size, ratio); });
}

QImage TitleArtwork::pictureOf(QSize size, qreal ratio)
{
    // Whole pixels that cover the widget at a ratio such as 1.25.
    QImage picture(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(painter, size);
    return picture;
}

void TitleArtwork::paintEvent(QPaintEvent *)
{
    if (m_painting.valid())
        m_picture = m_painting.get();
    // Painted ahead for the screen the window was expected on; on a screen
    // of another pixel ratio painted again once.
    if (m_picture.devicePixelRatio() != devicePixelRatioF())
        m_picture = pictureOf(size(), devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), m_picture);
}

void TitleArtwork::paint(QPainter &painter, QSizeF size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(size.width(), size.height());
    painter.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
    painter.scale(side / 100.0, side / 100.0);

    // The road: a band with a dashed centre line, sweeping under the wheel.
    QPainterPath road;
    road.moveTo(0, 92);
    road.cubicTo(30, 80, 70, 80, 100, 70);
    road.lineTo(100, 84);
    road.cubicTo(70, 92, 30, 94, 0, 100);
    road.closeSubpath();
    painter.fillPath(road, QColor(70, 74, 82));
    QPen dashes(QColor(255, 214, 64), 1.2, Qt::DashLine);
    painter.setPen(dashes);
    QPainterPath centre;
    centre.moveTo(0, 96);
    centre.cubicTo(30, 87, 70, 86, 100, 77);
    painter.drawPath(centre);

    // The tyre, the rim and its five spokes.
    const QPointF hub(50, 44);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(22, 22, 24));
    painter.drawEllipse(hub, 38, 38);
    painter.setPen(QPen(QColor(55, 55, 60), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(hub, 33, 33);

    QRadialGradient metal(hub + QPointF(-8, -10), 34);
    metal.setColorAt(0, QColor(250, 252, 255));
    metal.setColorAt(0.6, QColor(170, 180, 195));
    metal.setColorAt(1, QColor(95, 105, 120));
    painter.setPen(QPen(QColor(80, 88, 100), 0.8));
    painter.setBrush(metal);
    painter.drawEllipse(hub, 26, 26);

    painter.setBrush(QColor(34, 38, 46));
    painter.drawEllipse(hub, 20, 20);
    painter.setBrush(metal);
    for (int spoke = 0; spoke < 5; ++spoke) {
        painter.save();
        painter.translate(hub);
        painter.rotate(spoke * 72.0 - 90.0);
        QPainterPath arm;
        arm.moveTo(4, -3.5);
        arm.lineTo(22, -6.5);
        arm.lineTo(22, 6.5);
        arm.lineTo(4, 3.5);
        arm.closeSubpath();
        painter.drawPath(arm);
        painter.restore();
    }
    painter.drawEllipse(hub, 7, 7);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(hub, 3, 3);
}
