#pragma once

#include "data/DataFileTable.h"
#include "data/FileStatus.h"
#include "data/Records.h"

#include <array>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

// A data file as a sequence of fixed-length records, numbered from 1.
//
// Each command opens the files it needs, reads and writes records by number
// and closes them again; no file stays open between commands. The count is
// set when the file is opened (the ride file also recounts when it is closed)
// and stays in memory until the next open.
//
// Every operation reports how it went; none throws. Beyond the plain file
// operations it guarantees:
// - a record is written whole or not at all: a refused or short write puts
//   the record's previous bytes back (or cuts an appended part off again);
// - a file never grows past MaxRecords (32767) records;
// - a file that cannot be opened for writing (read-only file or folder) is
//   opened for reading, and every write and compaction of it is refused;
// - a damaged file (its length not a whole number of records) counts by the
//   rounding rule of recordCountForLength; the missing bytes of its last
//   record read as zeros; nothing is written into it and it is not compacted,
//   so that no record lands over the partial one, until `torqal-data repair`
//   has mended it (see PartialRecords.h);
// - compaction writes the scratch file whole, flushes it to disk and puts it
//   in the data file's place with one rename, so the data file holds either
//   all the old or all the new records at every moment (see ScratchRecovery.h
//   for what happens to a scratch file left behind); a data file that is a
//   symbolic link stays one: the file it leads to is rebuilt in its folder.

// How a compaction ended. Unless `replaced`, the data file is exactly as it
// was and `status` says why. Once replaced, the rebuilt file is in place for
// good: `status` is then ok, or the warning that the folder could not be
// flushed to disk afterwards (the change is made; only a power failure
// before the system writes the folder out could still undo it).
struct Compaction
{
    FileStatus status;
    bool replaced = false;

    // Replaced, and the folder flushed.
    bool ok() const { return replaced && status.ok(); }
    explicit operator bool() const { return ok(); }
};

class RecordFileBase
{
public:
    explicit RecordFileBase(DataFileKind kind);
    ~RecordFileBase();
    RecordFileBase(const RecordFileBase &) = delete;
    RecordFileBase &operator=(const RecordFileBase &) = delete;

    const DataFileInfo &info() const { return m_info; }
    const QString &name() const { return m_info.name; }
    int recordLength() const { return m_info.recordLength; }
    qint16 count() const { return m_count; }
    bool isOpen() const { return m_fd >= 0; }

    // The byte level of the operations below; `record` holds recordLength() bytes.
    FileStatus open();
    FileStatus close();
    FileStatus readBytes(int number, char *record);
    FileStatus writeBytes(int number, const char *record);
    // Writes `count` records from `records` (count * recordLength() bytes)
    // as records number, number + 1, ...: number is the record after the
    // file's last. A write that stops halfway leaves the file as it was.
    FileStatus appendBytes(int number, const char *records, int count);
    // The file's length in bytes, as it is on disk now. The file must be open.
    FileStatus byteLength(qint64 &length);
    // Flushes what was written to disk. The file must be open.
    FileStatus flush();
    // Cuts the file after record `count`, taking the records after it off
    // its end in one step. The file must be open; refused for a damaged
    // file, as every write is.
    FileStatus cutAfter(int count);
    // Reads records 1 to count() in order, a megabyte at a time, calling
    // visit(number, bytes) for each (a cut-short last record filled up with
    // zeros) until visit returns false. The file must be open.
    FileStatus scan(const std::function<bool(int number, const char *record)> &visit);
    // The same with only the first `length` bytes of each record read (the
    // rest of the record reads as zeros): long records are read one by one,
    // their leading bytes only; short ones as scan reads them.
    FileStatus scanLeading(int length, const std::function<bool(int number, const char *record)> &visit);
    // Rebuilds the file from the records for which keep(number, bytes) is
    // true, in their order. The file is closed afterwards, also after a
    // failure.
    Compaction compact(const std::function<bool(int number, const char *record)> &keep);

private:
    // Where a compaction builds the new file and which file it replaces.
    // A data file is rebuilt beside itself through the scratch file
    // TempFile.$$$. A data file that is a symbolic link is rebuilt beside the
    // file the link leads to, which it replaces: the link stays and goes on
    // leading to the records. That scratch file is named after the file
    // ("Gas.Dat.$$$"), so that it never meets the scratch file of a program
    // working in that folder; as the rename keeps the file whole at every
    // moment, a copy left there by an interrupted compaction is only ever a
    // stale one, which the next compaction of the file overwrites.
    struct Rebuild
    {
        QByteArray scratch;
        QByteArray target;
        QByteArray folder;
        bool linked = false;
    };

    FileStatus recount();
    // Whether the file can take a write up to record lastNumber: open,
    // writable, within the records a file can hold and not damaged; `status`
    // is then the file's state before the write.
    FileStatus checkWrite(qint64 lastNumber, struct stat &status);
    FileStatus undoPartialWrite(off_t offset, qint64 written, qint64 oldFileLength, const std::vector<char> &oldBytes);
    FileStatus copyKeptRecords(int scratch, const std::function<bool(int, const char *)> &keep, qint64 &kept);
    FileStatus notOpen(const QString &action) const;
    FileStatus refusedAsDamaged(const QString &action) const;
    FileStatus placeRebuild(Rebuild &rebuild) const;
    Compaction replaceWithScratch(const Rebuild &rebuild, qint64 kept);

