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
    if (frame.width() > 0) {
        const double height = PictureWidth * frame.height() / frame.width();
        device.drawPicture(picture, QRectF(Left, PictureTop, PictureWidth, height));
    }
    return device.endDocument();
}
