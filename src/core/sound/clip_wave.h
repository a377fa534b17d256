#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/number_format.h"
#include "core/base/outcome.h"
#include "core/project/project.h"

namespace tambrelox {

// Writes the clip's data block, a complete wave file, to `path` byte for byte,
// as WriteWholeFile does.
[[nodiscard]] Outcome<void> WriteClipWave(const Project& project, std::size_t entry,
                                          const std::filesystem::path& path);

// "8 bit, Mono 11 khz" and the like; nothing for a depth clips do not come in.
[[nodiscard]] std::optional<std::string_view> ClipFormatText(int waveBits);

// "2.5": the seconds in plain decimals, no trailing zeros, no thousands separator.
[[nodiscard]] std::string PlaySecondsText(double seconds, const NumberFormat& format);

// "Play Time: 2.5 sec", the seconds as PlaySecondsText writes them.
[[nodiscard]] std::string PlayTimeText(double seconds, const NumberFormat& format);

}  // namespace tambrelox
