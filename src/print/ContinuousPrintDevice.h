#pragma once

#include "print/PrintDevice.h"

#include <functional>

// Prints several printouts as the pages of one document on another device:
// where a printout ends its document, the next printout starts on a new page
// instead, and finish() ends the whole document. Every page from the second
// on carries "(page N)" at the foot, numbered through the whole document; the
// printouts leave their own page numbers to it (numbersPages()).
class ContinuousPrintDevice final : public PrintDevice
{
public:
    explicit ContinuousPrintDevice(PrintDevice &paper);

    // Prints the printouts as one document on the paper and ends it, every
    // page with "Page N of M" centred at its foot instead; returns what ending
    // the document returned. The printouts are laid out twice in the paper's
    // font metrics, first without drawing, to count the pages: they must
    // print the same both times.
    static bool printNumbered(PrintDevice &paper, const std::function<void(PrintDevice &)> &printouts);

    // Numbers the last page and ends the document on the paper's device.
    bool finish();

    double pageWidth() const override { return paper_.pageWidth(); }
    QSizeF printableArea() const override { return paper_.printableArea(); }
    void drawPicture(const QImage &picture, const QRectF &inches) override;
    QString failure() const override { return paper_.failure(); }
    QStringList pdfFiles() const override { return paper_.pdfFiles(); }
    QList<QueueJob> queueJobs() const override { return paper_.queueJobs(); }
    // A print run's printouts are one document, ended with the run.
    bool endRun() override { return finish(); }
    bool numbersPages() const override { return true; }

private:
    // How the pages are numbered: "(page N)" from the second page on, "Page N
    // of M" on every page, or not at all while the pages are only counted
    // (nothing is drawn then).
    enum class Numbering { FromSecondPage, OfPageCount, CountingOnly };

    ContinuousPrintDevice(PrintDevice &paper, Numbering numbering, int pageCount);

    double textWidthTwips(const QString &text) const override;
    double lineAdvanceTwips() const override;
    void fontChanged(const PrintFont &font) override;
    void drawText(const QString &text, double x, double y) override;
    void startPage() override;
    bool finishDocument() override;

    // Called before anything is drawn: a printout that ended leaves its page.
    void beginDrawing();
    void numberPage();
    bool drawing() const { return numbering_ != Numbering::CountingOnly; }

    PrintDevice &paper_;
    Numbering numbering_ = Numbering::FromSecondPage;
    int pageCount_ = 0;
    int page_ = 1;
    bool pageHasDrawing_ = false;
    bool printoutEnded_ = false;
};
