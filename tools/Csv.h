#pragma once

#include <QString>

// One CSV row after RFC 4180: cells separated by commas; a cell holding a
// comma, a quote or a line break is quoted, its quotes doubled.
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
