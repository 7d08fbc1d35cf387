#pragma once

#include "data/RecordFile.h"
#include "store/EntryExtras.h"

#include <functional>
#include <vector>

// The entries of one log that belong to some rides, found in one pass over
// the log's file that decodes no text, in the order a ride's history lists
// them (by day; entries of one day in the order they stand in the file),
// each with its key in Torqal.db and its numbers. Their text is read later,
// one entry at a time, so that a reader of every entry of a full log (the
// CSV export) never holds more than one entry's text. Entries marked deleted
// are left out.
template<DataRecord Record>
struct LogEntryIndex
{
    struct Entry
    {
        int number = 0; // the record in the file
        EntryHead key;  // its key in Torqal.db
        Record numbers; // the record with its numbers and dates, without its text
    };
    // Per ride, in the order of the ride keys the index was made for.
    std::vector<std::vector<Entry>> ofRide;
};

namespace Store {

// The order that lists entries by day, those of one day in the order given
// (days as dateSortNumber gives them).
std::vector<std::size_t> orderByDay(const std::vector<int> &days);

// Puts the values in that order.
template<class Value>
void putInOrder(std::vector<Value> &values, const std::vector<std::size_t> &order)
{
    std::vector<Value> sorted;
    sorted.reserve(values.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(values[i]));
    values = std::move(sorted);
}

// Indexes the entries of the rides in the open file.
template<DataRecord Record>
FileStatus indexLog(RecordFile<Record> &file, const std::vector<double> &rideKeys, LogEntryIndex<Record> &index);

// Reads each indexed entry whole, ride by ride in list order, and hands it
// to visit(ride, entry, record) until visit returns false. An entry that no
// longer belongs to its ride (the file was changed since it was indexed)
// ends the reading with a failure naming the file.
template<DataRecord Record>
using IndexedEntryVisit =
    std::function<bool(std::size_t ride, const typename LogEntryIndex<Record>::Entry &entry, const char *record)>;
template<DataRecord Record>
FileStatus readIndexedEntries(RecordFile<Record> &file, const LogEntryIndex<Record> &index,
                              const IndexedEntryVisit<Record> &visit);

} // namespace Store
