#pragma once

#include <QAbstractTableModel>

#include "core/grid/grid_model.h"

class QTableView;

namespace tambrelox {

// Shows a GridModel in a Qt view: its row 0 as the heading, the rows below as
// data, every cell exactly as the core placed it. Read-only.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit GridTableModel(const GridModel& grid, QObject* parent = nullptr);

    // The grid is plain C++ and cannot announce changes; call after changing it.
    void Refresh();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index,
                                int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

  private:
    const GridModel& grid_;
};

// Sets the view's column widths from the grid's widths in twips (1440 to the
// inch) at the view's screen resolution.
void ApplyGridColumnWidths(QTableView& view, const GridModel& grid);

// Widens every column that is too narrow for its heading or its cells, as
// fonts standing in for the intended one may be wider.
void WidenGridColumnsToContents(QTableView& view);

}  // namespace tambrelox
