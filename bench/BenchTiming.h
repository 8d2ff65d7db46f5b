#pragma once

#include <QElapsedTimer>
#include <algorithm>

// The best of several runs of a piece of work, in milliseconds.
template <typename F> double bestMs(int repeats, F &&work)
{
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

// The median of several runs and their spread (the largest less the least).
struct MedianSpread {
    double median = 0;
    double spread = 0;
};
template <typename List> MedianSpread medianSpread(List values)
{
    if (values.isEmpty())
        return {};
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back() - values.front()};
}
