#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace tambrelox {

// Far beyond any sound clip; a larger file is not one to read whole.
inline constexpr std::uint64_t kLargestWaveFile = std::uint64_t{64} * 1024 * 1024;

// The whole of a regular file, or nothing when it cannot be read or holds
// more than `limit` bytes.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadWholeFile(
    const std::filesystem::path& path, std::uint64_t limit);

// Creates or truncates `path` and writes `bytes` to it unchanged. A symbolic
// link in place of the file is refused rather than followed, so a planted link
// cannot send the bytes elsewhere.
[[nodiscard]] bool WriteWholeFile(const std::filesystem::path& path,
                                  std::span<const std::uint8_t> bytes);

// True when both paths name one existing file: output must never land on the
// project it was made from.
[[nodiscard]] bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tambrelox
