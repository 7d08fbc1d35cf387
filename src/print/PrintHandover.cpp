#include "print/PrintHandover.h"

#include "platform/BusyPointer.h"
#include "platform/Identity.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <optional>

namespace {

// A print service that answers at once is waited for behind the busy pointer
// only; after this the wait window offers Cancel.
constexpr std::chrono::milliseconds WaitWindowAfter(500);

// Says which printout waits for which printer. Cancel, Esc and the close box
// ask to stop waiting; the window stays until the hand-over is over, so that
// the window under it takes no input in between.
class WaitWindow : public QDialog
{
public:
    WaitWindow(QWidget *window, std::function<void()> cancelled)
        : QDialog(window)
        , text(new QLabel(this))
        , cancel(std::move(cancelled))
    {
        setObjectName(QStringLiteral("PrintWait"));
        setWindowTitle(ApplicationTitle);
        text->setWordWrap(true);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::rejected, this, &WaitWindow::reject);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(text);
        layout->addWidget(buttons);
        setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    }

    void showWaitingFor(const QueueJob &job)
    {
        text->setText(QStringLiteral("Waiting for the printer \"%1\" to take the printout \"%2\"...\n\n"
                                     "Cancel stops waiting; the printout may still come out.")
                          .arg(job.printer, job.title));
    }

    void reject() override { cancel(); }

private:
    QLabel *text;
    std::function<void()> cancel;
};

class Handover : public QObject
{
public:
    Handover(QList<QueueJob> queueJobs, QWidget *busyWindow, std::function<void(const HandoverResult &)> whenEnded)
        : QObject(busyWindow)
        , jobs(std::move(queueJobs))
        , window(busyWindow)
        , ended(std::move(whenEnded))
    {
        busy.emplace(window);
        waitWindowTimer.setSingleShot(true);
        connect(&waitWindowTimer, &QTimer::timeout, this, &Handover::showWaitWindow);
        waitWindowTimer.start(WaitWindowAfter);
        next();
    }

private:
    const QueueJob &current() const { return jobs.at(index); }

    void next()
    {
        if (index == jobs.size()) {
            finish();
            return;
        }
        const QueueJob &job = current();
        submission = new PrintQueues::Submission(job.printer, job.pdfFile, job.title, job.copies, job.options, this);
        connect(submission, &PrintQueues::Submission::answered, this, &Handover::answered);
        if (waitWindow)
            waitWindow->showWaitingFor(job);
    }

    void answered(PrintQueues::Answer answer, const QString &why)
    {
        if (answer == PrintQueues::Answer::Accepted) {
            result.printed.append(current().title);
            ++index;
            next();
            return;
        }
        result.answer = answer;
        result.why = why;
        result.stoppedAt = current();
        for (qsizetype later = index + 1; later < jobs.size(); ++later)
            result.notSent.append(jobs.at(later).title);
        finish();
    }

    // The window's input goes to the wait window from now on.
    void showWaitWindow()
    {
        busy.reset();
        waitWindow = new WaitWindow(window, [this] {
            if (submission)
                submission->cancel();
        });
        waitWindow->showWaitingFor(current());
        waitWindow->show();
    }

    // Runs from the event loop, not from within the answer or the Cancel that
    // ended the hand-over, so that what ended does (a message box) cannot
    // nest in them.
    void finish()
    {
        waitWindowTimer.stop();
        QMetaObject::invokeMethod(
            this,
            [this] {
                busy.reset();
                delete waitWindow;
                deleteLater();
                // This object goes with its window, which may close while
                // whenEnded shows its message: it works on copies.
                const std::function<void(const HandoverResult &)> whenEnded = std::move(ended);
                const HandoverResult outcome = result;
                whenEnded(outcome);
            },
            Qt::QueuedConnection);
    }

    QList<QueueJob> jobs;
    QPointer<QWidget> window;
    std::function<void(const HandoverResult &)> ended;
    std::optional<BusyPointer> busy;
    QTimer waitWindowTimer;
    QPointer<WaitWindow> waitWindow;
    QPointer<PrintQueues::Submission> submission;
    qsizetype index = 0;
    HandoverResult result;
};

} // namespace

void HandOver(QList<QueueJob> jobs, QWidget *window, std::function<void(const HandoverResult &)> ended)
{
    new Handover(std::move(jobs), window, std::move(ended));
}
