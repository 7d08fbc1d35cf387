#include "history/ImportReading.h"

#include "history/ImportChecks.h"

#include <algorithm>

namespace ImportReading {

namespace {

std::vector<bool> duplicatesIn(const CsvImport::Entries &entries, LogKind kind, const ImportDuplicates::Log &log)
{
    const auto found = [&](const auto &records) {
        return ImportDuplicates::find(log.entries, log.extras, ImportDuplicates::storedEntries(records), entries.extras);
    };
    switch (kind) {
    case LogKind::Trips:
        return found(entries.trips);
    case LogKind::Gas:
        return found(entries.gas);
    case LogKind::Maintenance:
    case LogKind::Goodies:
        break;
    }
    return found(entries.expenses);
}

CsvImport::Plan planFor(const Choices &choices, const Ride &ride, const std::vector<CsvRecord> &rows, const QLocale &locale)
{
    if (choices.plan)
        return *choices.plan;
    CsvImport::Plan plan = CsvImport::guessPlan(choices.kind, rows, locale);
    if (CsvImport::ridesOf(rows, plan).contains(ride.number))
        plan.ride = ride.number;
    return plan;
}

} // namespace

CsvImport::Entries Outcome::toStore() const
{
    if (!skipDuplicates)
        return entries;
    CsvImport::Entries kept;
    kept.expenses = ImportDuplicates::unflagged(entries.expenses, duplicates);
    kept.trips = ImportDuplicates::unflagged(entries.trips, duplicates);
    kept.gas = ImportDuplicates::unflagged(entries.gas, duplicates);
    kept.extras = ImportDuplicates::unflagged(entries.extras, duplicates);
    kept.lines = ImportDuplicates::unflagged(entries.lines, duplicates);
    kept.problems = entries.problems;
    kept.otherRides = entries.otherRides;
    return kept;
}

std::size_t Outcome::duplicateCount() const
{
    return std::size_t(std::count(duplicates.begin(), duplicates.end(), true));
}

std::size_t Outcome::suspiciousCount() const
{
    std::size_t count = 0;
    for (std::size_t entry = 0; entry < suspicions.size(); ++entry)
        count += !skipped(entry) && !suspicions[entry].isEmpty() ? 1 : 0;
    return count;
}

Outcome read(const QByteArray &bytes, const Choices &choices, const Ride &ride,
             const StoreRead<ImportDuplicates::Log> &log, QDate today, const QLocale &locale)
{
    Outcome outcome;
    outcome.skipDuplicates = choices.skipDuplicates;
    outcome.file = CsvImport::readFile(bytes, choices.encoding, choices.delimiter);
    outcome.plan = planFor(choices, ride, outcome.file.rows, locale);
    outcome.entries = CsvImport::readEntries(outcome.file.rows, outcome.plan, ride.key, locale);
    if (outcome.file.undecodable)
        outcome.entries.problems.insert(outcome.entries.problems.begin(), *outcome.file.undecodable);
    // The entries are final from here on: what follows only looks at them.
    outcome.logStatus = log.status;
    outcome.duplicates = log.status ? duplicatesIn(outcome.entries, outcome.plan.kind, log.value)
                                    : std::vector<bool>(outcome.entries.count(), false);
    outcome.suspicions = ImportChecks::suspicions(outcome.plan.kind, outcome.entries, log.value.entries, ride.units,
                                                  today, locale);
    return outcome;
}

} // namespace ImportReading
