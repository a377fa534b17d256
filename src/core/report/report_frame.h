#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "core/base/byte_view.h"
#include "core/report/column_printer.h"

namespace tambrelox {

// What a report puts into the shared page frame.
struct ReportTexts {
    std::string reportTitleLine;
    std::string_view spjAuthor;  // Windows-1252, as the reader found it
    std::string_view printHeading;
    std::string_view printDashes;
    int separatorColumn = 1;  // where the line of "=" starts
};

// What a report shows besides its grid.
struct ReportSource {
    std::string_view spjPath;
    std::string_view spjAuthor;  // Windows-1252, as the reader found it
    std::string_view printedAt;  // see FormatPrintedAt
};

// The values the frame prints with, set when a report starts.
struct PrintState {
    std::string PrintHeading;
    std::string PrintDashes;
    std::string ReportTitleLine;
    int ReportTitleTab = 0;
    std::string AuthorLine;
    int AuthorTab = 0;
    int PrintLineCount = 0;
};

// The fixed-pitch page frame of the printed reports: a six-line page header,
// at most 64 report lines a page, and a closing block with the print time
// and the title line.
class ReportFrame {
  public:
    ReportFrame(ColumnPrinter& printer, const ReportTexts& texts);

    // The page header: an empty line, the centred title and owner lines, the
    // separator, the heading and the dashes. The empty line is not counted.
    void PrintPageHeader();
    // Counts a report line just ended; the 64th on a page turns the page.
    void LinePrinted();
    // Turns the page when the closing block would not fit, prints it and ends the document.
    void Close(std::string_view printedAt);

    [[nodiscard]] const PrintState& state() const { return state_; }

  private:
    ColumnPrinter& printer_;
    PrintState state_;
    int separatorColumn_;
};

// The print date and time in the user's short formats, three spaces apart;
// `localeName` "" takes the user's locale.
[[nodiscard]] std::string FormatPrintedAt(const std::tm& when, const char* localeName = "");
[[nodiscard]] std::string PrintedNow();

// Prints the descriptive text block as one item, in no frame: its own lines,
// not wrapped, pages following as they fill; an empty block prints one empty
// line. Ends the document.
void PrintDescriptiveText(ColumnPrinter& printer, ByteView block);

}  // namespace tambrelox
