#include "core/grid/summary_grid.h"

#include <initializer_list>
#include <string>

#include "core/base/text.h"

namespace tambrelox {
namespace {

std::string Joined(std::initializer_list<std::string_view> cells) {
    std::string row;
    const char* separator = "";
    for (const std::string_view cell : cells) {
        row.append(separator).append(cell);
        separator = "\t";
    }
    return row;
}

}  // namespace

void PrepareSummaryGrid(GridModel& grid) {
    grid.Clear();
    grid.SetRow(0);
    grid.SetRows(1);
    grid.SetFormatString(kSummaryGridFormat);
}

void FillSummaryGrid(const Project& project, const NumberFormat& format, GridModel& grid) {
    const ProjectSummary& summary = project.summary;
    for (const ClipSummary& clip : summary.clips) {
        const DirectoryEntry& entry = project.entries[clip.entry];
        grid.AddItem(
            Joined({" " + std::to_string(entry.handle),  // the sign position of a positive number
                    " " + Windows1252ToUtf8(entry.name), std::to_string(entry.waveBits),
                    clip.dlDepth ? std::to_string(*clip.dlDepth) : "",
                    FormatGroupedWhole(entry.length, format),
                    FormatUpToThreeDecimals(clip.playSeconds, format),
                    FormatGroupedWhole(clip.flashSize, format)}));
    }
    grid.SetCol(0);
    grid.Sort(GridSort::NumericAscending);

    const std::string clipCount = summary.clips.empty() ? "" : std::to_string(summary.clips.size());
    grid.AddItem(" ");
    grid.AddItem(Joined({"", " TOTAL SOUND CLIP DATA ", "  ", "  ", " ", " ",
                         FormatGroupedWhole(summary.flashTotal, format)}));
    grid.AddItem(Joined({"", " PROGRAM CODE ", "  ", "  ", "  ", " ",
                         FormatGroupedWhole(summary.codeSize, format)}));
    grid.AddItem(Joined({"", " TOTAL WHOLE PROJECT", "  ", "  ", "  ", " ",
                         FormatGroupedWhole(summary.projectTotal, format)}));
    grid.AddItem(" ");
    grid.AddItem(Joined({"  ", " SOUND CLIP COUNT", clipCount, "  ", "  ", "  ", "  "}));
    grid.AddItem(Joined(
        {"  ", " PROJECT VOICES", std::to_string(summary.voiceCount), "  ", "  ", "  ", "  "}));
    grid.AddItem(Joined(
        {"  ", " PROJECT SCHEMES", std::to_string(summary.schemeCount), "  ", "  ", "  ", "  "}));
}

}  // namespace tambrelox
