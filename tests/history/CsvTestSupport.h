#pragma once

#include "history/CsvImport.h"

#include <QStringList>

// What the CSV import tests compare.
namespace CsvTest {

// The rows left out as "line: reason".
inline QStringList problemTexts(const CsvImport::Entries &entries)
{
    QStringList texts;
    for (const CsvImport::Problem &problem : entries.problems)
        texts << QStringLiteral("%1: %2").arg(problem.line).arg(problem.message);
    return texts;
}

} // namespace CsvTest
