#include "print/PdfPrintDevice.h"

#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>

namespace {

constexpr int DotsPerInch = 1200;
constexpr double MetresPerInch = 0.0254;

// The paper the user would load: US Letter where the locale measures in
// inches, A4 elsewhere. A PDF file has no unprintable edge: the printable area
// is the whole sheet.
QPageLayout pdfPageLayout()
{
    const bool usLetter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(usLetter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

} // namespace

PdfPrintDevice::PdfPrintDevice(const QString &printoutName, const QString &pdfFolder, PrintDestination destination)
    : printoutName_(printoutName)
    , pdfFolder_(pdfFolder)
    , destination_(std::move(destination))
    , toPdf_(destination_.printer.isEmpty())
    , layout_(toPdf_ ? pdfPageLayout() : destination_.paper)
    , metrics_(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMetre = qRound(DotsPerInch / MetresPerInch);
    metrics_.setDotsPerMeterX(dotsPerMetre);
    metrics_.setDotsPerMeterY(dotsPerMetre);
    fontChanged(font());
}

PdfPrintDevice::~PdfPrintDevice()
{
    if (painter_.isActive())
        painter_.end();
}

std::unique_ptr<PdfPrintDevice> PdfPrintDevice::pdfFile(const QString &printoutName, const QString &pdfPath)
{
    auto device = std::make_unique<PdfPrintDevice>(printoutName, QFileInfo(pdfPath).absolutePath());
    device->fixedPdfPath_ = pdfPath;
    return device;
}

QString PdfPrintDevice::printoutsFolder()
{
    return QDir(DataFolder::path()).filePath(QStringLiteral("Printouts"));
}

double PdfPrintDevice::toDevice(double inches) const
{
    return inches * DotsPerInch;
}

double PdfPrintDevice::deviceToTwips(double pixels) const
{
    return pixels * TwipsPerInch / DotsPerInch;
}

double PdfPrintDevice::textWidthTwips(const QString &text) const
{
    return deviceToTwips(QFontMetricsF(font_, &metrics_).horizontalAdvance(text));
}

double PdfPrintDevice::lineAdvanceTwips() const
{
    return deviceToTwips(QFontMetricsF(font_, &metrics_).lineSpacing());
}

double PdfPrintDevice::pageWidth() const
{
    return layout_.fullRect(QPageLayout::Inch).width();
}

QSizeF PdfPrintDevice::printableArea() const
{
    return layout_.paintRect(QPageLayout::Inch).size();
}

void PdfPrintDevice::fontChanged(const PrintFont &font)
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

void PdfPrintDevice::drawText(const QString &text, double x, double y)
{
    if (!drawing())
        return;
    const double ascent = QFontMetricsF(font_, &metrics_).ascent();
    painter_.drawText(QPointF(toDevice(x), toDevice(y) + ascent), text);
}

void PdfPrintDevice::drawPicture(const QImage &picture, const QRectF &inches)
{
    if (!drawing())
        return;
    const QRectF target(toDevice(inches.x()), toDevice(inches.y()), toDevice(inches.width()),
                        toDevice(inches.height()));
    painter_.drawImage(target, picture);
}

void PdfPrintDevice::startPage()
{
    if (drawing() && !writer_->newPage())
        fail(refusal());
}

bool PdfPrintDevice::finishDocument()
{
    bool ended = !failed_;
    if (painter_.isActive()) {
        const bool painted = painter_.end();
        if (!failed_ && (!painted || !completePdfFile()))
            fail(refusal());
        ended = !failed_;
        if (ended && toPdf_)
            pdfFiles_.append(pdfPath_);
        if (ended && !toPdf_) {
            queueJobs_.append(
                {destination_.printer, pdfPath_, printoutName_, destination_.copies, destination_.jobOptions});
            waitingFiles_.push_back(std::move(passingFile_));
        }
    }
    writer_.reset();
    pdfFile_.reset();
    passingFile_.reset();
    failed_ = false;
    return ended;
}

bool PdfPrintDevice::drawing()
{
    if (failed_)
        return false;
    if (painter_.isActive())
        return true;
    pdfPath_.clear();
    if (toPdf_ && !QDir().mkpath(pdfFolder_)) {
        fail(QStringLiteral("The folder \"%1\" could not be created.").arg(QDir::toNativeSeparators(pdfFolder_)));
        return false;
    }
    QIODevice *file = openPdfFile();
    if (!file)
        return false;
    writer_ = std::make_unique<QPdfWriter>(file);
    writer_->setResolution(DotsPerInch);
    writer_->setPageLayout(layout_);
    writer_->setTitle(printoutName_);
    writer_->setCreator(QStringLiteral("Torqal"));
    if (!painter_.begin(writer_.get())) {
        fail(refusal());
        return false;
    }
    painter_.setFont(font_);
    return true;
}

QIODevice *PdfPrintDevice::openPdfFile()
{
    if (!toPdf_) {
        passingFile_ = std::make_unique<QTemporaryFile>(
            QDir(QDir::tempPath()).filePath(QStringLiteral("torqal-printout-XXXXXX.pdf")));
        if (!passingFile_->open()) {
            fail(QStringLiteral("No file for the printout could be made in the folder \"%1\".")
                     .arg(QDir::toNativeSeparators(QDir::tempPath())));
            return nullptr;
        }
        pdfPath_ = passingFile_->fileName();
        return passingFile_.get();
    }
    pdfPath_ = nextPdfPath();
    pdfFile_ = std::make_unique<QSaveFile>(pdfPath_);
    if (!pdfFile_->open(QIODevice::WriteOnly)) {
        fail(refusal());
        return nullptr;
    }
    return pdfFile_.get();
}

bool PdfPrintDevice::completePdfFile()
{
    if (pdfFile_)
        return pdfFile_->commit();
    passingFile_->close();
    return passingFile_->error() == QFileDevice::NoError;
}

QString PdfPrintDevice::fileNameOf(const QString &printoutName)
{
    QString name = printoutName;
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar &character : name) {
        if (unsafe.contains(character) || character.unicode() < 0x20)
            character = u'-';
    }
    return name;
}

QString PdfPrintDevice::nextPdfPath() const
{
    if (!fixedPdfPath_.isEmpty())
        return fixedPdfPath_;
    const QString stem = fileNameOf(printoutName_) + u' ' + Clock::now().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    const QDir folder(pdfFolder_);
    QString path = folder.filePath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(copy));
    return path;
}

QString PdfPrintDevice::refusal() const
{
    return QStringLiteral("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(pdfPath_));
}

void PdfPrintDevice::fail(const QString &why)
{
    failed_ = true;
    failure_ = why;
    // What was drawn so far is not sent. The unfinished file is removed with
    // its object; whatever file is in the PDF's place stays as it was.
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    pdfFile_.reset();
    passingFile_.reset();
}
