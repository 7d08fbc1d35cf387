#include "ui/ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace ButtonIcons {
namespace {

// Every icon is drawn on a 32 x 32 grid and scaled to its size.
using Painter = std::function<void(QPainter &)>;

const QColor Ink(0x20, 0x20, 0x28);
const QColor White(0xFF, 0xFF, 0xFF);

QPen ink(qreal width = 2.0)
{
    return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void shape(QPainter &p, const QPainterPath &path, const QColor &fill, qreal outline = 2.0)
{
    p.setPen(ink(outline));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void paintAdd(QPainter &p)
{
    shape(p, polygon({{12, 3}, {20, 3}, {20, 12}, {29, 12}, {29, 20}, {20, 20}, {20, 29}, {12, 29},
                      {12, 20}, {3, 20}, {3, 12}, {12, 12}}),
          QColor(0x1E, 0xA0, 0x2E));
    p.setPen(QPen(QColor(0x9C, 0xF0, 0xA4), 2));
    p.drawLine(QPointF(15, 6), QPointF(15, 11));
    p.drawLine(QPointF(6, 15), QPointF(11, 15));
}

void paintEdit(QPainter &p)
{
    // A pencil lying from lower left to upper right.
    p.translate(16, 16);
    p.rotate(-45);
    shape(p, rect(-8, -5, 18, 10), QColor(0xF5, 0xC2, 0x2A));
    shape(p, rect(10, -5, 5, 10), QColor(0xF0, 0x7C, 0x9C));
    shape(p, polygon({{-8, -5}, {-16, 0}, {-8, 5}}), QColor(0xF3, 0xD9, 0xA8));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(QPolygonF({{-13, -1.8}, {-16.5, 0}, {-13, 1.8}}));
    p.setPen(QPen(QColor(0xC8, 0x8A, 0x10), 1.5));
    p.drawLine(QPointF(-7, 0), QPointF(9, 0));
    p.resetTransform();
}

void paintDelete(QPainter &p)
{
    QPainterPath cross;
    cross.addPolygon(QPolygonF({{4, 9}, {9, 4}, {16, 11}, {23, 4}, {28, 9}, {21, 16}, {28, 23}, {23, 28},
                               {16, 21}, {9, 28}, {4, 23}, {11, 16}}));
    cross.closeSubpath();
    shape(p, cross, QColor(0xD8, 0x1E, 0x1E));
}

void paintPrint(QPainter &p)
{
    shape(p, rect(8, 2, 16, 12), White);                       // paper in
    shape(p, rect(2, 12, 28, 12, 2), QColor(0x8A, 0x92, 0xA0)); // body
    shape(p, rect(7, 20, 18, 10), White);                      // paper out
    p.setPen(QPen(QColor(0x50, 0x58, 0x68), 1.5));
    p.drawLine(QPointF(10, 24), QPointF(22, 24));
    p.drawLine(QPointF(10, 27), QPointF(19, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2C, 0xD0, 0x3C));
    p.drawRect(QRectF(24, 15, 3, 3));
}

void paintHistory(QPainter &p)
{
    // A bar chart with a line over it.
    shape(p, rect(2, 4, 28, 25, 2), White);
    p.setPen(Qt::NoPen);
    const QColor bars[] = {QColor(0x2C, 0x8C, 0xE8), QColor(0xF0, 0x9A, 0x1E), QColor(0x2C, 0x8C, 0xE8),
                           QColor(0xF0, 0x9A, 0x1E)};
    const qreal heights[] = {8, 13, 10, 17};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(6 + 5.5 * i, 26 - heights[i], 4, heights[i]));
    }
    p.setPen(QPen(QColor(0xD8, 0x1E, 0x1E), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{6, 14}, {12, 10}, {18, 12}, {26, 6}}));
}

