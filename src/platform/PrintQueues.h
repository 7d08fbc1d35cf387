#pragma once

#include "platform/TestSeam.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>

class QProcess;

// The desktop's print service (CUPS), asked through its command-line client
// (lpstat, lp). Nothing here shows a message.
//
// A question about the printers has a time-out: a print service that is
// stopped or frozen holds the asker up for TimeoutSeconds at the most, and is
// then taken as out of reach. A print job is handed over without waiting
// (Submission): its answer comes later, from the event loop.
namespace PrintQueues {

inline constexpr int TimeoutSeconds = 5;
// How long a print job's hand-over may take before it is given up.
inline constexpr int HandOverSeconds = 30;

struct Service
{
    enum class State { Ready, NoPrinter, Unreachable };
    State state = State::NoPrinter;
    // Ready: the default print queue.
    QString defaultPrinter;
};

// Whether printouts can go to a printer now, and to which.
Service query();

// What lpstat -r -d answered (in the C locale). configured tells whether
// this computer has a print service set up at all, so that a scheduler that
// is not running is told apart from none being installed.
Service serviceFromStatus(const QString &lpstatOutput, bool configured);

// The sentence for a job that lp did not hand over, from its error output.
QString refusal(const QString &printer, const QString &lpErrors);

// How the hand-over of a print job ended. Only Refused is sure to have
// printed nothing: the print queue said no, or lp could not be run at all.
// A job NotConfirmed may be in the queue all the same: lp did not answer in
// time, was stopped, or ended without an answer.
enum class Answer { Accepted, Refused, NotConfirmed };

// One print job, a PDF file handed to a print queue with the given title, in
// collated copies, with the job options ("name=value") the user chose for it.
// The hand-over starts with the object and answers once, through answered(),
// never before the constructor has returned. Destroying the object before
// the answer stops lp.
class Submission : public QObject
{
    Q_OBJECT

public:
    Submission(const QString &printer, const QString &pdfFile, const QString &title, int copies,
               const QStringList &options, QObject *parent = nullptr);
    ~Submission() override;

    // Stops waiting for the answer: the job is NotConfirmed at once.
    void cancel();

signals:
    // why: for a job not accepted, a sentence naming the printer.
    void answered(PrintQueues::Answer answer, const QString &why);

private:
    void answer(Answer answer, const QString &why);
    void clientEnded(int exitCode, bool normalExit);
    // Stops a client still running; its process is reaped once it has gone.
    void releaseClient();

    QString printer;
    QProcess *client = nullptr;
    QTimer patience;
    bool done = false;
};

// Test seam: while a Script exists no client runs. query() answers service;
// every Submission is recorded and answered with refusing (empty: accepted),
// or, while silent, not at all.
class Script : public TestSeam<Script>
{
public:
    Service service;
    QString refusing;
    bool silent = false;
    // "printer|title|copies" for every job, and "|options" when it has any.
    QStringList submitted;
};

// Test seam: jobs are handed to this program in place of lp, which is given
// up after patience.
class Client : public TestSeam<Client>
{
public:
    explicit Client(QString path, std::chrono::milliseconds waitFor = std::chrono::seconds(HandOverSeconds))
        : program(std::move(path)), patience(waitFor)
    {
    }

    QString program;
    std::chrono::milliseconds patience;
};

} // namespace PrintQueues
