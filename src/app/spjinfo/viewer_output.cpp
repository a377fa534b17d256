#include "app/spjinfo/viewer_output.h"

#include "app/spjinfo/tab_separated.h"
#include "core/cv/cv_table.h"
#include "core/report/cv_printout.h"
#include "core/report/report_frame.h"
#include "core/report/text_pages.h"

namespace tambrelox::spjinfo {

void WriteCVTable(std::ostream& out, const Project& project) {
    CVNames names;
    LoadCVNames(project, names);
    GridModel grid;
    PrepareCVGrid(grid);
    BuildCVRows(project, names, grid);
    for (int row = 1; row < grid.Rows(); ++row) WriteGridRow(out, grid, row);
}

void WriteDescriptiveText(std::ostream& out, const Project& project) {
    const auto text = project.descriptiveText().bytes();
    out.write(reinterpret_cast<const char*>(text.data()),
              static_cast<std::streamsize>(text.size()));
}

void WriteCVReport(std::ostream& out, const ChosenFile& file, const Project& project) {
    TextPages pages;
    ColumnPrinter printer(pages);
    PrintProjectCVs(printer, file, project, PrintedNow());
    WritePlainText(out, pages.pages());
}

}  // namespace tambrelox::spjinfo
