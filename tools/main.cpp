// torqal-data: checks, reads and mends Torqal's data files without a window,
// for people who want to look into or rescue them. Each command lives in a
// file of its own (tools/<Name>Command.cpp) and is listed in Verbs.cpp.

#include "Verbs.h"
#include "platform/Identity.h"

#ifdef TORQAL_DATA_HISTORY
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>
#endif
#include <QCoreApplication>

#include <memory>

#ifdef TORQAL_DATA_HISTORY
namespace {

// Whether XDG_RUNTIME_DIR names a folder of this user's that only this user
// may enter, as Qt Gui wants one.
bool hasRuntimeFolder()
{
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    struct stat status{};
    return !folder.isEmpty() && ::stat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode)
           && status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700;
}

} // namespace
#endif

int main(int argc, char *argv[])
{
    const QStringList arguments = CommandLine::argumentsOf(argc, argv);
    // The reminders database is read through Qt's SQL plug-in, which needs an
    // application object; the history's PDF lays out text in fonts, which
    // needs Qt Gui's, on the platform without a screen whatever the desktop's.
#ifdef TORQAL_DATA_HISTORY
    // Run from cron or a script there is often no runtime folder, of which
    // Qt Gui would warn on standard error, where only what concerns the
    // command belongs: the history then gets a private one for its run,
    // removed after the application.
    std::unique_ptr<QTemporaryDir> runtimeFolder;
#endif
    std::unique_ptr<QCoreApplication> application;
#ifdef TORQAL_DATA_HISTORY
    if (arguments.value(1) == QLatin1String("history")) {
        if (!hasRuntimeFolder()) {
            runtimeFolder = std::make_unique<QTemporaryDir>();
            if (runtimeFolder->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
        }
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
