#pragma once

// Weighed and kept: a thread and a helper program started by QProcess were
// weighed. A thread cannot be stopped in the middle of a parse nor held to
// a memory bound, so a hostile page would take the program with it. A
// helper program must be found on disk (tests and the window module link
// the core statically), be handed every page through a pipe and start
// afresh for each batch. A forked child shares the input as it stands, is
// bounded by the kernel and dies alone.

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/types.h>

// Runs a piece of work in a child process bounded in time and memory and
// hands back the bytes it wrote. Work that no input may be allowed to stretch
// without end (parsing a hostile page) runs here; past a bound the child is
// killed and the caller gets the bound that was hit, never a result.
//
// The child is made by fork() without exec: it sees the parent's memory as it
// was (the input need not be copied), starts in well under a millisecond and
// needs no program to be found (tests and the window module link the core
// statically). In a multithreaded parent (the window: Qt's and the web
// engine's threads) the child has only the calling thread, and any lock
// another thread held at the fork stays held. So the job may use only what no
// other thread can hold locked: glibc's malloc (made consistent across fork),
// plain C++ and Qt's containers and strings (plain memory, no locks), the
// parser, write(2) and _exit(). It must not log, use stdio, Qt's event system,
// codecs (ICU keeps locked caches) or anything else with a lock.
//
// Bounds: a processor-time limit (RLIMIT_CPU, the child is signalled at it and
// killed a second later, even if the parent is gone), an address-space limit
// (RLIMIT_AS, set to what the child inherits plus the memory budget; not under
// AddressSanitizer, which reserves terabytes of address space up front), the
// child's resident memory watched by the parent (above what the parent held at
// the fork; this is the memory bound that also holds under AddressSanitizer),
// a wall-clock limit and a limit on the bytes handed back. A confined job
// runs under a system call filter (SyscallFilter) set up after these bounds,
// so that the job itself can open nothing. The child dies
// with the parent (PR_SET_PDEATHSIG). The parent drains the pipe while the
// child runs, so a large answer never blocks either side.
class BoundedWorker {
public:
    struct Limits {
        int cpuSeconds = 8;
        int wallSeconds = 10;
        qint64 memoryBytes = 1024LL * 1024 * 1024;
        qint64 maxOutputBytes = 256LL * 1024 * 1024;
        // Whether the job may make only the system calls of a computation in
        // memory and of writing its answer (SyscallFilter); any other call
        // ends it as Crashed ("signal 31 (Bad system call)").
        bool confined = false;
    };

    enum Outcome {
        Finished,    // exit status 0; `output` holds what the job wrote
        TimeLimit,   // past the processor-time or wall-clock limit
        MemoryLimit, // past the memory limit or the output limit
        Cancelled,   // keepGoing answered false
        Crashed,     // ended by a signal of its own (reason says which)
        Failed       // could not start, or ended with another exit status (reason says)
    };

    struct Result {
        Outcome outcome = Failed;
        QByteArray output;
        QString reason;          // for Crashed and Failed, in words
        double cpuSeconds = 0;   // the child's processor time
        qint64 peakResident = 0; // the child's peak resident memory in bytes
    };

    // The exit status with which a job says that memory ran out.
    static constexpr int kOutOfMemory = 86;
    // The exit status of a child whose system calls could not be confined.
    static constexpr int kNotConfined = 87;

    // Runs in the child: writes its answer to `fd` (with writeAll) and returns
    // the exit status. A std::bad_alloc thrown by the job is kOutOfMemory.
    using Job = std::function<int(int fd)>;

    // keepGoing, when given, is called every few tens of milliseconds while
    // the child runs (a window processes its events there); false kills the child.
    static Result run(const Job &job, const Limits &limits, const std::function<bool()> &keepGoing = {});

    // For jobs: writes all bytes to fd; false when the pipe fails.
    static bool writeAll(int fd, const char *data, qint64 size);
    // For jobs: ends the child at once with kOutOfMemory.
    [[noreturn]] static void outOfMemory();

    // Shared with WarmWorker, the worker that serves one request after another:
    // Field `index` (0: size, 1: resident) of /proc/<pid>/statm in bytes; -1 when unknown.
    static qint64 statmBytes(pid_t pid, int index);
    // In a new child: dies with the parent, default signals, no core file, the limits (no
    // processor-time limit when cpuSeconds is 0, no address-space limit when
    // inheritedAddressSpace is 0), then the system call filter when confined.
    static void enterChild(const Limits &limits, int fd, pid_t parent, qint64 inheritedAddressSpace);
    // The outcome of a child that ended with wait status `status`, after
    // result->cpuSeconds of processor time.
    static void judge(int status, const Limits &limits, Result *result);
};
