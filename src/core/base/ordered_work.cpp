#include "core/base/ordered_work.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tambrelox {

bool RunInOrder(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
                const std::function<bool(std::size_t)>& deliver) {
    std::mutex mutex;
    std::condition_variable finished;
    std::vector<bool> done(count);
    std::vector<std::exception_ptr> failures(count);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};

    const auto worker = [&] {
        for (std::size_t i = next++; i < count && !stopped; i = next++) {
            std::exception_ptr failure;
            try {
                work(i);
            } catch (...) {
                failure = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex);
                done[i] = true;
                failures[i] = failure;
            }
            finished.notify_all();
        }
    };
    const std::size_t workers =
        std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(count, 1));
    std::vector<std::jthread> pool;
    // Stops the workers before the pool joins them, however this scope is left.
    struct StopOnExit {
        std::atomic<bool>& stop;
        ~StopOnExit() { stop = true; }
    };
    pool.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w) pool.emplace_back(worker);
    const StopOnExit stopOnExit{stopped};

    for (std::size_t i = 0; i < count; ++i) {
        std::exception_ptr failure;
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&] { return done[i]; });
            failure = failures[i];
        }
        if (failure) std::rethrow_exception(failure);
        if (!deliver(i)) return false;
    }
    return true;
}

}  // namespace tambrelox
