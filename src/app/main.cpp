#include "app/ProgramCommandLine.h"
#include "app/StartAhead.h"
#include "app/StartUp.h"
#include "platform/CommandLine.h"
#include "platform/DataFolder.h"
#include "platform/Identity.h"
#include "platform/SingleInstance.h"
#include "ui/ButtonLayout.h"

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
    // The data folder's name comes from the program's identity.
    SetApplicationIdentity();
    DataFolder::choose(options.dataFolder);
    StartAhead ahead;
    const std::unique_ptr<QApplication> application = ahead.openDisplay(argc, argv, QStringLiteral("torqal"));
    DataFolderLock lock = ahead.finish();
    ConfigureApplication();
    // Painted while the title window is built and shown; waited for at the end.
    const std::future<void> pictures = PaintButtonPicturesAhead(StartAhead::firstLayouts());
    std::unique_ptr<SingleInstance> instance;
    if (!StartProgram(std::move(lock), instance))
        return 1;
    return QApplication::exec();
}
