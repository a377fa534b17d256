#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/outcome.h"

namespace tambrelox {

// Every file read whole is a sound project or one of its clips. Their 24-bit
// offsets and lengths keep them under 32 MiB; a file far larger is none of
// them and not worth reading into memory.
inline constexpr std::uint64_t kLargestFileRead = std::uint64_t{64} * 1024 * 1024;

// A regular file of at most kLargestFileRead bytes, open for reading chosen
// byte ranges. Refusals' messages complete "Problem reading NAME: ..."; a short
// read names the offset it stopped at.
class ReadableFile {
  public:
    [[nodiscard]] static Outcome<ReadableFile> Open(const std::filesystem::path& path);
    // `path` taken relative to the open folder `folder`, as openat() takes it.
    [[nodiscard]] static Outcome<ReadableFile> OpenAt(int folder,
                                                      const std::filesystem::path& path);
    ReadableFile(ReadableFile&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}
    ReadableFile& operator=(ReadableFile&&) = delete;
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile();

    // The size the file had when it was opened.
    [[nodiscard]] std::uint64_t size() const { return size_; }

    // All `count` bytes from `at`: bytes past the size, or that do not come
    // (the file shrank under us), are refused rather than left out.
    [[nodiscard]] Outcome<std::vector<std::uint8_t>> Read(std::uint64_t at,
                                                          std::uint64_t count) const;

  private:
    ReadableFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    int fd_;
    std::uint64_t size_;
};

// The whole of a regular file of at most kLargestFileRead bytes, read as ReadableFile reads.
[[nodiscard]] Outcome<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// What a command line names an output file to mean standard output, and an
// input file to mean standard input.
inline constexpr std::string_view kStandardOutput = "-";
inline constexpr std::string_view kStandardInput = "-";

// All of standard input, whatever it is (a file, a pipe), up to
// kLargestFileRead bytes; refused as ReadableFile refuses when there is more
// or it cannot be read.
[[nodiscard]] Outcome<std::vector<std::uint8_t>> ReadStandardInput();

// Creates or replaces `path` with `bytes` unchanged, through a temporary file
// in the same folder that is synced and renamed into place: a failure leaves
// any file that was there untouched and no partial one. A symbolic link in
// place of the file is refused. The refusal reads "cannot write PATH: REASON".
[[nodiscard]] Outcome<void> WriteWholeFile(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes);

// Flushes `out` (standard output); refused, with the system's reason as the
// whole message, when anything written to it since it was opened failed.
[[nodiscard]] Outcome<void> FlushOutput(std::ostream& out);

// True when both paths name one existing file: output must never land on the
// project it was made from.
[[nodiscard]] bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tambrelox