void paintHelp(QPainter &p)
{
    shape(p, [] { QPainterPath c; c.addEllipse(QRectF(2, 2, 28, 28)); return c; }(), QColor(0x22, 0x66, 0xD8));
    QPainterPath mark;
    mark.moveTo(11, 12);
    mark.cubicTo(11, 5, 21, 5, 21, 12);
    mark.cubicTo(21, 16, 16, 16, 16, 20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(White, 4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawRect(QRectF(14, 22.5, 4, 4));
}

void paintLandscape(QPainter &p, const QRectF &frame)
{
    shape(p, rect(frame.x(), frame.y(), frame.width(), frame.height()), QColor(0x8C, 0xC8, 0xF8));
    p.save();
    p.setClipRect(frame.adjusted(1, 1, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD8, 0x30));
    p.drawEllipse(QPointF(frame.right() - 7, frame.top() + 7), 3.5, 3.5);
    p.setPen(ink(1.5));
    p.setBrush(QColor(0x3C, 0x9C, 0x3C));
    p.drawPolygon(QPolygonF({{frame.left(), frame.bottom()}, {frame.left() + frame.width() * 0.35, frame.top() + frame.height() * 0.4},
                             {frame.left() + frame.width() * 0.6, frame.top() + frame.height() * 0.7},
                             {frame.left() + frame.width() * 0.75, frame.top() + frame.height() * 0.55},
                             {frame.right(), frame.bottom()}}));
    p.restore();
}

void paintPicture(QPainter &p)
{
    shape(p, rect(2, 4, 28, 24), QColor(0xB0, 0x74, 0x38));
    paintLandscape(p, QRectF(6, 8, 20, 16));
}

void paintLargerPicture(QPainter &p)
{
    paintLandscape(p, QRectF(2, 2, 20, 16));
    p.setPen(QPen(Ink, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 23), QPointF(29, 29));
    shape(p, [] { QPainterPath c; c.addEllipse(QRectF(11, 11, 14, 14)); return c; }(), QColor(0xD8, 0xF0, 0xFF));
    p.setPen(QPen(QColor(0x20, 0x80, 0x20), 2.5));
    p.drawLine(QPointF(18, 14.5), QPointF(18, 21.5));
    p.drawLine(QPointF(14.5, 18), QPointF(21.5, 18));
}

void paintSave(QPainter &p)
{
    shape(p, polygon({{3, 3}, {25, 3}, {29, 7}, {29, 29}, {3, 29}}), QColor(0x2A, 0x5C, 0xC8));
    shape(p, rect(8, 3, 15, 9), QColor(0xC8, 0xD0, 0xDC));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x5C, 0xC8));
    p.drawRect(QRectF(17, 5, 3, 5));
    shape(p, rect(7, 16, 18, 13), White);
    p.setPen(QPen(QColor(0x90, 0x98, 0xA8), 1.5));
    p.drawLine(QPointF(10, 20), QPointF(22, 20));
    p.drawLine(QPointF(10, 24), QPointF(22, 24));
}

void paintCancel(QPainter &p)
{
    QPainterPath ring;
    ring.addEllipse(QRectF(2, 2, 28, 28));
    ring.addEllipse(QRectF(7, 7, 18, 18));
    QPainterPath bar = polygon({{9, 6}, {26, 23}, {23, 26}, {6, 9}});
    shape(p, ring.united(bar), QColor(0xE0, 0x28, 0x28));
}

void paintQuit(QPainter &p)
{
    shape(p, rect(4, 2, 16, 28), QColor(0x9A, 0x60, 0x2C));      // door
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD0, 0x40));
    p.drawEllipse(QPointF(16, 17), 1.7, 1.7);
    shape(p, polygon({{14, 13}, {22, 13}, {22, 8}, {30, 16}, {22, 24}, {22, 19}, {14, 19}}),
          QColor(0x2C, 0xC0, 0x40));
}

void paintFade(QPainter &p)
{
    shape(p, rect(2, 2, 20, 18, 1), QColor(0x30, 0x5C, 0xC0));
    // The front window fades: stripes of the colour over the window behind.
    shape(p, rect(10, 12, 20, 18, 1), White);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0x30, 0x5C, 0xC0, 60 + 55 * i));
        p.drawRect(QRectF(11 + 4.5 * i, 13, 4.5, 16));
    }
    p.setPen(ink());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(10, 12, 20, 18), 1, 1);
}

