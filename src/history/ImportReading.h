#pragma once

#include "history/CsvImport.h"
#include "model/ImportDuplicates.h"
#include "store/RideExtras.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>

#include <optional>
#include <vector>

// A CSV file's bytes read as the entries an import stores, in one pass the
// import window and `torqal-data import` share: the file decoded and split
// into rows (CsvImport::readFile), its columns mapped to the fields (the
// user's plan, else the one its header suggests), the rows read as entries
// with the rows left out and why (CsvImport::readEntries), the entries the
// log already holds found (ImportDuplicates), and the values that look wrong
// told (ImportChecks).
//
// It reads nothing but what it is handed and keeps no state, so that it runs
// on any thread; the caller reads the file and the log.
namespace ImportReading {

// What the user chose; what is left open is decided from the file.
struct Choices
{
    LogKind kind = LogKind::Maintenance;
    std::optional<CsvEncoding> encoding;
    std::optional<QChar> delimiter;
    // The columns, of `kind`; without one, the header's (CsvImport::guessPlan).
    std::optional<CsvImport::Plan> plan;
    bool skipDuplicates = true;
};

// The ride the rows become entries of.
struct Ride
{
    double key = 0;
    // Its number in the ride file, by which an export of every ride names it:
    // a guessed plan reads the rows of that ride when the file has them.
    QString number;
    RideExtras units;
};

struct Outcome
{
    CsvImport::FileRows file;
    CsvImport::Plan plan;
    // Every entry read, duplicates included, in file order; its problems are
    // the rows left out, a file not valid in its encoding first.
    CsvImport::Entries entries;
    // For each entry: whether the log already holds it, and why its values
    // look wrong (empty when they look right).
    std::vector<bool> duplicates;
    std::vector<QString> suspicions;
    // Why the log could not be read to find the entries it holds, in which
    // case none is a duplicate.
    FileStatus logStatus;
    bool skipDuplicates = true;

    // Whether the entry is left out for being in the log already.
    bool skipped(std::size_t entry) const { return skipDuplicates && duplicates[entry]; }
    // The entries Import stores: all but those skipped.
    CsvImport::Entries toStore() const;
    std::size_t storedCount() const { return entries.count() - (skipDuplicates ? duplicateCount() : 0); }
    std::size_t duplicateCount() const;
    // The entries to store whose values look wrong.
    std::size_t suspiciousCount() const;
};

// `log` is the ride's log of the plan's kind (ImportDuplicates::readLog);
// `today` is the last day an entry may be dated without being told.
Outcome read(const QByteArray &bytes, const Choices &choices, const Ride &ride,
             const StoreRead<ImportDuplicates::Log> &log, QDate today, const QLocale &locale);

} // namespace ImportReading
