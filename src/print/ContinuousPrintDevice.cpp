#include "print/ContinuousPrintDevice.h"

#include "print/PageGeometry.h"

ContinuousPrintDevice::ContinuousPrintDevice(PrintDevice &paper)
    : paper_(paper)
{
    paper_.setFont(font());
}

bool ContinuousPrintDevice::finish()
{
    numberPage();
    return paper_.endDocument();
}

void ContinuousPrintDevice::drawPicture(const QImage &picture, const QRectF &inches)
{
    beginDrawing();
    paper_.drawPicture(picture, inches);
}

double ContinuousPrintDevice::textWidthTwips(const QString &text) const
{
    return paper_.textWidth(text) * TwipsPerInch;
}

double ContinuousPrintDevice::lineAdvanceTwips() const
{
    return paper_.lineAdvance() * TwipsPerInch;
}

void ContinuousPrintDevice::fontChanged(const PrintFont &font)
{
    paper_.setFont(font);
}

void ContinuousPrintDevice::drawText(const QString &text, double x, double y)
{
    beginDrawing();
    paper_.setX(x);
    paper_.setY(y);
    paper_.print(text, LineEnd::Stay);
}

void ContinuousPrintDevice::startPage()
{
    numberPage();
    paper_.newPage();
    ++page_;
    pageHasDrawing_ = false;
    printoutEnded_ = false;
}

bool ContinuousPrintDevice::finishDocument()
{
    printoutEnded_ = pageHasDrawing_;
    return true;
}

void ContinuousPrintDevice::beginDrawing()
{
    if (printoutEnded_)
        startPage();
    pageHasDrawing_ = true;
}

void ContinuousPrintDevice::numberPage()
{
    if (page_ < 2 || !pageHasDrawing_)
        return;
    paper_.setX(PageGeometry::PageNumberX);
    paper_.setY(PageGeometry::PageNumberY);
    paper_.print(QStringLiteral("(page %1)").arg(page_), LineEnd::Stay);
}
