// torqal-data: checks, reads and mends Torqal's data files without a window,
// for people who want to look into or rescue them. Each command lives in a
// file of its own (tools/<Name>Command.cpp) and is listed in Verbs.cpp.

#include "Verbs.h"
#include "platform/Identity.h"

#ifdef TORQAL_DATA_HISTORY
#include <QGuiApplication>
#endif
#include <QCoreApplication>

#include <memory>

int main(int argc, char *argv[])
{
    const QStringList arguments = CommandLine::argumentsOf(argc, argv);
    // The reminders database is read through Qt's SQL plug-in, which needs an
    // application object; the history's PDF lays out text in fonts, which
    // needs Qt Gui's, on the platform without a screen whatever the desktop's.
    std::unique_ptr<QCoreApplication> application;
#ifdef TORQAL_DATA_HISTORY
    if (arguments.value(1) == QLatin1String("history")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    if (!application)
        application = std::make_unique<QCoreApplication>(argc, argv);
    SetApplicationIdentity();

    QTextStream out(stdout);
    QTextStream errors(stderr);
    const int status = runVerbs(torqalDataVerbs(), arguments, out, errors);
    out.flush();
    errors.flush();
    return status;
}
