#pragma once

#include "print/PrintDevice.h"

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>
#include <vector>

// Where the documents of a print device go: to a print queue, or to PDF
// files.
struct PrintDestination
{
    // The print queue; empty for PDF files.
    QString printer;
    int copies = 1;
    // The print job's options ("sides=two-sided-long-edge").
    QStringList jobOptions;
    // For PDF files made instead of printouts: why, as the start of a
    // sentence for the user ("No printer is installed").
    QString whyPdf;
    // The print queue's paper, with the printer's own unprintable edges as
    // its margins; unused for PDF files.
    QPageLayout paper;
};

// The print device that paints at 1200 dots per inch with Qt's PDF writer,
// which needs no printer support and no widgets. Every document becomes a
// PDF file: for a printer a passing one, on the destination's paper, which
// waits as a queue job (queueJobs()) once the document has ended, and is
// removed with the device; otherwise one in the given folder, on the whole of
// a sheet, named after the printout and the time the document started ("Ride
// report 2026-12-07 14-03-22.pdf"). Handing the jobs to the print queue is
// the print run's business, so that no window waits for the print service
// while it draws.
//
// A document starts with the first drawing after construction or after the
// previous document ended; a document without any drawing is neither kept
// nor sent. When a document's file cannot be written, drawing stops until
// the end of that document and endDocument() returns false, with failure()
// telling why. Nothing here shows a message.
//
// A PDF file is written beside its place under a name of its own and renamed
// into its place only when the document has ended and the file is complete
// on disk (QSaveFile), taking over the permissions of a file it replaces. A
// document that fails removes nothing but that file of its own: the file
// in its place, the user's own file of that name, stays as it was.
class PdfPrintDevice final : public PrintDevice
{
public:
    // printoutName names the print job and the PDF files; pdfFolder is created
    // when a PDF file is first written there.
    PdfPrintDevice(const QString &printoutName, const QString &pdfFolder, PrintDestination destination = {});
    ~PdfPrintDevice() override;

    // A device that writes its documents to this one PDF file, printer or
    // not, creating its folder when missing; a document that fails leaves the
    // file as it was, or leaves none where there was none.
    static std::unique_ptr<PdfPrintDevice> pdfFile(const QString &printoutName, const QString &pdfPath);

    // Where printouts go without a printer: "Printouts" in the data folder.
    static QString printoutsFolder();

    // The printout's name as a file name: characters that file systems refuse
    // become "-".
    static QString fileNameOf(const QString &printoutName);

    double pageWidth() const override;
    QSizeF printableArea() const override;
    void drawPicture(const QImage &picture, const QRectF &inches) override;

    bool printsToPdf() const { return toPdf_; }
    QString pdfFolder() const { return pdfFolder_; }
    QStringList pdfFiles() const override { return pdfFiles_; }
    QString failure() const override { return failure_; }
    QString whyPdf() const override { return toPdf_ ? destination_.whyPdf : QString(); }
    QList<QueueJob> queueJobs() const override { return queueJobs_; }

private:
    double textWidthTwips(const QString &text) const override;
    double lineAdvanceTwips() const override;
    void fontChanged(const PrintFont &font) override;
    void drawText(const QString &text, double x, double y) override;
    void startPage() override;
    bool finishDocument() override;

    // Begins the document on first use; false once the document has failed.
    bool drawing();
    // Opens the file the document is written to; nothing when it cannot be made.
    QIODevice *openPdfFile();
    // Puts the ended document's file in place: the PDF file into its place,
    // the passing file closed for the print queue.
    bool completePdfFile();
    QString nextPdfPath() const;
    double toDevice(double inches) const;
    double deviceToTwips(double pixels) const;
    QString refusal() const;
    void fail(const QString &why);

    QString printoutName_;
    QString pdfFolder_;
    QString fixedPdfPath_; // the one file of pdfFile(); empty: named per document
    PrintDestination destination_;
    bool toPdf_ = false;
    QPageLayout layout_;
    // Font metrics at the documents' resolution, before and between them.
    QImage metrics_;
    // The document's file: the PDF file that takes its place when complete,
    // or the passing file for the print queue. Either one left unfinished is
    // removed with its object.
    std::unique_ptr<QSaveFile> pdfFile_;
    std::unique_ptr<QTemporaryFile> passingFile_;
    // The passing files of the ended documents, which wait for their print
    // queue as long as the device exists.
    std::vector<std::unique_ptr<QTemporaryFile>> waitingFiles_;
    QList<QueueJob> queueJobs_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    QFont font_;
    bool failed_ = false;
    QString pdfPath_;
    QStringList pdfFiles_;
    QString failure_;
};
