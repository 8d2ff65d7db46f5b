#include "platform/InFlight.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace InFlight {

void forEach(qsizetype count, qsizetype atOnce, const std::function<void(qsizetype)> &work)
{
    std::atomic<qsizetype> next{0};
    const auto run = [&] {
        for (qsizetype i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> helpers;
    try {
        for (qsizetype t = 1; t < std::min(atOnce, count); ++t)
            helpers.emplace_back(run);
    } catch (const std::system_error &) {
        // No more threads to be had: those started and this one do it all.
    }
    run();
    for (std::thread &helper : helpers)
        helper.join();
}

void beside(const std::function<void()> &beside, const std::function<void()> &work)
{
    std::thread helper;
    try {
        helper = std::thread(beside);
    } catch (const std::system_error &) {
        beside(); // no thread to be had
    }
    struct Join {
        std::thread &thread;
        ~Join()
        {
            if (thread.joinable())
                thread.join();
        }
    } join{helper};
    work();
}

} // namespace InFlight
