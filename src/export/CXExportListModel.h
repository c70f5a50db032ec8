#pragma once

#include <optional>
#include <vector>

#include "store/FeedRowTable.h"
#include "toolkit/CheckableListModel.h"

// The rows of the export list: one row per feed that the filter shows, its
// tick the row's Qt::CheckStateRole. The model owns the feeds as the store
// delivered them, as UTF-8 (a title becomes text only when a view asks for
// it). Views ask it everything through roles; it knows nothing of the views
// or the controller.
class CXExportListModel : public CheckableListModel {
  Q_OBJECT

 public:
  // A row as designed: the feed's 17 points and the 1-point separator line
  // under it (the delegate grows the feed's part with a larger font).
  static constexpr int kFeedRowHeight = 17;
  static constexpr int kSeparatorHeight = 1;

  using CheckableListModel::CheckableListModel;

  // The feeds; absent until the first delivery. Replacing them resets the
  // model: no feed ticked, every feed shown.
  const std::optional<FeedRowTable> &feeds() const { return feeds_; }
  void setFeeds(std::optional<FeedRowTable> feeds);
  // Number of feeds, shown or not; 0 while there are none.
  int feedsCount() const { return itemCount(); }

  // A filter shows only the feeds whose flag is set (one per feed); hidden
  // feeds keep their ticks. Every flag set, or none given, shows every feed.
  void setShownFeeds(const std::vector<char> &shown);
  int shownFeedsCount() const { return rowCount(); }

  // The title a feed shows: its title, empty when it has none.
  QString titleOfFeed(int feed) const;
  // What a screen reader calls a feed: its title, or its address when it has
  // none.
  QString spokenNameOfFeed(int feed) const;

 protected:
  QVariant itemData(int feed, int role) const override;

 private:
  std::optional<FeedRowTable> feeds_;
};
