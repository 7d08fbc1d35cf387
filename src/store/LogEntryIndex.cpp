#include "store/LogEntryIndex.h"

#include "store/LogEntry.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <map>

namespace Store {

std::vector<std::size_t> orderByDay(const std::vector<int> &days)
{
    // Each entry's day is worked out once, not at every comparison: sorting
    // a log of 32767 entries takes about half a million comparisons.
    std::vector<std::size_t> order(days.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return days[a] < days[b]; });
    return order;
}

template<DataRecord Record>
FileStatus indexLog(RecordFile<Record> &file, const std::vector<double> &rideKeys, LogEntryIndex<Record> &index)
{
    index.ofRide.assign(rideKeys.size(), {});
    std::map<double, std::size_t> rideOfKey;
    for (std::size_t i = 0; i < rideKeys.size(); ++i)
        rideOfKey.emplace(rideKeys[i], i);
    std::vector<std::vector<int>> days(rideKeys.size());
    QHash<quint64, int> heads; // how many unmarked records of each head came before
    const std::vector<const QString *> noText;
    const FileStatus status = file.scan([&](int number, const char *bytes) {
        const auto found = rideOfKey.find(FieldCodec::loadDouble(bytes));
        // An entry an older program left marked deleted is not listed.
        if (found == rideOfKey.end() || IsMarkedRecord<Record>(bytes))
            return true;
        typename LogEntryIndex<Record>::Entry entry;
        entry.number = number;
        const quint64 head = recordHead(bytes, HeadLength<Record>);
        entry.key = {head, heads[head]++};
        FieldCodec::FieldDecoder numbers(bytes, noText);
        Record::visitFields(entry.numbers, numbers);
        days[found->second].push_back(dateSortNumber(entry.numbers.EntryDate));
        index.ofRide[found->second].push_back(std::move(entry));
        return true;
    });
    if (!status)
        return status;
    for (std::size_t ride = 0; ride < rideKeys.size(); ++ride)
        putInOrder(index.ofRide[ride], orderByDay(days[ride]));
    return {};
}

template<DataRecord Record>
FileStatus readIndexedEntries(RecordFile<Record> &file, const LogEntryIndex<Record> &index,
                              const IndexedEntryVisit<Record> &visit)
{
    std::array<char, Record::Length> bytes;
    for (std::size_t ride = 0; ride < index.ofRide.size(); ++ride) {
        for (const typename LogEntryIndex<Record>::Entry &entry : index.ofRide[ride]) {
            if (FileStatus read = file.readBytes(entry.number, bytes.data()); !read)
                return read;
            if (FieldCodec::loadDouble(bytes.data()) != entry.numbers.RideKey || IsMarkedRecord<Record>(bytes.data()))
                return FileStatus::failure(file.name(), QStringLiteral("%1 was changed by another program while it was "
                                                                       "being read: try again.")
                                                            .arg(file.name()));
            if (!visit(ride, entry, bytes.data()))
                return {};
        }
    }
    return {};
}

template FileStatus indexLog(RecordFile<ExpenseRecord> &, const std::vector<double> &, LogEntryIndex<ExpenseRecord> &);
template FileStatus indexLog(RecordFile<TripRecord> &, const std::vector<double> &, LogEntryIndex<TripRecord> &);
template FileStatus indexLog(RecordFile<GasRecord> &, const std::vector<double> &, LogEntryIndex<GasRecord> &);
template FileStatus readIndexedEntries(RecordFile<ExpenseRecord> &, const LogEntryIndex<ExpenseRecord> &,
                                       const IndexedEntryVisit<ExpenseRecord> &);
template FileStatus readIndexedEntries(RecordFile<TripRecord> &, const LogEntryIndex<TripRecord> &,
                                       const IndexedEntryVisit<TripRecord> &);
template FileStatus readIndexedEntries(RecordFile<GasRecord> &, const LogEntryIndex<GasRecord> &,
                                       const IndexedEntryVisit<GasRecord> &);

} // namespace Store
