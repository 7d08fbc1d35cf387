#pragma once

#include "data/Records.h"
#include "store/EntryExtras.h"

#include <QByteArray>
#include <QString>

// One listed entry of a log, as read from its record without its notes: what
// a list row shows and what its totals add up.
struct LogEntry
{
    int recordNumber = 0; // in the log file ("RecNum")
    int dateSort = -1;    // the date as the number yyyymmdd; -1 for no date
    double entryDate = 0;
    // Maintenance, goodies, trips: the description without its blanks, in
    // the files' code page, one byte a character: a log of 32767 entries
    // listed takes megabytes less than as text.
    QByteArray description;
    qint64 cost = 0;      // maintenance, goodies
    qint32 miles = 0;     // trips, gasoline
    float gallons = 0;    // gasoline
    // Marked deleted by an older program whose deletion was cut short: the
    // next compaction drops it. It is listed as it stands, but counts in no
    // figure (see LogTotals).
    bool marked = false;
    // The entry as Torqal.db names its extras (see EntryHead); set by the
    // scans of a log file.
    EntryHead key;
};

LogEntry logEntry(const ExpenseRecord &record, int recordNumber);
LogEntry logEntry(const TripRecord &record, int recordNumber);
LogEntry logEntry(const GasRecord &record, int recordNumber);
// The same without the description, for a scan that takes the description's
// bytes straight from the record (descriptionBytes) instead of its text.
LogEntry logEntryWithoutDescription(const ExpenseRecord &record, int recordNumber);
LogEntry logEntryWithoutDescription(const TripRecord &record, int recordNumber);
LogEntry logEntryWithoutDescription(const GasRecord &record, int recordNumber);

// A description field's bytes as LogEntry keeps them: the blanks before and
// after the text left out.
QByteArray descriptionBytes(const char *field, qsizetype width);

// The description of an entry as text.
QString descriptionText(const LogEntry &entry);

// "yyyymmdd" of a date value as a number (20090315), -1 for a value that is
// no date. Its order is that of the text.
int dateSortNumber(double dateValue);
