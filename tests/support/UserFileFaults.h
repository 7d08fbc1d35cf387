#pragma once

// The ways a file written for the user (a PDF file, a chart's picture, CSV
// files) fails to be written over an existing file: the file is read-only,
// its folder is read-only, or the disk takes only the first bytes of the new
// one. Each works in a process running as root too (tests run as root in CI):
// the writing code then acts as nobody, to whom file permissions apply, and a
// file size limit holds for root as well.

#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace UserFileFaults {

enum class Fault { None, ReadOnlyFile, ReadOnlyFolder, CutShort };

// Every file of a folder with its bytes, to show that a failed write left
// the folder as it was (and no file of its own behind).
inline QMap<QString, QByteArray> contentsOf(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        contents[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    return contents;
}

// A file written now stops after its first bytes, with EFBIG, as on a full disk.
inline void cutFilesShort()
{
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// While it lives, writing `target`, an existing file, meets the fault: in
// this process during during(), or in a program started with applyTo().
class Refusing
{
public:
    Refusing(Fault fault, const QString &target)
        : fault_(fault)
        , target_(target)
        , folder_(QFileInfo(target).absolutePath())
    {
        // Nobody reaches the folder; the fault takes away what it names.
        chmod(QFile::encodeName(folder_).constData(), fault == Fault::ReadOnlyFolder ? 0555 : 0777);
        chmod(QFile::encodeName(target_).constData(), fault == Fault::ReadOnlyFile ? 0444 : 0666);
    }
    ~Refusing()
    {
        chmod(QFile::encodeName(folder_).constData(), 0700);
        chmod(QFile::encodeName(target_).constData(), 0600);
    }
    Refusing(const Refusing &) = delete;
    Refusing &operator=(const Refusing &) = delete;

    // Runs `write` in this process under the fault.
    template<class Write>
    auto during(Write write) const
    {
        // Real and effective user both, as access() checks the real one; the
        // saved one stays root, to come back to.
        const bool root = geteuid() == 0;
        if (root && (setresgid(65534, 65534, 0) != 0 || setresuid(65534, 65534, 0) != 0))
            qFatal("could not act as nobody");
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        if (fault_ == Fault::CutShort)
            cutFilesShort();
        struct Undo
        {
            bool root;
            rlimit limit;
            ~Undo()
            {
                setrlimit(RLIMIT_FSIZE, &limit);
                if (root && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
                    qFatal("could not act as root again");
            }
        } undo{root, before};
        return write();
    }

    // Makes the process run under the fault.
    void applyTo(QProcess &process) const
    {
        process.setChildProcessModifier([cut = fault_ == Fault::CutShort] {
            if (cut)
                cutFilesShort();
            if (!ChildProcess::dropPrivileges())
                _exit(125);
        });
    }

private:
    Fault fault_;
    QString target_;
    QString folder_;
};

} // namespace UserFileFaults
