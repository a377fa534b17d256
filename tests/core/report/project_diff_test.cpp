#include "core/report/project_diff.h"

#include <gtest/gtest.h>

#include "core/base/line_diff.h"
#include "core/project/summary.h"
#include "core/report/diff_lines.h"
#include "test_files.h"

namespace tambrelox {
namespace {

using fixture::MakeWave;
using fixture::ProgramCode;
using fixture::SpjBuilder;
using fixture::Tone;
using Lines = std::vector<std::string>;

struct ClipPart {
    std::uint32_t handle;
    std::string name;
    double frequency;
    double seconds;
    int bits;
    std::uint8_t dlCode;
};

// The parts of a small project that a comparison looks at.
struct Parts {
    std::vector<ClipPart> clips{{1, "whistle.wav", 440, 0.25, 8, 0},
                                {2, "bell.wav", 660, 0.25, 16, 0},
                                {3, "horn.wav", 330, 0.5, 8, 0}};
    int voices = 2;
    std::array<std::uint8_t, 256> cvs{};
    std::string text = "Steam loco\r\nAuthor: Test Maker\r\n(B)\r\nCV140 Whistle Volume\r\n(C)\r\n";

    Project Read() const {
        SpjBuilder builder;
        for (const ClipPart& clip : clips) {
            builder.Clip(clip.handle, clip.name,
                         MakeWave(Tone(clip.frequency, clip.seconds), clip.bits), clip.dlCode);
        }
        ProgramCode code;
        for (int voice = 1; voice <= voices; ++voice) code.Voice(static_cast<std::uint8_t>(voice));
        builder.Code(code.Scheme(1).End()).StartupCVs(cvs).Text(text);
        auto outcome = testkit::Read(builder);
        EXPECT_TRUE(outcome.ok()) << outcome.refusal().message;
        return std::move(outcome).value();
    }
};

ProjectDiff Compare(const Parts& before, const Parts& after) {
    return CompareProjects(before.Read(), after.Read());
}

TEST(CompareProjects, NamesEachChangedFieldOfAClipAlone) {
    using Fields = std::vector<ClipField>;
    const std::pair<void (*)(ClipPart&), Fields> cases[] = {
        {[](ClipPart& c) { c.seconds = 0.75; }, {ClipField::Size, ClipField::Content}},
        {[](ClipPart& c) { c.bits = 8; }, {ClipField::Size, ClipField::Bits, ClipField::Content}},
        {[](ClipPart& c) { c.dlCode = 1; }, {ClipField::DL}},
        {[](ClipPart& c) { c.frequency = 880; }, {ClipField::Content}},
        {[](ClipPart& c) { c.name = "bell2.wav"; }, {ClipField::Name}},
        {[](ClipPart& c) { c.handle = 9; }, {ClipField::Handle}},  // paired by its name
    };
    for (const auto& [change, fields] : cases) {
        Parts after;
        change(after.clips[1]);
        const ProjectDiff diff = Compare(Parts(), after);
        ASSERT_EQ(diff.changedClips.size(), 1U) << ClipFieldName(fields[0]);
        EXPECT_EQ(diff.changedClips[0].fields, fields);
        EXPECT_EQ(diff.changedClips[0].before.name, "bell.wav");
        EXPECT_TRUE(diff.removedClips.empty() && diff.addedClips.empty() && !diff.same());
    }
}

TEST(CompareProjects, PairsByHandleFirstThenByName) {
    Parts after;
    after.clips.erase(after.clips.begin());                    // whistle removed
    after.clips.push_back({7, "brake.wav", 200, 0.25, 8, 0});  // added
    after.clips[0].handle = 5;                                 // bell: a new handle, found by name
    after.clips[1].name = "hooter.wav";                        // horn: renamed, found by handle
    const Lines lines = ProjectDiffLines(Compare(Parts(), after), "a.spj", "b.spj");
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
              (Lines{"clip removed: 1 whistle.wav", "clip added: 7 brake.wav",
                     "clip changed: 2 bell.wav: handle 2 -> 5",
                     "clip changed: 3 horn.wav: name horn.wav -> hooter.wav"}));
}

TEST(CompareProjects, ReportsChangedTotalsCountsRequirementAndAuthor) {
    Parts after;
    after.voices = 4;  // more than a standard decoder plays
    after.clips[2].seconds = 1;
    after.text = "Steam loco\r\nAuthor: Someone Else\r\n(B)\r\nCV140 Whistle Volume\r\n(C)\r\n";
    const ProjectDiff diff = Compare(Parts(), after);
    Lines names;
    for (const ValueChange& value : diff.values) names.push_back(value.name);
    EXPECT_EQ(names, (Lines{"sound total", "project total", "voices", "requirement", "author"}));
    EXPECT_EQ(diff.values.back().after, "Someone Else");
    EXPECT_EQ(diff.values[2].before, "2");
    EXPECT_EQ(diff.values[2].after, "4");
    EXPECT_TRUE(diff.values[2].whole);
    EXPECT_FALSE(diff.values[3].whole);
    EXPECT_EQ(diff.values[3].after, kPremiumOnly);
}

TEST(CompareProjects, ReportsStartupCVsByValueAndByName) {
    Parts after;
    after.cvs[29] = 6;
    after.text = "Steam loco\r\nAuthor: Test Maker\r\n(B)\r\nCV140 Horn Volume\r\n(C)\r\n";
    const ProjectDiff diff = Compare(Parts(), after);
    // The text's lines and hunks as printed are checked on the command line.
    EXPECT_EQ(diff.cvs.size(), 2U);
    const Lines lines = ProjectDiffLines(diff, "a.spj", "b.spj");
    EXPECT_EQ(
        Lines(lines.begin(), lines.begin() + 3),
        (Lines{"CV 29 Configuration Register: value 0 -> 6",
               "CV 140 Whistle Volume: name Whistle Volume -> Horn Volume", "descriptive text:"}));
}

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
