#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tambrelox {

enum class GridSort { NumericAscending = 3 };
enum class GridAlignment { Default, Centre };

// A table of text cells with one heading row (row 0) and a current cell,
// offering the grid operations the windows and printouts rely on. Cells hold
// exactly the text placed in them.
class GridModel {
  public:
    GridModel() : cells_(1, std::vector<std::string>(1)), widths_(1, 0), alignments_(1) {}

    // Empties every cell; the row and column counts stay.
    void Clear();

    [[nodiscard]] int Rows() const { return static_cast<int>(cells_.size()); }
    void SetRows(int rows);
    [[nodiscard]] int Cols() const { return static_cast<int>(widths_.size()); }
    void SetCols(int cols);

    // Heading texts separated by "|"; a leading "^" centres that column and is not shown.
    void SetFormatString(std::string_view format);

    // Appends a row whose cells are the Tab-separated pieces of `cells`.
    void AddItem(std::string_view cells);

    [[nodiscard]] int Row() const { return row_; }
    void SetRow(int row);
    [[nodiscard]] int Col() const { return col_; }
    void SetCol(int col);
    [[nodiscard]] const std::string& Text() const { return Cell(row_, col_); }
    [[nodiscard]] const std::string& Cell(int row, int col) const;

    // Sorts the rows below the heading on the current column, moving whole rows;
    // rows with equal keys keep their order.
    void Sort(GridSort order);

    void SetColWidth(int col, int twips);
    [[nodiscard]] int ColWidth(int col) const;
    void SetColAlignment(int col, GridAlignment alignment);
    [[nodiscard]] GridAlignment ColAlignment(int col) const;

  private:
    [[nodiscard]] std::size_t ColumnIndex(int col) const;
    [[nodiscard]] std::size_t RowIndex(int row) const;

    std::vector<std::vector<std::string>> cells_;
    std::vector<int> widths_;  // twips; 0 leaves the view's default
    std::vector<GridAlignment> alignments_;
    int row_ = 0;
    int col_ = 0;
};

}  // namespace tambrelox
