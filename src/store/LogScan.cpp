#include "store/LogScan.h"

#include "data/FieldCodec.h"
#include "data/RecordFile.h"
#include "platform/ValueFormats.h"
#include "store/LogFiles.h"
#include "store/StoreFiles.h"

#include <algorithm>

namespace Store {

using StoreFiles::whileOpen;

namespace {

// Where the one text field a list row shows lies in the record's bytes:
// its offset and width (none for gasoline). The row keeps those bytes as
// they are, without decoding them; the notes are read only for the
// highlighted entry.
template<class Record>
std::pair<int, int> descriptionField(const Record &record)
{
    const std::vector<const QString *> description{&record.Description};
    FieldCodec::FieldsEnd end(description);
    Record::visitFields(record, end);
    return {end.end() - Record::DescriptionWidth, Record::DescriptionWidth};
}
std::pair<int, int> descriptionField(const GasRecord &) { return {0, 0}; }

// Where the record's marker field lies in its bytes.
template<class Record>
std::pair<int, int> markerField(const Record &record)
{
    const std::vector<const QString *> marker{&record.markerField()};
    FieldCodec::FieldsEnd end(marker);
    Record::visitFields(record, end);
    int width = 0;
    if constexpr (std::is_same_v<Record, GasRecord>)
        width = GasRecord::NotesWidth;
    else
        width = Record::DescriptionWidth;
    return {end.end() - width, width};
}

// Whether the record is marked deleted, looking at its marker field's text
// only when its first character could begin the marker.
template<class Record>
bool markedRecord(const char *bytes, std::pair<int, int> marker, Record &record)
{
    const char *field = bytes + marker.first;
    const char *end = field + marker.second;
    const char *first = std::find_if(field, end, [](char c) { return c != ' '; });
    if (first == end || *first != KillMarker.front().toLatin1())
        return false;
    const std::vector<const QString *> markerOnly{&record.markerField()};
    FieldCodec::FieldDecoder decoder(bytes, markerOnly);
    Record::visitFields(record, decoder);
    return IsMarked(record);
}

// Calls visit(rideKey, entry) for each record of the file in file order
// whose ride key `wanted` accepts, as its list shows the entry.
template<DataRecord Record, class Wanted, class Visit>
FileStatus scanEntries(RecordFile<Record> &file, Wanted wanted, Visit visit)
{
    Record record;
    const std::vector<const QString *> numbersOnly;
    const auto [descriptionAt, descriptionWidth] = descriptionField(record);
    const std::pair<int, int> marker = markerField(record);
    QHash<quint64, int> heads; // how many unmarked records of each head came before
    return file.scan([&](int number, const char *bytes) {
        // Every log record starts with its ride's key: the records of other
        // rides need not be decoded at all.
        const double rideKey = FieldCodec::loadDouble(bytes);
        if (wanted(rideKey)) {
            FieldCodec::FieldDecoder decoder(bytes, numbersOnly);
            Record::visitFields(record, decoder);
            LogEntry entry = logEntryWithoutDescription(record, number);
            entry.marked = markedRecord(bytes, marker, record);
            entry.key.head = recordHead(bytes, HeadLength<Record>);
            entry.key.occurrence = entry.marked ? -1 : heads[entry.key.head]++;
            if (descriptionWidth > 0)
                entry.description = descriptionBytes(bytes + descriptionAt, descriptionWidth);
            visit(rideKey, std::move(entry));
        }
        return true;
    });
}

template<DataRecord Record>
StoreRead<std::vector<LogEntry>> scanRecords(RecordFile<Record> &file, double rideKey)
{
    StoreRead<std::vector<LogEntry>> listing;
    listing.status = whileOpen(file, [&] {
        listing.recordCount = file.count();
        if (rideKey == 0)
            return FileStatus();
        return scanEntries(file, [rideKey](double key) { return key == rideKey; },
                           [&](double, LogEntry entry) { listing.value.push_back(std::move(entry)); });
    });
    return listing;
}

template<DataRecord Record>
StoreRead<QString> readNotes(RecordFile<Record> &file, int number)
{
    StoreRead<QString> notes;
    notes.status = whileOpen(file, [&] {
        notes.recordCount = file.count();
        FileStatus status = ReadRecord(file, number);
        if (status)
            notes.value = ValueFormats::trimTrailingBlanks(file.buffer.Notes);
        return status;
    });
    return notes;
}

template<DataRecord Record>
FileStatus readEntriesOfRide(RecordFile<Record> &file, double rideKey, std::vector<Record> &entries)
{
    return whileOpen(file, [&] {
        return ForEachRecordOfRide(file, rideKey, [&](int, const Record &record) { entries.push_back(record); });
    });
}

// Into date order, entries of one day in file order. Entries are mostly
// added in date order, so a list already in order costs one look. Otherwise
// small keys are sorted (date and place in the list in one number) and each
// entry is moved once, in place, rather than moving entries about while
// sorting: a log of 32767 entries sorts without a second copy of its list.
void sortByDate(std::vector<LogEntry> &entries)
{
    const auto byDate = [](const LogEntry &a, const LogEntry &b) { return a.dateSort < b.dateSort; };
    if (std::is_sorted(entries.begin(), entries.end(), byDate))
        return;
    std::vector<quint64> keys(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys[i] = quint64(quint32(entries[i].dateSort + 1)) << 32 | quint64(i); // dateSort is -1 or yyyymmdd
    std::sort(keys.begin(), keys.end());
    // keys[i] now names (in its low half) the entry that belongs at i. Each
    // cycle of that arrangement is walked once; a walked place is marked by
    // naming itself.
    const auto from = [&keys](std::size_t i) { return std::size_t(keys[i] & 0xffffffffu); };
    for (std::size_t start = 0; start < keys.size(); ++start) {
        if (from(start) == start)
            continue;
        LogEntry held = std::move(entries[start]);
        std::size_t place = start;
        while (from(place) != start) {
            const std::size_t next = from(place);
            entries[place] = std::move(entries[next]);
            keys[place] = place;
            place = next;
        }
        entries[place] = std::move(held);
        keys[place] = place;
    }
}

} // namespace

StoreRead<std::vector<LogEntry>> scanLog(LogKind kind, double rideKey)
{
    StoreRead<std::vector<LogEntry>> listing =
        withLogFile(kind, [&](auto &file) { return scanRecords(file, rideKey); });
    sortByDate(listing.value);
    return listing;
}

FileStatus scanEveryRide(LogKind kind, const std::function<void(double rideKey, const LogEntry &entry)> &visit)
{
    return withLogFile(kind, [&](auto &file) {
        return whileOpen(file, [&] {
            return scanEntries(file, [](double) { return true; }, [&](double rideKey, const LogEntry &entry) { visit(rideKey, entry); });
        });
    });
}

StoreRead<QString> readLogNotes(LogKind kind, int recordNumber)
{
    return withLogFile(kind, [&](auto &file) { return readNotes(file, recordNumber); });
}

StoreRead<RideLogs> readRideLogs(double rideKey)
{
    StoreRead<RideLogs> logs;
    RecordFile<ExpenseRecord> maintenance(DataFileKind::Maintenance);
    RecordFile<ExpenseRecord> goodies(DataFileKind::Goodies);
    RecordFile<TripRecord> trips(DataFileKind::Trips);
    RecordFile<GasRecord> gas(DataFileKind::Gas);
    for (FileStatus status : {readEntriesOfRide(maintenance, rideKey, logs.value.maintenance),
                              readEntriesOfRide(goodies, rideKey, logs.value.goodies),
                              readEntriesOfRide(trips, rideKey, logs.value.trips),
                              readEntriesOfRide(gas, rideKey, logs.value.gas)}) {
        if (!status && logs.status)
            logs.status = status;
    }
    return logs;
}

} // namespace Store
