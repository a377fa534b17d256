#include "core/base/byte_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace tambrelox {
namespace {

TEST(ByteView, RefusesEveryReadThatWouldPassTheEndAndWindowsStopThere) {
    const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5};
    const ByteView view(bytes);
    EXPECT_EQ(view.u8(4), 5);
    EXPECT_FALSE(view.u8(5));
    EXPECT_EQ(view.u32le(1), 0x05040302U);
    EXPECT_FALSE(view.u32le(2));
    EXPECT_TRUE(view.slice(5, 0));
    EXPECT_FALSE(view.slice(4, 2));
    // Sums that would wrap around 64 bits must not look small.
    constexpr auto huge = std::numeric_limits<std::uint64_t>::max();
    EXPECT_FALSE(view.slice(huge, 2));
    EXPECT_FALSE(view.slice(2, huge));
    EXPECT_FALSE(view.u32le(huge - 1));
    EXPECT_EQ(view.window(3, 1000).text(), "\x04\x05");
    EXPECT_EQ(view.window(5, 10).size(), 0U);
    EXPECT_EQ(view.window(99, 10).size(), 0U);
}

}  // namespace
}  // namespace tambrelox
