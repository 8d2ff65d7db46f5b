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

} // namespace InFlight
