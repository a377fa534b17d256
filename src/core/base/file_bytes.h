#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "core/base/outcome.h"

namespace tambrelox {

// Every file read whole is a sound project or one of its clips. Their 24-bit
// offsets and lengths keep them under 32 MiB; a file far larger is none of
// them and not worth reading into memory.
inline constexpr std::uint64_t kLargestFileRead = std::uint64_t{64} * 1024 * 1024;

// The whole of a regular file of at most kLargestFileRead bytes. The refusal's
// message completes "Problem reading NAME: ..."; a short read names the offset
// it stopped at.
[[nodiscard]] Outcome<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// Creates or truncates `path` and writes `bytes` to it unchanged. A symbolic
// link in place of the file is refused rather than followed, so a planted link
// cannot send the bytes elsewhere. The refusal reads "cannot write PATH".
[[nodiscard]] Outcome<void> WriteWholeFile(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes);

// True when both paths name one existing file: output must never land on the
// project it was made from.
[[nodiscard]] bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tambrelox
