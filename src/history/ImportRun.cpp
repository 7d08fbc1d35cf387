#include "history/ImportRun.h"

#include "history/ImportWrite.h"
#include "store/ReminderStore.h"

#include <QPromise>
#include <QThreadPool>

namespace {

// `work()` on a thread of the pool; its result in the future.
template<class Result, class Work>
QFuture<Result> onWorker(Work work)
{
    auto promise = std::make_shared<QPromise<Result>>();
    QFuture<Result> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, work = std::move(work)]() mutable {
        promise->addResult(work());
        promise->finish();
    });
    return future;
}

// Watches `future` from the GUI thread: `done(result)` when it ends, unless
// the watcher has been forgotten (set to another) by then.
template<class Result, class Done>
QFutureWatcher<Result> *watch(QObject *owner, QFutureWatcher<Result> *&current, QFuture<Result> future, Done done)
{
    auto *watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcherBase::finished, owner, [watcher, &current, done] {
        watcher->deleteLater();
        if (current != watcher)
            return;
        current = nullptr;
        done(watcher->result());
    });
    watcher->setFuture(std::move(future));
    return watcher;
}

} // namespace

void ImportRun::read(Reading reading)
{
    QFuture<Outcome> future = onWorker<Outcome>([reading = std::move(reading)] {
        std::unique_ptr<ReminderStore> database;
        if (!reading.databasePath.isEmpty())
            database = std::make_unique<ReminderStore>(reading.databasePath, ReminderStore::Access::ReadOnly);
        return std::make_shared<const ImportReading::Outcome>(
            ImportReading::read(reading.bytes, reading.choices, reading.ride,
                                ImportReading::knownIn(database.get(), reading.ride.key), reading.today, reading.locale));
    });
    reading_ = watch(this, reading_, std::move(future), [this](const Outcome &outcome) { emit outcomeRead(outcome); });
}

void ImportRun::stopReading()
{
    reading_ = nullptr;
}

void ImportRun::write(const QString &databasePath, LogKind kind, CsvImport::Entries entries)
{
    QFuture<StoreResult> future = onWorker<StoreResult>([databasePath, kind, entries = std::move(entries)] {
        std::unique_ptr<ReminderStore> database;
        if (!databasePath.isEmpty())
            database = std::make_unique<ReminderStore>(databasePath);
        return writeImport(database.get(), kind, entries);
    });
    writing_ = watch(this, writing_, std::move(future), [this](const StoreResult &result) { emit written(result); });
}
