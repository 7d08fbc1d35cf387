#pragma once

#include "data/FileStatus.h"

#include <QStringList>

#include <span>

class QSqlDatabase;

// The layout of the reminders database and how an older file is brought up
// to date. The file's schema version is SQLite's `PRAGMA user_version`: 0 for
// a new, empty file, then the version of the last migration run on it.
namespace ReminderSchema {

// The statements that bring a file from version `version - 1` to `version`.
struct Migration
{
    int version;
    QStringList statements;
};

// Every migration from the first version on, in order. A new version of the
// layout is a new entry at the end; entries once released never change.
std::span<const Migration> migrations();

// The schema version of the open database, or a failure naming fileName
// (a file that is no database, or that is locked, fails here).
FileStatus readVersion(QSqlDatabase &database, const QString &fileName, int &version);

// Whether the open database holds any table. A file of version 0 that does
// was not made by this program, whose files hold none before their first
// migration.
FileStatus holdsTables(QSqlDatabase &database, const QString &fileName, bool &holds);

// Whether the file has the table `name`. An addition's table is missing
// from a file that only an older Torqal wrote, read by a program that may
// not write: its rows are then none.
FileStatus holdsTable(QSqlDatabase &database, const QString &fileName, const QString &name, bool &holds);

// An addition to the layout that an older program can ignore: tables of its
// own. Additions come without a new version of the layout (a version an
// older Torqal does not know makes it refuse the whole file, its reminders
// with it): the numbers of the additions a file has had are kept in its
// table layout_addition instead. A new addition is a new entry at the end;
// entries once released never change. Its statements make only what is
// missing (IF NOT EXISTS), so that a file that lost its numbers is mended.
struct Addition
{
    int number;
    QStringList statements;
};

// Every addition, in order: 1, the changes of the data files that are
// finished (WriteJournal::decideBy) and the rides being deleted, whose
// reminders go once the ride is gone from the ride file; 2, the values of
// log entries that the data files cannot hold (EntryExtrasTable); 3, the
// units of each ride (RideExtrasTable); 4, the program's settings kept with
// its data, the currency (ProgramSettingsTable); 5, the last import into
// each log (ImportNoteTable).
std::span<const Addition> additions();

// Runs the additions the file has not had, each in a transaction of its own
// together with its number, so that one cut short or refused leaves the file
// as it was after the one before. For a file that has a layout.
FileStatus addTables(QSqlDatabase &database, const QString &fileName, std::span<const Addition> steps = additions());

// Runs the migrations the database has not had yet, each in a transaction of
// its own together with the version it reaches, so that an interrupted or
// refused step leaves the file as it was after the step before. A file of a
// version later than the last migration is refused (a later program wrote
// it) and left as it is.
FileStatus migrate(QSqlDatabase &database, const QString &fileName, std::span<const Migration> steps);

} // namespace ReminderSchema
