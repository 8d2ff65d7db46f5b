#include "platform/WarmWorker.h"
#include "platform/AddressSanitizer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <malloc.h>
#include <new>
#include <poll.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTickMs = 20;
constexpr qint64 kChunk = 1 << 20;
// The worker's end of its socket, the only descriptor it keeps beside 0, 1 and 2.
constexpr int kWorkerFd = 3;
// The memory shared with the worker that holds a request: reserved, taken
// only as far as a request fills it and given back after it. A page's text
// goes there without a copy through the socket (which, on a loaded machine,
// costs a switch between the two processes for every few hundred KiB).
constexpr qint64 kRequestBytes = 256LL << 20;

// What goes to the worker for a request (which is in the shared memory)...
struct RequestHeader {
    quintptr serve;
    quint64 size;
};

// ... and what comes back: the answer's size, and whether the answer is in the shared memory
// (else its bytes follow on the socket).
struct AnswerHeader {
    quint64 size;
    quint64 shared;
};

// The warm worker as the parent knows it. Only the caller holding `busy` touches it.
struct Worker {
    pid_t pid = 0;
    int socket = -1;            // the parent's end; the worker's end reads as closed once it has ended
    qint64 addressSpace = 0;    // what it inherited at the fork
    qint64 residentAtStart = 0; // the parent's resident memory at the fork
    bool confined = false;
    char *request = nullptr; // kRequestBytes shared with the worker
};

Worker g_worker;
std::atomic<bool> g_busy{false};

