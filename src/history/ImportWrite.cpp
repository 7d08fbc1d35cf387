#include "history/ImportWrite.h"

#include "store/EntryCommands.h"
#include "store/ReminderStore.h"

StoreResult writeImport(ReminderStore *database, LogKind kind, const CsvImport::Entries &entries)
{
    const std::vector<EntryExtras> &extras = entries.extras;
    if (extras.empty() && (!database || !database->isOpen())) {
        switch (kind) {
        case LogKind::Maintenance:
        case LogKind::Goodies:
            return Store::appendLogEntries(kind, entries.expenses);
        case LogKind::Trips:
            return Store::appendLogEntries(entries.trips);
        case LogKind::Gas:
            break;
        }
        return Store::appendLogEntries(entries.gas);
    }
    if (!database) {
        return {StoreOutcome::NothingWritten,
                FileStatus::failure(ReminderStore::FileName,
                                    QStringLiteral("The odometer readings and costs of the file are kept in %1, which cannot "
                                                   "be used now")
                                        .arg(ReminderStore::FileName))};
    }
    switch (kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        return Store::appendLogEntries(*database, kind, entries.expenses, extras);
    case LogKind::Trips:
        return Store::appendLogEntries(*database, entries.trips, extras);
    case LogKind::Gas:
        break;
    }
    return Store::appendLogEntries(*database, entries.gas, extras);
}
