#include "cvviewer/cv_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox {
namespace {

fixture::SpjBuilder ProjectWithText(const std::string& text) {
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End()).StartupCVs({}).Text(text);
    return builder;
}

Project Read(const fixture::SpjBuilder& builder) {
    auto outcome = ReadProject(builder.Build(), "test.spj");
    EXPECT_TRUE(outcome.ok());
    return std::move(outcome.value());
}

CVNames NamesOf(const Project& project) {
    CVNames names;
    LoadCVNames(project, names);
    return names;
}

CVNames NamesFor(const std::string& text) {
    return NamesOf(Read(ProjectWithText(text)));
}

TEST(ReadTextLine, StopsBeforeTheCarriageReturnOrAtTheEndOfTheFile) {
    const std::vector<std::uint8_t> bytes{'a', 'b', '\r', '\n', 'c'};
    const ByteView file(bytes);

    const TextLine first = ReadTextLine(file, 0);
    EXPECT_EQ(first.text, "ab");
    EXPECT_EQ(first.carriageReturn, 2U);

    const TextLine last = ReadTextLine(file, 4);
    EXPECT_EQ(last.text, "c");
    EXPECT_FALSE(last.carriageReturn);

    const TextLine beyond = ReadTextLine(file, 6);
    EXPECT_EQ(beyond.text, "");
    EXPECT_FALSE(beyond.carriageReturn);
}

TEST(LoadCVNames, StandardNamesAsListedWithoutMarkers) {
    const CVNames names = NamesFor("Just a description\r\nCV140 Not a list\r\n");
    EXPECT_EQ(names[1], "Two-Digit Address");
    EXPECT_EQ(names[18], "Four-Digit Addr (Low)");
    EXPECT_EQ(names[29], "Configuration Register");
    EXPECT_EQ(names[58], "Master Volumne");
    EXPECT_EQ(names[135], "Mute Volume");
    EXPECT_EQ(names[5], "");
    EXPECT_EQ(names[140], "");
}

TEST(LoadCVNames, RebuildingClearsTheNamesOfAnEarlierProject) {
    CVNames names;
    LoadCVNames(Read(ProjectWithText("(B)\r\nCV140 Horn\r\nCV29 Mine\r\n(C)\r\n")), names);
    ASSERT_EQ(names[140], "Horn");
    LoadCVNames(Read(ProjectWithText("plain\r\n")), names);
    EXPECT_EQ(names[140], "");
    EXPECT_EQ(names[29], "Configuration Register");
}

TEST(LoadCVNames, OnlyLinesBetweenTheMarkersCount) {
    const CVNames names = NamesFor(
        "CV141 Before\r\n"
        "(B) custom names\r\n"
        "CV29 My Config\r\n"
        "(B)\r\n"
        "CV140\tHorn Blast (loud)\r\n"
        "(C) end\r\n"
        "CV142 After\r\n");
    EXPECT_EQ(names[29], "My Config");
    EXPECT_EQ(names[140], "Horn Blast");
    EXPECT_EQ(names[141], "");
    EXPECT_EQ(names[142], "");
}

TEST(LoadCVNames, AnEndMarkerBeforeTheStartMarkerEndsTheScan) {
    const CVNames names = NamesFor("(C)\r\n(B)\r\nCV140 Horn\r\n(C)\r\n");
    EXPECT_EQ(names[140], "");
}

TEST(LoadCVNames, MarkersAndPrefixAreCaseSensitive) {
    const CVNames names =
        NamesFor("(b)\r\nCV140 Horn\r\n(B)\r\ncv141 Bell\r\nCv142 Bell\r\n(c)\r\nCV143 Chuff\r\n");
    EXPECT_EQ(names[140], "");
    EXPECT_EQ(names[141], "");
    EXPECT_EQ(names[142], "");
    EXPECT_EQ(names[143], "Chuff");  // "(c)" did not end the list
}

TEST(LoadCVNames, TheSeparatorMustFollowOneToThreeCharacters) {
    const CVNames names = NamesFor(
        "(B)\r\n"
        "CV 140 Space after CV\r\n"
        "CV1400 Seven\r\n"
        "CV140Bell\r\n"
        "CV7 Four\r\n"
        "CV77 Five\r\n"
        "CV177 Six\r\n"
        "CV178\tTab\r\n"
        "(C)\r\n");
    EXPECT_EQ(names[140], "");
    EXPECT_EQ(names[7], "Four");
    EXPECT_EQ(names[77], "Five");
    EXPECT_EQ(names[177], "Six");
    EXPECT_EQ(names[178], "Tab");
}

