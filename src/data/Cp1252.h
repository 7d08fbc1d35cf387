#pragma once

#include <QString>
#include <QStringView>

// Text in the data files is stored one byte per character in the Windows-1252
// code page. Every one of the 256 bytes decodes to exactly one character and
// encodes back to the same byte, so a record read and written again keeps its
// bytes: the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) stand for the C1 control characters of the same number.
//
// A character the code page cannot hold (a Chinese letter, an emoji, any C1
// control other than those five) is stored as "?". A character made of two
// UTF-16 units counts as one character and becomes one "?".
namespace Cp1252 {

QString decode(const char *bytes, qsizetype length);

// The character's byte in the code page, or '?' when it has none.
char encodeChar(char32_t character);

// Whether the code page has a byte for the character.
bool canEncode(char32_t character);

// Stores text in a field of the given width: one byte per character, cut to
// the first `width` characters, the rest of the field filled with blanks.
void encodeField(QStringView text, char *field, qsizetype width);

} // namespace Cp1252
