#include "core/project/flash_budget.h"

#include <gtest/gtest.h>

namespace tambrelox {
namespace {

FlashBudget Assess(double total, int voices = 3, const NumberFormat& format = {}) {
    ProjectSummary summary;
    summary.projectTotal = total;
    summary.voiceCount = voices;
    return AssessFlashBudget(summary, format);
}

// 90% of the limit is 472,399.2 bytes; the limit itself is 524,888.
TEST(FlashBudget, LevelsChangeJustAboveNinetyPercentAndJustAboveTheLimit) {
    struct Case {
        double total;
        FlashLevel level;
    };
    for (const Case c : {Case{0, FlashLevel::Comfortable}, Case{472399, FlashLevel::Comfortable},
                         Case{472400, FlashLevel::NearlyFull}, Case{524888, FlashLevel::NearlyFull},
                         Case{524889, FlashLevel::OverLimit}}) {
        EXPECT_EQ(Assess(c.total).level, c.level) << c.total;
    }
}

TEST(FlashBudget, TextGivesAShareNeverFullWhenOverAndTheBarStopsFull) {
    EXPECT_EQ(Assess(114432).text, "114,432 of 524,888 bytes (22%)");
    EXPECT_EQ(Assess(0).text, "0 of 524,888 bytes (0%)");
    EXPECT_EQ(Assess(524800).text, "524,800 of 524,888 bytes (100%)");
    EXPECT_EQ(Assess(525056).text, "525,056 of 524,888 bytes (101%)");
    EXPECT_EQ(Assess(114432, 3, {.thousandsSeparator = ".", .decimalPoint = ","}).text,
              "114.432 of 524.888 bytes (22%)");
    EXPECT_DOUBLE_EQ(Assess(0).filled, 0.0);
    EXPECT_DOUBLE_EQ(Assess(262444).filled, 0.5);
    EXPECT_DOUBLE_EQ(Assess(1049776).filled, 1.0);
}

TEST(FlashBudget, FourVoicesNeedAPremiumDecoderWhateverTheSize) {
    const FlashBudget four = Assess(114432, 4);
    EXPECT_EQ(four.text,
              "114,432 bytes: more than 3 voices need a Series-6 Premium decoder whatever the "
              "size");
    EXPECT_EQ(four.level, FlashLevel::Comfortable);  // the bar still pictures the size
    EXPECT_EQ(Assess(525056, 4).level, FlashLevel::OverLimit);
}

}  // namespace
}  // namespace tambrelox