bool readAll(int fd, char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::read(fd, data, size_t(std::min(size, kChunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// The worker: one request after another until the parent closes its end.
[[noreturn]] void serveRequests(int fd)
{
    for (;;) {
        RequestHeader header{};
        if (!readAll(fd, reinterpret_cast<char *>(&header), sizeof header))
            ::_exit(0);
        int status = 0;
        try {
            const QByteArray request = QByteArray::fromRawData(g_worker.request, qsizetype(header.size));
            const QByteArray answer = reinterpret_cast<WarmWorker::Serve>(header.serve)(request);
            const AnswerHeader done{quint64(answer.size()), answer.size() <= kRequestBytes};
            if (done.shared)
                std::memcpy(g_worker.request, answer.constData(), size_t(answer.size()));
            if (!BoundedWorker::writeAll(fd, reinterpret_cast<const char *>(&done), sizeof done)
                || (!done.shared && !BoundedWorker::writeAll(fd, answer.constData(), answer.size())))
                status = 1;
        } catch (const std::bad_alloc &) {
            status = BoundedWorker::kOutOfMemory;
        } catch (...) {
            status = 125;
        }
        if (status != 0)
            ::_exit(status);
        ::malloc_trim(0); // what the request's peak took goes back to the system
    }
}

double cpuSecondsOf(pid_t pid)
{
    clockid_t clock{};
    timespec t{};
    if (::clock_getcpuclockid(pid, &clock) != 0 || ::clock_gettime(clock, &t) != 0)
        return -1;
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// Sets the soft limit `resource` of the worker (the hard one stays as it is).
bool setSoftLimit(pid_t pid, __rlimit_resource resource, rlim_t value)
{
    rlimit current{};
    if (::prlimit(pid, resource, nullptr, &current) != 0)
        return false;
    const rlimit bound{std::min(value, current.rlim_max), current.rlim_max};
    return ::prlimit(pid, resource, &bound, nullptr) == 0;
}

// Reaps the ended worker: its wait status and its processor time in all.
double closeWorker(int *status)
{
    rusage usage{};
    while (::wait4(g_worker.pid, status, 0, &usage) < 0 && errno == EINTR) {
    }
    ::close(g_worker.socket);
    ::munmap(g_worker.request, size_t(kRequestBytes));
    g_worker = Worker();
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void killWorker()
{
    int status = 0;
    ::kill(g_worker.pid, SIGKILL);
    closeWorker(&status);
}

bool start(const BoundedWorker::Limits &limits)
{
    void *shared = ::mmap(nullptr, size_t(kRequestBytes), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (shared == MAP_FAILED)
        return false;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        ::munmap(shared, size_t(kRequestBytes));
        return false;
    }
    g_worker.request = static_cast<char *>(shared);
    const pid_t self = ::getpid();
    const qint64 addressSpace = BoundedWorker::statmBytes(self, 0);
    const qint64 resident = std::max<qint64>(BoundedWorker::statmBytes(self, 1), 0);
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        ::munmap(shared, size_t(kRequestBytes));
        g_worker = Worker();
        return false;
    }
    if (pid == 0) {
        // It lives long: descriptors the program opens and closes (lock files,
        // other children's pipes) must not stay open in it.
        ::dup2(fds[1], kWorkerFd);
        ::close_range(kWorkerFd + 1, ~0U, 0);
        BoundedWorker::Limits own = limits;
        own.cpuSeconds = 0; // set for each request by the parent
        BoundedWorker::enterChild(own, kWorkerFd, self, 0);
        serveRequests(kWorkerFd);
    }
    ::close(fds[1]);
    ::fcntl(fds[0], F_SETFL, ::fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    g_worker.pid = pid;
    g_worker.socket = fds[0];
    g_worker.addressSpace = addressSpace;
    g_worker.residentAtStart = resident;
    g_worker.confined = limits.confined;
    return true;
}

// Whether the worker is still there (it may have died between requests).
bool alive()
{
    if (g_worker.pid == 0)
        return false;
    int status = 0;
    if (::waitpid(g_worker.pid, &status, WNOHANG) == 0)
        return true;
    ::close(g_worker.socket); // ended (reaped now) or reaped elsewhere
    ::munmap(g_worker.request, size_t(kRequestBytes));
    g_worker = Worker();
    return false;
}

struct Busy {
    bool taken = !g_busy.exchange(true);
    ~Busy()
    {
        if (taken)
            g_busy = false;
    }
};

} // namespace

pid_t WarmWorker::pid()
{
    return g_worker.pid;
}

void WarmWorker::stop()
{
    const Busy busy;
    if (busy.taken && alive())
        killWorker();
}

bool WarmWorker::call(Serve serve, qint64 size, const std::function<void(char *)> &write,
                      const BoundedWorker::Limits &limits, const std::function<bool()> &keepGoing,
                      BoundedWorker::Result *result)
{
    const Busy busy;
    if (!busy.taken || size > kRequestBytes)
        return false;
    if (alive() && g_worker.confined != limits.confined)
        killWorker();
    if (!alive() && !start(limits))
        return false;
    const pid_t pid = g_worker.pid;
    const double cpuAtStart = cpuSecondsOf(pid);
    // The bounds of this request: processor time from now, memory above
    // what the worker inherited, with room for the request it holds.
    bool bounded =
        cpuAtStart >= 0
        && setSoftLimit(pid, RLIMIT_CPU, rlim_t(std::ceil(cpuAtStart)) + rlim_t(limits.cpuSeconds));
#ifndef QN_ADDRESS_SANITIZER
    bounded = bounded && setSoftLimit(pid, RLIMIT_AS, rlim_t(g_worker.addressSpace + limits.memoryBytes));
#endif
    if (!bounded) {
        killWorker();
        return false;
    }
    *result = BoundedWorker::Result();
    write(g_worker.request);
    // What the worker reads of the request counts in its resident memory.
    const qint64 residentBound = g_worker.residentAtStart + limits.memoryBytes + size;
    const RequestHeader header{reinterpret_cast<quintptr>(serve), quint64(size)};
    qint64 sent = 0; // of the header
    AnswerHeader answer{};
    qint64 received = 0; // of the answer's header, then of the answer on the socket
    QElapsedTimer clock;
    clock.start();

    enum { Running, Answered, Ended, Killed } state = Running;
    BoundedWorker::Outcome killedFor = BoundedWorker::Failed;
    const auto kill = [&](BoundedWorker::Outcome why) {
        ::kill(pid, SIGKILL);
        killedFor = why;
        state = Killed;
    };
    const auto send = [&] {
        while (sent < qint64(sizeof header)) {
            const ssize_t n = ::send(g_worker.socket, reinterpret_cast<const char *>(&header) + sent,
                                     size_t(qint64(sizeof header) - sent), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0)
                sent += n;
            else if (n < 0 && errno == EINTR)
                continue;
            else
                return n < 0 && errno == EAGAIN; // false: the worker is gone
        }
        return true;
    };
    const auto receive = [&] {
        constexpr qint64 kHead = sizeof(AnswerHeader);
        for (;;) {
            const bool inHead = received < kHead;
            if (!inHead && received - kHead == qint64(answer.size)) {
                state = Answered;
                return true;
            }
            char *into = inHead ? reinterpret_cast<char *>(&answer) + received
                                : result->output.data() + (received - kHead);
            const qint64 left = inHead ? kHead - received : qint64(answer.size) - (received - kHead);
            const ssize_t n = ::read(g_worker.socket, into, size_t(std::min(left, kChunk)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n < 0 && errno == EAGAIN; // false: the worker is gone
            received += n;
            if (received != kHead)
                continue;
            if (answer.size > quint64(limits.maxOutputBytes)
                || (answer.shared && answer.size > quint64(kRequestBytes))) {
                kill(BoundedWorker::MemoryLimit);
                return true;
            }
            if (answer.shared) { // copied out before it is read: the worker could still change it
                result->output = QByteArray(g_worker.request, qsizetype(answer.size));
                state = Answered;
                return true;
            }
            result->output.resize(qsizetype(answer.size));
        }
    };
    while (state == Running) {
        pollfd watched{g_worker.socket, short(POLLIN | (sent < qint64(sizeof header) ? POLLOUT : 0)), 0};
        ::poll(&watched, 1, kTickMs);
        if (!send() || !receive()) {
            state = Ended;
            break;
        }
        if (state != Running)
            break;
        const double cpu = cpuSecondsOf(pid) - cpuAtStart;
        if (BoundedWorker::statmBytes(pid, 1) > residentBound)
            kill(BoundedWorker::MemoryLimit);
        else if (cpu > limits.cpuSeconds + 1)
            kill(BoundedWorker::TimeLimit); // the kernel's signal should have ended it already
        else if (clock.elapsed() > qint64(limits.wallSeconds) * 1000)
            kill(BoundedWorker::TimeLimit);
        else if (keepGoing && !keepGoing())
            kill(BoundedWorker::Cancelled);
    }
    // The pages of the request and of the answer go back.
    ::madvise(g_worker.request, size_t(kRequestBytes), MADV_REMOVE);
    if (state == Answered) {
        result->cpuSeconds = std::max(0.0, cpuSecondsOf(pid) - cpuAtStart);
        result->peakResident = std::max<qint64>(BoundedWorker::statmBytes(pid, 1), 0);
        result->outcome = BoundedWorker::Finished;
        return true;
    }
    int status = 0;
    result->cpuSeconds = std::max(0.0, closeWorker(&status) - cpuAtStart);
    result->output.clear();
    if (state == Killed) {
        result->outcome = killedFor;
        return true;
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
        // Killed from outside (the system short of memory, a user), perhaps
        // before the request came: nothing says the request was to blame,
        // and a worker of its own reads it within the same bounds.
        *result = BoundedWorker::Result();
        return false;
    }
    BoundedWorker::judge(status, limits, result);
    if (result->outcome == BoundedWorker::Finished) { // it ended without its whole answer
        result->outcome = BoundedWorker::Failed;
        result->reason = QStringLiteral("it ended without an answer");
    }
    return true;
}
