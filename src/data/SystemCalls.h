#pragma once

#include <string>
#include <sys/stat.h>
#include <sys/types.h>

#include <QtGlobal>

// The system calls through which the data files are opened, read, written,
// flushed, renamed and removed. Every one passes a fault point first, so that
// tests can make any single call fail or stop the process right before it.
// Interrupted calls (EINTR) are repeated; otherwise they behave like the
// system calls of the same name.
namespace SystemCalls {

// A fault hook is called with the call's name before each system call. It
// returns 0 to let the call run, or an errno value the call then fails with,
// or ShortWrite: a pwrite then writes only the first half of its bytes and
// says so, as a disk that fills up part way does (any other call runs).
using FaultHook = int (*)(const char *callName);
constexpr int ShortWrite = -1;
void setFaultHook(FaultHook hook); // nullptr: no faults (the default)

int open(const char *path, int flags, mode_t mode = 0);
int close(int fd);
ssize_t pread(int fd, void *buffer, size_t count, off_t offset);
ssize_t pwrite(int fd, const void *buffer, size_t count, off_t offset);
int fstat(int fd, struct stat *status);
int lstat(const char *path, struct stat *status);
int fsync(int fd);
int ftruncate(int fd, off_t length);
int rename(const char *from, const char *to);
// Renames only when `to` does not exist yet (fails with EEXIST otherwise).
// Where the file system cannot rename that way (NFS and some FUSE file
// systems refuse the flag), the file gets its new name as a second link and
// then loses the old one; should the old name stay, the new one goes again.
int renameNoReplace(const char *from, const char *to);
int link(const char *from, const char *to);
int unlink(const char *path);
// The absolute path that `path` leads to, every symbolic link followed.
int realPath(const char *path, std::string &resolved);

// Flushes the entries of a folder (after a rename), by default the current
// working folder.
int syncFolder(const char *path = ".");
inline int syncWorkingFolder() { return syncFolder(); }

// Writes all of `length` bytes at `offset`, going on after short writes;
// returns how many were written before an error (errno set; ENOSPC when
// the system wrote nothing more), or all of them.
qint64 writeAll(int fd, const char *bytes, qint64 length, off_t offset);
// Reads up to `length` bytes at `offset`, stopping at the end of the file;
// returns the number read, or -1 (errno set).
qint64 readUpTo(int fd, char *bytes, qint64 length, off_t offset);

} // namespace SystemCalls
