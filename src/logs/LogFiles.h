#pragma once

#include "data/RecordFile.h"
#include "logs/LogKind.h"

// Runs body(file) with the record file of the log, so that one generic piece
// of code serves the four logs and their three record types.
template<class Body>
decltype(auto) withLogFile(DataFiles &files, LogKind kind, Body &&body)
{
    switch (kind) {
    case LogKind::Maintenance:
        return body(files.maintenance);
    case LogKind::Goodies:
        return body(files.goodies);
    case LogKind::Trips:
        return body(files.trips);
    case LogKind::Gas:
        break;
    }
    return body(files.gas);
}
