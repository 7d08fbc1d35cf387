#pragma once

#include "ride/RideWindow.h"

#include <QObject>

#include <functional>

// The main window's "Back up..." and "Restore..." commands.
//
// Back up writes the data folder into one archive the user names (see
// BackupWrite). Restore opens an archive, checks it whole and shows what it
// holds (RestorePreview) before anything changes; on the user's word the
// folder's files are first kept as an automatic backup, then replaced all
// together (see Restore::overFolder), and the window shows the restored rides.
class MainWindowBackups : public QObject
{
    Q_OBJECT

public:
    // `release` lets go of what the program keeps open in the data folder
    // (Torqal.db) before a restore swaps its files; `reload` shows the rides
    // as restored (or as they are, when the restore did not go ahead).
    MainWindowBackups(const RideWindow &rw, std::function<void()> release, std::function<void()> reload);

    void BackUp();
    void RestoreFromFile();

private:
    RideWindow rw;
    std::function<void()> m_release;
    std::function<void()> m_reload;
};
