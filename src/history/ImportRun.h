#pragma once

#include "history/ImportReading.h"
#include "store/StoreResult.h"

#include <QDate>
#include <QFutureWatcher>
#include <QLocale>
#include <QObject>

#include <memory>

// The import window's reading and writing, each on a worker thread so that
// the window keeps answering while 32,767 rows are read or written.
//
// What the worker relies on is handed to it by value: the file's bytes, the
// choices, the day, the locale. It opens its own connection to Torqal.db
// (a connection belongs to the thread that made it) and reads and writes the
// data files of the working folder, which the program never changes while it
// runs. The window starts at most one writing, and none while reading:
// nothing else writes while it runs.
//
// A reading superseded by a newer one, or stopped, goes on to its end on its
// thread, but its outcome is never reported: the window never shows a
// reading of options it no longer has. A writing is one store command and is
// never stopped part way: it is reported when it ends.
class ImportRun : public QObject
{
    Q_OBJECT

public:
    using Outcome = std::shared_ptr<const ImportReading::Outcome>;

    struct Reading
    {
        QByteArray bytes;
        ImportReading::Choices choices;
        ImportReading::Ride ride;
        QString databasePath; // empty: no Torqal.db to look for extras in
        QDate today;
        QLocale locale;
    };

    using QObject::QObject;

    void read(Reading reading);
    // The reading running is forgotten.
    void stopReading();
    // Appends the entries to their log (see writeImport), through the
    // database at `databasePath` unless it is empty.
    void write(const QString &databasePath, LogKind kind, CsvImport::Entries entries);

    bool reading() const { return reading_ != nullptr; }
    bool writing() const { return writing_ != nullptr; }

signals:
    void outcomeRead(ImportRun::Outcome outcome);
    void written(StoreResult result);

private:
    QFutureWatcher<Outcome> *reading_ = nullptr;
    QFutureWatcher<StoreResult> *writing_ = nullptr;
};
