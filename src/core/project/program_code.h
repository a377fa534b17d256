#pragma once

#include <cstdint>

#include "core/base/byte_view.h"
#include "core/base/outcome.h"

namespace tambrelox {

struct ProgramCodeCounts {
    int voices = 0;
    int schemes = 0;
};

// Walks the program code block at `offset` of `length` bytes to its end
// instruction (241, 31). Refused, with the offset the walk reached, when it
// runs past the block.
[[nodiscard]] Outcome<ProgramCodeCounts> ScanProgramCode(ByteView file, std::uint64_t offset,
                                                         std::uint64_t length);

}  // namespace tambrelox
