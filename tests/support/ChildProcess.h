#pragma once

// Running test code in a forked child process, and as an ordinary user:
// tests run as root in CI, and root ignores file permissions.

#include <QProcess>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace ChildProcess {

// Runs `body` in a forked child, which ends with the body's return value as
// its exit code (or as a signal kills it). Returns the wait status.
inline int runInChild(const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

// The exit code of a wait status; 100 + the signal for a killed child.
inline int exitCodeOf(int waitStatus) { return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 100 + WTERMSIG(waitStatus); }

// As unprivileged as the test needs: a process running as root gives up its
// rights (becomes nobody), so that file permissions count.
inline bool dropPrivileges()
{
    if (geteuid() != 0)
        return true;
    return setgid(65534) == 0 && setuid(65534) == 0;
}

// Makes a QProcess's program run without root's rights.
inline void runUnprivileged(QProcess &process)
{
    process.setChildProcessModifier([] {
        if (!dropPrivileges())
            _exit(125);
    });
}

} // namespace ChildProcess
