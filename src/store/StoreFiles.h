#pragma once

#include "data/RecordFile.h"
#include "data/WriteJournal.h"
#include "store/SecondPart.h"
#include "store/StoreResult.h"

#include <algorithm>
#include <array>
#include <functional>
#include <span>
#include <vector>

// What the store's commands share.
namespace StoreFiles {

// Opens the file, runs read(), closes the file: the read's failure first,
// then the close's.
template<class Read>
FileStatus whileOpen(RecordFileBase &file, Read read)
{
    FileStatus status = OpenRecordFile(file);
    if (status)
        status = read();
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

// A failure after the change was written, as the warning that says so.
FileStatus asWarning(const FileStatus &status);

// Closes the file after a command's write and says how the command ended:
// nothing written when `written` failed; written, or written with a
// warning when `warning` says so or the file then could not be closed.
StoreResult finishWrite(RecordFileBase &file, FileStatus written, int recordNumber, FileStatus warning = {});

// Before a command writes: puts the files back from the journal of a
// command that was cut short (see WriteJournal), or finishes it when
// Torqal.db holds it as finished. A failure refuses the command, so that it
// never writes over what is still to be put back.
FileStatus putBackPending(JournalRecovery::Outcome *outcome = nullptr);

// The failure of a journalled write, once its files are put back (or, when
// that fails too, as they will be).
FileStatus rolledBack(WriteJournal &journal, FileStatus failure);

// A change's id for its second store, never 0.
quint64 newChangeId();

// Runs write() under the journal, whose notes are taken: all its writes are
// made, or none (see WriteJournal), and so is the second store's part when
// there is one. `warning` receives what went wrong once they were made.
template<class Write>
FileStatus writeUnderJournal(WriteJournal &journal, Write write, FileStatus &warning, const SecondPart &second = {})
{
    const quint64 changeId = second ? newChangeId() : 0;
    journal.decideBy(changeId);
    FileStatus status = journal.begin();
    if (!status)
        return status;
    status = write();
    if (status)
        status = journal.flushFiles();
    if (status && second)
        status = second(changeId);
    if (!status)
        return rolledBack(journal, std::move(status));
    status = journal.finish(warning);
    // Once the second store holds it, the change is done even when its
    // journal stays: the next start finds it finished there.
    if (!status && !second)
        return rolledBack(journal, std::move(status));
    return {};
}

// Refuses a write to record `number` when the file no longer holds it, or
// when the record there no longer belongs to the ride with rideKey. The
// file is open; its working record holds the record afterwards.
template<DataRecord Record>
FileStatus checkRecordOfRide(RecordFile<Record> &file, int number, double rideKey, const QString &gone)
{
    if (number < 1 || number > file.count())
        return FileStatus::failure(file.name(), gone);
    FileStatus status = ReadRecord(file, number);
    if (status && file.buffer.RideKey != rideKey)
        return FileStatus::failure(file.name(), gone);
    return status;
}

// Appends `records` to the open file after its last record, all of them or
// none (see WriteJournal).
template<DataRecord Record>
FileStatus appendRecords(RecordFile<Record> &file, std::span<const Record> records, FileStatus &warning, const SecondPart &second = {})
{
    WriteJournal journal;
    const int first = file.count() + 1;
    FileStatus status = journal.noteAppend(file, int(records.size()));
    if (!status)
        return status;
    return writeUnderJournal(journal, [&] {
        // A megabyte of records at a time: an import of thousands of
        // entries costs a few writes, not one for every record.
        constexpr std::size_t PerWrite = std::max<std::size_t>(1, (1 << 20) / Record::Length);
        std::vector<char> bytes;
        FileStatus written;
        for (std::size_t start = 0; written && start < records.size(); start += PerWrite) {
            const std::size_t count = std::min(PerWrite, records.size() - start);
            bytes.resize(count * Record::Length);
            for (std::size_t i = 0; i < count; ++i)
                encodeRecord(records[start + i], bytes.data() + i * Record::Length);
            written = file.appendBytes(first + int(start), bytes.data(), int(count));
        }
        return written;
    }, warning, second);
}

// Writes `record` over record `number` of the open file: the old record or
// the new one is in the file at every moment, even after a write that
// fails half way (see WriteJournal).
template<DataRecord Record>
FileStatus overwriteRecord(RecordFile<Record> &file, int number, const Record &record, FileStatus &warning,
                           const SecondPart &second = {})
{
    std::array<char, Record::Length> bytes;
    encodeRecord(record, bytes.data());
    WriteJournal journal;
    FileStatus status = journal.noteOverwrite(file, number, bytes.data());
    if (!status)
        return status;
    return writeUnderJournal(journal, [&] { return file.writeBytes(number, bytes.data()); }, warning, second);
}

// How a compaction ends a command: nothing written unless the file was
// replaced; a folder that could not be flushed afterwards is a warning.
StoreResult resultOf(Compaction compaction);

// Rebuilds the file without record `number`, and without any record that an
// older program left marked deleted (its deletions mark the record first).
template<DataRecord Record>
StoreResult compactWithout(RecordFile<Record> &file, int number)
{
    StoreResult result = resultOf(
        CompactRecordFile(file, [number](int n, const Record &record) { return n != number && !IsMarked(record); }));
    result.recordNumber = number;
    return result;
}

} // namespace StoreFiles
