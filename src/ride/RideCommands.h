#pragma once

#include "ride/RideDeletion.h"
#include "ride/RideEditing.h"
#include "ride/RidePicture.h"
#include "ride/RideView.h"
#include "ride/RidesMenu.h"

// The main window's ride management: the view of the ride shown, the rides
// menu, adding and editing, deletion and the picture commands, each wired to
// its commands.
class RideCommands
{
public:
    // controls are rw's controls, which the view completes (RideView).
    RideCommands(const RideWindow &rw, MainWindowControls &controls);

    // The main window's first activation: the rides menu, then the ride
    // last viewed, or the empty view when no ride is on file.
    void FirstDisplay();
    // With no ride on file, the message that points at the add command; told
    // once the main window is on screen, so that the user sees that command.
    void TellWhenNoRides();

    RideView view;
    RidesMenu menu;
    RideEditing editing;
    RideDeletion deletion;
    RidePicture picture;

private:
    RideWindow rw;
};
