#pragma once

#include "data/FileStatus.h"

// How a command that writes the data files ended. The windows decide on it:
// a command that wrote counts as done and is never repeated, whatever went
// wrong after its records reached the file.
enum class StoreOutcome {
    // No file was changed; `status` says why.
    NothingWritten,
    // The change is in its files, and they are closed.
    Written,
    // The change is in its files, but afterwards a file could not be closed
    // or the folder could not be flushed to disk; `status` names it. The
    // change counts as made.
    WrittenWithWarning,
    // Part of the change was made, then a file could not be changed further;
    // `status` names it. Only deleting a ride ends so: some of its entries
    // are removed, the ride is still on file, and deleting it again finishes
    // the work. (Commands that write into one file make all their change or
    // none.)
    Unfinished,
};

struct StoreResult
{
    StoreOutcome outcome = StoreOutcome::NothingWritten;
    FileStatus status;    // the failure or the warning; ok when Written
    int recordNumber = 0; // the record written; for an add, the new record's number

    // The command's change is made (a warning may come with it).
    bool done() const { return outcome == StoreOutcome::Written || outcome == StoreOutcome::WrittenWithWarning; }
};

// What a read of the data files found.
template<class Value>
struct StoreRead
{
    FileStatus status;    // ok, or the failure naming the file; `value` then holds what was read before it
    Value value{};
    int recordCount = -1; // the records of the file read; -1 when it could not be opened
};
