#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tambrelox {

enum class GridAlignment { Default, Centre };

// A cell: the text shown and, where a printout prints the value rather than
// the text, the value the text shows, so that nothing reads shown text back.
struct GridCell {
    std::string text;
    std::optional<double> number = std::nullopt;
};

// A table of cells with one heading row (row 0), offering the grid operations
// the windows and printouts rely on. Cells hold exactly the text placed in them.
class GridModel {
  public:
    GridModel() : cells_(1, std::vector<GridCell>(1)), widths_(1, 0), alignments_(1) {}

    [[nodiscard]] int Rows() const { return static_cast<int>(cells_.size()); }
    void SetRows(int rows);
    [[nodiscard]] int Cols() const { return static_cast<int>(widths_.size()); }
    void SetCols(int cols);

    // Heading texts separated by "|"; a leading "^" centres that column and is not shown.
    void SetFormatString(std::string_view format);

    // Appends a row; the columns after the cells given stay empty.
    void AddRow(std::vector<GridCell> cells);

    [[nodiscard]] const std::string& Cell(int row, int col) const;
    [[nodiscard]] std::optional<double> Number(int row, int col) const;

    void SetColWidth(int col, int twips);
    [[nodiscard]] int ColWidth(int col) const;
    void SetColAlignment(int col, GridAlignment alignment);
    [[nodiscard]] GridAlignment ColAlignment(int col) const;

  private:
    [[nodiscard]] const GridCell& At(int row, int col) const;
    [[nodiscard]] std::size_t ColumnIndex(int col) const;
    [[nodiscard]] std::size_t RowIndex(int row) const;

    std::vector<std::vector<GridCell>> cells_;
    std::vector<int> widths_;  // twips; 0 leaves the view's default
    std::vector<GridAlignment> alignments_;
};

}  // namespace tambrelox
