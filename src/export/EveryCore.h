#pragma once
// Work on the figures of a long list, shared among the cores.

#include <algorithm>
#include <thread>
#include <vector>

namespace zol {

// Runs work(true) on the calling thread and work(false) on a helper thread
// per further core (8 threads at most) when there are 64 items or more; the
// work takes its items itself. Only the calling thread may move a gauge.
template <typename Work>
void OnEveryCore(int items, const Work& work)
{
    const int helpers = items >= 64 ? static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u)) - 1 : 0;
    std::vector<std::thread> threads;
    for (int k = 0; k < helpers; ++k)
        threads.emplace_back(work, false);
    work(true);
    for (std::thread& t : threads)
        t.join();
}

} // namespace zol
