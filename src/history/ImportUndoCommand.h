#pragma once

class QWidget;
class ReminderStore;

// "Undo the last import" of a ride, as the history window offers it beside
// its import: the entries the ride's last import added to one of its logs
// are removed again, with their extras, once the user agrees, and only
// while that log is unchanged since (see Store::lastImport).
namespace ImportUndoCommand {

// Whether the ride has an import to take back; never without Torqal.db,
// which remembers the imports.
bool offered(const ReminderStore *database, double rideKey);

// Asks "Remove the N entries imported on <date> from the <log> log?" and
// removes them, telling why when that fails. True when entries went.
bool run(QWidget *parent, ReminderStore &database, double rideKey);

} // namespace ImportUndoCommand
