#pragma once

#include <QtGlobal>

#include <functional>

// Work on many files, a few at a time: each file's reading or writing waits
// mostly for the disk (or the copy and the hashing take a processor), and
// several files in flight at once save most of that waiting.
namespace InFlight {

// Runs work(0) ... work(count - 1), each once, on at most `atOnce` threads
// (the calling one among them), and returns when all are done. `work` must
// be safe to run on several threads at once, each call on its own index.
void forEach(qsizetype count, qsizetype atOnce, const std::function<void(qsizetype)> &work);

// Runs `beside` on a thread of its own while the calling thread runs `work`,
// and returns when both are done (one after the other on the calling thread
// when no thread is to be had). The two must not touch the same data.
void beside(const std::function<void()> &beside, const std::function<void()> &work);

} // namespace InFlight
