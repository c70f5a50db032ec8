#include "export/CXExportListModel.h"

CXExportListModel::CXExportListModel(QObject *parent) : QAbstractListModel(parent) {}

void CXExportListModel::setFeeds(std::optional<FeedList> feeds) {
  beginResetModel();
  feeds_ = std::move(feeds);
  endResetModel();
}

int CXExportListModel::feedsCount() const { return feeds_ ? static_cast<int>(feeds_->size()) : 0; }

QList<int> CXExportListModel::feedRows(int feedCount) {
  QList<int> rows;
  rows.reserve(feedCount);
  for (int k = 0; k < feedCount; ++k) rows.append(2 * k);
  return rows;
}

QString CXExportListModel::titleOfFeedRow(int row) const {
  if (!isFeedRow(row) || row / 2 >= feedsCount()) return {};
  return (*feeds_)[static_cast<std::size_t>(row / 2)].feedTitle.value_or(QString());
}

int CXExportListModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : 2 * feedsCount();
}

QVariant CXExportListModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      if (isFeedRow(row)) return titleOfFeedRow(row);
      return {};
    case kIsSeparatorRole:
      return !isFeedRow(row);
    case kRowHeightRole:
      return heightOfRow(row);
    default:
      return {};
  }
}

Qt::ItemFlags CXExportListModel::flags(const QModelIndex &index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (isFeedRow(index.row())) flags |= Qt::ItemIsSelectable;
  return flags;
}
