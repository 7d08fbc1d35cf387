#pragma once

#include "Verb.h"

#include <QDate>

// `torqal-data due [--within DAYS] [FOLDER]`: the reminders of the folder's
// rides that are overdue, or due within DAYS days (30 unless given) or 500
// miles, as CSV: a header row, then one row per reminder with the ride, the
// description, the due date (yyyy-mm-dd), the due miles and the standing
// ("overdue by 3 days", "due in 12 days / 340 miles"), ride by ride in the
// order of the ride file. Reminders of rides no longer on file are left out
// (`check` reports them).
// Returns the exit code: 0 whether or not anything is due, so that a
// scheduled job can mail the output; 2 when the folder, a data file or the
// reminders database cannot be read (with one line on `errors`).
int dueCommand(const QString &folder, int withinDays, QDate today, QTextStream &out, QTextStream &errors);

Verb dueVerb();
