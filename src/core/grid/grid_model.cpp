#include "core/grid/grid_model.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace tambrelox {
namespace {

// The number a cell starts with, as a numeric sort reads it, whatever the
// locale; text that is not a number sorts as 0.
double LeadingNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    double value = 0;
    if (first != std::string::npos)
        std::from_chars(text.data() + first, text.data() + text.size(), value);
    return value;
}

}  // namespace

void GridModel::Clear() {
    for (auto& row : cells_) std::fill(row.begin(), row.end(), std::string());
}

void GridModel::SetRows(int rows) {
    if (rows < 1) throw std::out_of_range("a grid keeps its heading row");
    cells_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(widths_.size()));
    row_ = std::min(row_, rows - 1);
}

void GridModel::SetCols(int cols) {
    if (cols < 1) throw std::out_of_range("a grid has at least one column");
    const auto count = static_cast<std::size_t>(cols);
    for (auto& row : cells_) row.resize(count);
    widths_.resize(count, 0);
    alignments_.resize(count, GridAlignment::Default);
    col_ = std::min(col_, cols - 1);
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
        cells_[0][c] = std::string(heading);
    }
}

void GridModel::AddItem(std::string_view cells) {
    std::vector<std::string> row(widths_.size());
    std::size_t c = 0;
    for (std::size_t from = 0; c < row.size(); ++c) {
        const auto tab = cells.find('\t', from);
        row[c] = cells.substr(from, tab == std::string_view::npos ? tab : tab - from);
        if (tab == std::string_view::npos) break;
        from = tab + 1;
    }
    cells_.push_back(std::move(row));
}

void GridModel::SetRow(int row) {
    row_ = static_cast<int>(RowIndex(row));
}
void GridModel::SetCol(int col) {
    col_ = static_cast<int>(ColumnIndex(col));
}

const std::string& GridModel::Cell(int row, int col) const {
    return cells_[RowIndex(row)][ColumnIndex(col)];
}

void GridModel::Sort(GridSort /*order: numeric ascending is the only one*/) {
    const auto col = static_cast<std::size_t>(col_);
    std::stable_sort(cells_.begin() + 1, cells_.end(), [col](const auto& a, const auto& b) {
        return LeadingNumber(a[col]) < LeadingNumber(b[col]);
    });
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

std::size_t GridModel::ColumnIndex(int col) const {
    if (col < 0 || col >= Cols()) throw std::out_of_range("grid column out of range");
    return static_cast<std::size_t>(col);
}

std::size_t GridModel::RowIndex(int row) const {
    if (row < 0 || row >= Rows()) throw std::out_of_range("grid row out of range");
    return static_cast<std::size_t>(row);
}

}  // namespace tambrelox
