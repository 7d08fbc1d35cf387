#pragma once

#include "model/ShownRide.h"
#include "print/LogPrintLines.h"

#include <QList>
#include <QStringList>

class PrintDevice;

// Prints the ride heading and every field that is not blank, caption at the
// left margin and text at 3 inches, as one document; the notes follow on the
// next pages. When the fields do not fit on the first page they go on on a
// new page below the ride heading. Returns what ending the document returned.
bool PrintBasicInformation(PrintDevice &device, const RideHeading &ride, const BasicInformation &information);

// A whole log as its list shows it. totals holds the total captions of the
// log as shown, a hidden caption as an empty text: one for maintenance,
// goodies and trips, three for gasoline (gallons, miles, miles per gallon).
struct LogList
{
    LogColumns log;
    QList<LogCells> rows;
    QStringList totals;
};

// Prints the list as one document: every page starts with the ride heading,
// the list's title and its column titles; the totals come last. notes, when
// given, holds each row's notes, printed in italics under it (LogNoteLines).
// Returns what ending the document returned.
bool PrintLogList(PrintDevice &device, const RideHeading &ride, const LogList &list, const QStringList &notes = {});
