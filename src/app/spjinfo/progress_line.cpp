#include "app/spjinfo/progress_line.h"

#include <unistd.h>

#include <iostream>

namespace tambrelox::spjinfo {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

ProgressLine::ProgressLine(std::size_t total, bool wanted)
    : shown_(wanted && ::isatty(STDERR_FILENO) == 1), total_(total) {}

void ProgressLine::Update(std::size_t done) {
    const Clock::time_point now = Clock::now();
    if (!shown_ || now - drawn_ < kRedrawInterval) return;
    drawn_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const auto rate = static_cast<long long>(seconds > 0 ? static_cast<double>(done) / seconds : 0);
    const std::string text = "spjinfo: " + std::to_string(done) + "/" + std::to_string(total_) +
                             " files, " + std::to_string(rate) + " files/s";
    // Spaces cover what is left of a longer line before.
    const std::size_t padding = width_ > text.size() ? width_ - text.size() : 0;
    std::cerr << '\r' << text << std::string(padding, ' ') << std::flush;
    width_ = text.size() + padding;
}

void ProgressLine::Erase() {
    if (width_ == 0) return;
    std::cerr << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
}

}  // namespace tambrelox::spjinfo
