#include "DemoPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

struct Scene
{
    QColor skyTop;
    QColor skyBottom;
    QColor sun;
    QColor hills;
    QColor groundTop;
    QColor groundBottom;
};

const QColor Silhouette(0x22, 0x2a, 0x35);
const QColor Rim(0xb8, 0xc2, 0xcc);
constexpr double Horizon = 270.0;

QRectF circle(QPointF centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

void paintScene(QPainter &painter, const Scene &scene)
{
    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0.0, scene.skyTop);
    sky.setColorAt(1.0, scene.skyBottom);
    painter.fillRect(QRectF(0, 0, DemoPictureWidth, Horizon), sky);

    QRadialGradient glow(QPointF(470, 150), 90);
    glow.setColorAt(0.0, scene.sun);
    glow.setColorAt(0.45, scene.sun);
    glow.setColorAt(1.0, Qt::transparent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(circle(QPointF(470, 150), 90));

    QPainterPath hills;
    hills.moveTo(0, Horizon);
    hills.cubicTo(90, 200, 170, 215, 250, 240);
    hills.cubicTo(330, 190, 430, 205, 520, 235);
    hills.cubicTo(570, 215, 610, 222, DemoPictureWidth, 230);
    hills.lineTo(DemoPictureWidth, Horizon);
    hills.closeSubpath();
    painter.setBrush(scene.hills);
    painter.drawPath(hills);

    QLinearGradient ground(0, Horizon, 0, DemoPictureHeight);
    ground.setColorAt(0.0, scene.groundTop);
    ground.setColorAt(1.0, scene.groundBottom);
    painter.fillRect(QRectF(0, Horizon, DemoPictureWidth, DemoPictureHeight - Horizon), ground);
}

// A wheel standing on the ground line `groundY`.
void paintWheel(QPainter &painter, double x, double groundY, double radius, double rimShare)
{
    const QPointF centre(x, groundY - radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Silhouette);
    painter.drawEllipse(circle(centre, radius));
    painter.setBrush(Rim);
    painter.drawEllipse(circle(centre, radius * rimShare));
    painter.setBrush(Silhouette);
    painter.drawEllipse(circle(centre, radius * rimShare * 0.3));
}

void paintShadow(QPainter &painter, double left, double right, double groundY)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(QRectF(left, groundY - 8, right - left, 16));
}

void paintCar(QPainter &painter)
{
    const double ground = 350;
    paintShadow(painter, 110, 540, ground);
    QPainterPath body;
    body.moveTo(120, 320);
    body.cubicTo(118, 292, 130, 280, 165, 274);
    body.lineTo(215, 268);
    body.cubicTo(250, 222, 280, 210, 340, 208);
    body.lineTo(445, 208);
    body.cubicTo(470, 209, 490, 240, 505, 268);
    body.cubicTo(530, 272, 538, 290, 536, 322);
    body.lineTo(536, 330);
    body.lineTo(120, 330);
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Silhouette);
    painter.drawPath(body);

    // Side windows, split by the pillars.
    painter.setBrush(QColor(0x8f, 0xb4, 0xd6, 200));
    QPainterPath front;
    front.moveTo(238, 266);
    front.cubicTo(262, 236, 282, 224, 320, 222);
    front.lineTo(320, 266);
    front.closeSubpath();
    painter.drawPath(front);
    painter.drawRect(QRectF(332, 222, 70, 44));
    QPainterPath rear;
    rear.moveTo(414, 222);
    rear.lineTo(440, 222);
    rear.cubicTo(458, 224, 472, 246, 482, 266);
    rear.lineTo(414, 266);
    rear.closeSubpath();
    painter.drawPath(rear);

    // Roof rails and lamps.
    painter.setBrush(Silhouette);
    painter.drawRoundedRect(QRectF(300, 199, 160, 6), 3, 3);
    painter.setBrush(QColor(0xff, 0xe6, 0x9a));
    painter.drawRoundedRect(QRectF(122, 288, 18, 10), 4, 4);
    painter.setBrush(QColor(0xd9, 0x3a, 0x2b));
    painter.drawRoundedRect(QRectF(524, 284, 12, 16), 4, 4);

    paintWheel(painter, 200, ground, 42, 0.6);
    paintWheel(painter, 452, ground, 42, 0.6);
}

