#include "core/project/flash_budget.h"

#include <algorithm>
#include <cmath>

#include "core/project/summary.h"

namespace tambrelox {
namespace {

constexpr double kNearlyFullTenths = 9;  // of the limit

FlashLevel LevelOf(double total) {
    if (total > kSmallDecoderCapacity) return FlashLevel::OverLimit;
    // Compared in tenths, where both sides are whole numbers, so 90% of the
    // limit exactly is not above it.
    if (total * 10 > kSmallDecoderCapacity * kNearlyFullTenths) return FlashLevel::NearlyFull;
    return FlashLevel::Comfortable;
}

// Rounded to the nearest whole percent, except that a project over the limit
// never reads as 100%.
std::string PercentText(double total) {
    const double percent = total * 100 / kSmallDecoderCapacity;
    const double shown =
        total > kSmallDecoderCapacity ? std::ceil(percent) : RoundHalfEven(percent, 0);
    return std::to_string(static_cast<long long>(shown)) + "%";
}

}  // namespace

FlashBudget AssessFlashBudget(const ProjectSummary& summary, const NumberFormat& format) {
    const double total = summary.projectTotal;
    FlashBudget budget;
    budget.level = LevelOf(total);
    budget.filled = std::clamp(total / kSmallDecoderCapacity, 0.0, 1.0);
    const std::string bytes = FormatGroupedWholeOrZero(total, format);
    if (summary.voiceCount > kMostVoicesOfStandardDecoders) {
        budget.text = bytes + " bytes: more than " + std::to_string(kMostVoicesOfStandardDecoders) +
                      " voices need a Series-6 Premium decoder whatever the size";
    } else {
        budget.text = bytes + " of " + FormatGroupedWholeOrZero(kSmallDecoderCapacity, format) +
                      " bytes (" + PercentText(total) + ")";
    }
    return budget;
}

std::string FlashBudgetExplanation(const NumberFormat& format) {
    return "The most a project for \"" + std::string(kAnyDecoder) + "\" may hold: 512 KiB of " +
           "flash plus 600 bytes, " + FormatGroupedWholeOrZero(kSmallDecoderCapacity, format) +
           " bytes. Larger projects need a 16 Megabit decoder.";
}

}  // namespace tambrelox
