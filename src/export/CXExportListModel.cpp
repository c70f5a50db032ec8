#include "export/CXExportListModel.h"

#include <algorithm>

CXExportListModel::CXExportListModel(QObject *parent) : QAbstractListModel(parent) {}

void CXExportListModel::setFeeds(std::optional<FeedRowTable> feeds) {
  beginResetModel();
  feeds_ = std::move(feeds);
  shown_.clear();
  endResetModel();
}

void CXExportListModel::setShownFeeds(std::vector<char> shown) {
  if (std::find(shown.begin(), shown.end(), 0) == shown.end()) shown.clear();
  const bool changed = shown != shown_;
  shown_ = std::move(shown);
  shownCount_ = int(std::count(shown_.begin(), shown_.end(), 1));
  if (changed && rowCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {kRowHeightRole});
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
  return textOf(feeds_->row(static_cast<std::size_t>(row / 2)).title);
}

QString CXExportListModel::spokenNameOfFeedRow(int row) const {
  const QString title = titleOfFeedRow(row);
  if (!title.isEmpty() || row / 2 >= feedsCount()) return title;
  // A feed without a title is still told apart from the others by a screen
  // reader: by its feed address, or its site when it has none.
  const FeedRow feed = feeds_->row(static_cast<std::size_t>(row / 2));
  return textOf(feed.xmlUrl && !feed.xmlUrl->empty() ? feed.xmlUrl : feed.htmlUrl);
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
    case Qt::AccessibleTextRole:
      if (isFeedRow(row)) return spokenNameOfFeedRow(row);
      return {};
    case kIsSeparatorRole:
      return !isFeedRow(row);
    case kRowHeightRole:
      return isFeedShown(row / 2) ? heightOfRow(row) : 0;
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
