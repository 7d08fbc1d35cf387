#include "ReminderReading.h"

#include "RecordReader.h"

#include "store/ReminderStore.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

namespace {

const QString JournalSuffix = QStringLiteral("-journal");

ReminderReading readStore(const ReminderStore &store)
{
    using Verdict = ReminderReading::Verdict;
    ReminderReading reading;
    if (store.problem() != ReminderStore::Problem::None) {
        reading.verdict = store.problem() == ReminderStore::Problem::Damaged ? Verdict::Damaged : Verdict::CannotRead;
        reading.problem = store.status().message();
        return reading;
    }
    const FileStatus status = store.allReminders(reading.reminders);
    reading.verdict = status ? Verdict::Read : Verdict::CannotRead;
    reading.problem = status.message();
    // A file that no Torqal with ride deletions noted in it wrote has none.
    (void)store.ridesBeingDeleted(reading.ridesBeingDeleted);
    // Nor has one that no Torqal with entry values wrote.
    (void)store.read([&](QSqlDatabase &database) {
        return EntryExtrasTable::readAll(database, store.path(), reading.entryExtras);
    });
    (void)store.read([&](QSqlDatabase &database) {
        return RideExtrasTable::readAll(database, store.path(), reading.rideExtras);
    });
    return reading;
}

// Reads the database at `path` through a copy of it and its journal, in
// which SQLite undoes the change cut short.
ReminderReading readRolledBack(const QString &path)
{
    ReminderReading reading;
    reading.verdict = ReminderReading::Verdict::CannotRead;
    QTemporaryDir folder;
    const QString copy = folder.filePath(ReminderStore::FileName);
    // The journal first: should Torqal undo the change meanwhile, the copy of
    // the file is then undone already, and undoing it again changes nothing.
    for (const QString &suffix : {JournalSuffix, QString()}) {
        QFile::remove(copy + suffix);
        QFile original(path + suffix);
        if (!folder.isValid() || !original.copy(copy + suffix)) {
            reading.problem = QStringLiteral("Could not read %1: a change to it was cut short, and it could not be copied "
                                             "to read it as it was before the change (%2)")
                                  .arg(path, folder.isValid() ? original.errorString() : folder.errorString());
            return reading;
        }
        QFile::setPermissions(copy + suffix, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    { const ReminderStore undo(copy); } // opening it to write undoes the change in the copy
    reading = readStore(ReminderStore(copy, ReminderStore::Access::ReadOnly));
    reading.changeCutShort = true;
    reading.problem.replace(copy, path);
    return reading;
}

} // namespace

ReminderReading readReminders(const QDir &folder)
{
    const QString path = folder.filePath(ReminderStore::FileName);
    ReminderReading reading;
    switch (presenceOf(path, reading.problem)) {
    case Presence::Missing:
        return reading;
    case Presence::BrokenLink:
        reading.verdict = ReminderReading::Verdict::Damaged;
        return reading;
    case Presence::Unknown:
        reading.verdict = ReminderReading::Verdict::CannotRead;
        return reading;
    case Presence::Present:
        break;
    }
    const ReminderStore store(path, ReminderStore::Access::ReadOnly);
    if (store.problem() == ReminderStore::Problem::ChangeCutShort)
        return readRolledBack(path);
    return readStore(store);
}
