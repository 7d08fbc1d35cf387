#pragma once

#include "store/ReminderStore.h"

#include <memory>

class QWidget;

// The reminders of the program's run: the database Torqal.db in the data
// folder, opened at its first use and kept open until the program ends.
// Should the file be unusable (damaged, locked by another program, written by
// a later version, or Qt's SQLite driver missing), the user is told once,
// naming the file, and the program goes on without reminders; the file is
// left as it is.
class ReminderService
{
public:
    explicit ReminderService(QString path) : m_path(std::move(path)) {}

    // The store, or null when the file cannot be used; the first time that is
    // so, a message over parent says why.
    ReminderStore *store(QWidget *parent);

    // The store if it has been opened and can be used; null otherwise (it is
    // not opened here).
    ReminderStore *openedStore() const { return m_store && m_store->isOpen() ? m_store.get() : nullptr; }

    // Tells the user that an operation on the reminders failed.
    static void report(QWidget *parent, const FileStatus &status);

private:
    QString m_path;
    std::unique_ptr<ReminderStore> m_store;
};
