#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "core/grid/grid_model.h"

namespace tambrelox::spjinfo {

// One line of TAB-separated output: the cells escaped (see EscapedCell) and
// joined by TABs.
void WriteRow(std::ostream& out, const std::vector<std::string_view>& cells);

// Row `row` of `grid` as one such line.
void WriteGridRow(std::ostream& out, const GridModel& grid, int row);

}  // namespace tambrelox::spjinfo
