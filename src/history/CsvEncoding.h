#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The encodings a CSV file is read in, how the program recognises them, and
// decoding that never guesses halfway: a file is read whole in one encoding,
// or refused at the first line that the encoding cannot read.
enum class CsvEncoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

inline constexpr std::array<CsvEncoding, 4> AllCsvEncodings{CsvEncoding::Utf8, CsvEncoding::Utf16LE,
                                                            CsvEncoding::Utf16BE, CsvEncoding::Windows1252};

// "UTF-8", "UTF-16 LE", "UTF-16 BE", "Windows-1252".
QString csvEncodingName(CsvEncoding encoding);

// The encoding the bytes are evidently written in: the one a byte-order mark
// names; UTF-16 when NUL bytes stand beside most characters (at odd places
// for little-endian, even for big-endian); UTF-8 when the bytes are valid
// UTF-8, or when they hold characters of several UTF-8 bytes besides the
// invalid ones (a UTF-8 file with a damaged byte is still UTF-8, and is
// refused as such rather than read as something else); Windows-1252, the
// code page a spreadsheet on a Western desktop saves in, only otherwise.
CsvEncoding detectCsvEncoding(const QByteArray &bytes);

// The text of the bytes in the encoding, without a leading byte-order mark;
// or, when they are not valid in it, no text and the line (from 1) of the
// first place where they are not. Windows-1252 reads every byte.
struct CsvText
{
    QString text;
    int invalidLine = 0; // 0 when the whole file was read
};
CsvText decodeCsv(const QByteArray &bytes, CsvEncoding encoding);
