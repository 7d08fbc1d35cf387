#pragma once

#include "data/RecordFile.h"
#include "ride/MainWindowControls.h"
#include "ride/RideState.h"

class QWidget;
class QorButton;

// What the ride commands work on: the main window with its controls, the
// application state and the data files, all owned by the main window.
struct RideWindow
{
    QWidget *window;
    const MainWindowControls &ui;
    RideState &state;
    DataFiles &files;

    // Shows the message of a refused file operation; the command that met it
    // stops there.
    void reportFailure(const FileStatus &status) const;

    // Reads ride n, stores path as its picture path and writes it back,
    // with the busy pointer. The ride buffer holds the ride afterwards.
    FileStatus writePicturePath(qint16 n, const QString &path) const;

    // The ride file's count after its last open or close, as RideCount.
    void takeRideCount() const { state.RideCount = files.rides.count(); }
};

// Sets a command's hover text and redraws the command.
void SetHoverText(QorButton *button, const QString &text);
