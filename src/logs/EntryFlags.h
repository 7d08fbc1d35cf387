#pragma once

// The main window's flags for an entry being added or edited: a ride (by the
// ride editor) or a log entry (by the log commands). The log lists read
// EditingEntry to keep their highlighted row through a refill.
struct EntryFlags
{
    bool AddingEntry = false;
    bool EditingEntry = false;
};
