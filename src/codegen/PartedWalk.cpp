#include "codegen/PartedWalk.h"

#include "codegen/TextBuilder.h"

#include <QByteArray>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace partedwalk {

namespace {
std::atomic<qsizetype> g_chunk{1 << 14};
} // namespace

qsizetype chunkItems()
{
    return g_chunk.load();
}

void setChunkItems(qsizetype count)
{
    g_chunk.store(std::max<qsizetype>(count, 1));
}

Relay::Relay(qsizetype parts) : m_states(size_t(std::max<qsizetype>(parts, 1)) + 1)
{
    m_states[0].store(1); // the first part starts with false
}

bool Relay::ask(qsizetype index)
{
    std::atomic<int> &state = m_states[size_t(index)];
    state.wait(0);
    return state.load() == 2;
}

void Relay::tell(qsizetype index, bool value)
{
    std::atomic<int> &state = m_states[size_t(index) + 1];
    int unknown = 0;
    if (state.compare_exchange_strong(unknown, value ? 2 : 1))
        state.notify_all();
}

void Relay::cancel()
{
    for (std::atomic<int> &state : m_states) {
        int unknown = 0;
        if (state.compare_exchange_strong(unknown, 1))
            state.notify_all();
    }
}

qsizetype run(TextBuilder &b, const MenuItems &items, const Part &part)
{
    const qsizetype count = qsizetype(items.summary.count);
    const qsizetype chunk = chunkItems();
    if (!b.streams() || !items.walkPart || count <= chunk || std::thread::hardware_concurrency() < 2) {
        Relay relay(1);
        part(b, 0, items.walk, relay);
        return 1;
    }
    const qsizetype parts = (count + chunk - 1) / chunk;
    const auto walkPart = [&](qsizetype index) {
        return [&items, from = index * chunk, to = std::min(count, (index + 1) * chunk)](
                   const MenuItems::Visit &visit) { items.walkPart(from, to, visit); };
    };
    // The odd parts' buffers, in turn; `ready` counts the parts made into
    // them, `taken` those streamed.
    QByteArray buffers[2];
    qsizetype ready = 0, taken = 0;
    bool stop = false;
    std::exception_ptr failure; // of the second thread
    Relay relay(parts);
    std::mutex mutex;
    std::condition_variable changed;
    std::thread second;
    try {
        second = std::thread([&] {
            try {
                for (qsizetype k = 1, n = 0; k < parts; k += 2, ++n) {
                    {
                        std::unique_lock lock(mutex);
                        changed.wait(lock, [&] { return taken + 2 > n || stop; });
                        if (stop)
                            return;
                    }
                    QByteArray &into = buffers[n % 2];
                    into.truncate(0); // keeps its room
                    TextBuilder w([&](QByteArrayView bytes) { into.append(bytes); });
                    part(w, k, walkPart(k), relay);
                    w.flush();
                    std::lock_guard lock(mutex);
                    ++ready;
                    changed.notify_all();
                }
            } catch (...) {
                relay.cancel();
                std::lock_guard lock(mutex);
                failure = std::current_exception();
                changed.notify_all();
            }
        });
    } catch (const std::system_error &) {
        Relay whole(1);
        part(b, 0, items.walk, whole); // no thread to be had
        return 1;
    }
    const auto halt = [&] {
        relay.cancel();
        {
            std::lock_guard lock(mutex);
            stop = true;
        }
        changed.notify_all();
        second.join();
    };
    try {
        for (qsizetype k = 0; k < parts; ++k) {
            if (k % 2 == 0) {
                part(b, k, walkPart(k), relay);
                continue;
            }
            const qsizetype n = k / 2;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return ready > n || failure; });
                if (failure)
                    std::rethrow_exception(failure);
            }
            b.drainUtf8(buffers[n % 2]);
            std::lock_guard lock(mutex);
            ++taken;
            changed.notify_all();
        }
    } catch (...) {
        halt();
        throw;
    }
    second.join();
    return parts;
}

} // namespace partedwalk
