#include "core/base/legibility.h"

#include <gtest/gtest.h>

#include <limits>

namespace tambrelox {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Reference values from the accessibility guidelines' own examples.
TEST(ContrastRatioTest, MatchesTheGuidelinesAndTellsTheWindowsFaultFromItsFix) {
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kWhite), 1.0);
    EXPECT_NEAR(ContrastRatio({118, 118, 118}, kWhite), 4.54, 0.01);  // lightest grey that passes
    EXPECT_NEAR(ContrastRatio({255, 0, 0}, kWhite), 4.00, 0.01);      // pure red never passes
    // Near black the channel curve is straight, not the power curve.
    EXPECT_NEAR(RelativeLuminance({10, 10, 10}), 10 / 255.0 / 12.92, 1e-12);
    // The faults the windows had: dark blue text on a dark face, and the fix.
    EXPECT_LT(ContrastRatio({0, 0, 192}, {53, 53, 53}), kReadableContrast);
    EXPECT_GT(ContrastRatio({0, 0, 192}, {240, 240, 240}), kReadableContrast);
    EXPECT_GT(ContrastRatio({192, 0, 0}, {240, 240, 240}), kReadableContrast);
}

TEST(FontGrowthTest, GrowsOnlyPastTheUsualDesktopFont) {
    EXPECT_DOUBLE_EQ(FontGrowth(9), 1.0);
    EXPECT_DOUBLE_EQ(FontGrowth(10), 1.0);
    EXPECT_DOUBLE_EQ(FontGrowth(12), 1.2);
    EXPECT_DOUBLE_EQ(FontGrowth(20), 2.0);
    EXPECT_DOUBLE_EQ(FontGrowth(6), 1.0);
    // Qt says -1 for a font sized in pixels.
    EXPECT_DOUBLE_EQ(FontGrowth(-1), 1.0);
    EXPECT_DOUBLE_EQ(FontGrowth(std::numeric_limits<double>::quiet_NaN()), 1.0);
}

}  // namespace
}  // namespace tambrelox
