#pragma once

#include "data/Records.h"
#include "model/ShownRide.h"

// The ride record as the main window shows it, for the printouts, the
// history window and `torqal-data history`: its display name, the heading of
// its printouts, the fields from "Style" to "Key Code#" with their captions
// and box texts, the notes with their caption, and its picture file
// (PicturePaths::pictureFile of the stored path, read against the working
// folder).
ShownRide ShownRideOf(const RideRecord &ride);
