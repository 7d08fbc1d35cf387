#pragma once

#include "Verb.h"

#include "history/CsvPresets.h"
#include "store/LogKind.h"

// `torqal-data import FOLDER --ride N --log LOG FILE [--preset NAME]
// [--dry-run]`: the rows of a CSV file as new entries of one log of ride N,
// read, checked and stored as the import window does (ImportReading,
// writeImport): one command, noted in Torqal.db so that the window's "Undo
// the last import" takes it back, after an automatic backup of the folder.
// Rows already in the log are skipped. Prints what it stores (or with
// `dryRun` would store, writing nothing), the rows left out with their lines
// and reasons, and the entries whose values look wrong.
// Refuses while Torqal (or another command that changes files) holds the
// folder's lock.
// Exit status: 0 when every row was imported (or is in the log already), 1
// when rows were left out or nothing was imported, 2 when the file, the
// folder or the ride cannot be read or the entries cannot be written (with
// one line on `errors`).
struct ImportRequest
{
    QString folder;
    int ride = 0;
    LogKind log = LogKind::Maintenance;
    QString file;
    bool dryRun = false;
    const CsvPreset *preset = nullptr; // none: the one the file's header shows
};
int importCommand(const ImportRequest &request, QTextStream &out, QTextStream &errors);

Verb importVerb();
