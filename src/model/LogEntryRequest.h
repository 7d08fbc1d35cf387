#pragma once

#include "model/LogRows.h"
#include "store/LogEntryWrite.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

// The four text fields of the entry editor: the date, the description (the
// gallons for gasoline), the amount (cost, or miles) and the notes.
using EntryFields = std::array<QString, 4>;

enum class EntryMode { Adding, Editing };

class ReminderStore;

// An odometer reading of an entry of the log, on its day ("yyyymmdd" as a
// number).
struct OdometerReading
{
    int dateSort = -1;
    qint64 odometer = 0;
};

// What the main window hands the entry editor when it opens it: the log, the
// mode, the shown ride, the texts of its own controls that the editor repeats,
// and for an edit the highlighted entry as the list shows it.
struct LogEntryRequest
{
    LogKind kind = LogKind::Maintenance;
    EntryMode mode = EntryMode::Adding;
    double rideKey = 0;
    QString tabCaption;                 // the main window's selected tab
    std::array<QString, 3> columnTitles; // of the log's list
    QString notesCaption;               // the main window's notes label of the log
    int notesLimit = 0;                 // the character limit of its notes box

    // Adding only: what the boxes open with (empty for a plain add). Filled
    // boxes count as typed, so that Save writes them as they stand.
    EntryFields prefill;
    // Adding only: how Save stores the new entry when it is part of a
    // command of the caller's (a reminder marked done with it); empty for
    // the log's own add.
    std::function<StoreResult(const LogRecord &entry)> saveNew;

    // Editing only: the highlighted row, the notes shown for it, and the
    // values its record holds (which the row shows rounded).
    std::array<QString, 3> cells;
    int recordNumber = 0;
    QString notes;
    LogEntry entry;
    EntryExtras extras;

    // Torqal.db, which keeps what an entry holds beyond its record (see
    // EntryExtras); null when it cannot be used.
    ReminderStore *database = nullptr;
    // The readings of the ride's other entries of the log, for the miles
    // since the one before.
    std::vector<OdometerReading> readings;

    bool adding() const { return mode == EntryMode::Adding; }
};
