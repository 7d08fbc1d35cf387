#pragma once

#include "platform/TestSeam.h"

#include <QString>
#include <QStringList>

// The desktop's print service (CUPS), asked through its command-line client
// (lpstat, lp). Every question has a time-out: a print service that is
// stopped or frozen holds the program up for TimeoutSeconds at the most, and
// is then taken as out of reach. Nothing here shows a message.
namespace PrintQueues {

inline constexpr int TimeoutSeconds = 5;

struct Service
{
    enum class State { Ready, NoPrinter, Unreachable };
    State state = State::NoPrinter;
    // Ready: the default print queue.
    QString defaultPrinter;
};

// Whether printouts can go to a printer now, and to which.
Service query();

// Hands a PDF file to a print queue as one job with the given title, in
// collated copies, with the job options ("name=value") the user chose for
// it. Empty when the queue accepted the job; otherwise why not, as a sentence
// naming the printer.
QString submit(const QString &printer, const QString &pdfFile, const QString &title, int copies,
               const QStringList &options = {});

// What lpstat -r -d answered (in the C locale). configured tells whether
// this computer has a print service set up at all, so that a scheduler that
// is not running is told apart from none being installed.
Service serviceFromStatus(const QString &lpstatOutput, bool configured);

// The sentence for a job that lp did not hand over: its error output, or
// nothing when it did not answer in time.
QString refusal(const QString &printer, const QString &lpErrors, bool timedOut);

// Test seam: while a Script exists no client runs. query() answers service;
// submit() records every job and answers refusing (empty: accepted).
class Script : public TestSeam<Script>
{
public:
    Service service;
    QString refusing;
    // "printer|title|copies" for every job, and "|options" when it has any.
    QStringList submitted;
};

} // namespace PrintQueues
