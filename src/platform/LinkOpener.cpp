#include "platform/LinkOpener.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QUrl>

#include <memory>

void LinkOpener::open(const QString &target, std::function<void()> failed)
{
    if (Script *script = Script::active()) {
        script->opened.append(target);
        if (script->failing && failed)
            failed();
        return;
    }

    // Tolerant parsing keeps the %0D%0A line breaks that are already encoded
    // and encodes the blanks the address may contain.
    const QUrl url(target, QUrl::TolerantMode);
    const Program *seam = Program::active();
    const QString program = seam ? seam->program : QStringLiteral("xdg-open");

    // The process object outlives this call and goes once the opener has
    // ended; an opener still running when the program ends keeps running
    // (deleting the object would kill it), and with it what it opened.
    auto *opener = new QProcess;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    auto report = [failed = std::move(failed), started](bool ok) {
        if (Program *counting = Program::active())
            ++counting->runsEnded;
        if (!ok && failed && started->elapsed() < ReportWithinSeconds * 1000)
            failed();
    };
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, report](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         report(status == QProcess::NormalExit && exitCode == 0);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a running opener's end comes with finished()
        opener->deleteLater();
        report(false);
    });
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // An address that is no URL at all goes to the opener as it is, which
    // then refuses it.
    opener->start(program, {url.isValid() ? url.toString(QUrl::FullyEncoded) : target});
}
