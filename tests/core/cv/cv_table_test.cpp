#include "core/cv/cv_table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox {
namespace {

std::string RowText(const GridModel& grid, int row) {
    std::string text;
    for (int c = 0; c < grid.Cols(); ++c) text += (c > 0 ? "|" : "") + grid.Cell(row, c);
    return text;
}

TEST(BuildCVRows, OneRowPerCVWithItsNameAndValueInEveryBase) {
    std::array<std::uint8_t, 256> values{};
    values[0] = 99;  // CV 0 is never listed
    values[3] = 6;
    values[29] = 29;
    values[255] = 255;
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End())
        .StartupCVs(values)
        .Text("(B)\r\nCV255 Last One\r\n(C)\r\n");
    std::vector<std::uint8_t> bytes = builder.Build();
    bytes.at(builder.BlockOffset(1) + 2 * 5 + 1) = 0xFF;  // only a pair's first byte counts
    const auto project = ReadProject(bytes, "test.spj");
    ASSERT_TRUE(project.ok());
    CVNames names;
    LoadCVNames(project.value(), names);
    GridModel grid;
    grid.AddRow({{"left over"}});
    PrepareCVGrid(grid);
    BuildCVRows(project.value(), names, grid);

    ASSERT_EQ(grid.Rows(), 256);
    EXPECT_EQ(RowText(grid, 0), "CV|CV Name|Hex|Dec|Binary");
    EXPECT_EQ(grid.ColWidth(1), 2400);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::Default);
    EXPECT_EQ(grid.ColAlignment(2), GridAlignment::Centre);
    EXPECT_EQ(RowText(grid, 1), "CV 1|Two-Digit Address|00|0 |00000000");
    EXPECT_EQ(RowText(grid, 3), "CV 3|Acceleration Rate|06|6 |00000110");
    EXPECT_EQ(RowText(grid, 5), "CV 5||00|0 |00000000");
    EXPECT_EQ(RowText(grid, 29), "CV 29|Configuration Register|1D|29 |00011101");
    EXPECT_EQ(RowText(grid, 255), "CV 255|Last One|FF|255 |11111111");
}

TEST(BuildCVRows, StopsWhereTheFileEnds) {
    // The views refuse such a file first; a project put together by hand must still not be read
    // past its end.
    Project project;
    project.file = FileImage(std::vector<std::uint8_t>(20, 7));
    project.entries.push_back({3, 0, 10, 0, 0, 0, "CVS", 0});
    GridModel grid;
    PrepareCVGrid(grid);
    BuildCVRows(project, CVNames{}, grid);
    ASSERT_EQ(grid.Rows(), 5);  // CV 1 to 4 at offsets 12 to 18
    EXPECT_EQ(grid.Cell(4, cv_column::kHex), "07");
}

// A project ending in a startup CV block of `length` bytes.
Outcome<Project> EndingInCVs(std::size_t length) {
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End())
        .Text("t")
        .Entry({3, 0, std::vector<std::uint8_t>(length, 1), 512, 0, "CVS"});
    return ReadProject(builder.Build(), "cut.spj");
}

TEST(CheckStartupCVs, ABlockCutShortLoadsButIsRefusedToTheCVViews) {
    const auto whole = EndingInCVs(511);  // CV 255 is the block's byte 510
    ASSERT_TRUE(whole.ok());
    EXPECT_TRUE(CheckStartupCVs(whole.value(), "cut.spj").ok());

    const auto cut = EndingInCVs(510);
    ASSERT_TRUE(cut.ok()) << cut.refusal().message;
    const auto refused = CheckStartupCVs(cut.value(), "cut.spj");
    ASSERT_FALSE(refused.ok());  // the message is pinned by the command-line tests
    EXPECT_EQ(refused.refusal().place, (Place{Place::In::DirectoryEntry, 2}));
    EXPECT_EQ(refused.refusal().kind, RefusalKind::NotAProject);
}

// The names of a project with this descriptive text and, where given, a block after it.
CVNames NamesFor(const std::string& text, const std::string& followingBlock = "") {
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End()).StartupCVs({}).Text(text);
    if (!followingBlock.empty())
        builder.Entry({9, 0, {followingBlock.begin(), followingBlock.end()}, 0, 0, "X"});
    auto outcome = ReadProject(builder.Build(), "test.spj");
    EXPECT_TRUE(outcome.ok());
    CVNames names;
    names[0] = "slot 0";
    LoadCVNames(outcome.value(), names);
    return names;
}

// The names of `cvs`, each as "cv=name;".
std::string Named(const CVNames& names, std::initializer_list<std::size_t> cvs) {
    std::string shown;
    for (const std::size_t cv : cvs) shown += std::to_string(cv) + "=" + names[cv] + ";";
    return shown;
}

