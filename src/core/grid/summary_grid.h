#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/number_format.h"
#include "core/grid/grid_model.h"
#include "core/project/project.h"

namespace tambrelox {

inline constexpr std::string_view kSummaryGridFormat =
    "Handle|  Wave File Name   |Bits|DL| File Size | Play Sec | FlashSize* ";

// A sound clip as the summary shows it, its values typed.
struct SummaryClipRow {
    std::uint32_t handle = 0;
    std::string name;  // UTF-8
    int bits = 0;
    std::optional<int> dlDepth;
    std::uint32_t fileSize = 0;
    double playSeconds = 0;  // rounded to thousandths
    double flashSize = 0;
};

// The project's clips in directory order.
[[nodiscard]] std::vector<SummaryClipRow> SummaryClipRows(const Project& project);

// Sets the grid up for the summary: its headings and no rows below them.
void PrepareSummaryGrid(GridModel& grid);

// Adds a project's clip rows in handle order (equal handles in directory
// order), then its totals and counts. Numbers are formatted here, once; the
// cells of sizes and play seconds also carry the value they show, for the printout.
void FillSummaryGrid(const Project& project, const NumberFormat& format, GridModel& grid);

// A summary grid, prepared and filled, as the main window shows it after a load.
[[nodiscard]] GridModel SummaryGrid(const Project& project, const NumberFormat& format);

}  // namespace tambrelox
