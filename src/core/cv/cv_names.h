#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/base/byte_view.h"
#include "core/project/project.h"

namespace tambrelox {

// Startup CVs are numbered 0 to 255; CV 0 has a slot but is never shown.
inline constexpr std::size_t kCVSlots = 256;
inline constexpr int kLastCV = 255;

// Display names (UTF-8) by CV number.
using CVNames = std::array<std::string, kCVSlots>;

// One line of file text and where it ended.
struct TextLine {
    std::string text;                             // the bytes before the carriage return
    std::optional<std::uint64_t> carriageReturn;  // its offset; empty when the file ended first
};

// The bytes from `from` up to the next carriage return, or up to the end of the file.
[[nodiscard]] TextLine ReadTextLine(ByteView file, std::uint64_t from);

// Rebuilds slots 1 to 255 for `project`: the standard names, replaced by the
// custom names its descriptive text lists between a "(B)" and a "(C)" line.
void LoadCVNames(const Project& project, CVNames& names);

}  // namespace tambrelox
