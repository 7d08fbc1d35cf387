#pragma once

#include "data/DataFileTable.h"
#include "data/Records.h"

#include <QFile>

#include <functional>

// Reading a data file for the data tool: read-only, never creating,
// restoring or changing a file, unlike the program's RecordFile.

// Calls f with an empty record of the file kind's record type.
template<class Function>
decltype(auto) withRecordType(DataFileKind kind, Function &&f)
{
    switch (kind) {
    case DataFileKind::Rides:
        return f(RideRecord{});
    case DataFileKind::Maintenance:
    case DataFileKind::Goodies:
        return f(ExpenseRecord{});
    case DataFileKind::Trips:
        return f(TripRecord{});
    case DataFileKind::Gas:
        break;
    }
    return f(GasRecord{});
}

// What stands at a file's name, looked at before it is opened.
enum class Presence {
    Missing,    // nothing at all: the system says there is no such file
    Present,    // something to open (a file, a link to one, or what openForReading refuses)
    BrokenLink, // a symbolic link to a file that is not there
    Unknown,    // the name cannot be looked at (a folder without permission): never taken for a missing file
};

// Looks at `path`; for a broken link or a name that cannot be looked at,
// `problem` says so in a few words, e.g. "Gas.Dat is a broken link: the file
// it leads to, /media/stick/Gas.Dat, is not there".
Presence presenceOf(const QString &path, QString &problem);

// Opens the file at `path` for reading if it is a regular file (or a link to
// one). Anything else (a folder, a FIFO, a device) is refused without waiting
// for it. On failure `problem` says why in a few words, e.g.
// "cannot open Gas.Dat: No such file or directory" or
// "Trip.Dat is a folder, not a data file".
bool openForReading(QFile &file, const QString &path, QString &problem);

// Calls visit(number, bytes) for each record the file counts (see
// recordCountForLength), the missing bytes of a cut-short last record as
// zeros. False when reading fails.
bool forEachRecord(QFile &file, int recordLength, const std::function<void(qint64 number, const char *record)> &visit);
