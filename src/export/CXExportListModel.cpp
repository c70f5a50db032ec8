#include "export/CXExportListModel.h"

#include "export/CXExportListVC.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

CXExportListModel::CXExportListModel(const CXExportListVC *dataSource, QObject *parent)
    : QAbstractListModel(parent), dataSource_(dataSource) {}

int CXExportListModel::rowCount(const QModelIndex &parent) const {
  if (parent.isValid() || !dataSource_) return 0;
  return dataSource_->numberOfRowsInTableView(dataSource_->exportTableView());
}

QVariant CXExportListModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || !dataSource_ || index.row() >= rowCount()) return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      if (row % 2 == 0) return dataSource_->titleOfFeedRow(row);
      return {};
    case kIsSeparatorRole:
      return row % 2 == 1;
    default:
      return {};
  }
}

Qt::ItemFlags CXExportListModel::flags(const QModelIndex &index) const {
  if (!index.isValid() || !dataSource_) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (dataSource_->shouldSelectRow(dataSource_->exportTableView(), index.row()))
    flags |= Qt::ItemIsSelectable;
  return flags;
}

void CXExportListModel::reloadData() {
  beginResetModel();
  endResetModel();
}
