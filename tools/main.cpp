// torqal-data: checks, reads and mends Torqal's data files without a window,
// for people who want to look into or rescue them. Each command lives in a
// file of its own (tools/<Name>Command.cpp) and is listed here.

#include "CheckCommand.h"
#include "DueCommand.h"
#include "DumpCommand.h"
#include "RepairCommand.h"

#include "platform/Identity.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    const QStringList arguments = CommandLine::argumentsOf(argc, argv);
    // The reminders database is read through Qt's SQL plug-in, which needs an application object.
    QCoreApplication application(argc, argv);
    SetApplicationIdentity();

    QTextStream out(stdout);
    QTextStream errors(stderr);
    const int status = runVerbs({checkVerb(), dumpVerb(), repairVerb(), dueVerb()}, arguments, out, errors);
    out.flush();
    errors.flush();
    return status;
}
