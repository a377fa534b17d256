#include "ui/shared/grid_table_model.h"

#include <algorithm>
#include <cmath>

#include <QHeaderView>
#include <QTableView>

namespace tambrelox {
namespace {

constexpr double kTwipsPerInch = 1440.0;

Qt::Alignment AlignmentOf(GridAlignment alignment) {
    return alignment == GridAlignment::Centre ? Qt::AlignCenter
                                              : (Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

GridTableModel::GridTableModel(const GridModel& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

void GridTableModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Rows() - 1;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Cols();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(grid_.Cell(index.row() + 1, index.column()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(grid_.ColAlignment(index.column())));
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_.Cols()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(grid_.Cell(0, section));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(grid_.ColAlignment(section)));
    return {};
}

void ApplyGridColumnWidths(QTableView& view, const GridModel& grid) {
    const double dpi = view.logicalDpiX();
    for (int col = 0; col < grid.Cols(); ++col) {
        if (grid.ColWidth(col) > 0) {
            view.setColumnWidth(
                col, static_cast<int>(std::lround(grid.ColWidth(col) * dpi / kTwipsPerInch)));
        }
    }
}

void WidenGridColumnsToContents(QTableView& view) {
    const QAbstractItemView& items = view;  // the table view hides its size hint
    for (int col = 0; col < view.horizontalHeader()->count(); ++col) {
        const int needed =
            std::max(view.horizontalHeader()->sectionSizeHint(col), items.sizeHintForColumn(col));
        if (view.columnWidth(col) < needed) view.setColumnWidth(col, needed);
    }
}

}  // namespace tambrelox
