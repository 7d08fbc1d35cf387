#include "platform/PrintQueues.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace PrintQueues {

namespace {

struct Answer
{
    bool started = false;
    bool timedOut = false;
    bool succeeded = false;
    QString output;
    QString errors;
};

Answer ask(const QString &program, const QStringList &arguments)
{
    QProcess client;
    // The answers are read in the words the client uses untranslated.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    client.setProcessEnvironment(environment);
    client.start(program, arguments);
    Answer answer;
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

QString refusal(const QString &printer, const QString &lpErrors, bool timedOut)
{
    QString why = lpErrors.trimmed();
    if (timedOut)
        why = QStringLiteral("The print service did not answer within %1 seconds.").arg(TimeoutSeconds);
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
    const Answer answer = ask(QStringLiteral("lpstat"), {QStringLiteral("-r"), QStringLiteral("-d")});
    if (!answer.started)
        return {}; // no print service installed
    if (answer.timedOut)
        return {Service::State::Unreachable, {}};
    return serviceFromStatus(answer.output + answer.errors, printServiceConfigured());
}

QString submit(const QString &printer, const QString &pdfFile, const QString &title, int copies,
               const QStringList &options)
{
    if (Script *script = Script::active()) {
        QString job = QStringLiteral("%1|%2|%3").arg(printer, title).arg(copies);
        if (!options.isEmpty())
            job += u'|' + options.join(u',');
        script->submitted.append(job);
        return script->refusing;
    }
    // Copies of a printout of several pages come out as whole sets.
    QStringList arguments{QStringLiteral("-d"), printer, QStringLiteral("-t"), title, QStringLiteral("-n"),
                          QString::number(copies), QStringLiteral("-o"), QStringLiteral("collate=true")};
    for (const QString &option : options)
        arguments << QStringLiteral("-o") << option;
    const Answer answer = ask(QStringLiteral("lp"), arguments << QStringLiteral("--") << pdfFile);
    if (!answer.started)
        return refusal(printer, QStringLiteral("The print command lp is missing."), false);
    if (answer.succeeded)
        return {};
    return refusal(printer, answer.errors, answer.timedOut);
}

} // namespace PrintQueues
