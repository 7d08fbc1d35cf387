#include "platform/PrintQueues.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <utility>

namespace PrintQueues {

namespace {

struct Reply
{
    bool started = false;
    bool timedOut = false;
    bool succeeded = false;
    QString output;
    QString errors;
};

Reply ask(const QString &program, const QStringList &arguments)
{
    QProcess client;
    // The answers are read in the words the client uses untranslated.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    client.setProcessEnvironment(environment);
    client.start(program, arguments);
    Reply answer;
    answer.started = client.waitForStarted(TimeoutSeconds * 1000);
    if (!answer.started)
        return answer;
    if (!client.waitForFinished(TimeoutSeconds * 1000)) {
        answer.timedOut = true;
        client.kill();
        client.waitForFinished(1000);
        return answer;
    }
    answer.succeeded = client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
    answer.output = QString::fromLocal8Bit(client.readAllStandardOutput());
    answer.errors = QString::fromLocal8Bit(client.readAllStandardError());
    return answer;
}

// A print service is set up here when it has kept print queues, or when the
// user points the client at a print server.
bool printServiceConfigured()
{
    return QFileInfo::exists(QStringLiteral("/etc/cups/printers.conf"))
           || QFileInfo::exists(QStringLiteral("/etc/cups/client.conf"))
           || !qEnvironmentVariableIsEmpty("CUPS_SERVER");
}

} // namespace

Service serviceFromStatus(const QString &lpstatOutput, bool configured)
{
    const Service outOfReach{configured ? Service::State::Unreachable : Service::State::NoPrinter, {}};
    if (lpstatOutput.contains(QStringLiteral("scheduler is not running")))
        return outOfReach;
    if (!lpstatOutput.contains(QStringLiteral("scheduler is running")))
        return outOfReach;
    static const QRegularExpression defaultLine(QStringLiteral("^system default destination: (\\S+)"),
                                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = defaultLine.match(lpstatOutput);
    if (!match.hasMatch())
        return {};
    return {Service::State::Ready, match.captured(1)};
}

QString refusal(const QString &printer, const QString &lpErrors)
{
    QString why = lpErrors.trimmed();
    why.remove(QRegularExpression(QStringLiteral("^(\\S*/)?lp: (Error - )?")));
    if (why.isEmpty())
        why = QStringLiteral("The print service gave no reason.");
    else if (!why.endsWith(u'.'))
        why += u'.';
    return QStringLiteral("The printer \"%1\" did not accept the printout: %2").arg(printer, why);
}

Service query()
{
    if (Script *script = Script::active())
        return script->service;
    const Reply answer = ask(QStringLiteral("lpstat"), {QStringLiteral("-r"), QStringLiteral("-d")});
    if (!answer.started)
        return {}; // no print service installed
    if (answer.timedOut)
        return {Service::State::Unreachable, {}};
    return serviceFromStatus(answer.output + answer.errors, printServiceConfigured());
}

Submission::Submission(const QString &queue, const QString &pdfFile, const QString &title, int copies,
                       const QStringList &options, QObject *parent)
    : QObject(parent)
    , printer(queue)
{
    patience.setSingleShot(true);
    connect(&patience, &QTimer::timeout, this, [this] {
        answer(Answer::NotConfirmed,
               QStringLiteral("The print service did not answer within %1 seconds.").arg(HandOverSeconds));
    });
    if (Script *script = Script::active()) {
        QString job = QStringLiteral("%1|%2|%3").arg(printer, title).arg(copies);
        if (!options.isEmpty())
            job += u'|' + options.join(u',');
        script->submitted.append(job);
        if (!script->silent) {
            const QString refusing = script->refusing;
            QTimer::singleShot(0, this, [this, refusing] {
                answer(refusing.isEmpty() ? Answer::Accepted : Answer::Refused, refusing);
            });
        }
        return;
    }
    const Client *seam = Client::active();
    patience.start(seam ? seam->patience : std::chrono::seconds(HandOverSeconds));

    client = new QProcess(this);
    // The answers are read in the words the client uses untranslated.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    client->setProcessEnvironment(environment);
    client->setStandardOutputFile(QProcess::nullDevice());
    connect(client, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        clientEnded(exitCode, status == QProcess::NormalExit);
    });
    // A client that cannot be started has handed nothing over; one that
    // is running ends with finished(). Queued: start() may report at once.
    connect(
        client, &QProcess::errorOccurred, this,
        [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                answer(Answer::Refused,
                       QStringLiteral("The printout could not be handed to the printer \"%1\": the print command "
                                      "lp, from the package cups-client, cannot be run.")
                           .arg(printer));
        },
        Qt::QueuedConnection);
    // Copies of a printout of several pages come out as whole sets.
    QStringList arguments{QStringLiteral("-d"), printer, QStringLiteral("-t"), title, QStringLiteral("-n"),
                          QString::number(copies), QStringLiteral("-o"), QStringLiteral("collate=true")};
    for (const QString &option : options)
        arguments << QStringLiteral("-o") << option;
    client->start(seam ? seam->program : QStringLiteral("lp"), arguments << QStringLiteral("--") << pdfFile);
}

Submission::~Submission()
{
    releaseClient();
}

void Submission::cancel()
{
    answer(Answer::NotConfirmed, QStringLiteral("You stopped waiting for the print service."));
}

void Submission::clientEnded(int exitCode, bool normalExit)
{
    if (!normalExit)
        answer(Answer::NotConfirmed, QStringLiteral("The print command lp ended without an answer."));
    else if (exitCode == 0)
        answer(Answer::Accepted, {});
    else
        answer(Answer::Refused, refusal(printer, QString::fromLocal8Bit(client->readAllStandardError())));
}

void Submission::answer(Answer given, const QString &why)
{
    if (done)
        return;
    done = true;
    patience.stop();
    releaseClient();
    emit answered(given, why);
}

void Submission::releaseClient()
{
    if (!client)
        return;
    QProcess *process = std::exchange(client, nullptr);
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    // Stopped while it may still be talking to the print service. It goes on
    // its own once it has ended, so that stopping never waits for it.
    process->setParent(nullptr);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

} // namespace PrintQueues
