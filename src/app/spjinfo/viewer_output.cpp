#include "app/spjinfo/viewer_output.h"

#include "app/spjinfo/tab_separated.h"
#include "core/cv/cv_table.h"
#include "core/report/plain_reports.h"
#include "core/report/report_frame.h"

namespace tambrelox::spjinfo {

void WriteCVTable(std::ostream& out, const Project& project) {
    const GridModel grid = CVGrid(project);
    for (int row = 1; row < grid.Rows(); ++row) WriteGridRow(out, grid, row);
}

void WriteDescriptiveText(std::ostream& out, const Project& project) {
    const auto text = project.descriptiveText().bytes();
    out.write(reinterpret_cast<const char*>(text.data()),
              static_cast<std::streamsize>(text.size()));
}

void WriteCVReport(std::ostream& out, const ChosenFile& file, const Project& project) {
    out << CVReportText(file, project, PrintedNow());
}

}  // namespace tambrelox::spjinfo
