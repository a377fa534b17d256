#include "core/report/column_printer.h"

#include <gtest/gtest.h>

#include "core/report/text_pages.h"

namespace tambrelox {
namespace {

using Lines = std::vector<std::string>;

TEST(ColumnPrinter, PrintsAtColumnsAndStartsNewLinesPastThemOrAtLineBreaks) {
    TextPages pages;
    ColumnPrinter printer(pages);
    printer.PrintAt(5, "abc", LineEnd::Stay);  // ends in column 7
    printer.PrintAt(8, "d", LineEnd::Stay);    // the very next column stays on the line
    printer.PrintAt(9, "", LineEnd::Stay);
    printer.PrintAt(3, "e", LineEnd::Stay);  // passed: column 3 of the next line
    printer.PrintAt(-4, "f");                // below 1 counts as 1, and the line has passed it
    printer.Print("");                       // an empty item alone is an empty line
    printer.Print("g", LineEnd::Stay);
    printer.Print("h");
    printer.PrintAt(3, "one\r\ntwo\nthree\rfour", LineEnd::Stay);
    printer.Print("!\r\n");
    printer.PrintAt(2, "ü", LineEnd::Stay);  // columns count characters, not bytes
    printer.PrintAt(3, "x");
    EXPECT_EQ(pages.pages(), std::vector<Lines>({{"    abcd", "  e", "f", "", "gh", "  one", "two",
                                                  "three", "four!", "", " üx"}}));
}

TEST(ColumnPrinter, FullPagesTurnOverOnlyWhenMoreIsPrinted) {
    TextPages pages(3);
    ColumnPrinter printer(pages);
    for (const char* line : {"1", "2", "3"}) printer.Print(line);
    printer.NewPage();  // right after a full page: no blank page between
    // "4" and three blank lines, the last of them a three-line page's fourth: it goes over.
    for (const char* line : {"4", "", "", "", "5"}) printer.Print(line);
    printer.EndDoc();
    EXPECT_EQ(pages.pages(), std::vector<Lines>({{"1", "2", "3"}, {"4"}, {"", "5"}}));
    EXPECT_TRUE(pages.ended());
}

// A device that fails at its first new page.
class FailingAtNewPage : public PageBackend {
  public:
    [[nodiscard]] int LinesPerPage() const override { return 70; }
    bool Draw(int, int, std::string_view text) override {
        drawn += std::string(text);
        return true;
    }
    bool NewPage() override { return false; }
    bool EndDocument() override { return ended = true; }
    std::string drawn;
    bool ended = false;
};

TEST(ColumnPrinter, NothingMoreAfterTheDeviceFailed) {
    FailingAtNewPage device;
    ColumnPrinter printer(device);
    printer.Print("before");
    EXPECT_FALSE(printer.failed());
    printer.NewPage();
    printer.Print("after");
    printer.EndDoc();
    EXPECT_TRUE(printer.failed());
    EXPECT_EQ(device.drawn, "before");
    EXPECT_FALSE(device.ended);
}

}  // namespace
}  // namespace tambrelox
