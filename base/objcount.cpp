#include "base/objcount.h"

#include <atomic>

namespace {
std::atomic<double> classsum{0.0};
std::atomic<double> livecount{0.0};
}

int objcount(int n)
{
    int step = n >= 1 ? 1 : -1;
    classsum.fetch_add(n, std::memory_order_relaxed);
    livecount.fetch_add(step, std::memory_order_relaxed);
    return step;
}

objcounts objcountstate()
{
    return {classsum.load(), livecount.load()};
}

void objcountreset()
{
    classsum.store(0.0);
    livecount.store(0.0);
}
