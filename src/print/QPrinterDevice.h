#pragma once

#include "print/PrintDevice.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <memory>

// The print device that paints on the default system printer, at the
// printer's resolution. Without an installed printer every document becomes a
// PDF file in the given folder instead, named after the printout and the time
// the document started ("Ride report 2026-12-07 14-03-22.pdf").
//
// A document starts with the first drawing after construction or after the
// previous document ended; a document without any drawing is not sent. When
// the printer refuses a document, or its PDF file cannot be written, drawing
// stops until the end of that document and endDocument() returns false, with
// failure() telling why. Nothing here shows a message.
class QPrinterDevice final : public PrintDevice
{
public:
    enum class Target { SystemPrinter, PdfFile };

    // printoutName names the print job and the PDF files; pdfFolder is created
    // when a PDF file is first written there. With Target::PdfFile the device
    // writes PDF files even when a printer is installed.
    QPrinterDevice(const QString &printoutName, const QString &pdfFolder, Target target = Target::SystemPrinter);
    ~QPrinterDevice() override;

    // A device that writes its documents to this one PDF file, printer or
    // not, creating its folder when missing; a document that fails leaves no
    // file behind.
    static std::unique_ptr<QPrinterDevice> pdfFile(const QString &printoutName, const QString &pdfPath);

    // Where printouts go without a printer: "Printouts" in the data folder.
    static QString printoutsFolder();

    double pageWidth() const override;
    QSizeF printableArea() const override;
    void drawPicture(const QImage &picture, const QRectF &inches) override;

    bool printsToPdf() const { return toPdf_; }
    QString pdfFolder() const { return pdfFolder_; }
    QStringList pdfFiles() const override { return pdfFiles_; }
    QString failure() const override { return failure_; }

private:
    double textWidthTwips(const QString &text) const override;
    double lineAdvanceTwips() const override;
    void fontChanged(const PrintFont &font) override;
    void drawText(const QString &text, double x, double y) override;
    void startPage() override;
    bool finishDocument() override;

    // Begins the document on first use; false once the document has failed.
    bool drawing();
    QString nextPdfPath() const;
    double toDevice(double inches) const;
    double deviceToTwips(double pixels) const;
    QString refusal() const;
    void fail(const QString &why);

    QString printoutName_;
    QString pdfFolder_;
    QString fixedPdfPath_; // the one file of pdfFile(); empty: named per document
    bool toPdf_ = false;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QFont font_;
    bool failed_ = false;
    QString pdfPath_;
    QStringList pdfFiles_;
    QString failure_;
};
