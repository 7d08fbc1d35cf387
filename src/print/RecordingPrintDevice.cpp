#include "print/RecordingPrintDevice.h"

#include <cmath>

namespace {
// 0.6 and 1.2 times the font size, a point being 20 twips.
constexpr double CharacterTwipsPerPoint = 12.0;
constexpr double LineTwipsPerPoint = 24.0;
// Texts drawn one after the other on one line may differ in height by
// rounding only.
constexpr double SameLineTolerance = 1e-9;
} // namespace

RecordingPrintDevice::RecordingPrintDevice(double pageWidthInches)
    : pageWidth_(pageWidthInches)
{
}

double RecordingPrintDevice::textWidthTwips(const QString &text) const
{
    return static_cast<double>(text.size()) * CharacterTwipsPerPoint * font().size;
}

double RecordingPrintDevice::lineAdvanceTwips() const
{
    return LineTwipsPerPoint * font().size;
}

RecordingPrintDevice::Operation RecordingPrintDevice::record(Operation::Kind kind, double x, double y) const
{
    Operation operation;
    operation.kind = kind;
    operation.document = document_;
    operation.page = page_;
    operation.x = x;
    operation.y = y;
    operation.font = font();
    return operation;
}

void RecordingPrintDevice::fontChanged(const PrintFont &)
{
    operations_.append(record(Operation::Kind::Font, x(), y()));
}

void RecordingPrintDevice::drawText(const QString &text, double atX, double atY)
{
    Operation operation = record(Operation::Kind::Text, atX, atY);
    operation.text = text;
    operations_.append(operation);
}

void RecordingPrintDevice::drawPicture(const QImage &picture, const QRectF &inches)
{
    Operation operation = record(Operation::Kind::Picture, inches.x(), inches.y());
    operation.rect = inches;
    operation.picture = picture;
    operations_.append(operation);
}

void RecordingPrintDevice::startPage()
{
    operations_.append(record(Operation::Kind::NewPage, x(), y()));
    ++page_;
}

bool RecordingPrintDevice::finishDocument()
{
    operations_.append(record(Operation::Kind::EndDocument, x(), y()));
    ++document_;
    page_ = 1;
    return refusal_.isEmpty();
}

QList<RecordingPrintDevice::Operation> RecordingPrintDevice::operations(Operation::Kind kind) const
{
    QList<Operation> found;
    for (const Operation &operation : operations_) {
        if (operation.kind == kind)
            found.append(operation);
    }
    return found;
}

QList<RecordingPrintDevice::Line> RecordingPrintDevice::lines() const
{
    QList<Line> found;
    for (const Operation &operation : operations(Operation::Kind::Text)) {
        if (!found.isEmpty()) {
            Line &last = found.last();
            if (last.document == operation.document && last.page == operation.page
                && std::fabs(last.y - operation.y) < SameLineTolerance) {
                last.text += operation.text;
                continue;
            }
        }
        found.append({operation.document, operation.page, operation.x, operation.y, operation.text, operation.font});
    }
    return found;
}

QList<RecordingPrintDevice::Line> RecordingPrintDevice::lines(int document, int page) const
{
    QList<Line> found;
    for (const Line &line : lines()) {
        if (line.document == document && line.page == page)
            found.append(line);
    }
    return found;
}

int RecordingPrintDevice::documentCount() const
{
    return static_cast<int>(operations(Operation::Kind::EndDocument).size());
}
