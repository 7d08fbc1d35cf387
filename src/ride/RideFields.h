#pragma once

#include <QString>

// The 31 field boxes of the main window, txtField(1) to txtField(31), each
// with its caption lblField(i) beside it. Boxes 1 to 27 show the ride record;
// 28 to 31 the notes of the highlighted entry of the four logs.
namespace RideFields {

inline constexpr int Count = 31;
inline constexpr int FirstLogNotes = 28;

struct Field
{
    const char *caption; // shown as stored, with its surrounding blanks
    int maxLength;       // the width of the record field behind the box
    bool multiLine;
};

// i from 1 to Count.
const Field &field(int i);
QString caption(int i);

// The tab that holds box i (0, 1 or 2 for the ride record, 3 to 6 for the
// notes of log 1 to 4).
int tabOf(int i);

} // namespace RideFields
