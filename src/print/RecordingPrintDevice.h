#pragma once

#include "print/PrintDevice.h"

#include <QImage>
#include <QList>

// A print device for tests: it draws nothing and records every operation with
// the document and page it belongs to (both counted from 1), the print
// position and the font.
//
// Its font metric is fixed so that layouts come out exactly: every character
// is 0.6 of the font size wide and a line advances 1.2 times the font size.
// In Arial 10 a character is therefore 1/12 inch (120 twips) wide and a line
// 1/6 inch (240 twips) high, whatever the font's name or style. The paper is 8.5 inches wide unless the
// test says otherwise, and printable on the whole of a Letter sheet.
class RecordingPrintDevice final : public PrintDevice
{
public:
    struct Operation
    {
        enum class Kind { Font, Text, NewPage, EndDocument, Picture };
        Kind kind = Kind::Text;
        int document = 1;
        int page = 1;
        double x = 0.0;
        double y = 0.0;
        PrintFont font;
        QString text;       // Text
        QRectF rect;        // Picture, in inches
        QImage picture;     // Picture, as it was handed over
    };

    // The text drawn at one height of one page, pieced together from the texts
    // drawn there one after the other; x is where the first of them started.
    struct Line
    {
        int document = 1;
        int page = 1;
        double x = 0.0;
        double y = 0.0;
        QString text;
        PrintFont font;
    };

    explicit RecordingPrintDevice(double pageWidthInches = 8.5);

    double pageWidth() const override { return pageWidth_; }
    QSizeF printableArea() const override { return printable_; }
    void setPrintableArea(QSizeF inches) { printable_ = inches; }
    void drawPicture(const QImage &picture, const QRectF &inches) override;

    const QList<Operation> &operations() const { return operations_; }
    QList<Operation> operations(Operation::Kind kind) const;
    QList<Line> lines() const;
    // The lines of one page of one document.
    QList<Line> lines(int document, int page) const;
    int documentCount() const;

    // From now on every document is recorded but refused, for why.
    void refuseDocuments(const QString &why) { refusal_ = why; }
    QString failure() const override { return refusal_; }

private:
    double textWidthTwips(const QString &text) const override;
    double lineAdvanceTwips() const override;
    void fontChanged(const PrintFont &font) override;
    void drawText(const QString &text, double x, double y) override;
    void startPage() override;
    bool finishDocument() override;
    Operation record(Operation::Kind kind, double x, double y) const;

    double pageWidth_;
    QSizeF printable_{8.5, 11.0};
    int document_ = 1;
    int page_ = 1;
    QList<Operation> operations_;
    QString refusal_;
};
