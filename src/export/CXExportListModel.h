#pragma once

#include <QAbstractListModel>

class CXExportListVC;

// The rows of the export table as a Qt model. It holds no data of its own: the
// list controller is its data source, and for n feeds it answers 2n rows, a
// feed row (even) and the separator row below it (odd). Only feed rows are
// selectable.
class CXExportListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // True for a separator row, false for a feed row.
  static constexpr int kIsSeparatorRole = Qt::UserRole + 1;

  explicit CXExportListModel(const CXExportListVC *dataSource, QObject *parent = nullptr);

  int rowCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

  // Asks the data source again for everything, as one model reset.
  void reloadData();

 private:
  const CXExportListVC *dataSource_;
};