void paintFriend(QPainter &p)
{
    shape(p, rect(2, 7, 28, 19), White);
    p.setPen(ink(2));
    p.drawPolyline(QPolygonF({{3, 8}, {16, 18}, {29, 8}}));
    p.setPen(ink(1.5));
    p.drawLine(QPointF(3, 25), QPointF(12, 16));
    p.drawLine(QPointF(29, 25), QPointF(20, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x30, 0x50));
    QPainterPath heart;
    heart.moveTo(25, 6);
    heart.cubicTo(25, 1, 31, 1, 31, 5.5);
    heart.cubicTo(31, 8, 27, 10, 25, 12.5);
    heart.cubicTo(23, 10, 19, 8, 19, 5.5);
    heart.cubicTo(19, 1, 25, 1, 25, 6);
    p.drawPath(heart);
}

void paintSelect(QPainter &p)
{
    // A car seen from the side: the ride to choose.
    shape(p, polygon({{2, 21}, {2, 15}, {7, 14}, {11, 8}, {22, 8}, {26, 14}, {30, 15}, {30, 21}}),
          QColor(0xD0, 0x24, 0x24));
    p.setPen(ink(1.5));
    p.setBrush(QColor(0xC8, 0xE8, 0xFF));
    p.drawPolygon(QPolygonF({{9.5, 14}, {12.5, 10}, {16, 10}, {16, 14}}));
    p.drawPolygon(QPolygonF({{18, 14}, {18, 10}, {21, 10}, {24, 14}}));
    p.setPen(ink(2));
    p.setBrush(QColor(0x38, 0x38, 0x40));
    p.drawEllipse(QPointF(9, 22), 4, 4);
    p.drawEllipse(QPointF(23, 22), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xC8, 0xD0));
    p.drawEllipse(QPointF(9, 22), 1.5, 1.5);
    p.drawEllipse(QPointF(23, 22), 1.5, 1.5);
}

QPainterPath arrowRight()
{
    return polygon({{3, 12}, {16, 12}, {16, 4}, {29, 16}, {16, 28}, {16, 20}, {3, 20}});
}

void paintContinue(QPainter &p)
{
    shape(p, arrowRight(), QColor(0x22, 0xB0, 0x38));
    p.setPen(QPen(QColor(0xA8, 0xF0, 0xB0), 2));
    p.drawLine(QPointF(6, 15), QPointF(16, 15));
}

void paintReturn(QPainter &p)
{
    // A U-turn arrow pointing back to the left.
    QPainterPath path;
    path.moveTo(12, 3);
    path.lineTo(2, 11);
    path.lineTo(12, 19);
    path.lineTo(12, 14);
    path.lineTo(20, 14);
    path.cubicTo(24, 14, 25, 17, 25, 19.5);
    path.cubicTo(25, 22, 24, 25, 20, 25);
    path.lineTo(10, 25);
    path.lineTo(10, 30);
    path.lineTo(20, 30);
    path.cubicTo(27, 30, 30, 25, 30, 19.5);
    path.cubicTo(30, 14, 27, 8, 20, 8);
    path.lineTo(12, 8);
    path.closeSubpath();
    shape(p, path, QColor(0x28, 0x70, 0xE0));
}

// A box of records, with an arrow going into it (backup) or out of it
// (restore).
void paintRecordBox(QPainter &p, bool into)
{
    shape(p, polygon({{3, 14}, {29, 14}, {29, 29}, {3, 29}}), QColor(0xC8, 0x8A, 0x3A));
    shape(p, rect(11, 18, 10, 4, 1), QColor(0xF0, 0xD8, 0xA8), 1.5);
    const qreal tip = into ? 13 : 1;
    const qreal tail = into ? 1 : 13;
    constexpr qreal head = 7;
    shape(p, polygon({{13, tail}, {19, tail}, {19, head}, {24, head}, {16, tip}, {8, head}, {13, head}}),
          QColor(0x1E, 0xA0, 0x2E), 1.5);
}

