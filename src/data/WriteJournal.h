#pragma once

#include "data/FileStatus.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class RecordFileBase;

// A command's way back to the data files as they were before it.
//
// Before a command writes into the data files, it notes how to put back
// every byte it is about to change: the length of each file it appends to,
// and the present bytes of each record it writes over or cuts off. begin() writes that
// down in the journal file Torqal.jnl and flushes it to disk; only then does
// the command write. commit() flushes the data files and removes the
// journal: that removal is the moment the command is done.
//
// What is on disk after a kill or power cut at any moment:
// - before the journal is whole on disk: the data files are untouched (a
//   journal cut short fails its checksum and is thrown away);
// - from then until the journal is removed: the files hold the command in
//   part or whole, and the journal puts them back as they were before it
//   at the next start, or before the next command (RollBackPending);
// - once it is removed: the command is done.
// A command whose write fails puts the files back at once (rollBack); should
// that fail as well, the journal stays where it is, and the putting back is
// tried again at the next start and before every later command, which waits
// for it.
//
// A journal is put back only when each of its files is as the command could
// have left it (its length between the old and the new one, each record
// written over holding old or new bytes, each one cut off holding its old
// bytes as far as the file still reaches). Otherwise a program that does not
// know the journal has changed the files since, and putting bytes back would
// damage its work: the journal is then set aside as "Torqal-<n>.jnl" and the
// files are left as they are.
class WriteJournal
{
public:
    static inline const QString FileName = QStringLiteral("Torqal.jnl");

    WriteJournal() = default;
    ~WriteJournal();
    WriteJournal(const WriteJournal &) = delete;
    WriteJournal &operator=(const WriteJournal &) = delete;

    // Notes that `records` records are about to be appended to the open
    // file: putting back cuts the file to its present length.
    FileStatus noteAppend(RecordFileBase &file, int records);
    // Notes that record `number` of the open file is about to be written
    // over with `newBytes` (recordLength() bytes).
    FileStatus noteOverwrite(RecordFileBase &file, int number, const char *newBytes);
    // Notes that the last `records` records of the open file are about to be
    // cut off its end: putting back writes their bytes back after the rest.
    FileStatus noteCut(RecordFileBase &file, int records);

    // A change that writes a second store as well (Torqal.db) counts as done
    // once that store holds `changeId`, written there in the same transaction
    // as its own part. Then a journal found at start is put back only when
    // the store does not hold the id (see JournalRecovery).
    void decideBy(quint64 changeId) { m_decidedBy = changeId; }

    // Writes the journal and flushes it to disk. Refused, with nothing
    // written, while another journal is pending.
    FileStatus begin();
    // Flushes the files noted, which are still open, to disk.
    FileStatus flushFiles();
    // Removes the journal: the change is done. `warning` as in commit().
    FileStatus finish(FileStatus &warning);
    // The command's writes are made: flushes the files noted (which are
    // still open) and removes the journal. Should either fail, the command
    // is not done: put the files back (rollBack). `warning` receives a
    // failure to flush the folder after the removal: the command is done,
    // but a power cut could still undo it.
    FileStatus commit(FileStatus &warning);
    // Puts the files back as they were before the command and removes the
    // journal; the journal stays when that fails.
    FileStatus rollBack();

private:
    struct Overwrite
    {
        qint64 offset;
        QByteArray oldBytes;
        QByteArray newBytes;
    };
    struct Note
    {
        QString fileName;
        qint64 oldLength;
        qint64 newLength;
        QList<Overwrite> overwrites;
    };
    Note &noteOf(RecordFileBase &file, FileStatus &status);

    friend class JournalFile;
    quint64 m_decidedBy = 0;
    QList<Note> m_notes;
    QList<RecordFileBase *> m_files;
    bool m_begun = false;
};

namespace JournalRecovery {

struct Outcome
{
    // Completed: the change was done (its second store holds it); only the
    // journal was left to remove.
    enum class Kind { Nothing, RolledBack, Completed, SetAside };
    Kind kind = Kind::Nothing;
    QString setAsideAs; // the name a journal was set aside under
};

// Tells whether the change `changeId` is done, for a journal decided by a
// second store (see WriteJournal::decideBy); a failure when the store
// cannot tell.
using Decider = std::function<FileStatus(quint64 changeId, bool &done)>;

// Puts back a journal left in the working folder by a command that was cut
// short (see WriteJournal), or only removes it when its decider says the
// change is done. A journal decided by a second store is left alone (a
// failure says so) when no decider is given. An error along the way changes
// nothing more, is reported, and the journal stays for the next try.
FileStatus rollBackPending(Outcome *outcome = nullptr, const Decider &decider = {});

// Whether a journal is waiting to be put back.
bool isPending();

} // namespace JournalRecovery
