#include "app/ProgramCommandLine.h"
#include "platform/CommandLine.h"
#include "app/StartUp.h"
#include "platform/DataFolder.h"
#include "platform/DisplayConnection.h"
#include "platform/FontConfigAhead.h"
#include "platform/SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --help and --version, and a command line that is refused, need no display.
    ProgramCommandLine options;
    {
        QTextStream out(stdout);
        QTextStream errors(stderr);
        if (const std::optional<int> done = ProgramCommandLine::read(CommandLine::argumentsOf(argc, argv), options, out, errors))
            return *done;
    }
    FontConfigAhead fonts;
    const std::unique_ptr<QApplication> application = OpenDisplay(argc, argv, QStringLiteral("torqal"));
    fonts.finish();
    ConfigureApplication();
    DataFolder::choose(options.dataFolder);
    std::unique_ptr<SingleInstance> instance;
    if (!StartProgram(instance))
        return 1;
    return QApplication::exec();
}
