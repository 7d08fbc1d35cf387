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
    explicit RideCommands(const RideWindow &rw);

    // The main window's first activation: the rides menu, then the ride
    // last viewed (or the message that no ride is on file).
    void FirstDisplay();

    RideView view;
    RidesMenu menu;
    RideEditing editing;
    RideDeletion deletion;
    RidePicture picture;

private:
    RideWindow rw;
};
