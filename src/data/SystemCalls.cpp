#include "data/SystemCalls.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace SystemCalls {

namespace {

FaultHook faultHook = nullptr;

// What the fault hook says of this call: 0 to run it, an errno value, or
// ShortWrite.
int faultOf(const char *callName) { return faultHook ? faultHook(callName) : 0; }

// Returns true (with errno set) when the fault hook fails this call.
bool faulted(const char *callName)
{
    const int error = faultOf(callName);
    if (error <= 0)
        return false;
    errno = error;
    return true;
}

template<class Call>
auto repeatWhileInterrupted(Call call)
{
    for (;;) {
        auto result = call();
        if (result != -1 || errno != EINTR)
            return result;
    }
}

} // namespace

void setFaultHook(FaultHook hook) { faultHook = hook; }

int open(const char *path, int flags, mode_t mode)
{
    if (faulted("open"))
        return -1;
    return repeatWhileInterrupted([&] { return ::open(path, flags | O_CLOEXEC, mode); });
}

int close(int fd)
{
    if (faulted("close")) {
        ::close(fd); // the descriptor must not leak even when the call is made to fail
        return -1;
    }
    // Linux releases the descriptor even when close is interrupted: never repeat it.
    return ::close(fd);
}

ssize_t pread(int fd, void *buffer, size_t count, off_t offset)
{
    if (faulted("pread"))
        return -1;
    return repeatWhileInterrupted([&] { return ::pread(fd, buffer, count, offset); });
}

ssize_t pwrite(int fd, const void *buffer, size_t count, off_t offset)
{
    const int fault = faultOf("pwrite");
    if (fault == ShortWrite && count > 1)
        count /= 2;
    else if (fault > 0) {
        errno = fault;
        return -1;
    }
    return repeatWhileInterrupted([&] { return ::pwrite(fd, buffer, count, offset); });
}

int fstat(int fd, struct stat *status)
{
    if (faulted("fstat"))
        return -1;
    return ::fstat(fd, status);
}

int lstat(const char *path, struct stat *status)
{
    if (faulted("lstat"))
        return -1;
    return ::lstat(path, status);
}

int fsync(int fd)
{
    if (faulted("fsync"))
        return -1;
    return repeatWhileInterrupted([&] { return ::fsync(fd); });
}

int ftruncate(int fd, off_t length)
{
    if (faulted("ftruncate"))
        return -1;
    return repeatWhileInterrupted([&] { return ::ftruncate(fd, length); });
}

int rename(const char *from, const char *to)
{
    if (faulted("rename"))
        return -1;
    return ::rename(from, to);
}

int renameNoReplace(const char *from, const char *to)
{
    if (!faulted("renameat2") && ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // A link refuses an existing name just as the flag would.
    if (link(from, to) != 0)
        return -1;
    if (unlink(from) == 0)
        return 0;
    const int error = errno;
    unlink(to); // one name again, the old one: the file is as it was
    errno = error;
    return -1;
}

int link(const char *from, const char *to)
{
    if (faulted("link"))
        return -1;
    return ::link(from, to);
}

int unlink(const char *path)
{
    if (faulted("unlink"))
        return -1;
    return ::unlink(path);
}

int realPath(const char *path, std::string &resolved)
{
    if (faulted("realpath"))
        return -1;
    char buffer[PATH_MAX];
    if (!::realpath(path, buffer))
        return -1;
    resolved = buffer;
    return 0;
}

int syncFolder(const char *path)
{
    const int folder = open(path, O_RDONLY | O_DIRECTORY);
    if (folder < 0)
        return -1;
    const int result = fsync(folder);
    const int error = errno;
    close(folder);
    errno = error;
    return result;
}

qint64 writeAll(int fd, const char *bytes, qint64 length, off_t offset)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t written = pwrite(fd, bytes + done, static_cast<size_t>(length - done), offset + static_cast<off_t>(done));
        if (written < 0)
            return done;
        if (written == 0) {
            errno = ENOSPC;
            return done;
        }
        done += written;
    }
    return done;
}

qint64 readUpTo(int fd, char *bytes, qint64 length, off_t offset)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t got = pread(fd, bytes + done, static_cast<size_t>(length - done), offset + static_cast<off_t>(done));
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

} // namespace SystemCalls
