#include "core/base/line_diff.h"

#include <gtest/gtest.h>

namespace tambrelox {
namespace {

using Lines = std::vector<std::string>;

TEST(UnifiedDiffHunks, NothingForTheSameTextsAndInsertionsWithTheirContext) {
    EXPECT_TRUE(UnifiedDiffHunks({}, {}).empty());
    EXPECT_TRUE(UnifiedDiffHunks({"a", "b"}, {"a", "b"}).empty());
    EXPECT_EQ(UnifiedDiffHunks({}, {"a", "b"}), (Lines{"@@ -0,0 +1,2 @@", "+a", "+b"}));
    EXPECT_EQ(UnifiedDiffHunks({"a"}, {}), (Lines{"@@ -1 +0,0 @@", "-a"}));
    const Lines text{"1", "2", "3", "4", "5"};
    EXPECT_EQ(UnifiedDiffHunks(text, {"0", "1", "2", "3", "4", "5"}),
              (Lines{"@@ -1,3 +1,4 @@", "+0", " 1", " 2", " 3"}));
    EXPECT_EQ(UnifiedDiffHunks(text, {"1", "2", "3", "4", "5", "6"}),
              (Lines{"@@ -3,3 +3,4 @@", " 3", " 4", " 5", "+6"}));
    EXPECT_EQ(UnifiedDiffHunks(text, {"1", "2", "3", "4", "5", "6"}, 0),
              (Lines{"@@ -5,0 +6 @@", "+6"}));
}

TEST(UnifiedDiffHunks, ChangesFarApartMakeTwoHunksCloseOnesOneAndCommonLinesStay) {
    Lines before;
    for (int i = 1; i <= 20; ++i) before.push_back(std::to_string(i));
    Lines after = before;
    after[1] = "two";
    after[17] = "eighteen";
    EXPECT_EQ(UnifiedDiffHunks(before, after, 1),
              (Lines{"@@ -1,3 +1,3 @@", " 1", "-2", "+two", " 3", "@@ -17,3 +17,3 @@", " 17", "-18",
                     "+eighteen", " 19"}));
    after = before;
    after[1] = "two";
    after[4] = "five";  // two unchanged lines between: the contexts touch
    EXPECT_EQ(UnifiedDiffHunks(before, after, 1),
              (Lines{"@@ -1,6 +1,6 @@", " 1", "-2", "+two", " 3", " 4", "-5", "+five", " 6"}));
    EXPECT_EQ(UnifiedDiffHunks({"a", "x", "b", "y", "c"}, {"a", "b", "z", "c"}, 0),
              (Lines{"@@ -2 +1,0 @@", "-x", "@@ -4 +3 @@", "-y", "+z"}));
}

TEST(UnifiedDiffHunks, PastTheBoundTheMiddleIsReplacedWhole) {
    Lines before;
    Lines after;
    for (int i = 0; i < 3000; ++i) {
        before.push_back("b" + std::to_string(i));
        after.push_back(i % 2 ? "b" + std::to_string(i) : "a" + std::to_string(i));
    }
    const Lines hunks = UnifiedDiffHunks(before, after, 0);
    ASSERT_EQ(hunks.size(), 1U + 2999 + 2999);  // from the first change to the last
    EXPECT_EQ(hunks[0], "@@ -1,2999 +1,2999 @@");
    EXPECT_EQ(hunks[1], "-b0");
    EXPECT_EQ(hunks[3000], "+a0");
}

}  // namespace
}  // namespace tambrelox
