#pragma once

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Bounds a blocking call from a second thread: arm() before the call,
// disarm() after it; a call still running when its time is up makes the
// watch call `onStall` once (SftpTransport shuts its socket, so the call
// returns with an error) and fired() then tells the cause.
class StallWatch {
public:
    explicit StallWatch(std::function<void()> onStall);
    ~StallWatch();
    StallWatch(const StallWatch &) = delete;
    StallWatch &operator=(const StallWatch &) = delete;

    void arm(int seconds);
    void disarm();
    bool fired() const { return m_fired; }
    void reset() { m_fired = false; }

    // Arms the watch for the life of a call.
    class Guard {
    public:
        Guard(StallWatch &watch, int seconds) : m_watch(watch) { m_watch.arm(seconds); }
        ~Guard() { m_watch.disarm(); }
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        StallWatch &m_watch;
    };

private:
    void watch();

    std::function<void()> m_onStall;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_armed = false;
    bool m_stop = false;
    std::chrono::steady_clock::time_point m_deadline;
    std::atomic_bool m_fired{false};
    std::thread m_thread; // last: starts once the rest is made
};
