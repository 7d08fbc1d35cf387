#pragma once

#include "model/ShownRide.h"

#include <QString>

class PrintDevice;

// Sets the font name first to "Courier" and then to the given name, then the
// size and the styles in the order italic, bold, underline, strikethrough.
void SetPrinterFont(PrintDevice &device, const QString &name, double size, bool italic, bool bold,
                    bool underline, bool strikethrough);

// Switches underlining of the current font on or off.
void SetPrinterUnderline(PrintDevice &device, bool on);

// Prints the heading of a ride printout at the top-left margin in the current
// font and leaves the print position at the top of the body.
void PrintRideHeading(PrintDevice &device, const RideHeading &ride);

struct PagedTextTitle
{
    QString text;
    bool underline = false;
    bool centre = false;
    bool onEveryPage = false;
};

// Prints a long text from the current print position on, character by
// character, with word wrapping, page breaks, the title at the top of the
// first (or every) page and "(page N)" at the foot of the second and later
// pages (unless the device numbers its pages itself), then ends the document.
// With a heading, every page starts with that ride heading, the title below
// it. A CR LF pair ends a line, and so does a CR or an LF on its own. An
// empty text prints nothing but still ends the document. Returns what ending
// the document returned.
//
// The caller keeps its window disabled with the busy pointer around the call
// when it should be (the help manual does; the log entry printout does not).
bool PrintPagedText(PrintDevice &device, const QString &text, const PagedTextTitle &title,
                    const RideHeading *heading = nullptr);
