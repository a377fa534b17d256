#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace tambrelox::spjinfo {

// "spjinfo: DONE/TOTAL files, RATE files/s" on standard error, rewritten in
// place, when `wanted` and standard error is a terminal; nothing otherwise.
class ProgressLine {
  public:
    ProgressLine(std::size_t total, bool wanted);
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;
    ~ProgressLine() { Erase(); }

    // Shows `done` files finished; redrawn a few times a second at most.
    void Update(std::size_t done);
    // Takes the line away, so that other output starts at the line's start.
    void Erase();

  private:
    using Clock = std::chrono::steady_clock;
    bool shown_;  // whether the line is drawn at all
    std::size_t total_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point drawn_{};
    std::size_t width_ = 0;  // of the line on the screen, 0 when there is none
};

}  // namespace tambrelox::spjinfo
