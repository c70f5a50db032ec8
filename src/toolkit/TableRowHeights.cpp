#include "toolkit/TableRowHeights.h"

#include <algorithm>

int TableRowHeights::rowAt(int y) const {
  if (heights_.empty() || y < 0 || y >= contentHeight()) return -1;
  // The last row starting at or above y; rows of height 0 are passed over
  // because the row after them starts at the same y.
  auto it = std::upper_bound(tops_.begin(), tops_.end(), y);
  return int(it - tops_.begin()) - 1;
}

void TableRowHeights::assign(std::vector<int> heights) {
  heights_ = std::move(heights);
  relayoutFrom(0);
}

void TableRowHeights::insert(int start, const std::vector<int> &heights) {
  start = std::clamp(start, 0, count());
  heights_.insert(heights_.begin() + start, heights.begin(), heights.end());
  relayoutFrom(start);
}

void TableRowHeights::remove(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, count() - 1);
  if (first > last) return;
  heights_.erase(heights_.begin() + first, heights_.begin() + last + 1);
  relayoutFrom(first);
}

bool TableRowHeights::update(int first, const std::vector<int> &heights) {
  bool changed = false;
  for (size_t i = 0; i < heights.size() && first + int(i) < count(); ++i) {
    int &h = heights_[size_t(first) + i];
    if (h != heights[i]) {
      h = heights[i];
      changed = true;
    }
  }
  if (changed) relayoutFrom(first);
  return changed;
}

void TableRowHeights::relayoutFrom(int row) {
  tops_.resize(heights_.size() + 1);
  tops_[0] = 0;
  for (size_t r = size_t(std::max(row, 0)); r < heights_.size(); ++r)
    tops_[r + 1] = tops_[r] + heights_[r];
}
