#include "core/base/number_format.h"

#include <gtest/gtest.h>

namespace tambrelox {
namespace {

TEST(NumberMasks, EachMaskWithItsZerosPointAndGrouping) {
    const NumberFormat english;
    EXPECT_EQ(FormatGroupedWhole(0, english), "");
    EXPECT_EQ(FormatGroupedWhole(256, english), "256");
    EXPECT_EQ(FormatGroupedWhole(1200000, english), "1,200,000");
    EXPECT_EQ(FormatGroupedWhole(2.5, english), "2");  // halves go to even
    EXPECT_EQ(FormatGroupedWhole(3.5, english), "4");
    EXPECT_EQ(FormatGroupedWhole(1234567, NumberFormat{".", ","}), "1.234.567");
    EXPECT_EQ(FormatUpToThreeDecimals(1.25, english), "1.25");
    EXPECT_EQ(FormatUpToThreeDecimals(0.5, english), ".5");
    EXPECT_EQ(FormatUpToThreeDecimals(2, english), "2.");
    EXPECT_EQ(FormatUpToThreeDecimals(0, english), ".");
    EXPECT_EQ(FormatUpToThreeDecimals(0.136, english), ".136");
    EXPECT_EQ(FormatUpToThreeDecimals(1234.5, english), "1234.5");
    EXPECT_EQ(FormatUpToThreeDecimals(0.9996, english), "1.");
    EXPECT_EQ(FormatUpToThreeDecimals(1.5, NumberFormat{".", ","}), "1,5");
    EXPECT_EQ(FormatGroupedWholeOrZero(0, english), "0");
    EXPECT_EQ(FormatGroupedWholeOrZero(-0.4, english), "0");
    EXPECT_EQ(FormatGroupedWholeOrZero(-1234.5, english), "-1,234");
    EXPECT_EQ(FormatGroupedWholeOrZero(1e20, english), "100,000,000,000,000,000,000");
    EXPECT_EQ(FormatThreeDecimals(0.5, english), ".500");
    EXPECT_EQ(FormatThreeDecimals(12.3456, english), "12.346");
    EXPECT_EQ(FormatThreeDecimals(1234.5, english), "1234.500");
    EXPECT_EQ(FormatThreeDecimals(0, english), ".000");
    EXPECT_EQ(FormatThreeDecimals(-0.25, NumberFormat{".", ","}), "-,250");
}

TEST(NumberMasks, RoundHalfEven) {
    EXPECT_EQ(RoundHalfEven(0.5, 0), 0);
    EXPECT_EQ(RoundHalfEven(1.5, 0), 2);
    EXPECT_EQ(RoundHalfEven(2.5, 0), 2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.1360544, 3), 0.136);
}

}  // namespace
}  // namespace tambrelox
