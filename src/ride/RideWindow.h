#pragma once

#include "ride/MainWindowControls.h"
#include "ride/RideState.h"
#include "store/StoreResult.h"

class QWidget;
class QorButton;

// What the ride commands work on: the main window with its controls and the
// application state, both owned by the main window.
struct RideWindow
{
    QWidget *window;
    const MainWindowControls &ui;
    RideState &state;

    // Shows the message of a refused file operation; the command that met it
    // stops there.
    void reportFailure(const FileStatus &status) const;

    // Shows the failure or the warning that ended a command on the data
    // files; true when the command's change is made.
    bool reportOutcome(const StoreResult &result) const;

    // Stores path as the picture of ride n, the ride shown, with the busy
    // pointer; true once it is stored (see reportOutcome).
    bool storePicturePath(qint16 n, const QString &path) const;

    // The ride file's count as a read found it, as RideCount; a file that
    // could not be opened leaves RideCount as it was.
    void takeRideCount(int recordCount) const
    {
        if (recordCount >= 0)
            state.RideCount = qint16(recordCount);
    }
};

// Sets a command's hover text and redraws the command.
void SetHoverText(QorButton *button, const QString &text);
