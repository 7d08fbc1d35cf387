#pragma once

#include "data/FileStatus.h"
#include "data/RecordFile.h"
#include "logs/LogKind.h"

// Removes record `recordNumber` from the log's file: marks it deleted, then
// compacts the file, which drops every marked record of every ride and keeps
// the others in their order (record numbers after it drop by one). When no
// record is left the file is removed. If the compaction fails, the mark is
// taken off again, so the file holds what it held before; the failure names
// the file.
FileStatus deleteLogRecord(DataFiles &files, LogKind kind, int recordNumber);
