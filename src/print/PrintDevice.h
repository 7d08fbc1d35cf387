#pragma once

#include "print/PrintFont.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QImage;

// A document ended for a print queue that waits to be handed to it: its PDF
// file is kept while its device exists.
struct QueueJob
{
    QString printer;
    QString pdfFile;
    // The printout's name, which names the print job.
    QString title;
    int copies = 1;
    // The print job's options ("sides=two-sided-long-edge").
    QStringList options;
};

// The printer as every printout drives it: line by line, at a print position
// measured in inches from the top-left corner of the printable area.
//
// The device keeps the position and the font; an implementation supplies the
// drawing and the font metrics. Printing a text draws it with its top at the
// print position and moves the position just after it, or, when the line is
// ended, to x = 0 of the next line (y grows by the current font's line
// advance). Starting a page or ending the document puts the position back at
// 0, 0; the font stays as it was. After the end of a document the next drawing
// starts a new document.
//
// The position is kept in twips (1/1440 inch), so that positions reached by
// whole numbers of twips compare exactly.
class PrintDevice
{
public:
    enum class LineEnd { Stay, End };

    virtual ~PrintDevice() = default;

    PrintFont font() const { return font_; }
    void setFont(const PrintFont &font);

    double x() const { return x_ / TwipsPerInch; }
    double y() const { return y_ / TwipsPerInch; }
    void setX(double inches) { x_ = inches * TwipsPerInch; }
    void setY(double inches) { y_ = inches * TwipsPerInch; }

    void print(const QString &text, LineEnd lineEnd);
    void printEmptyLine() { print(QString(), LineEnd::End); }

    // In inches, in the current font.
    double textWidth(const QString &text) const { return textWidthTwips(text) / TwipsPerInch; }
    double lineAdvance() const { return lineAdvanceTwips() / TwipsPerInch; }
    // The physical width of the paper, in inches.
    virtual double pageWidth() const = 0;
    // The size of the printable area, in inches: positions count from its
    // top-left corner, and nothing is printed beyond it.
    virtual QSizeF printableArea() const = 0;

    void newPage();
    // Ends the document: it is complete for the printer, or in its file. False
    // when it could not be finished (its file could not be written, the
    // printer refused it); the implementation tells why.
    bool endDocument();
    // Ends what the device keeps open from one printout to the next, once the
    // last printout of a run has ended. False when that fails.
    virtual bool endRun() { return true; }
    // Why the last document was not sent, as a sentence for the user.
    virtual QString failure() const { return {}; }
    // The files the documents sent so far went to, in order, when the device
    // writes files instead of printing.
    virtual QStringList pdfFiles() const { return {}; }
    // The documents ended so far that wait to be handed to a print queue, in
    // order.
    virtual QList<QueueJob> queueJobs() const { return {}; }
    // Why the documents go to files instead of a printer, as the start of a
    // sentence for the user; empty when they are printed.
    virtual QString whyPdf() const { return {}; }

    // Whether the device puts the page numbers on its pages itself, so that
    // a printout leaves them out.
    virtual bool numbersPages() const { return false; }

    // The picture stretched into a rectangle given in inches.
    virtual void drawPicture(const QImage &picture, const QRectF &inches) = 0;

protected:
    static constexpr double TwipsPerInch = 1440.0;

    // In twips, in the current font.
    virtual double textWidthTwips(const QString &text) const = 0;
    virtual double lineAdvanceTwips() const = 0;
    virtual void fontChanged(const PrintFont &font) = 0;
    // Draws the text with the top of its line at (x, y) inches.
    virtual void drawText(const QString &text, double x, double y) = 0;
    virtual void startPage() = 0;
    virtual bool finishDocument() = 0;

private:
    PrintFont font_;
    double x_ = 0.0;
    double y_ = 0.0;
};
