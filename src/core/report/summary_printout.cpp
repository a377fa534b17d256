#include "core/report/summary_printout.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "core/base/text.h"
#include "core/grid/summary_grid.h"
#include "core/report/report_frame.h"

namespace tambrelox {
namespace {

constexpr int kSeparatorColumn = 11;
constexpr std::size_t kNameCharacters = 29;  // fills the columns up to Bits
constexpr std::size_t kNumberWidth = 9;      // "@@@@@@@@@"

enum class Mask { Trimmed, Name, Whole, ThreeDecimals };

// Where each grid column's cell is printed, and how.
struct CellRule {
    int column;
    Mask mask;
};
constexpr std::array<CellRule, 7> kCellRules = {{{13, Mask::Trimmed},
                                                 {19, Mask::Name},
                                                 {48, Mask::Trimmed},
                                                 {54, Mask::Trimmed},
                                                 {56, Mask::Whole},
                                                 {68, Mask::ThreeDecimals},
                                                 {79, Mask::Whole}}};

// A cell that shows no number (an empty size, a bare decimal point, a filler)
// prints its text as it stands.
std::string NumberCell(std::string_view text, std::optional<double> number, Mask mask,
                       const NumberFormat& format) {
    if (!number) return RightAligned(text, kNumberWidth);
    return RightAligned(mask == Mask::Whole ? FormatGroupedWholeOrZero(*number, format)
                                            : FormatThreeDecimals(*number, format),
                        kNumberWidth);
}

std::string PrintedCell(std::string_view text, std::optional<double> number, Mask mask,
                        const NumberFormat& format) {
    switch (mask) {
        case Mask::Trimmed:
            return std::string(TrimSpaces(text));
        case Mask::Name:
            return std::string(Utf8Prefix(TrimSpaces(text), kNameCharacters));
        case Mask::Whole:
        case Mask::ThreeDecimals:
            return NumberCell(text, number, mask, format);
    }
    return {};
}

}  // namespace

void PrintSummaryReport(ColumnPrinter& printer, const GridModel& grid, const ReportSource& source,
                        const NumberFormat& format) {
    ReportFrame frame(printer,
                      {.reportTitleLine = "Components in SPJ: " + std::string(source.spjPath),
                       .spjAuthor = source.spjAuthor,
                       .printHeading = kSummaryHeading,
                       .printDashes = kSummaryDashes,
                       .separatorColumn = kSeparatorColumn});
    frame.PrintPageHeader();
    // The rules cover the summary grid's seven columns.
    const auto columns =
        std::min<std::size_t>(static_cast<std::size_t>(grid.Cols()), kCellRules.size());
    for (int row = 1; row < grid.Rows(); ++row) {
        for (std::size_t col = 0; col < columns; ++col) {
            const CellRule& rule = kCellRules[col];
            const int c = static_cast<int>(col);
            printer.PrintAt(rule.column,
                            PrintedCell(grid.Cell(row, c), grid.Number(row, c), rule.mask, format),
                            LineEnd::Stay);
        }
        printer.Print("");
        frame.LinePrinted();
    }
    frame.Close(source.printedAt);
}

void PrintProjectSummary(ColumnPrinter& printer, const ChosenFile& file, const Project& project,
                         const NumberFormat& format, std::string_view printedAt) {
    const std::string spjPath = file.folder + file.fileName;
    PrintSummaryReport(printer, SummaryGrid(project, format), {spjPath, project.author, printedAt},
                       format);
}

}  // namespace tambrelox
