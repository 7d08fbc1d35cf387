#include "ui/FocusFrame.h"

#include <QPainter>
#include <QPen>

void DrawFocusFrame(QPainter &painter, const QRect &rect, const QColor &colour)
{
    painter.save();
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}
