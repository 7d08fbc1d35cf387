#pragma once

#include "data/DataFileTable.h"

#include <array>

// The four logs of a ride. The numbers are the ones the windows use: the
// index of the list grid(k), of the notes box txtField(k + 27) and of the tab
// k + 2 of the main window.
enum class LogKind { Maintenance = 1, Goodies = 2, Trips = 3, Gas = 4 };

inline constexpr std::array<LogKind, 4> AllLogKinds = {LogKind::Maintenance, LogKind::Goodies, LogKind::Trips,
                                                       LogKind::Gas};

inline int logIndex(LogKind kind) { return static_cast<int>(kind); }

// The log of a number 1 to 4; false for any other number.
bool logKindFromIndex(int index, LogKind &kind);

// The data file that holds the log's entries.
DataFileKind logDataFile(LogKind kind);
// The log whose entries the file holds; false for the ride file.
bool logKindOfFile(DataFileKind file, LogKind &kind);
