#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Hands bytes to a sink (a file's write) on a second thread, in blocks, so
// that producing the next block and writing the last one overlap. The sink
// sees the bytes in order and is called from that thread only (from the
// caller's, at once, where no thread can be had); finish() waits until it
// has seen them all. A few blocks wait at most: a producer
// faster than the sink waits too, so the memory held stays bounded.
class ThreadedSink {
public:
    using Sink = std::function<void(QByteArrayView)>;

    explicit ThreadedSink(Sink sink, qsizetype blockSize = 1 << 20, int blocks = 4);
    ~ThreadedSink();
    ThreadedSink(const ThreadedSink &) = delete;
    ThreadedSink &operator=(const ThreadedSink &) = delete;

    void write(QByteArrayView bytes);
    // Hands on what is left and waits until the sink has taken everything.
    void finish();

private:
    void handOn(); // the block being filled goes to the queue
    void run();

    Sink m_sink;
    qsizetype m_blockSize;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<QByteArray> m_free;  // blocks to fill
    std::vector<QByteArray> m_queue; // blocks to write, oldest first
    QByteArray m_filling;
    bool m_finished = false;
    bool m_direct = false; // no second thread: written at once
    std::thread m_thread;
};
