#pragma once

#include "backup/BackupManifest.h"
#include "data/FileStatus.h"

#include <QString>

// Writes a backup of the data folder `folder` into the archive `target`:
// the five data files as they are, a snapshot of Torqal.db taken through
// SQLite (never a copy of the file while it may be written), every file
// under Pictures/, and the manifest (see BackupManifest), stamped with
// Clock::now().
//
// The archive is built in memory, written beside `target` and renamed over
// it only when complete, so a failure leaves a file already at `target` as
// it was. It is then read back and its files checked against its manifest
// (BackupChecks::Files); should that fail, the file is removed, as it could
// not be restored, and the failure says why.
// A folder whose data files' journal (Torqal.jnl) is still to be put back
// is refused: its files are in the middle of a change.
// `written` receives the manifest of the archive written.
FileStatus writeBackup(const QString &folder, const QString &target, BackupManifest *written = nullptr);
