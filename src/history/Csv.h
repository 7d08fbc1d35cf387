#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// Comma-separated values after RFC 4180: cells separated by commas, rows
// ended by CR LF, a cell holding a comma, a quote or a line break quoted with
// its quotes doubled.

// A spreadsheet takes a cell that starts with "=", "+", "-", "@", a tab or a
// carriage return for a formula, and runs it. Such text is written with an
// apostrophe in front, which the spreadsheet reads as "this is text". Text
// that starts with apostrophes before such a character gets one more too, so
// that reading takes off exactly one and every text reads back as it was.
QString csvTextCell(const QString &text);
// The text of a cell written by csvTextCell (any other cell as it stands).
QString textOfCsvCell(const QString &cell);

// One row being written.
class CsvRow
{
public:
    // A value the program wrote itself (a number, a date), as it stands.
    void add(const QString &cell);
    // Text the user typed, written so that a spreadsheet shows it as text
    // (csvTextCell).
    void addText(const QString &text) { add(csvTextCell(text)); }
    // The row with its CRLF ending.
    QString line() const { return m_line + QStringLiteral("\r\n"); }

private:
    QString m_line;
    bool m_first = true;
};

// One row read back: the line of the file it starts on (from 1), its cells,
// and what is wrong with it when it could not be read (a quote never closed,
// or text after a closing quote); such a row has no cells.
struct CsvRecord
{
    int line = 0;
    QStringList cells;
    QString problem;
};

// Reads text as written above, and as spreadsheets write it: cells may be
// separated by another delimiter (a semicolon, a tab), a row may also end in
// a lone LF, the last row needs no ending, and a row without any text is
// skipped. A quote inside an unquoted cell is taken as it stands. A quote
// that is never closed makes its row unreadable, and reading goes on at the
// line after the one where it opens, so that one stray quote costs one row
// and not the rest of the file.
std::vector<CsvRecord> readCsv(const QString &text, QChar delimiter = u',');

// The delimiters a CSV file may use: comma, semicolon, tab.
inline constexpr std::array<char16_t, 3> CsvDelimiters{u',', u';', u'\t'};

// "Comma", "Semicolon", "Tab".
QString csvDelimiterName(QChar delimiter);

// The delimiter that splits the first rows of the text (quotes heeded) into
// the same number of cells, two at least; of several, the one giving the
// most cells, and a comma when none does.
QChar detectCsvDelimiter(const QString &text);
