#include "print/PicturePrintout.h"

#include "print/PrintDevice.h"
#include "print/PrintLayout.h"

#include <QImage>

namespace {
constexpr double Left = 0.75;
constexpr double TitleTop = 1.8;
constexpr double PictureTop = 2.0;
constexpr double PictureWidth = 6.25;
} // namespace

bool PrintLargerPicture(PrintDevice &device, const QString &title, const QImage &picture, QSize frame)
{
    SetPrinterFont(device, QStringLiteral("Arial"), 9, false, false, false, false);
    device.setX(Left);
    device.setY(TitleTop);
    device.print(title, PrintDevice::LineEnd::End);
    if (frame.width() > 0 && frame.height() > 0) {
        // 6.25 inches wide where the picture fits on the page; a picture too
        // tall for that is scaled down, keeping its proportions, to end at
        // the foot of the printable area.
        QSizeF size(PictureWidth, PictureWidth * frame.height() / frame.width());
        const double room = device.printableArea().height() - PictureTop;
        if (size.height() > room && room > 0)
            size = QSizeF(room * frame.width() / frame.height(), room);
        device.drawPicture(picture, QRectF(QPointF(Left, PictureTop), size));
    }
    return device.endDocument();
}
