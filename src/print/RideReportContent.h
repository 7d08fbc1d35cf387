#pragma once

#include "print/PrintLayout.h"
#include "print/RideReport.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>

class PrintDevice;
class QWidget;

// Prints the ride's picture on the device, as the larger-picture window
// prints it, for a window over owner. True when the printout was sent.
using PicturePrinter = std::function<bool(QWidget *owner, PrintDevice &device)>;

// Everything the ride report prints, as the main window shows it when the
// print options open: the ride's heading values (the time of printing is
// filled in by each run), the fields from "Style" to "Key Code#" with their
// captions, the notes with their caption, the printing of the picture (none
// without a picture), and the four logs as their lists show them,
// maintenance first.
struct RideReportContent
{
    RideHeading ride;
    QList<RideField> fields;
    QString notesCaption;
    QString notes;
    PicturePrinter printPicture;
    std::array<LogList, 4> logs;
};
