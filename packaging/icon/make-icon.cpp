// make-icon: draws Torqal's application icon, a speedometer with a car in a
// rounded badge, and writes it as PNG files in the hicolor theme sizes:
//   make-icon OUTPUT_FOLDER SIZE...   writes OUTPUT_FOLDER/<SIZE>.png
// Runs at build time; needs no display (it paints on images only).

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// The icon is designed on a 256-unit square and scaled to each size; the
// smallest sizes leave out the details that would only blur.
constexpr double Design = 256.0;
const QPointF GaugeCentre(128.0, 138.0);
constexpr double GaugeRadius = 84.0;
// The dial runs clockwise from 225 degrees (lower left) to -45 degrees (lower right).
constexpr double DialStart = 225.0;
constexpr double DialSweep = 270.0;

QPointF onDial(double fraction, double radius)
{
    const double degrees = DialStart - fraction * DialSweep;
    const double radians = degrees * std::numbers::pi / 180.0;
    return GaugeCentre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

QRectF circle(QPointF centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

void paintBadge(QPainter &painter)
{
    QLinearGradient fill(0, 8, 0, 248);
    fill.setColorAt(0.0, QColor(0x2f, 0x6f, 0xa8));
    fill.setColorAt(1.0, QColor(0x12, 0x30, 0x52));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);
}

void paintDial(QPainter &painter, bool detailed)
{
    const double width = detailed ? 12.0 : 22.0;
    QPen arc(QColor(0xf4, 0xf7, 0xfb), width, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(arc);
    painter.setBrush(Qt::NoBrush);
    const QRectF ring = circle(GaugeCentre, GaugeRadius);
    // The last fifth of the dial is the red zone.
    painter.drawArc(ring, int(DialStart * 16), int(-DialSweep * 0.8 * 16));
    arc.setColor(QColor(0xf2, 0x5c, 0x3c));
    painter.setPen(arc);
    painter.drawArc(ring, int((DialStart - DialSweep * 0.8) * 16), int(-DialSweep * 0.2 * 16));

    if (!detailed)
        return;
    painter.setPen(QPen(QColor(0xf4, 0xf7, 0xfb), 7.0, Qt::SolidLine, Qt::RoundCap));
    for (int tick = 0; tick <= 8; ++tick) {
        const double fraction = tick / 8.0;
        painter.drawLine(onDial(fraction, GaugeRadius - 18), onDial(fraction, GaugeRadius - 30));
    }
}

void paintNeedle(QPainter &painter, bool detailed)
{
    const double fraction = 0.68;
    const QPointF tip = onDial(fraction, GaugeRadius - (detailed ? 16 : 10));
    painter.setPen(QPen(QColor(0xff, 0xb3, 0x2e), detailed ? 11.0 : 20.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(GaugeCentre, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf7, 0xfb));
    painter.drawEllipse(circle(GaugeCentre, detailed ? 15 : 24));
}

// A small coupe seen from the side, in the gap at the bottom of the dial.
void paintCar(QPainter &painter)
{
    QPainterPath body;
    body.moveTo(84, 222);
    body.lineTo(84, 206);
    body.quadTo(86, 198, 96, 196);
    body.lineTo(108, 194);
    body.quadTo(118, 180, 134, 180);
    body.lineTo(148, 180);
    body.quadTo(160, 181, 168, 194);
    body.quadTo(174, 196, 174, 204);
    body.lineTo(174, 222);
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf7, 0xfb));
    painter.drawPath(body);

    painter.setBrush(QColor(0x12, 0x30, 0x52));
    for (double x : {104.0, 154.0}) {
        painter.drawEllipse(circle(QPointF(x, 222), 12));
    }
    painter.setBrush(QColor(0xf4, 0xf7, 0xfb));
    for (double x : {104.0, 154.0}) {
        painter.drawEllipse(circle(QPointF(x, 222), 7));
    }
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Design, size / Design);
    const bool detailed = size >= 48;
    paintBadge(painter);
    paintDial(painter, detailed);
    paintNeedle(painter, detailed);
    if (detailed)
        paintCar(painter);
    painter.end();
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make-icon OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "make-icon: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            std::fprintf(stderr, "make-icon: %s is not an icon size (16 to 1024)\n", argv[i]);
            return 2;
        }
        const QString path = folder.filePath(QStringLiteral("%1.png").arg(size));
        if (!drawIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "make-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
