#pragma once

#include "data/RecordFile.h"
#include "store/LogKind.h"

// Runs body(file) with the record file of the log, made for this one command
// (closed when it ends), so that one generic piece of code serves the four
// logs and their three record types.
template<class Body>
decltype(auto) withLogFile(LogKind kind, Body &&body)
{
    switch (kind) {
    case LogKind::Maintenance: {
        RecordFile<ExpenseRecord> file(DataFileKind::Maintenance);
        return body(file);
    }
    case LogKind::Goodies: {
        RecordFile<ExpenseRecord> file(DataFileKind::Goodies);
        return body(file);
    }
    case LogKind::Trips: {
        RecordFile<TripRecord> file(DataFileKind::Trips);
        return body(file);
    }
    case LogKind::Gas:
        break;
    }
    RecordFile<GasRecord> file(DataFileKind::Gas);
    return body(file);
}
