#include "export/CXExportListModel.h"

#include <algorithm>

void CXExportListModel::setFeeds(std::optional<FeedRowTable> feeds) {
  beginResetModel();
  feeds_ = std::move(feeds);
  resetItems(feeds_ ? static_cast<int>(feeds_->size()) : 0);
  endResetModel();
}

void CXExportListModel::setShownFeeds(const std::vector<char> &shown) {
  if (std::find(shown.begin(), shown.end(), 0) == shown.end()) {
    setShownItems(std::nullopt);
    return;
  }
  std::vector<int> rows;
  rows.reserve(size_t(std::count(shown.begin(), shown.end(), 1)));
  for (int k = 0; k < int(shown.size()) && k < feedsCount(); ++k)
    if (shown[size_t(k)]) rows.push_back(k);
  setShownItems(std::move(rows));
}

QString CXExportListModel::titleOfFeed(int feed) const {
  if (feed < 0 || feed >= feedsCount()) return {};
  return textOf(feeds_->row(static_cast<std::size_t>(feed)).title);
}

QString CXExportListModel::spokenNameOfFeed(int feed) const {
  const QString title = titleOfFeed(feed);
  if (!title.isEmpty() || feed < 0 || feed >= feedsCount()) return title;
  // A feed without a title is still told apart from the others by a screen
  // reader: by its feed address, or its site when it has none.
  const FeedRow row = feeds_->row(static_cast<std::size_t>(feed));
  return textOf(row.xmlUrl && !row.xmlUrl->empty() ? row.xmlUrl : row.htmlUrl);
}

QVariant CXExportListModel::itemData(int feed, int role) const {
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return titleOfFeed(feed);
    case Qt::AccessibleTextRole:
      return spokenNameOfFeed(feed);
    default:
      return {};
  }
}
