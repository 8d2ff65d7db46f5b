#pragma once

// Weighed and kept: a child forked for every job (BoundedWorker) pays the
// fork of the whole program and then faults in every page it touches, again
// for each job; a big parent (the window after some imports) makes that
// dearer each time. A worker forked once keeps its memory in place, and a
// job's input comes to it through memory shared with it (a socket was
// weighed: a copy, and a switch between the processes every few hundred KiB)
// instead of being shared by the fork.

#include "platform/BoundedWorker.h"

#include <QByteArray>

#include <functional>

// A confined worker process forked once and kept for the program's life,
// serving one request after another: the request's bytes go to it through
// shared memory, a plain function of the program (`Serve`, the same code in the
// worker, a fork of the program) answers them there, and the answer comes
// back through a socket. Each request has the bounds of a BoundedWorker job:
// processor time and memory are set for the request by the parent
// (prlimit: the worker cannot change its own limits once confined) and
// watched by it, as are the clock, the answer's size and keepGoing. A worker
// past a bound, crashed or cancelled is killed and reaped; the next request
// forks a new one. Between requests the worker gives back what the request
// took (the answer and request freed, malloc_trim, and what `Serve` keeps
// itself, such as ParseArena's pages beyond its warm part), so that one
// page's peak does not stay with it.
//
// One request runs at a time in a process; a caller that finds the worker
// busy (another thread) or cannot set its limits gets false from call() and
// runs its job in a BoundedWorker instead.
class WarmWorker {
public:
    // Runs in the worker: the answer to one request. A bad_alloc ends the
    // worker as out of memory.
    using Serve = QByteArray (*)(const QByteArray &request);

    // Runs `serve` in the warm worker (forking it first when there is none)
    // within `limits` (confined as they say) on a request of `size` bytes,
    // which `write` puts into the memory it shares with the worker; false
    // when the warm worker cannot take it now (busy on another thread, the
    // request too large, or its limits cannot be set) or was killed from
    // outside (SIGKILL: the system short of memory, a user; perhaps before it
    // had the request), and then *result is empty: the caller runs the job in
    // a worker of its own.
    static bool call(Serve serve, qint64 size, const std::function<void(char *into)> &write,
                     const BoundedWorker::Limits &limits, const std::function<bool()> &keepGoing,
                     BoundedWorker::Result *result);

    // The warm worker's process id, or 0 when none is running.
    static pid_t pid();
    // Ends the warm worker (the next call forks a new one).
    static void stop();
};
