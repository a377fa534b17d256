#pragma once

#include <cstdint>
#include <optional>

#include "core/base/byte_view.h"

namespace tambrelox {

struct ProgramCodeCounts {
    int voices = 0;
    int schemes = 0;
};

// Walks the program code block at `offset` of `length` bytes to its end
// instruction (241, 31). Nothing when the walk runs past the block.
[[nodiscard]] std::optional<ProgramCodeCounts> ScanProgramCode(ByteView file, std::uint64_t offset,
                                                               std::uint64_t length);

}  // namespace tambrelox
