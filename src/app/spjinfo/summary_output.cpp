#include "app/spjinfo/summary_output.h"

#include <nlohmann/json.hpp>

#include "app/spjinfo/tab_separated.h"
#include "core/base/text.h"
#include "core/grid/grid_model.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"
#include "core/report/catalogue_row.h"
#include "core/report/plain_reports.h"
#include "core/report/report_frame.h"

namespace tambrelox::spjinfo {
void WriteSummaryText(std::ostream& out, const ChosenFile& file, const Project& project,
                      const NumberFormat& format) {
    WriteRow(out, {"SPJ Filename:", Utf8Upper(file.fileName)});
    WriteRow(out, {"From Folder:", file.folder});
    WriteRow(out, {"Author/Owner:", ShownAuthor(project.author)});
    WriteRow(out, {"This SPJ will run in", project.summary.requirement});
    const GridModel grid = SummaryGrid(project, format);
    for (int row = 0; row < grid.Rows(); ++row) WriteGridRow(out, grid, row);
    out << '\n';
}

void WriteSummaryJson(std::ostream& out, const ChosenFile& file, const Project& project,
                      const NumberFormat& format) {
    const ProjectSummary& summary = project.summary;
    const GridModel grid = SummaryGrid(project, format);
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (int row = 1; row < grid.Rows(); ++row) {
        nlohmann::ordered_json cells = nlohmann::ordered_json::array();
        for (int col = 0; col < grid.Cols(); ++col) cells.push_back(grid.Cell(row, col));
        rows.push_back(std::move(cells));
    }
    nlohmann::ordered_json clips = nlohmann::ordered_json::array();
    for (const SummaryClipRow& clip : SummaryClipRows(project)) {
        clips.push_back({{"handle", clip.handle},
                         {"name", clip.name},
                         {"bits", clip.bits},
                         {"dl", clip.dlDepth ? nlohmann::ordered_json(*clip.dlDepth) : nullptr},
                         {"fileSize", clip.fileSize},
                         {"playSeconds", clip.playSeconds},
                         {"flashSize", static_cast<std::uint64_t>(clip.flashSize)}});
    }
    const nlohmann::ordered_json object = {
        {"file", Utf8Upper(file.fileName)},
        {"folder", file.folder},
        {"author", ShownAuthor(project.author)},
        {"requirement", summary.requirement},
        {"rows", std::move(rows)},
        {"clips", std::move(clips)},
        {"clipCount", summary.clips.size()},
        {"voices", summary.voiceCount},
        {"schemes", summary.schemeCount},
        {"soundTotal", static_cast<std::uint64_t>(summary.flashTotal)},
        {"codeSize", static_cast<std::uint64_t>(summary.codeSize)},
        {"projectTotal", static_cast<std::uint64_t>(summary.projectTotal)},
    };
    // Replace rather than throw on text that is not valid UTF-8 (a file name from the file system).
    out << object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void WriteSummaryCsvHeading(std::ostream& out) {
    out << CsvRecord(CatalogueHeading());
}

void WriteSummaryCsv(std::ostream& out, const ChosenFile& file, const Project& project) {
    out << CsvRecord(CatalogueRow(file, project));
}

void WriteSummaryReport(std::ostream& out, const ChosenFile& file, const Project& project,
                        const NumberFormat& format) {
    out << SummaryReportText(file, project, format, PrintedNow());
}

}  // namespace tambrelox::spjinfo
