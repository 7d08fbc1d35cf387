#include "history/Csv.h"

#include <algorithm>
#include <limits>

namespace {

bool readAsFormula(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at) == u'\'')
        ++at;
    return at < text.size() && QStringView(u"=+-@\t\r").contains(text.at(at));
}

} // namespace

QString csvTextCell(const QString &text)
{
    return readAsFormula(text) ? u'\'' + text : text;
}

QString textOfCsvCell(const QString &cell)
{
    return cell.startsWith(u'\'') && readAsFormula(cell) ? cell.mid(1) : cell;
}

void CsvRow::add(const QString &cell)
{
    if (!m_first)
        m_line += u',';
    m_first = false;
    const bool quoted = cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\r') || cell.contains(u'\n');
    if (!quoted) {
        m_line += cell;
        return;
    }
    m_line += u'"';
    m_line += QString(cell).replace(u'"', QStringLiteral("\"\""));
    m_line += u'"';
}

namespace {

// Reads rows one character at a time, counting lines as it goes.
class CsvReader
{
public:
    CsvReader(const QString &text, QChar delimiter) : m_text(text), m_delimiter(delimiter) {}

    std::vector<CsvRecord> rows(std::size_t most = std::numeric_limits<std::size_t>::max())
    {
        std::vector<CsvRecord> rows;
        while (m_at < m_text.size() && rows.size() < most) {
            CsvRecord row = nextRow();
            const bool blank = row.problem.isEmpty() && row.cells.size() == 1 && row.cells.first().isEmpty();
            if (!blank)
                rows.push_back(std::move(row));
        }
        return rows;
    }

private:
    bool atRowEnd() const
    {
        return m_at >= m_text.size() || m_text.at(m_at) == u'\n'
               || (m_text.at(m_at) == u'\r' && m_at + 1 < m_text.size() && m_text.at(m_at + 1) == u'\n');
    }

    void skipRowEnd()
    {
        if (m_at < m_text.size() && m_text.at(m_at) == u'\r')
            ++m_at;
        if (m_at < m_text.size() && m_text.at(m_at) == u'\n') {
            ++m_at;
            ++m_line;
        }
    }

    // Skips what is left of a row that cannot be read.
    void skipToRowEnd()
    {
        while (!atRowEnd())
            ++m_at;
        skipRowEnd();
    }

    CsvRecord nextRow()
    {
        CsvRecord row;
        row.line = m_line;
        while (true) {
            QString cell;
            if (m_at < m_text.size() && m_text.at(m_at) == u'"') {
                if (!readQuoted(cell, row)) {
                    row.cells.clear();
                    return row;
                }
            } else {
                while (!atRowEnd() && m_text.at(m_at) != m_delimiter)
                    cell += m_text.at(m_at++);
            }
            row.cells.append(cell);
            if (m_at < m_text.size() && m_text.at(m_at) == m_delimiter) {
                ++m_at;
                continue;
            }
            skipRowEnd();
            return row;
        }
    }

    bool readQuoted(QString &cell, CsvRecord &row)
    {
        const qsizetype opening = m_at++;
        const int openingLine = m_line;
        while (m_at < m_text.size()) {
            const QChar c = m_text.at(m_at++);
            if (c == u'"') {
                if (m_at < m_text.size() && m_text.at(m_at) == u'"') {
                    cell += u'"';
                    ++m_at;
                    continue;
                }
                if (m_at < m_text.size() && m_text.at(m_at) != m_delimiter && !atRowEnd()) {
                    row.problem = QStringLiteral("text follows a closing quote");
                    skipToRowEnd();
                    return false;
                }
                return true;
            }
            if (c == u'\n')
                ++m_line;
            cell += c;
        }
        row.problem = QStringLiteral("the quote opened on line %1 is never closed").arg(openingLine);
        m_at = opening;
        m_line = openingLine;
        skipToRowEnd();
        return false;
    }

    const QString &m_text;
    const QChar m_delimiter;
    qsizetype m_at = 0;
    int m_line = 1;
};

// The rows looked at to find the delimiter.
constexpr std::size_t DelimiterRows = 20;

} // namespace

std::vector<CsvRecord> readCsv(const QString &text, QChar delimiter)
{
    return CsvReader(text, delimiter).rows();
}

QString csvDelimiterName(QChar delimiter)
{
    if (delimiter == u';')
        return QStringLiteral("Semicolon");
    if (delimiter == u'\t')
        return QStringLiteral("Tab");
    return QStringLiteral("Comma");
}

QChar detectCsvDelimiter(const QString &text)
{
    QChar best = u',';
    qsizetype bestCells = 1;
    for (const QChar delimiter : CsvDelimiters) {
        const std::vector<CsvRecord> rows = CsvReader(text, delimiter).rows(DelimiterRows);
        if (rows.empty())
            continue;
        const qsizetype cells = rows.front().cells.size();
        const bool even = std::all_of(rows.begin(), rows.end(), [&](const CsvRecord &row) {
            return row.problem.isEmpty() && row.cells.size() == cells;
        });
        if (even && cells > bestCells) {
            best = delimiter;
            bestCells = cells;
        }
    }
    return best;
}
