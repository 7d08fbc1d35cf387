#pragma once

#include "model/ShownRide.h"
#include "store/RideHistory.h"

#include <QString>

class PrintDevice;

// The whole history of a ride as one document, in the layout of the
// program's other printouts: a title page with the ride's heading, its VIN,
// its picture and the summary; the ride's fields and notes; each log that
// has entries as its list, each entry with its notes, and its totals; and the
// four charts (or, for a chart with nothing to draw, the sentence that says
// so). Every page starts with the ride's heading and carries "Page N of M" at
// its foot. Returns what ending the document returned.
bool PrintHistory(PrintDevice &device, const ShownRide &ride, const RideHistory &history);

// Writes that document with Qt's PDF writer to the file at path, whether or
// not a printer is installed. The time of printing is now. Returns why the
// file could not be written, or an empty text; a file that could not be
// written whole is not left behind.
QString WriteHistoryPdf(const QString &path, const ShownRide &ride, const RideHistory &history);
