#include "app/spjinfo/tab_separated.h"

#include "core/base/text.h"

namespace tambrelox::spjinfo {

void WriteRow(std::ostream& out, const std::vector<std::string_view>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        out << (i > 0 ? "\t" : "") << EscapedCell(cells[i]);
    }
    out << '\n';
}

void WriteGridRow(std::ostream& out, const GridModel& grid, int row) {
    std::vector<std::string_view> cells;
    cells.reserve(static_cast<std::size_t>(grid.Cols()));
    for (int col = 0; col < grid.Cols(); ++col) cells.emplace_back(grid.Cell(row, col));
    WriteRow(out, cells);
}

}  // namespace tambrelox::spjinfo
