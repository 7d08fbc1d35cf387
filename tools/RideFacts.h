#pragma once

#include "model/LogTotals.h"

#include <QDir>
#include <QString>

#include <map>

// What the data tool knows of each ride on file for its reminders: the name
// under which the program lists it and its miles, as the program counts them
// (the totals of its gasoline log, see LogTotals). Rides marked deleted are
// left out.
struct RideFact
{
    int order = 0; // its place in Torqal.Dat
    QString label; // its own name, or else year, make and model
    LogTotals gas;

    qint64 miles() const { return gas.miles; }
};

using RideFacts = std::map<double, RideFact>;

// Reads Torqal.Dat and Gas.Dat of the folder (a missing file holds nothing).
// False, with `error` naming the file, when one cannot be read (a broken
// link, or a folder that does not let it be looked at, among others).
bool readRideFacts(const QDir &folder, RideFacts &facts, QString &error);
