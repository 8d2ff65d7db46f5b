#include "platform/ThreadedSink.h"

#include <algorithm>
#include <cstring>
#include <system_error>

ThreadedSink::ThreadedSink(Sink sink, qsizetype blockSize, int blocks)
    : m_sink(std::move(sink)), m_blockSize(std::max<qsizetype>(blockSize, 1))
{
    for (int i = 0; i < std::max(blocks, 2); ++i) {
        m_free.emplace_back();
        m_free.back().reserve(m_blockSize);
    }
    m_filling = std::move(m_free.back());
    m_free.pop_back();
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        m_direct = true; // no thread to be had: the bytes go to the sink at once
    }
}

ThreadedSink::~ThreadedSink()
{
    finish();
}

void ThreadedSink::write(QByteArrayView bytes)
{
    if (m_direct) {
        m_sink(bytes);
        return;
    }
    while (!bytes.isEmpty()) {
        const qsizetype n = std::min(bytes.size(), m_blockSize - m_filling.size());
        m_filling.append(bytes.first(n));
        bytes = bytes.sliced(n);
        if (m_filling.size() == m_blockSize)
            handOn();
    }
}

void ThreadedSink::handOn()
{
    std::unique_lock lock(m_mutex);
    m_queue.push_back(std::move(m_filling));
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_free.empty(); });
    m_filling = std::move(m_free.back());
    m_free.pop_back();
    m_filling.truncate(0); // keeps its room
}

void ThreadedSink::finish()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        if (!m_filling.isEmpty())
            m_queue.push_back(std::move(m_filling));
        m_finished = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void ThreadedSink::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_queue.empty() || m_finished; });
        if (m_queue.empty())
            return;
        QByteArray block = std::move(m_queue.front());
        m_queue.erase(m_queue.begin());
        lock.unlock();
        m_sink(block);
        lock.lock();
        m_free.push_back(std::move(block));
        m_changed.notify_all();
    }
}
