#pragma once

// Making the data files' system calls fail, for the tests of what a refused
// or failing call does (see data/SystemCalls.h).

#include "data/SystemCalls.h"

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <cstring>

namespace SystemCallFaults {

// While it lives, calls of the given name fail with `error`: every one of
// them, or only the nth (counted from 1).
class FailingCall
{
public:
    explicit FailingCall(const char *callName, int error = ENOSPC, int nth = 0)
    {
        failing() = {callName, error, nth, 0};
        SystemCalls::setFaultHook(&hook);
    }
    ~FailingCall() { SystemCalls::setFaultHook(nullptr); }
    FailingCall(const FailingCall &) = delete;
    FailingCall &operator=(const FailingCall &) = delete;

private:
    struct Failing
    {
        QByteArray name;
        int error;
        int nth;
        int seen;
    };
    static Failing &failing()
    {
        static Failing current;
        return current;
    }
    static int hook(const char *callName)
    {
        Failing &f = failing();
        if (f.name != callName)
            return 0;
        ++f.seen;
        return f.nth == 0 || f.seen == f.nth ? f.error : 0;
    }
};

// While it lives, the names of the calls made, in their order (none fails).
class CallLog
{
public:
    CallLog()
    {
        names().clear();
        SystemCalls::setFaultHook(&hook);
    }
    ~CallLog() { SystemCalls::setFaultHook(nullptr); }
    CallLog(const CallLog &) = delete;
    CallLog &operator=(const CallLog &) = delete;

    QList<QByteArray> calls() const { return names(); }

private:
    static QList<QByteArray> &names()
    {
        static QList<QByteArray> made;
        return made;
    }
    static int hook(const char *callName)
    {
        names() << callName;
        return 0;
    }
};

} // namespace SystemCallFaults
