#pragma once

#include "history/CsvImport.h"
#include "store/StoreResult.h"

class ReminderStore;

// Stores the entries read from a CSV file at the end of their log, as one
// command: every entry with its extras, or none (see
// Store::appendLogEntries). Through Torqal.db whenever it is open, which notes
// the import so that "Undo the last import" can take it back; entries with
// extras are refused, writing nothing, without it.
StoreResult writeImport(ReminderStore *database, LogKind kind, const CsvImport::Entries &entries);