TEST(LoadCVNames, TheNumberIsALeadingNumberRoundedHalfToEven) {
    const CVNames names = NamesFor(
        "(B)\r\n"
        "CV2.5 Two\r\n"
        "CV3.5 Four\r\n"
        "CV9x Nine\r\n"
        "CV+6 Six\r\n"
        "CVab Zero\r\n"
        "(C)\r\n");
    EXPECT_EQ(names[2], "Two");
    EXPECT_EQ(names[4], "Four");
    EXPECT_EQ(names[9], "Nine");
    EXPECT_EQ(names[6], "Six");
    EXPECT_EQ(names[0], "Zero");  // slot 0 takes it; nothing shows CV 0
}

TEST(LoadCVNames, NumbersOutsideTheTableArePassedOver) {
    CVNames names;
    names[0] = "untouched";
    LoadCVNames(
        Read(ProjectWithText(
            "(B)\r\nCV300 Big\r\nCV-1 Negative\r\nCV256 Just over\r\nCV255 Last\r\n(C)\r\n")),
        names);
    EXPECT_EQ(names[0], "untouched");
    EXPECT_EQ(names[255], "Last");
}

TEST(LoadCVNames, NameIsCutToItsWindowAtABracketAndTrimmed) {
    const CVNames names = NamesFor(
        "(B)\r\n"
        "CV140 Bell [0-255]\r\n"
        "CV141 Big~Horn\r\n"
        "CV142 abcdefghijklmnopqrstuvwxyz0123456789ABCD\r\n"
        "CV143      abcdefghijklmnopqrstuvwxyz\r\n"
        "CV144 (only a remark)\r\n"
        "CV145 ~~Tilde  Edges~~\r\n"
        "CV146 Caf\xe9 Bell\r\n"
        "(C)\r\n");
    EXPECT_EQ(names[140], "Bell");
    EXPECT_EQ(names[141], "Big Horn");
    EXPECT_EQ(names[142], "abcdefghijklmnopqrstuvwxyz01");
    EXPECT_EQ(names[143], "abcdefghijklmnopqrstuvw");  // five extra spaces use up the window
    EXPECT_EQ(names[144], "");
    EXPECT_EQ(names[145], "Tilde  Edges");
    EXPECT_EQ(names[146], "Caf\u00e9 Bell");
}

TEST(LoadCVNames, AnEmptyNameReplacesAStandardOne) {
    const CVNames names = NamesFor("(B)\r\nCV29 \r\nCV3\t\r\n(C)\r\n");
    EXPECT_EQ(names[29], "");
    EXPECT_EQ(names[3], "");
    EXPECT_EQ(names[4], "Deceleration Rate");
}

TEST(LoadCVNames, TheByteAfterACarriageReturnIsSkippedWhateverItIs) {
    const CVNames names = NamesFor("(B)\rXCV140 Horn\rYCV141 Bell\nCV142 Chuff\r\n(C)\r\n");
    EXPECT_EQ(names[140], "Horn");
    EXPECT_EQ(names[141], "Bell\nCV142 Chuff");  // a bare line feed does not end a line
}

TEST(LoadCVNames, AFileEndingInsideTheListEndsTheScanThere) {
    // The text block is the file's last block, so the scan meets the end of the file.
    EXPECT_EQ(NamesFor("(B)\r\nCV140 Horn\r\nCV141 Bell")[141], "Bell");
    EXPECT_EQ(NamesFor("(B)\r\nCV140 Horn\r")[140], "Horn");
    EXPECT_EQ(NamesFor("(B)")[140], "");
    EXPECT_EQ(NamesFor("no line break at all")[29], "Configuration Register");
    EXPECT_EQ(NamesFor("")[1], "Two-Digit Address");
}

TEST(LoadCVNames, TheListRunsOnPastTheTextBlockUntilItsEndMarker) {
    fixture::SpjBuilder builder = ProjectWithText("(B)\r\nCV140 Horn\r\n");
    const std::string more = "CV141 Bell\r\n(C)\r\nCV142 After\r\n";
    builder.Entry({9, 0, {more.begin(), more.end()}, 0, 0, "MORE"});
    const CVNames names = NamesOf(Read(builder));
    EXPECT_EQ(names[141], "Bell");
    EXPECT_EQ(names[142], "");
}

TEST(LoadCVNames, TheStartMarkerIsLookedForOnlyInLinesEndingInsideTheTextBlock) {
    fixture::SpjBuilder builder = ProjectWithText("no line break");
    const std::string more = "\r\n(B)\r\nCV140 Horn\r\n(C)\r\n";
    builder.Entry({9, 0, {more.begin(), more.end()}, 0, 0, "MORE"});
    EXPECT_EQ(NamesOf(Read(builder))[140], "");
}

}  // namespace
}  // namespace tambrelox
