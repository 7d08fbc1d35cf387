#include "print/ContinuousPrintDevice.h"

#include "print/PageGeometry.h"

#include <algorithm>

ContinuousPrintDevice::ContinuousPrintDevice(PrintDevice &paper)
    : ContinuousPrintDevice(paper, Numbering::FromSecondPage, 0)
{
}

ContinuousPrintDevice::ContinuousPrintDevice(PrintDevice &paper, Numbering numbering, int pageCount)
    : paper_(paper)
    , numbering_(numbering)
    , pageCount_(pageCount)
{
    paper_.setFont(font());
}

bool ContinuousPrintDevice::printNumbered(PrintDevice &paper, const std::function<void(PrintDevice &)> &printouts)
{
    ContinuousPrintDevice counting(paper, Numbering::CountingOnly, 0);
    printouts(counting);
    ContinuousPrintDevice book(paper, Numbering::OfPageCount, counting.page_);
    printouts(book);
    return book.finish();
}

bool ContinuousPrintDevice::finish()
{
    numberPage();
    return paper_.endDocument();
}

void ContinuousPrintDevice::drawPicture(const QImage &picture, const QRectF &inches)
{
    beginDrawing();
    if (drawing())
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
    if (!drawing())
        return;
    paper_.setX(x);
    paper_.setY(y);
    paper_.print(text, LineEnd::Stay);
}

void ContinuousPrintDevice::startPage()
{
    numberPage();
    if (drawing())
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
    if (!pageHasDrawing_)
        return;
    switch (numbering_) {
    case Numbering::FromSecondPage:
        if (page_ < 2)
            return;
        paper_.setX(PageGeometry::PageNumberX);
        paper_.setY(PageGeometry::PageNumberY);
        paper_.print(QStringLiteral("(page %1)").arg(page_), LineEnd::Stay);
        return;
    case Numbering::OfPageCount:
        break;
    case Numbering::CountingOnly:
        return;
    }
    // In the printouts' plain font, below the lowest line any printout
    // reaches (on a printable area too short for that, where running text
    // numbers its pages).
    paper_.setFont(PrintFont());
    const QString number = QStringLiteral("Page %1 of %2").arg(page_).arg(pageCount_);
    const QSizeF area = paper_.printableArea();
    paper_.setX(area.width() / 2 - paper_.textWidth(number) / 2);
    paper_.setY(std::max(PageGeometry::PageNumberY, area.height() - PageGeometry::FootAboveBottom));
    paper_.print(number, LineEnd::Stay);
    paper_.setFont(font());
}
