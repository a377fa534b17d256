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

    const auto runOne = [&](std::size_t i) {
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
        finished.notify_one();  // only the calling thread ever waits
    };
    const auto worker = [&] {
        for (std::size_t i = next++; i < count && !stopped; i = next++) runOne(i);
    };
    // The calling thread is one of the `threads`: it works too while it waits.
    const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1U) - 1, count);
    std::vector<std::thread> pool;
    // However this scope is left, the helpers are told to stop, then joined.
    struct JoinOnExit {
        std::vector<std::thread>& threads;
        ~JoinOnExit() {
            for (std::thread& thread : threads) thread.join();
        }
    } const joinOnExit{pool};
    struct StopOnExit {
        std::atomic<bool>& stop;
        ~StopOnExit() { stop = true; }
    } const stopOnExit{stopped};
    pool.reserve(helpers);
    for (std::size_t h = 0; h < helpers; ++h) pool.emplace_back(worker);

    for (std::size_t i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        while (!done[i]) {
            lock.unlock();
            if (const std::size_t other = next++; other < count) {
                runOne(other);
                lock.lock();
                continue;
            }
            lock.lock();
            finished.wait(lock, [&] { return done[i]; });
        }
        const std::exception_ptr failure = failures[i];
        lock.unlock();
        if (failure) std::rethrow_exception(failure);
        if (!deliver(i)) return false;
    }
    return true;
}

}  // namespace tambrelox
