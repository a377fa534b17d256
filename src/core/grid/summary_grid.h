#pragma once

#include <string_view>

#include "core/base/number_format.h"
#include "core/grid/grid_model.h"
#include "core/project/project.h"

namespace tambrelox {

inline constexpr std::string_view kSummaryGridFormat =
    "Handle|  Wave File Name   |Bits|DL| File Size | Play Sec | FlashSize* ";

// Empties the grid down to its heading row.
void PrepareSummaryGrid(GridModel& grid);

// Adds a project's clip rows in handle order, then its totals and counts.
void FillSummaryGrid(const Project& project, const NumberFormat& format, GridModel& grid);

}  // namespace tambrelox
