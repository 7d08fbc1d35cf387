#include "model/ImportDuplicates.h"

#include "store/EntryCommands.h"
#include "store/LogScan.h"
#include "store/ReminderStore.h"

#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <tuple>

namespace ImportDuplicates {

namespace {

using Reading = std::optional<qint64>;
using Match = std::tuple<int, QByteArray, qint64, qint32, quint32>;

Match matchOf(const LogEntry &entry)
{
    return {entry.dateSort, entry.description, entry.cost, entry.miles, std::bit_cast<quint32>(entry.gallons)};
}

// Takes from `readings` the one entry the row with `reading` stands for:
// one with the same reading (or none, as the row) first, else one where
// either has none. False when no entry is left for it.
bool takeFor(std::vector<Reading> &readings, const Reading &reading)
{
    auto found = std::find(readings.begin(), readings.end(), reading);
    if (found == readings.end())
        found = std::find_if(readings.begin(), readings.end(),
                             [&](const Reading &other) { return !other || !reading; });
    if (found == readings.end())
        return false;
    readings.erase(found);
    return true;
}

} // namespace

std::vector<bool> find(const std::vector<LogEntry> &log, const ExtrasByHead &logExtras, const std::vector<LogEntry> &rows,
                       const std::vector<EntryExtras> &rowExtras)
{
    std::map<Match, std::vector<Reading>> entries;
    for (const LogEntry &entry : log)
        if (!entry.marked)
            entries[matchOf(entry)].push_back(logExtras.value(entry.key).odometer);
    std::vector<bool> duplicates(rows.size(), false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto same = entries.find(matchOf(rows[i]));
        if (same != entries.end())
            duplicates[i] = takeFor(same->second, i < rowExtras.size() ? rowExtras[i].odometer : Reading());
    }
    return duplicates;
}

StoreRead<Log> readLog(const ReminderStore *database, LogKind kind, double rideKey)
{
    StoreRead<std::vector<LogEntry>> listed = Store::scanLog(kind, rideKey);
    StoreRead<Log> log{listed.status, {std::move(listed.value), {}}, listed.recordCount};
    if (log.status && database && database->isOpen())
        log.status = Store::readEntryExtras(*database, kind, rideKey, log.value.extras);
    return log;
}

} // namespace ImportDuplicates
