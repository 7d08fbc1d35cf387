#include "store/LogKind.h"

bool logKindFromIndex(int index, LogKind &kind)
{
    if (index < 1 || index > 4)
        return false;
    kind = static_cast<LogKind>(index);
    return true;
}

bool logKindOfFile(DataFileKind file, LogKind &kind)
{
    for (LogKind log : AllLogKinds) {
        if (logDataFile(log) == file) {
            kind = log;
            return true;
        }
    }
    return false;
}

DataFileKind logDataFile(LogKind kind)
{
    switch (kind) {
    case LogKind::Maintenance:
        return DataFileKind::Maintenance;
    case LogKind::Goodies:
        return DataFileKind::Goodies;
    case LogKind::Trips:
        return DataFileKind::Trips;
    case LogKind::Gas:
        break;
    }
    return DataFileKind::Gas;
}
