#include "print/QPrinterDevice.h"

#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPageLayout>
#include <QPrinterInfo>

QPrinterDevice::QPrinterDevice(const QString &printoutName, const QString &pdfFolder, Target target)
    : printoutName_(printoutName)
    , pdfFolder_(pdfFolder)
{
    const QPrinterInfo systemPrinter = QPrinterInfo::defaultPrinter();
    toPdf_ = target == Target::PdfFile || systemPrinter.isNull();
    if (toPdf_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        // Paper has no unprintable edge in a PDF file: the printable area is
        // the whole sheet.
        printer_->setFullPage(true);
        // The paper the user would load: US Letter where the locale measures
        // in inches, A4 elsewhere.
        const bool usLetter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        printer_->setPageSize(QPageSize(usLetter ? QPageSize::Letter : QPageSize::A4));
    } else {
        printer_ = std::make_unique<QPrinter>(systemPrinter, QPrinter::HighResolution);
    }
    printer_->setDocName(printoutName_);
    printer_->setCreator(QStringLiteral("Torqal"));
    fontChanged(font());
}

QPrinterDevice::~QPrinterDevice()
{
    if (painter_.isActive())
        painter_.end();
}

std::unique_ptr<QPrinterDevice> QPrinterDevice::pdfFile(const QString &printoutName, const QString &pdfPath)
{
    auto device = std::make_unique<QPrinterDevice>(printoutName, QFileInfo(pdfPath).absolutePath(), Target::PdfFile);
    device->fixedPdfPath_ = pdfPath;
    return device;
}

QString QPrinterDevice::printoutsFolder()
{
    return QDir(DataFolder::path()).filePath(QStringLiteral("Printouts"));
}

double QPrinterDevice::toDevice(double inches) const
{
    return inches * printer_->resolution();
}

double QPrinterDevice::deviceToTwips(double pixels) const
{
    return pixels * TwipsPerInch / printer_->resolution();
}

double QPrinterDevice::textWidthTwips(const QString &text) const
{
    return deviceToTwips(QFontMetricsF(font_, printer_.get()).horizontalAdvance(text));
}

double QPrinterDevice::lineAdvanceTwips() const
{
    return deviceToTwips(QFontMetricsF(font_, printer_.get()).lineSpacing());
}

double QPrinterDevice::pageWidth() const
{
    return printer_->pageLayout().fullRect(QPageLayout::Inch).width();
}

QSizeF QPrinterDevice::printableArea() const
{
    return printer_->pageLayout().paintRect(QPageLayout::Inch).size();
}

void QPrinterDevice::fontChanged(const PrintFont &font)
{
    font_ = QFont(font.name);
    font_.setPointSizeF(font.size);
    font_.setBold(font.bold);
    font_.setItalic(font.italic);
    font_.setUnderline(font.underline);
    font_.setStrikeOut(font.strikethrough);
    if (painter_.isActive())
        painter_.setFont(font_);
}

void QPrinterDevice::drawText(const QString &text, double x, double y)
{
    if (!drawing())
        return;
    const double ascent = QFontMetricsF(font_, printer_.get()).ascent();
    painter_.drawText(QPointF(toDevice(x), toDevice(y) + ascent), text);
}

void QPrinterDevice::drawPicture(const QImage &picture, const QRectF &inches)
{
    if (!drawing())
        return;
    const QRectF target(toDevice(inches.x()), toDevice(inches.y()), toDevice(inches.width()),
                        toDevice(inches.height()));
    painter_.drawImage(target, picture);
}

void QPrinterDevice::startPage()
{
    if (drawing() && !printer_->newPage())
        fail(refusal());
}

bool QPrinterDevice::finishDocument()
{
    bool sent = !failed_;
    if (painter_.isActive()) {
        const bool ended = painter_.end();
        if (!failed_ && (!ended || printer_->printerState() == QPrinter::Error))
            fail(refusal());
        sent = !failed_;
        if (sent && toPdf_)
            pdfFiles_.append(pdfPath_);
    }
    failed_ = false;
    return sent;
}

bool QPrinterDevice::drawing()
{
    if (failed_)
        return false;
    if (painter_.isActive())
        return true;
    if (toPdf_) {
        pdfPath_.clear();
        if (!QDir().mkpath(pdfFolder_)) {
            fail(QStringLiteral("The folder \"%1\" could not be created.").arg(QDir::toNativeSeparators(pdfFolder_)));
            return false;
        }
        pdfPath_ = nextPdfPath();
        printer_->setOutputFileName(pdfPath_);
    }
    if (!painter_.begin(printer_.get())) {
        fail(refusal());
        return false;
    }
    painter_.setFont(font_);
    return true;
}

QString QPrinterDevice::nextPdfPath() const
{
    if (!fixedPdfPath_.isEmpty())
        return fixedPdfPath_;
    QString name = printoutName_;
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar &character : name) {
        if (unsafe.contains(character) || character.unicode() < 0x20)
            character = u'-';
    }
    const QString stem = name + u' ' + Clock::now().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    const QDir folder(pdfFolder_);
    QString path = folder.filePath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(copy));
    return path;
}

QString QPrinterDevice::refusal() const
{
    if (toPdf_)
        return QStringLiteral("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(pdfPath_));
    return QStringLiteral("The printer \"%1\" did not accept the printout.").arg(printer_->printerName());
}

void QPrinterDevice::fail(const QString &why)
{
    failed_ = true;
    failure_ = why;
    if (painter_.isActive()) {
        // What was drawn so far is not sent, and no half-written file stays.
        printer_->abort();
        painter_.end();
    }
    if (toPdf_ && !pdfPath_.isEmpty())
        QFile::remove(pdfPath_);
}
