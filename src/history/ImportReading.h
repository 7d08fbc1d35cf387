#pragma once

#include "history/CsvImport.h"
#include "history/CsvPresetRide.h"
#include "history/CsvPresets.h"
#include "model/ImportDuplicates.h"
#include "store/RideExtras.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>

#include <functional>
#include <optional>
#include <vector>

// A CSV file's bytes read as the entries an import stores, in one pass the
// import window and `torqal-data import` share: the file decoded and split
// into rows (CsvImport::readFile), read under the tracker's preset (the
// user's, else the one its header shows: CsvPresets), its columns mapped to
// the fields (the user's plan, else the preset's), the rows read as entries
// with the rows left out and why (CsvImport::readEntries) and finished by
// the preset (units, flags, distances from odometer readings:
// CsvPresets::finish), the entries the log already holds found
// (ImportDuplicates), and the values that look wrong told (ImportChecks).
//
// It keeps no state and reads nothing but what it is handed, the log through
// the caller's function, so that it runs on any thread.
namespace ImportReading {

// What the user chose; what is left open is decided from the file.
struct Choices
{
    LogKind kind = LogKind::Maintenance;
    // The log the preset's records go to instead, where it names one.
    bool kindOfPreset = false;
    // The tracker whose export the file is; none: the one its header shows.
    const CsvPreset *preset = nullptr;
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
};

// What the reading needs of the ride's log of a kind: its entries, to find
// the rows it holds, and the ride's units and odometer readings, for the
// preset.
struct Known
{
    StoreRead<ImportDuplicates::Log> log;
    StoreRead<CsvPresets::ImportRide> ride;
};
using KnownOf = std::function<Known(LogKind kind)>;

// The log files of the working folder and `database` (none: no extras, the
// units every ride had before rides had units), read on the calling thread.
KnownOf knownIn(const ReminderStore *database, double rideKey);

struct Outcome
{
    CsvImport::FileRows file;
    // The preset's reading: its rows (those of the log's section of the
    // file) are the ones the plan's columns are of.
    CsvPresets::Reading preset;
    CsvImport::Plan plan;
    // How the preset converted the file's numbers, and its notes (see
    // CsvPresets::conversions and finish).
    QString conversions;
    QStringList notes;
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
    // Why the ride's units or readings could not be read, in which case
    // nothing may be stored: the preset could not convert into them.
    FileStatus rideStatus;
    bool skipDuplicates = true;

    // Whether the entry is left out for being in the log already.
    bool skipped(std::size_t entry) const { return skipDuplicates && duplicates[entry]; }
    // The entries Import stores: all but those skipped.
    CsvImport::Entries toStore() const;
    std::size_t storedCount() const
    {
        return rideStatus ? entries.count() - (skipDuplicates ? duplicateCount() : 0) : 0;
    }
    std::size_t duplicateCount() const;
    // The entries to store whose values look wrong.
    std::size_t suspiciousCount() const;
};

// `known` reads the ride's log of the log decided on; `today` is the last
// day an entry may be dated without being told.
Outcome read(const QByteArray &bytes, const Choices &choices, const Ride &ride, const KnownOf &known, QDate today,
             const QLocale &locale);

} // namespace ImportReading
