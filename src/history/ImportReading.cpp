#include "history/ImportReading.h"

#include "history/CsvPresetEntries.h"
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

CsvImport::Plan planFor(const Choices &choices, const Ride &ride, const CsvPresets::Reading &preset)
{
    if (choices.plan)
        return *choices.plan;
    CsvImport::Plan plan = preset.plan;
    if (CsvImport::ridesOf(preset.rows, plan).contains(ride.number))
        plan.ride = ride.number;
    return plan;
}

} // namespace

KnownOf knownIn(const ReminderStore *database, double rideKey)
{
    return [database, rideKey](LogKind kind) {
        return Known{ImportDuplicates::readLog(database, kind, rideKey), CsvPresets::importRide(database, rideKey, kind)};
    };
}

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

Outcome read(const QByteArray &bytes, const Choices &choices, const Ride &ride, const KnownOf &known, QDate today,
             const QLocale &locale)
{
    Outcome outcome;
    outcome.skipDuplicates = choices.skipDuplicates;
    outcome.file = CsvImport::readFile(bytes, choices.encoding, choices.delimiter);
    const CsvPreset &preset = choices.preset ? *choices.preset : CsvPresets::recognise(outcome.file.rows);
    LogKind kind = choices.plan ? choices.plan->kind : choices.kind;
    if (choices.kindOfPreset && !choices.plan)
        kind = CsvPresets::logOf(preset, outcome.file.rows).value_or(kind);
    outcome.preset = CsvPresets::read(preset, kind, outcome.file.rows, locale);
    outcome.plan = planFor(choices, ride, outcome.preset);
    outcome.preset.plan = outcome.plan;
    const Known log = known(kind);
    outcome.rideStatus = log.ride.status;
    outcome.entries = CsvImport::readEntries(outcome.preset.rows, outcome.plan, ride.key, locale);
    // The preset's step: the entries in the ride's units, with the tracker's
    // flags and the distances of its odometer readings.
    const RideExtras &units = log.ride.value.units;
    outcome.notes = CsvPresets::finish(outcome.preset, outcome.entries, units, log.ride.value.readings);
    outcome.conversions = CsvPresets::conversions(outcome.preset, units);
    if (outcome.file.undecodable)
        outcome.entries.problems.insert(outcome.entries.problems.begin(), *outcome.file.undecodable);
    // The entries are final from here on: what follows only looks at them.
    outcome.logStatus = log.log.status;
    outcome.duplicates = log.log.status ? duplicatesIn(outcome.entries, kind, log.log.value)
                                        : std::vector<bool>(outcome.entries.count(), false);
    outcome.suspicions = ImportChecks::suspicions(kind, outcome.entries, log.log.value.entries, units, today, locale);
    return outcome;
}

} // namespace ImportReading
