#include "platform/EarlySync.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

void EarlySync::request()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_finished)
            return;
        m_pending = true;
    }
    if (!m_thread.joinable()) {
        try {
            m_thread = std::thread([this] { run(); });
        } catch (const std::system_error &) {
            std::lock_guard lock(m_mutex);
            m_finished = true; // no thread to be had: the final fsync does it all
            return;
        }
    }
    m_asked.notify_one();
}

int EarlySync::finish()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_asked.notify_one();
    if (m_thread.joinable())
        m_thread.join();
    return m_error;
}

void EarlySync::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_asked.wait(lock, [this] { return m_pending || m_finished; });
        if (m_finished)
            return;
        m_pending = false;
        lock.unlock();
        const int failed = ::fdatasync(m_fd) == 0 ? 0 : errno;
        lock.lock();
        if (failed != 0 && failed != EINTR && m_error == 0)
            m_error = failed;
    }
}
