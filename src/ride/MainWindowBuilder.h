#pragma once

#include "ride/MainWindowControls.h"

#include <QSize>

class QWidget;
struct RideModel;

// Creates the controls of the main window inside window, laid out in the
// window's design, and returns them by name. Every field box starts locked
// and in the view colours; the commands carry their stored layouts but no
// hover texts yet (the window sets those when it first becomes active).
// The ride's pages "Bought/Sold" and "Misc Info/Notes" and the four log
// pages are there with their captions and background but empty, so that the
// window comes on screen sooner: BuildRidePages and BuildLogPages make their
// controls.
MainWindowControls BuildMainWindow(QWidget *window);

// Makes the field pairs of the ride's pages "Bought/Sold" and "Misc
// Info/Notes" (fields 8 to 27), locked and in the view colours, in the
// design and Tab order they always have. Once only, after BuildMainWindow.
void BuildRidePages(MainWindowControls &controls);

// Makes the controls of the four log pages into controls, in the design and
// Tab order they always have, their commands with their stored layouts, each
// list showing its log of `shown`. Once only, after BuildMainWindow.
void BuildLogPages(MainWindowControls &controls, RideModel &shown);

// The least size the main window's content takes; a smaller window scrolls
// its content.
QSize MainWindowContentSize(const QWidget *window);
