#include "Csv.h"

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
