#pragma once

#include <QString>
#include <QStringView>

// What a field box takes of what the user types, pastes or drops: only text
// that its record field stores as it was typed. The rules are the same for
// every box of every window:
//  - a character outside the Windows-1252 code page is refused (the file
//    would hold "?" in its place);
//  - a one-line box takes no control characters: a line break becomes a
//    blank, a tab or any other control character is dropped;
//  - a box takes no more characters than its field stores, counted as
//    stored: in a notes box a line break is two characters (CR LF). What a
//    box refuses for length is cut from the end of what was just typed, never
//    inside a character. A box that already holds more than its limit (the
//    program shows every stored value whole, and "$1,234,567.89" is longer
//    than a price box's 10 characters) keeps it, but grows no further.
// Notes boxes hand their text over with '\n' between lines.
namespace FieldText {

enum class Lines { One, Many };

struct Box
{
    int limit;
    Lines lines;
};

// The number of characters the record stores for text shown in a box.
qsizetype storedLength(QStringView shown, Lines lines);

// A box's text after an edit, with the cursor where the typing ended.
struct Typing
{
    QString text;
    qsizetype cursor = 0;
};

// What the box keeps of an edit, and what it turned away.
struct Admitted
{
    Typing kept;
    QString refused;  // the characters outside the code page, each once
    bool cut = false; // characters beyond the limit were left out
};

// `before` is the box's text before the edit.
Admitted admit(QStringView before, const Typing &typing, Box box);

// What the user is told when an edit was not taken whole; empty when it was.
QString note(const Admitted &admitted, Box box);

} // namespace FieldText
