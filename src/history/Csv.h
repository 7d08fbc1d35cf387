#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Comma-separated values after RFC 4180: cells separated by commas, rows
// ended by CR LF, a cell holding a comma, a quote or a line break quoted with
// its quotes doubled.

// One row being written.
class CsvRow
{
public:
    void add(const QString &cell);
    // The row with its CRLF ending.
    QString line() const { return m_line + QStringLiteral("\r\n"); }

private:
    QString m_line;
    bool m_first = true;
};

// One row read back: the line of the file it starts on (from 1), its cells,
// and what is wrong with it when it could not be read (a quote left open, or
// text after a closing quote); such a row has no cells.
struct CsvRecord
{
    int line = 0;
    QStringList cells;
    QString problem;
};

// Reads text as written above, and as spreadsheets write it: a row may also
// end in a lone LF, the last row needs no ending, and a row without any text
// is skipped. A quote inside an unquoted cell is taken as it stands.
std::vector<CsvRecord> readCsv(const QString &text);

// The text of a CSV file: UTF-8 (a leading byte-order mark dropped); a file
// that is not valid UTF-8 is taken as Windows-1252, the code page a
// spreadsheet on a Western desktop saves in.
QString csvFileText(const QByteArray &bytes);
