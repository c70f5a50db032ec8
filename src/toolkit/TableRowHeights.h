#pragma once

#include <cstddef>
#include <vector>

// The heights of a table's rows and where each row starts, so that a table
// of hundreds of thousands of rows finds the row at a y, or a row's top, in
// logarithmic or constant time. Rows of height 0 take no room. Plain values:
// the table measures rows and hands the heights in.
class TableRowHeights {
 public:
  TableRowHeights() = default;
  explicit TableRowHeights(std::vector<int> heights) { assign(std::move(heights)); }

  int count() const { return int(heights_.size()); }
  bool isEmpty() const { return heights_.empty(); }
  // 0 for a row out of range.
  int height(int row) const { return row >= 0 && row < count() ? heights_[std::size_t(row)] : 0; }
  // The y where the row starts; for count() the content height.
  int top(int row) const { return tops_[std::size_t(row)]; }
  int contentHeight() const { return tops_.back(); }
  // The row that covers y, or -1 outside the content.
  int rowAt(int y) const;

  void assign(std::vector<int> heights);
  // New rows at start (0 to count()), with these heights.
  void insert(int start, const std::vector<int> &heights);
  // Drops the rows first to last.
  void remove(int first, int last);
  // New heights for the rows from first on; returns whether any changed.
  bool update(int first, const std::vector<int> &heights);

 private:
  void relayoutFrom(int row);

  std::vector<int> heights_;
  std::vector<int> tops_{0};  // tops_[r] = y of row r; tops_[count()] = content height
};
