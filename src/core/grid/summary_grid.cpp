#include "core/grid/summary_grid.h"

#include <algorithm>

#include "core/base/text.h"

namespace tambrelox {
namespace {

// A whole number of bytes. Zero shows as nothing, which is no number, so it
// prints as nothing too.
GridCell BytesCell(double bytes, const NumberFormat& format) {
    std::string text = FormatGroupedWhole(bytes, format);
    if (text.empty()) return {};
    return {std::move(text), bytes};
}

// Zero seconds show as the bare decimal point, which is no number either.
GridCell SecondsCell(double seconds, const NumberFormat& format) {
    std::string text = FormatUpToThreeDecimals(seconds, format);
    if (text == format.decimalPoint) return {std::move(text)};
    return {std::move(text), seconds};
}

// The filler cells are the blanks the grid has always shown in these rows.
std::vector<GridCell> TotalRow(std::string label, std::string fileSizeFiller, GridCell bytes) {
    return {{""},  {std::move(label)}, {"  "}, {"  "}, {std::move(fileSizeFiller)},
            {" "}, std::move(bytes)};
}

std::vector<GridCell> CountRow(std::string label, std::string count) {
    return {{"  "}, {std::move(label)}, {std::move(count)}, {"  "}, {"  "}, {"  "}, {"  "}};
}

}  // namespace

std::vector<SummaryClipRow> SummaryClipRows(const Project& project) {
    std::vector<SummaryClipRow> rows;
    rows.reserve(project.summary.clips.size());
    for (const ClipSummary& clip : project.summary.clips) {
        const DirectoryEntry& entry = project.entries[clip.entry];
        rows.push_back({.handle = entry.handle,
                        .name = Windows1252ToUtf8(entry.name),
                        .bits = entry.waveBits,
                        .dlDepth = clip.dlDepth,
                        .fileSize = entry.length,
                        .playSeconds = clip.playSeconds,
                        .flashSize = clip.flashSize});
    }
    return rows;
}

void PrepareSummaryGrid(GridModel& grid) {
    grid.SetRows(1);
    grid.SetFormatString(kSummaryGridFormat);
}

void FillSummaryGrid(const Project& project, const NumberFormat& format, GridModel& grid) {
    std::vector<SummaryClipRow> clips = SummaryClipRows(project);
    std::stable_sort(clips.begin(), clips.end(),
                     [](const auto& a, const auto& b) { return a.handle < b.handle; });
    for (const SummaryClipRow& clip : clips) {
        // Appended rather than prefixed: GCC 12 warns, wrongly, of an overlapping copy in " " +
        // text.
        std::string handle = " ";  // the sign position of a positive number
        handle += std::to_string(clip.handle);
        grid.AddRow({{std::move(handle)},
                     {" " + clip.name},
                     {std::to_string(clip.bits)},
                     {clip.dlDepth ? std::to_string(*clip.dlDepth) : ""},
                     BytesCell(clip.fileSize, format),
                     SecondsCell(clip.playSeconds, format),
                     BytesCell(clip.flashSize, format)});
    }

    const ProjectSummary& summary = project.summary;
    const std::string clipCount = clips.empty() ? "" : std::to_string(clips.size());
    grid.AddRow({{" "}});
    grid.AddRow(TotalRow(" TOTAL SOUND CLIP DATA ", " ", BytesCell(summary.flashTotal, format)));
    grid.AddRow(TotalRow(" PROGRAM CODE ", "  ", BytesCell(summary.codeSize, format)));
    grid.AddRow(TotalRow(" TOTAL WHOLE PROJECT", "  ", BytesCell(summary.projectTotal, format)));
    grid.AddRow({{" "}});
    grid.AddRow(CountRow(" SOUND CLIP COUNT", clipCount));
    grid.AddRow(CountRow(" PROJECT VOICES", std::to_string(summary.voiceCount)));
    grid.AddRow(CountRow(" PROJECT SCHEMES", std::to_string(summary.schemeCount)));
}

GridModel SummaryGrid(const Project& project, const NumberFormat& format) {
    GridModel grid;
    PrepareSummaryGrid(grid);
    FillSummaryGrid(project, format, grid);
    return grid;
}

}  // namespace tambrelox
