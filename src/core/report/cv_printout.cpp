#include "core/report/cv_printout.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/base/text.h"
#include "core/cv/cv_table.h"

namespace tambrelox {
namespace {

constexpr int kSeparatorColumn = 10;
// Print column of each grid column's cell: where its group of dashes begins.
constexpr std::array<int, 5> kColumnStart = {10, 18, 45, 50, 55};

}  // namespace

void PrintCVReport(ColumnPrinter& printer, const GridModel& grid, const ReportSource& source) {
    ReportFrame frame(printer, {.reportTitleLine = "Non-Zero Startup CV values in SPJ: " +
                                                   std::string(source.spjPath),
                                .spjAuthor = source.spjAuthor,
                                .printHeading = kCVHeading,
                                .printDashes = kCVDashes,
                                .separatorColumn = kSeparatorColumn});
    frame.PrintPageHeader();
    const auto columns =
        std::min<std::size_t>(static_cast<std::size_t>(grid.Cols()), kColumnStart.size());
    for (int row = 1; row < grid.Rows(); ++row) {
        if (grid.Number(row, cv_column::kDec) == 0) continue;
        for (std::size_t col = 0; col < columns; ++col) {
            printer.PrintAt(kColumnStart[col], TrimSpaces(grid.Cell(row, static_cast<int>(col))),
                            LineEnd::Stay);
        }
        printer.Print("");
        frame.LinePrinted();
    }
    frame.Close(source.printedAt);
}

void PrintProjectCVs(ColumnPrinter& printer, const ChosenFile& file, const Project& project,
                     std::string_view printedAt) {
    const std::string spjPath = file.folder + file.fileName;
    PrintCVReport(printer, CVGrid(project), {spjPath, project.author, printedAt});
}

}  // namespace tambrelox