TEST(LoadCVNames, StandardNamesAndARebuildForeachProject) {
    ASSERT_EQ(NamesFor("(B)\r\nCV140 Horn\r\nCV29 Mine\r\n(C)\r\n")[140], "Horn");
    EXPECT_EQ(Named(NamesFor("Just a description\r\nCV141 Not a list\r\n"),
                    {1, 18, 29, 58, 135, 5, 140, 141}),
              "1=Two-Digit Address;18=Four-Digit Addr (Low);29=Configuration Register;"
              "58=Master Volumne;135=Mute Volume;5=;140=;141=;");
}

TEST(LoadCVNames, OnlyCaseSensitiveLinesBetweenTheMarkersCount) {
    EXPECT_EQ(
        Named(NamesFor("CV141 Before\r\n(b)\r\n(B) names\r\nCV29 My Config\r\n(B)\r\ncv142 "
                       "Low\r\nCv143 Mixed\r\n(c)\r\nCV144 Still in\r\n(C) end\r\nCV145 After\r\n"),
              {141, 29, 142, 143, 144, 145}),
        "141=;29=My Config;142=;143=;144=Still in;145=;");
    // An end marker before the start marker ends the scan.
    EXPECT_EQ(Named(NamesFor("(C)\r\n(B)\r\nCV140 Horn\r\n(C)\r\n"), {140}), "140=;");
}

TEST(LoadCVNames, TheSeparatorFollowsOneToThreeCharactersReadAsALeadingNumber) {
    EXPECT_EQ(
        Named(NamesFor(
                  "(B)\r\nCV 140 Space\r\nCV1400 Seven\r\nCV140Bell\r\nCV7 Four\r\nCV177 Six\r\n"
                  "CV178\tTab\r\nCV2.5 Two\r\nCV3.5 Four\r\nCV9x Nine\r\nCV+6 Six\r\nCVab Zero\r\n"
                  "CV300 Big\r\nCV-1 Negative\r\nCV256 Over\r\nCV255 Last\r\n(C)\r\n"),
              {140, 7, 177, 178, 2, 4, 9, 6, 0, 255}),
        "140=;7=Four;177=Six;178=Tab;2=Two;4=Four;9=Nine;6=Six;0=Zero;255=Last;");
    // Numbers outside the table are passed over, CV 0 included when it has no name line.
    EXPECT_EQ(Named(NamesFor("(B)\r\nCV300 Big\r\nCV-1 Negative\r\n(C)\r\n"), {0}), "0=slot 0;");
}

TEST(LoadCVNames, TheNameIsCutToItsWindowAtABracketAndTrimmed) {
    // Five extra spaces use up CV 144's window; an empty name replaces a standard one.
    EXPECT_EQ(
        Named(NamesFor("(B)\r\nCV140\tHorn Blast (loud)\r\nCV141 Bell [0-255]\r\nCV142 Big~Horn\r\n"
                       "CV143 abcdefghijklmnopqrstuvwxyz0123456789ABCD\r\n"
                       "CV144      abcdefghijklmnopqrstuvwxyz\r\nCV145 (a remark)\r\n"
                       "CV146 ~~Tilde  Edges~~\r\nCV147 Caf\xe9 Bell\r\nCV29 \r\nCV3\t\r\n(C)\r\n"),
              {140, 141, 142, 143, 144, 145, 146, 147, 29, 3, 4}),
        "140=Horn Blast;141=Bell;142=Big Horn;143=abcdefghijklmnopqrstuvwxyz01;"
        "144=abcdefghijklmnopqrstuvw;145=;146=Tilde  Edges;147=Caf\u00e9 Bell;29=;3=;"
        "4=Deceleration Rate;");
}

TEST(LoadCVNames, LinesEndAtACarriageReturnWhoseNextByteIsSkipped) {
    EXPECT_EQ(Named(NamesFor("(B)\rXCV140 Horn\rYCV141 Bell\nCV142 Chuff\r\n(C)\r\n"), {140, 141}),
              "140=Horn;141=Bell\nCV142 Chuff;");
}

TEST(LoadCVNames, TheListRunsPastTheTextBlockToTheFileEndButStartsInTheText) {
    // Ending where the file ends, the text block being its last.
    EXPECT_EQ(Named(NamesFor("(B)\r\nCV140 Horn\r\nCV141 Bell"), {140, 141}), "140=Horn;141=Bell;");
    EXPECT_EQ(Named(NamesFor("(B)\r\nCV140 Horn\r"), {140}), "140=Horn;");
    EXPECT_EQ(Named(NamesFor("(B)"), {140}), "140=;");
    EXPECT_EQ(Named(NamesFor(""), {1}), "1=Two-Digit Address;");
    // Running on into the block after the text, but starting only in the text.
    EXPECT_EQ(Named(NamesFor("(B)\r\nCV140 Horn\r\n", "CV141 Bell\r\n(C)\r\nCV142 After\r\n"),
                    {140, 141, 142}),
              "140=Horn;141=Bell;142=;");
    EXPECT_EQ(Named(NamesFor("no line break", "\r\n(B)\r\nCV140 Horn\r\n(C)\r\n"), {140}), "140=;");
}

}  // namespace
}  // namespace tambrelox
