#include "core/report/catalogue_row.h"

#include <gtest/gtest.h>

namespace tambrelox {
namespace {

// Whole numbers take a short cut past the search for the fewest digits; both
// must agree with printf's choice between %f and %e.
TEST(ShortestNumberText, FewestDigitsInTheShorterOfFixedAndScientific) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {2048, "2048"},
        {-2048, "-2048"},
        {258816, "258816"},
        {100000, "1e+05"},
        {120000, "120000"},
        {1e15, "1e+15"},
        {6.4, "6.4"},
        {0.001, "0.001"},
        {1e-05, "1e-05"},
        {-0.25, "-0.25"},
        {1.0 / 3, "0.3333333333333333"},
        {123456789012345.0, "123456789012345"},
        {2.5e20, "2.5e+20"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(ShortestNumberText(value), text) << value;
}

}  // namespace
}  // namespace tambrelox
