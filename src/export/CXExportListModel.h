#pragma once

#include <QAbstractListModel>
#include <optional>
#include <vector>

#include "store/FeedRowTable.h"

// The rows of the export table. The model owns the feeds as the store
// delivered them, as UTF-8 (a title becomes text only when a view asks for
// it), and lays them out as 2n rows for n feeds: row 2k is the feed
// row of feed k (17 points, selectable), row 2k+1 the separator below it
// (1 point, never selectable). Views ask it everything through roles and
// flags; it knows nothing of the views or the controller.
class CXExportListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // True for a separator row, false for a feed row.
  static constexpr int kIsSeparatorRole = Qt::UserRole + 1;
  // The row's height in points, an int.
  static constexpr int kRowHeightRole = Qt::UserRole + 2;

  static constexpr int kFeedRowHeight = 17;
  static constexpr int kSeparatorRowHeight = 1;

  explicit CXExportListModel(QObject *parent = nullptr);

  // The feeds; absent until the first delivery. Replacing them resets the
  // model, which clears any selection of a view.
  const std::optional<FeedRowTable> &feeds() const { return feeds_; }
  void setFeeds(std::optional<FeedRowTable> feeds);
  // Number of feeds (not rows); 0 while there are none.
  int feedsCount() const;

  // A filter hides feeds: their row and separator take no height. They stay
  // selectable, so that a hidden feed keeps its tick. One flag per feed;
  // empty (the default, and after setFeeds) shows every feed.
  void setShownFeeds(std::vector<char> shown);
  bool isFiltered() const { return !shown_.empty(); }
  bool isFeedShown(int feed) const {
    return shown_.empty() || (feed >= 0 && feed < int(shown_.size()) && shown_[size_t(feed)]);
  }
  // How many feeds are shown; every feed without a filter.
  int shownFeedsCount() const { return isFiltered() ? shownCount_ : feedsCount(); }

  // Row arithmetic.
  static bool isFeedRow(int row) { return row >= 0 && row % 2 == 0; }
  static int heightOfRow(int row) { return row % 2 == 0 ? kFeedRowHeight : kSeparatorRowHeight; }
  // The feed rows of feedCount feeds: 0, 2, ..., 2(feedCount - 1).
  static QList<int> feedRows(int feedCount);

  // The title a feed row shows: the feed's title, empty when it has none or
  // the row holds no feed.
  QString titleOfFeedRow(int row) const;
  // What a screen reader calls the feed of an even row: its title, or its
  // address when it has none.
  QString spokenNameOfFeedRow(int row) const;

  int rowCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

 private:
  std::optional<FeedRowTable> feeds_;
  std::vector<char> shown_;
  int shownCount_ = 0;  // of shown_, counted when it is set
};