void paintBackup(QPainter &p) { paintRecordBox(p, true); }
void paintRestore(QPainter &p) { paintRecordBox(p, false); }

void paintTopics(QPainter &p)
{
    // An open book.
    shape(p, polygon({{16, 8}, {16, 28}, {2, 25}, {2, 5}}), White);
    shape(p, polygon({{16, 8}, {30, 5}, {30, 25}, {16, 28}}), White);
    p.setPen(QPen(QColor(0x50, 0x70, 0xC0), 1.5));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 12 + 4.5 * i;
        p.drawLine(QPointF(5, y - 1.5), QPointF(13, y));
        p.drawLine(QPointF(19, y), QPointF(27, y - 1.5));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x30, 0x30));
    p.drawPolygon(QPolygonF({{21, 6.9}, {25, 6}, {25, 13}, {23, 11.5}, {21, 13}}));
}

const std::map<QString, Painter> &painters()
{
    static const std::map<QString, Painter> table{
        {QStringLiteral("add"), paintAdd},
        {QStringLiteral("edit"), paintEdit},
        {QStringLiteral("delete"), paintDelete},
        {QStringLiteral("print"), paintPrint},
        {QStringLiteral("history"), paintHistory},
        {QStringLiteral("help"), paintHelp},
        {QStringLiteral("picture"), paintPicture},
        {QStringLiteral("largerpicture"), paintLargerPicture},
        {QStringLiteral("save"), paintSave},
        {QStringLiteral("cancel"), paintCancel},
        {QStringLiteral("quit"), paintQuit},
        {QStringLiteral("fade"), paintFade},
        {QStringLiteral("friend"), paintFriend},
        {QStringLiteral("select"), paintSelect},
        {QStringLiteral("continue"), paintContinue},
        {QStringLiteral("return"), paintReturn},
        {QStringLiteral("topics"), paintTopics},
        {QStringLiteral("backup"), paintBackup},
        {QStringLiteral("restore"), paintRestore},
    };
    return table;
}

// Painted smooth, then every pixel made either fully opaque or fully clear, so
// the edges key out against the mask colour without a grey fringe.
QImage crisp(QImage image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const int a = qAlpha(p);
            row[x] = a < 110 ? 0u
                             : qRgba(qRed(p) * 255 / a, qGreen(p) * 255 / a, qBlue(p) * 255 / a, 255);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QStringList roles()
{
    QStringList names;
    for (const auto &entry : painters())
        names << entry.first;
    return names;
}

QImage icon(const QString &role, int size)
{
    const auto found = painters().find(role);
    if (found == painters().end() || size <= 0)
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    found->second(painter);
    painter.end();
    return crisp(image);
}

QImage icon(const QString &name)
{
    const qsizetype dash = name.lastIndexOf(QLatin1Char('-'));
    bool ok = false;
    const int size = dash > 0 ? name.mid(dash + 1).toInt(&ok) : 0;
    return ok ? icon(name.left(dash), size) : QImage();
}

QImage handCursor()
{
    // Drawn by hand: X outline, . fill, blank clear. The finger tip is the hot spot.
    static const char *const rows[] = {
        "     XX           ",
        "    X..X          ",
        "    X..X          ",
        "    X..X          ",
        "    X..X          ",
        "    X..XXX        ",
        "    X..X..XXX     ",
        "    X..X..X..XX   ",
        "    X..X..X..X.X  ",
        "XXX X..X..X..X..X ",
        "X..XX........X..X ",
        "X...X...........X ",
        " X..X...........X ",
        "  X.............X ",
        "  X.............X ",
        "   X............X ",
        "   X...........X  ",
        "    X..........X  ",
        "    X..........X  ",
        "     X........X   ",
        "     X........X   ",
        "     XXXXXXXXXX   ",
    };
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char *row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == 'X')
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (row[x] == '.')
                image.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
        ++y;
    }
    return image;
}

QPoint handCursorHotSpot()
{
    return {5, 0};
}

} // namespace ButtonIcons
