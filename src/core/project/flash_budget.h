#pragma once

#include <string>

#include "core/base/number_format.h"
#include "core/project/project.h"

namespace tambrelox {

// How full a project leaves the flash of the smallest decoders.
enum class FlashLevel { Comfortable, NearlyFull, OverLimit };

// The whole project total against what any SFX decoder holds.
struct FlashBudget {
    FlashLevel level = FlashLevel::Comfortable;
    double filled = 0;  // share of the limit, 0 to 1, the bar fills
    std::string text;   // "114,432 of 524,888 bytes (22%)", or why the size does not matter
};

// Nearly full above 90% of kSmallDecoderCapacity, over the limit above it.
// With more voices than a standard decoder plays, the text says that a
// Premium decoder is needed instead of giving a share.
[[nodiscard]] FlashBudget AssessFlashBudget(const ProjectSummary& summary,
                                            const NumberFormat& format);

// Where the limit comes from, for a tooltip.
[[nodiscard]] std::string FlashBudgetExplanation(const NumberFormat& format);

}  // namespace tambrelox
