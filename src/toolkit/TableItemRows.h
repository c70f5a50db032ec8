#pragma once

#include <functional>
#include <vector>

// The rows of a table that assistive technology counts as its items, the rows
// a user can act on (selectable and shown), numbered from 0 in row order. The
// table owns it and marks it stale when its rows change; the list is made
// again when next asked for, so a table of 100,000 rows pays one pass per
// change, and nothing while no screen reader asks.
class TableItemRows {
 public:
  // isItem(row) tells, for each of rowCount() rows, whether it is an item.
  TableItemRows(std::function<int()> rowCount, std::function<bool(int row)> isItem)
      : rowCount_(std::move(rowCount)), isItem_(std::move(isItem)) {}

  int count() const { return int(rows().size()); }
  // The row of an item, or -1; and back.
  int rowOf(int item) const { return item >= 0 && item < count() ? rows()[size_t(item)] : -1; }
  int itemOf(int row) const;
  // Counts the changes of the list, for those that keep something per item.
  int generation() const {
    rows();
    return generation_;
  }

  void markStale() { stale_ = true; }

 private:
  const std::vector<int> &rows() const;

  std::function<int()> rowCount_;
  std::function<bool(int)> isItem_;
  mutable std::vector<int> rows_;
  mutable bool stale_ = true;
  mutable int generation_ = 0;
};
