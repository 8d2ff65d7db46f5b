#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Flushes a large file being written to disk in the background, while the
// writer goes on, so that the final fsync finds little left: a device's
// flush takes long for much data, and here it overlaps the writing. Only an
// advance: the final fsync is still the one that counts, and a failure seen
// here (which the system reports only once) is kept for it.
class EarlySync {
public:
    explicit EarlySync(int fd) : m_fd(fd) {}
    ~EarlySync() { finish(); }
    EarlySync(const EarlySync &) = delete;
    EarlySync &operator=(const EarlySync &) = delete;

    // Asks for a flush of what was written so far: at once when none is
    // under way, else once the one under way is done.
    void request();
    // Waits for the flush under way (none more is started) and returns the
    // errno of the first that failed, or 0.
    int finish();

private:
    void run();

    int m_fd;
    std::mutex m_mutex;
    std::condition_variable m_asked;
    bool m_pending = false;
    bool m_finished = false;
    int m_error = 0;
    std::thread m_thread;
};
