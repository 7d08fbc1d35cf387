#pragma once

#include "platform/PrintQueues.h"
#include "print/PrintDevice.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// How the hand-over of a print run's queue jobs ended.
struct HandoverResult
{
    // Accepted: every job is in its print queue. Otherwise the hand-over
    // stopped at the job stoppedAt, for the reason why, a sentence.
    PrintQueues::Answer answer = PrintQueues::Answer::Accepted;
    QString why;
    QueueJob stoppedAt;
    // The printouts the print queues took, and those after stoppedAt that
    // were not handed over.
    QStringList printed;
    QStringList notSent;
};

// Hands the jobs to their print queues one after another and stops at the
// first one that is refused or not confirmed, so that a printout is never
// sent twice by guesswork. The window is never frozen meanwhile, and takes no
// input: it shows the busy pointer, and when the print service is slow to
// answer, a window over it says what is waited for, with Cancel (which stops
// waiting: that job is not confirmed). ended runs from the event loop when
// the hand-over is over, as the window takes input again and before any input
// reaches it; not at all when the window is destroyed first.
void HandOver(QList<QueueJob> jobs, QWidget *window, std::function<void(const HandoverResult &)> ended);
