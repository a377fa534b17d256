#include "core/grid/grid_model.h"

#include <stdexcept>

namespace tambrelox {

void GridModel::SetRows(int rows) {
    if (rows < 1) throw std::out_of_range("a grid keeps its heading row");
    cells_.resize(static_cast<std::size_t>(rows), std::vector<GridCell>(widths_.size()));
}

void GridModel::SetCols(int cols) {
    if (cols < 1) throw std::out_of_range("a grid has at least one column");
    const auto count = static_cast<std::size_t>(cols);
    for (auto& row : cells_) row.resize(count);
    widths_.resize(count, 0);
    alignments_.resize(count, GridAlignment::Default);
}

void GridModel::SetFormatString(std::string_view format) {
    std::vector<std::string_view> headings;
    for (std::size_t from = 0;;) {
        const auto bar = format.find('|', from);
        headings.push_back(format.substr(from, bar == std::string_view::npos ? bar : bar - from));
        if (bar == std::string_view::npos) break;
        from = bar + 1;
    }
    SetCols(static_cast<int>(headings.size()));
    for (std::size_t c = 0; c < headings.size(); ++c) {
        std::string_view heading = headings[c];
        if (heading.starts_with('^')) {
            heading.remove_prefix(1);
            alignments_[c] = GridAlignment::Centre;
        }
        cells_[0][c] = {std::string(heading)};
    }
}

void GridModel::AddRow(std::vector<GridCell> cells) {
    if (cells.size() > widths_.size()) throw std::out_of_range("more cells than grid columns");
    cells.resize(widths_.size());
    cells_.push_back(std::move(cells));
}

const std::string& GridModel::Cell(int row, int col) const {
    return At(row, col).text;
}

std::optional<double> GridModel::Number(int row, int col) const {
    return At(row, col).number;
}

void GridModel::SetColWidth(int col, int twips) {
    widths_[ColumnIndex(col)] = twips;
}
int GridModel::ColWidth(int col) const {
    return widths_[ColumnIndex(col)];
}

void GridModel::SetColAlignment(int col, GridAlignment alignment) {
    alignments_[ColumnIndex(col)] = alignment;
}
GridAlignment GridModel::ColAlignment(int col) const {
    return alignments_[ColumnIndex(col)];
}

const GridCell& GridModel::At(int row, int col) const {
    return cells_[RowIndex(row)][ColumnIndex(col)];
}

std::size_t GridModel::ColumnIndex(int col) const {
    if (col < 0 || col >= Cols()) throw std::out_of_range("grid column out of range");
    return static_cast<std::size_t>(col);
}

std::size_t GridModel::RowIndex(int row) const {
    if (row < 0 || row >= Rows()) throw std::out_of_range("grid row out of range");
    return static_cast<std::size_t>(row);
}

}  // namespace tambrelox
