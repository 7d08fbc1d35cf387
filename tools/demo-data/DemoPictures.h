#pragma once

#include "DemoRides.h"

#include <QImage>

// The demo rides' pictures: a side view of the ride in silhouette against a
// sky and a landscape, painted here so that the demo needs no picture files.
constexpr int DemoPictureWidth = 640;
constexpr int DemoPictureHeight = 400;

QImage paintDemoPicture(DemoPicture picture);
