#pragma once

// SQLite's own file operations routed through a fault hook of the data
// files' kind (see data/SystemCalls.h): Torqal.db's opens, reads, writes,
// flushes, truncations and removals can then be stopped or failed as the
// data files' system calls are, under the names "open", "pread", "pwrite",
// "fsync", "ftruncate" and "unlink". The hook is asked before each; an
// errno value fails the operation, a short write writes half and fails.
//
// install() makes this the process's default SQLite file layer, which Qt's
// SQLite driver then uses (it shares the process's SQLite library).

#include "data/SystemCalls.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace SqliteFaults {

namespace Detail {

inline SystemCalls::FaultHook &hook()
{
    static SystemCalls::FaultHook current = nullptr;
    return current;
}

inline sqlite3_vfs &base()
{
    static sqlite3_vfs *found = sqlite3_vfs_find(nullptr);
    return *found;
}

// The fault the hook asks for, 0 for none.
inline int faultOf(const char *callName) { return hook() ? hook()(callName) : 0; }

inline int ioError(int error, int code) { return error == ENOSPC ? SQLITE_FULL : code; }

struct File
{
    sqlite3_file file;
    sqlite3_file *real; // the base layer's file, right behind this one
};

inline sqlite3_file *real(sqlite3_file *file) { return reinterpret_cast<File *>(file)->real; }

inline int close(sqlite3_file *file) { return real(file)->pMethods->xClose(real(file)); }

inline int read(sqlite3_file *file, void *buffer, int amount, sqlite3_int64 offset)
{
    if (const int error = faultOf("pread"); error > 0)
        return ioError(error, SQLITE_IOERR_READ);
    return real(file)->pMethods->xRead(real(file), buffer, amount, offset);
}

inline int write(sqlite3_file *file, const void *buffer, int amount, sqlite3_int64 offset)
{
    const int error = faultOf("pwrite");
    if (error == SystemCalls::ShortWrite) {
        (void)real(file)->pMethods->xWrite(real(file), buffer, amount / 2, offset);
        return SQLITE_IOERR_WRITE;
    }
    if (error > 0)
        return ioError(error, SQLITE_IOERR_WRITE);
    return real(file)->pMethods->xWrite(real(file), buffer, amount, offset);
}

inline int truncate(sqlite3_file *file, sqlite3_int64 size)
{
    if (const int error = faultOf("ftruncate"); error > 0)
        return ioError(error, SQLITE_IOERR_TRUNCATE);
    return real(file)->pMethods->xTruncate(real(file), size);
}

inline int sync(sqlite3_file *file, int flags)
{
    if (const int error = faultOf("fsync"); error > 0)
        return ioError(error, SQLITE_IOERR_FSYNC);
    return real(file)->pMethods->xSync(real(file), flags);
}

inline int fileSize(sqlite3_file *file, sqlite3_int64 *size) { return real(file)->pMethods->xFileSize(real(file), size); }
inline int lock(sqlite3_file *file, int level) { return real(file)->pMethods->xLock(real(file), level); }
inline int unlock(sqlite3_file *file, int level) { return real(file)->pMethods->xUnlock(real(file), level); }
inline int checkReservedLock(sqlite3_file *file, int *out) { return real(file)->pMethods->xCheckReservedLock(real(file), out); }
inline int fileControl(sqlite3_file *file, int op, void *arg) { return real(file)->pMethods->xFileControl(real(file), op, arg); }
inline int sectorSize(sqlite3_file *file) { return real(file)->pMethods->xSectorSize(real(file)); }
inline int deviceCharacteristics(sqlite3_file *file) { return real(file)->pMethods->xDeviceCharacteristics(real(file)); }

// Version 1 of the file methods: a rollback journal, no shared memory
// (Torqal.db keeps SQLite's default journal mode).
inline const sqlite3_io_methods &methods()
{
    static const sqlite3_io_methods table = {1, close, read, write, truncate, sync, fileSize, lock, unlock,
                                             checkReservedLock, fileControl, sectorSize, deviceCharacteristics,
                                             nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    return table;
}

inline int open(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *wrapper = reinterpret_cast<File *>(file);
    wrapper->real = reinterpret_cast<sqlite3_file *>(wrapper + 1);
    wrapper->file.pMethods = nullptr;
    if (const int error = faultOf("open"); error > 0)
        return SQLITE_CANTOPEN;
    const int result = base().xOpen(&base(), name, wrapper->real, flags, outFlags);
    if (result == SQLITE_OK && wrapper->real->pMethods)
        wrapper->file.pMethods = &methods();
    return result;
}

inline int remove(sqlite3_vfs *, const char *name, int syncFolder)
{
    if (const int error = faultOf("unlink"); error > 0)
        return ioError(error, SQLITE_IOERR_DELETE);
    return base().xDelete(&base(), name, syncFolder);
}

} // namespace Detail

inline void install(SystemCalls::FaultHook hook)
{
    Detail::hook() = hook;
    static sqlite3_vfs layer = [] {
        sqlite3_vfs copy = Detail::base();
        copy.szOsFile = int(sizeof(Detail::File)) + Detail::base().szOsFile;
        copy.zName = "torqal-faults";
        copy.xOpen = Detail::open;
        copy.xDelete = Detail::remove;
        copy.pNext = nullptr;
        return copy;
    }();
    sqlite3_vfs_register(&layer, 1);
}

} // namespace SqliteFaults
