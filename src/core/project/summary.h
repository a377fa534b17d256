#pragma once

#include <string_view>
#include <vector>

#include "core/project/program_code.h"
#include "core/project/project.h"

namespace tambrelox {

inline constexpr double kClipSampleRate =
    11025;  // every clip plays at this many bytes' worth of samples a second

inline constexpr std::string_view kPremiumOnly = "Series-6 Premium Decoders Only";
inline constexpr std::string_view kSixteenMegabit = "any 16 Megabit SFX Decoder";
inline constexpr std::string_view kAnyDecoder = "any SFX Decoder";

// 512 KiB of flash plus the 600 bytes a 16 Megabit decoder adds over a smaller one.
inline constexpr double kSmallDecoderCapacity = 512.0 * 1024.0 + 600.0;
inline constexpr int kMostVoicesOfStandardDecoders = 3;

// The smallest multiple of 256 not below `value`.
[[nodiscard]] double RoundUp256(double value);

// The clip's sound data size at the depth it is downloaded at.
[[nodiscard]] double RescaleToDownloadDepth(double size, int waveBits, std::optional<int> dlDepth);

// Clip rows, totals and decoder requirement of a read project.
[[nodiscard]] ProjectSummary Summarise(const std::vector<DirectoryEntry>& entries,
                                       std::size_t codeEntry, ProgramCodeCounts counts);

}  // namespace tambrelox
