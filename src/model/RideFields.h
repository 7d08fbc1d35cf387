#pragma once

#include <QString>

// The 31 field boxes of the main window, txtField(1) to txtField(31), each
// with its caption lblField(i) beside it. Boxes 1 to 27 show the ride record;
// 28 to 31 the notes of the highlighted entry of the four logs.
namespace RideFields {

inline constexpr int Count = 31;

// The boxes the program reads by number.
inline constexpr int YearBox = 1;
inline constexpr int MakeBox = 2;
inline constexpr int ModelBox = 3;
inline constexpr int RideNameBox = 7;
inline constexpr int PurchaseDateBox = 8;
inline constexpr int PricePaidBox = 13;
inline constexpr int SellingDateBox = 14;
inline constexpr int PriceSoldBox = 19;
inline constexpr int RideNotesBox = 27;
// The fields a ride report and the history print, from "Style" to "Key Code#".
inline constexpr int FirstReportBox = 4;
inline constexpr int LastReportBox = 26;
// The last box of the ride record; the logs' notes follow it.
inline constexpr int LastRideBox = RideNotesBox;
inline constexpr int FirstLogNotes = LastRideBox + 1;

// The box of the notes of log k (1 maintenance and repairs, 2 goodies,
// 3 trips, 4 gasoline).
constexpr int logNotesBox(int k) { return LastRideBox + k; }

struct Field
{
    const char *caption; // shown as stored, with its surrounding blanks
    int maxLength;       // the width of the record field behind the box
    bool multiLine;
    // The name a screen reader gives the box where its caption alone is
    // the same as another box's on its page (the seller's and the buyer's
    // address); otherwise the caption names it.
    const char *spokenName = nullptr;
};

// i from 1 to Count.
const Field &field(int i);
QString caption(int i);
// The box's accessible name: its caption without the blanks, or its own
// where the caption is not unique on its page.
QString spokenName(int i);

// The tab that holds box i (0, 1 or 2 for the ride record, 3 to 6 for the
// notes of log 1 to 4).
int tabOf(int i);

} // namespace RideFields
