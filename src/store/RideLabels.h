#pragma once

#include "data/Records.h"

#include <QString>

// The names under which a ride appears.
namespace RideLabels {

// The window's name caption: the ride's own name, or else year and make
// ("1998 Honda"; a single blank when both are empty).
QString DisplayName(const RideRecord &ride);

// The ride's item in the rides menu: the ride's own name, or else year, make
// and model ("1998 Honda Civic"; "1998 Honda " when the model is empty).
QString MenuLabel(const RideRecord &ride);

// The caption that counts the rides on file, two lines.
QString RidesOnFileCaption(int rideCount);

} // namespace RideLabels
