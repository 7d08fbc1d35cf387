#include "history/Csv.h"

#include "data/Cp1252.h"

#include <QStringDecoder>

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
    explicit CsvReader(const QString &text) : m_text(text) {}

    std::vector<CsvRecord> rows()
    {
        std::vector<CsvRecord> rows;
        while (m_at < m_text.size()) {
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
                while (!atRowEnd() && m_text.at(m_at) != u',')
                    cell += m_text.at(m_at++);
            }
            row.cells.append(cell);
            if (m_at < m_text.size() && m_text.at(m_at) == u',') {
                ++m_at;
                continue;
            }
            skipRowEnd();
            return row;
        }
    }

    bool readQuoted(QString &cell, CsvRecord &row)
    {
        ++m_at; // the opening quote
        while (m_at < m_text.size()) {
            const QChar c = m_text.at(m_at++);
            if (c == u'"') {
                if (m_at < m_text.size() && m_text.at(m_at) == u'"') {
                    cell += u'"';
                    ++m_at;
                    continue;
                }
                if (m_at < m_text.size() && m_text.at(m_at) != u',' && !atRowEnd()) {
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
        row.problem = QStringLiteral("a quote is never closed");
        return false;
    }

    const QString &m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

} // namespace

std::vector<CsvRecord> readCsv(const QString &text)
{
    return CsvReader(text).rows();
}

QString csvFileText(const QByteArray &bytes)
{
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(content);
    if (!utf8.hasError())
        return text;
    return Cp1252::decode(content.constData(), content.size());
}
