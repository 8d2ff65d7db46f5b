#include "server/StallWatch.h"

StallWatch::StallWatch(std::function<void()> onStall)
    : m_onStall(std::move(onStall)), m_thread([this] { watch(); })
{
}

StallWatch::~StallWatch()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_one();
    m_thread.join();
}

void StallWatch::arm(int seconds)
{
    {
        const std::lock_guard lock(m_mutex);
        m_armed = true;
        m_deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    }
    m_changed.notify_one();
}

void StallWatch::disarm()
{
    const std::lock_guard lock(m_mutex);
    m_armed = false;
}

void StallWatch::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (!m_armed) {
            m_changed.wait(lock);
            continue;
        }
        if (m_changed.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed
            && std::chrono::steady_clock::now() >= m_deadline) {
            m_armed = false;
            m_fired = true;
            m_onStall();
        }
    }
}
