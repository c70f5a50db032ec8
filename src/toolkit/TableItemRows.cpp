#include "toolkit/TableItemRows.h"

#include <algorithm>

const std::vector<int> &TableItemRows::rows() const {
  if (stale_) {
    stale_ = false;
    std::vector<int> rows;
    for (int r = 0, n = rowCount_(); r < n; ++r)
      if (isItem_(r)) rows.push_back(r);
    // The same items in the same rows are no change.
    if (rows != rows_) {
      rows_ = std::move(rows);
      ++generation_;
    }
  }
  return rows_;
}

int TableItemRows::itemOf(int row) const {
  const std::vector<int> &list = rows();
  const auto it = std::lower_bound(list.begin(), list.end(), row);
  return it != list.end() && *it == row ? int(it - list.begin()) : -1;
}
