#pragma once

#include <cstddef>
#include <functional>

namespace tambrelox {

// Runs `work(i)` for every i below `count` on up to `threads` threads, the
// calling one among them, and hands each finished i to `deliver(i)` on the
// calling thread in order,
// as soon as it and every i before it are done. `deliver` returning false
// stops the run: no more work is started and the call returns false once the
// workers in flight are done. An exception thrown by `work(i)` is thrown again
// from here when i's turn to be delivered comes.
bool RunInOrder(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
                const std::function<bool(std::size_t)>& deliver);

}  // namespace tambrelox
