#pragma once

#include "Verb.h"

// `torqal-data history FOLDER RIDE FILE.pdf`: the full history of ride number
// RIDE (its record in the folder's Torqal.Dat) as the history window saves
// it, drawn without a display. Only reads the data files.
// Exit status: 0 when the PDF is written, 2 when the folder, the ride or the
// PDF file cannot be read or written (with one line on `errors`).
int historyCommand(const QString &folder, int ride, const QString &pdfPath, QTextStream &out, QTextStream &errors);

Verb historyVerb();

// The ride number given on a command line (1 for the first ride of
// Torqal.Dat); nothing, with one line on `errors`, for anything else.
std::optional<int> rideNumberOf(const QString &text, QTextStream &errors);

// Makes `folder` the working folder, in which the data files are named;
// false, with one line on `errors`, when it cannot be.
bool enterDataFolder(const QString &folder, QTextStream &errors);