    const DataFileInfo &m_info;
    QByteArray m_path;
    int m_fd = -1;
    bool m_writable = false;
    int m_readOnlyReason = 0; // errno that refused opening for writing
    qint16 m_count = 0;
    bool m_endsInPartialRecord = false;
};

// A data file with its working record: reads fill `buffer`, writes store it.
template<DataRecord Record>
class RecordFile : public RecordFileBase
{
public:
    explicit RecordFile(DataFileKind kind) : RecordFileBase(kind) { Q_ASSERT(recordLength() == Record::Length); }

    Record buffer;
};

// The five data files, each with its working record.
struct DataFiles
{
    RecordFile<RideRecord> rides{DataFileKind::Rides};
    RecordFile<ExpenseRecord> maintenance{DataFileKind::Maintenance};
    RecordFile<ExpenseRecord> goodies{DataFileKind::Goodies};
    RecordFile<TripRecord> trips{DataFileKind::Trips};
    RecordFile<GasRecord> gas{DataFileKind::Gas};
};

// Opens the file for reading and writing (closing it first if it is open),
// creating it empty when it is missing, and sets its count from its length.
inline FileStatus OpenRecordFile(RecordFileBase &file) { return file.open(); }

// Closes the file if it is open; the ride file recounts first.
inline FileStatus CloseRecordFile(RecordFileBase &file) { return file.close(); }

// Reads record `number` into file.buffer. On failure the buffer is unchanged.
template<DataRecord Record>
FileStatus ReadRecord(RecordFile<Record> &file, int number)
{
    std::array<char, Record::Length> bytes;
    FileStatus status = file.readBytes(number, bytes.data());
    if (status)
        decodeRecord(bytes.data(), file.buffer);
    return status;
}

// Writes file.buffer as record `number`; count + 1 appends a record (the
// count itself changes at the next open, or the ride file's next close).
template<DataRecord Record>
FileStatus WriteRecord(RecordFile<Record> &file, int number)
{
    std::array<char, Record::Length> bytes;
    encodeRecord(file.buffer, bytes.data());
    return file.writeBytes(number, bytes.data());
}

// Marks record `number` deleted: reads it, writes KillMarker into its marker
// field and writes it back. The file must be open.
template<DataRecord Record>
FileStatus MarkRecord(RecordFile<Record> &file, int number)
{
    FileStatus status = ReadRecord(file, number);
    if (!status)
        return status;
    Mark(file.buffer);
    return WriteRecord(file, number);
}

// The records of one ride, in file order: calls visit(number, record) for
// each record whose RideKey equals rideKey (exactly), as reading every record
// with ReadRecord and testing its key would, but reading the file in large
// blocks and decoding only the records that match. The file must be open;
// file.buffer is left as it was.
template<DataRecord Record, class Visit>
FileStatus ForEachRecordOfRide(RecordFile<Record> &file, double rideKey, Visit visit)
{
    Record record;
    return file.scan([&](int number, const char *bytes) {
        if (FieldCodec::loadDouble(bytes) == rideKey) { // RideKey leads every record
            decodeRecord(bytes, record);
            visit(number, std::as_const(record));
        }
        return true;
    });
}

// Every record in file order with only some of its text fields decoded, e.g.
// a ride's name fields: ForEachRecord(files.rides, {&RideRecord::Year,
// &RideRecord::Make}, visit). Only the bytes up to the end of the last field
// wanted are read, so that the leading fields of long records come cheap:
// the other text fields are left empty, the numbers and dates before that
// end are there, those after it are 0. Calls visit(number, record). The file
// must be open; file.buffer is left as it was.
template<DataRecord Record, class Visit>
FileStatus ForEachRecord(RecordFile<Record> &file, std::initializer_list<QString Record::*> textFields, Visit visit)
{
    Record record;
    std::vector<const QString *> wanted;
    for (QString Record::*field : textFields)
        wanted.push_back(&(record.*field));
    FieldCodec::FieldsEnd end(wanted);
    Record::visitFields(std::as_const(record), end);
    return file.scanLeading(end.end(), [&](int number, const char *bytes) {
        FieldCodec::FieldDecoder decoder(bytes, wanted);
        Record::visitFields(record, decoder);
        visit(number, std::as_const(record));
        return true;
    });
}

// Rebuilds the file from the records for which keep(record), or
// keep(number, record), is true, in their stored order, e.g.
// CompactRecordFile(files.gas, KeepUnmarked{}) or
// CompactRecordFile(files.trips, KeepOtherRides{key}). Opens the file first
// unless it is open; leaves it closed. When no record is kept the file is
// removed (the next open creates it empty), or emptied where it is a link.
// Record numbers change: reopen for the new count.
template<DataRecord Record, class Keep>
Compaction CompactRecordFile(RecordFile<Record> &file, Keep keep)
{
    return file.compact([&file, &keep](int number, const char *bytes) {
        decodeRecord(bytes, file.buffer);
        if constexpr (std::is_invocable_v<Keep &, int, const Record &>)
            return keep(number, std::as_const(file.buffer));
        else
            return keep(std::as_const(file.buffer));
    });
}