void paintMotorcycle(QPainter &painter)
{
    const double ground = 352;
    paintShadow(painter, 150, 500, ground);
    paintWheel(painter, 205, ground, 58, 0.78);
    paintWheel(painter, 440, ground, 58, 0.78);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Silhouette, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Fork, swing arm and frame.
    painter.drawLine(QPointF(205, 294), QPointF(250, 190));
    painter.drawLine(QPointF(440, 294), QPointF(335, 280));
    QPainterPath frame;
    frame.moveTo(255, 205);
    frame.lineTo(330, 282);
    frame.lineTo(400, 240);
    frame.lineTo(300, 220);
    painter.drawPath(frame);
    // Handlebar and mirror.
    painter.setPen(QPen(Silhouette, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(248, 186), QPointF(278, 170));
    painter.drawLine(QPointF(246, 186), QPointF(236, 160));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xb3, 0x1b, 0x22));
    QPainterPath tank;
    tank.moveTo(265, 212);
    tank.cubicTo(280, 186, 330, 184, 352, 204);
    tank.lineTo(344, 226);
    tank.lineTo(280, 228);
    tank.closeSubpath();
    painter.drawPath(tank);

    painter.setBrush(Silhouette);
    QPainterPath seat;
    seat.moveTo(350, 206);
    seat.cubicTo(380, 198, 420, 200, 452, 214);
    seat.lineTo(446, 226);
    seat.lineTo(352, 228);
    seat.closeSubpath();
    painter.drawPath(seat);
    // Engine block, windscreen and headlamp.
    painter.drawRoundedRect(QRectF(285, 240, 70, 52), 10, 10);
    painter.setBrush(QColor(0x9c, 0xc3, 0xe0, 180));
    QPainterPath screen;
    screen.moveTo(240, 176);
    screen.lineTo(226, 132);
    screen.lineTo(246, 136);
    screen.lineTo(258, 176);
    screen.closeSubpath();
    painter.drawPath(screen);
    painter.setBrush(QColor(0xff, 0xe6, 0x9a));
    painter.drawEllipse(circle(QPointF(236, 196), 9));
}

void paintAtv(QPainter &painter)
{
    const double ground = 352;
    paintShadow(painter, 130, 520, ground);
    // The far wheels peek out behind the near ones.
    painter.setOpacity(0.75);
    paintWheel(painter, 222, ground - 6, 52, 0.55);
    paintWheel(painter, 438, ground - 6, 52, 0.55);
    painter.setOpacity(1.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x55, 0x6b, 0x45));
    QPainterPath body;
    body.moveTo(140, 262);
    body.cubicTo(150, 226, 190, 214, 240, 222);
    body.lineTo(300, 238);
    body.lineTo(360, 238);
    body.lineTo(410, 222);
    body.cubicTo(470, 214, 510, 228, 520, 262);
    body.lineTo(470, 268);
    body.cubicTo(455, 238, 420, 238, 405, 270);
    body.lineTo(255, 270);
    body.cubicTo(240, 238, 200, 238, 188, 268);
    body.closeSubpath();
    painter.drawPath(body);

    painter.setBrush(Silhouette);
    painter.drawRoundedRect(QRectF(304, 220, 100, 20), 9, 9);   // seat
    painter.drawRoundedRect(QRectF(262, 266, 140, 40), 8, 8);   // engine
    painter.setPen(QPen(Silhouette, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(168, 212), QPointF(250, 212)); // front rack on its posts
    painter.drawLine(QPointF(180, 212), QPointF(182, 232));
    painter.drawLine(QPointF(238, 212), QPointF(236, 226));
    painter.drawLine(QPointF(420, 206), QPointF(508, 206)); // rear rack on its posts
    painter.drawLine(QPointF(432, 206), QPointF(432, 222));
    painter.drawLine(QPointF(494, 206), QPointF(498, 230));
    painter.drawLine(QPointF(286, 238), QPointF(276, 194)); // steering column
    painter.drawLine(QPointF(262, 190), QPointF(294, 188)); // handlebar
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xe6, 0x9a));
    painter.drawRoundedRect(QRectF(140, 238, 16, 12), 4, 4);

    paintWheel(painter, 212, ground, 54, 0.55);
    paintWheel(painter, 448, ground, 54, 0.55);
}

} // namespace

QImage paintDemoPicture(DemoPicture picture)
{
    QImage image(DemoPictureWidth, DemoPictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case DemoPicture::Car:
        paintScene(painter, {QColor(0xf6, 0x9a, 0x5b), QColor(0xfc, 0xd9, 0x9a), QColor(0xff, 0xf3, 0xc4),
                             QColor(0x7d, 0x5a, 0x6e), QColor(0x8a, 0x86, 0x80), QColor(0x55, 0x52, 0x50)});
        paintCar(painter);
        break;
    case DemoPicture::Motorcycle:
        paintScene(painter, {QColor(0x4a, 0x8f, 0xd6), QColor(0xc8, 0xe4, 0xf7), QColor(0xff, 0xfb, 0xe6),
                             QColor(0x5f, 0x86, 0x6a), QColor(0x9a, 0x9a, 0x96), QColor(0x60, 0x62, 0x62)});
        paintMotorcycle(painter);
        break;
    case DemoPicture::Atv:
        paintScene(painter, {QColor(0x9c, 0xc9, 0xe8), QColor(0xe8, 0xef, 0xd2), QColor(0xff, 0xf8, 0xd8),
                             QColor(0x86, 0x94, 0xb0), QColor(0xa0, 0x83, 0x5c), QColor(0x6b, 0x52, 0x38)});
        paintAtv(painter);
        break;
    }
    painter.end();
    return image;
}
