#include "platform/BoundedWorker.h"
#include "platform/AddressSanitizer.h"

#include "platform/SyscallFilter.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How often the parent looks at the child's memory, the clock and keepGoing.
constexpr int kTickMs = 20;
constexpr qint64 kReadChunk = 1 << 20;

[[noreturn]] void runChild(const BoundedWorker::Job &job, const BoundedWorker::Limits &limits, int fd,
                           pid_t parent, qint64 inheritedAddressSpace)
{
    BoundedWorker::enterChild(limits, fd, parent, inheritedAddressSpace);
    int status = 0;
    try {
        status = job(fd);
    } catch (const std::bad_alloc &) {
        status = BoundedWorker::kOutOfMemory;
    } catch (...) {
        status = 125;
    }
    ::_exit(status);
}

QString signalName(int signal)
{
    const char *name = ::sigdescr_np(signal);
    return QStringLiteral("signal %1 (%2)").arg(signal).arg(QString::fromLatin1(name ? name : "unknown"));
}

} // namespace

qint64 BoundedWorker::statmBytes(pid_t pid, int index)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/statm", int(pid));
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    char text[128] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0)
        return -1;
    long long fields[2] = {-1, -1};
    if (std::sscanf(text, "%lld %lld", &fields[0], &fields[1]) != 2)
        return -1;
    return fields[index] * qint64(::sysconf(_SC_PAGESIZE));
}

void BoundedWorker::enterChild(const Limits &limits, int fd, pid_t parent, qint64 inheritedAddressSpace)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127); // the parent is already gone
    // A fault or the processor-time limit ends the child as a signal the
    // parent sees, never in a handler the program installed for itself (a
    // crash reporter would run in the child).
    for (int signal :
         {SIGXCPU, SIGPIPE, SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGTERM, SIGINT, SIGHUP, SIGQUIT})
        std::signal(signal, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    // Those signals end it without a core file: one would hold the whole
    // program's memory, be written into the working folder, and hold up the
    // end of a worker killed at its processor-time limit.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (limits.cpuSeconds > 0) {
        const rlimit cpu{rlim_t(limits.cpuSeconds), rlim_t(limits.cpuSeconds + 1)};
        ::setrlimit(RLIMIT_CPU, &cpu);
    }
#ifndef QN_ADDRESS_SANITIZER
    if (inheritedAddressSpace > 0) {
        const auto bound = rlim_t(inheritedAddressSpace + limits.memoryBytes);
        const rlimit space{bound, bound};
        ::setrlimit(RLIMIT_AS, &space);
    }
#else
    (void)inheritedAddressSpace;
#endif
    if (limits.confined && SyscallFilter::available() && !SyscallFilter::confine(fd))
        ::_exit(BoundedWorker::kNotConfined);
}

void BoundedWorker::judge(int status, const Limits &limits, Result *result)
{
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        // SIGXCPU at the soft limit, SIGKILL at the hard one (when SIGXCPU
        // did not end it) or from the system when memory ran out.
        if (signal == SIGXCPU || (signal == SIGKILL && result->cpuSeconds >= limits.cpuSeconds))
            result->outcome = TimeLimit;
        else
            result->outcome = signal == SIGKILL ? MemoryLimit : Crashed;
        result->reason = signalName(signal);
        result->output.clear();
        return;
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code == 0) {
        result->outcome = Finished;
        return;
    }
    result->output.clear();
    result->outcome = code == kOutOfMemory ? MemoryLimit : Failed;
    result->reason = code == kNotConfined ? QStringLiteral("its system calls could not be confined")
                                          : QStringLiteral("exit status %1").arg(code);
}

bool BoundedWorker::writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min<qint64>(size, kReadChunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

void BoundedWorker::outOfMemory()
{
    ::_exit(kOutOfMemory);
}

BoundedWorker::Result BoundedWorker::run(const Job &job, const Limits &limits,
                                         const std::function<bool()> &keepGoing)
{
    Result result;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        result.reason = QString::fromLocal8Bit(std::strerror(errno));
        return result;
    }
    const pid_t self = ::getpid();
    const qint64 addressSpace = statmBytes(self, 0);
    const qint64 residentAtStart = std::max<qint64>(statmBytes(self, 1), 0);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = ::fork();
    if (pid < 0) {
        result.reason = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fds[0]);
        ::close(fds[1]);
        return result;
    }
    if (pid == 0) {
        ::close(fds[0]);
        runChild(job, limits, fds[1], self, addressSpace);
    }
    ::close(fds[1]);
    const int in = fds[0];
    ::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) | O_NONBLOCK);
    // A descriptor that becomes readable when the child ends, so that its end
    // is seen at once even when the pipe stays open elsewhere.
    const int exitFd = int(::syscall(SYS_pidfd_open, pid, 0));

    enum { Running, Exited, Killed } state = Running;
    Outcome killedFor = Failed;
    bool open = true;
    int status = 0;
    rusage usage{};
    const auto kill = [&](Outcome why) {
        ::kill(pid, SIGKILL);
        killedFor = why;
        state = Killed;
    };
    const auto drain = [&] {
        while (open) {
            const qint64 room = limits.maxOutputBytes - result.output.size();
            if (room <= 0) {
                kill(MemoryLimit);
                return;
            }
            const qsizetype at = result.output.size();
            result.output.resize(at + std::min(room, kReadChunk));
            const ssize_t n = ::read(in, result.output.data() + at, size_t(result.output.size() - at));
            result.output.resize(at + std::max<ssize_t>(n, 0));
            if (n > 0)
                continue;
            if (n == 0)
                open = false;
            else if (errno != EINTR)
                break; // EAGAIN: nothing more for now
        }
    };
    while (state == Running) {
        pollfd watched[2];
        nfds_t count = 0;
        if (open)
            watched[count++] = {in, POLLIN, 0};
        if (exitFd >= 0)
            watched[count++] = {exitFd, POLLIN, 0};
        ::poll(watched, count, kTickMs);
        drain();
        if (state != Running)
            break;
        const pid_t ended = ::wait4(pid, &status, WNOHANG, &usage);
        if (ended == pid) {
            drain(); // what it wrote before it ended
            state = Exited;
            break;
        }
        const qint64 resident = statmBytes(pid, 1);
        if (resident > residentAtStart + limits.memoryBytes)
            kill(MemoryLimit);
        else if (clock.elapsed() > qint64(limits.wallSeconds) * 1000)
            kill(TimeLimit);
        else if (keepGoing && !keepGoing())
            kill(Cancelled);
    }
    if (state == Killed) {
        while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
    }
    if (exitFd >= 0)
        ::close(exitFd);
    ::close(in);
    result.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    result.peakResident = qint64(usage.ru_maxrss) * 1024;

    if (state == Killed) {
        result.outcome = killedFor;
        result.output.clear();
        return result;
    }
    judge(status, limits, &result);
    return result;
}
