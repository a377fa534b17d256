// Bytes in, project or refusal out; then everything the program would show of it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/base/text.h"
#include "core/cv/cv_table.h"
#include "core/grid/grid_model.h"
#include "core/grid/summary_grid.h"
#include "core/project/spj_reader.h"
#include "core/project/text_lines.h"
#include "core/report/column_printer.h"
#include "core/report/cv_printout.h"
#include "core/report/summary_printout.h"
#include "core/report/text_pages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tambrelox;
    auto outcome = ReadProject(std::vector<std::uint8_t>(data, data + size), "fuzz.spj");
    if (!outcome.ok()) return 0;
    const Project& project = outcome.value();
    GridModel grid;
    PrepareSummaryGrid(grid);
    FillSummaryGrid(project, NumberFormat{}, grid);
    (void)DescriptiveTextLines(project.descriptiveText());

    const ReportSource source{"/fuzz/fuzz.spj", project.author, "printed"};
    TextPages summaryPages;
    ColumnPrinter summaryPrinter(summaryPages);
    PrintSummaryReport(summaryPrinter, grid, source, NumberFormat{});
    (void)Windows1252ToUtf8(CutAtNul(project.author));

    // The CV views open only for a project whose CV block is whole.
    if (!CheckStartupCVs(project, "fuzz.spj").ok()) return 0;
    CVNames names;
    LoadCVNames(project, names);
    GridModel cvGrid;
    PrepareCVGrid(cvGrid);
    BuildCVRows(project, names, cvGrid);
    TextPages cvPages;
    ColumnPrinter cvPrinter(cvPages);
    PrintCVReport(cvPrinter, cvGrid, source);
    return 0;
}
