#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/base/byte_view.h"
#include "core/base/outcome.h"

namespace tambrelox {

// Ten seconds of mono sound at 11025 samples a second: one byte a sample at 8
// bits, two bytes a sample at 12 and 16 bits.
inline constexpr std::uint32_t kRepeatBudgetOneByte = 110250;
inline constexpr std::uint32_t kRepeatBudgetTwoBytes = 220500;

inline constexpr std::string_view kRepeatProblem = "Problem reading Wavefile";

// A repeat play file made from a clip's wave file: its header up to the data
// chunk's identifier, a new data length, and the clip's samples repeated as
// many whole times as fit into ten seconds. Refused as a bad wave, with
// kRepeatProblem, when the header or the data cannot be found.
[[nodiscard]] Outcome<std::vector<std::uint8_t>> BuildRepeatWave(ByteView clipWave, int waveBits);

}  // namespace tambrelox
