#include "toolkit/TableRowSelection.h"

#include <algorithm>

QList<int> TableRowSelection::rows() const {
  QList<int> rows;
  rows.reserve(count_);
  for (size_t r = 0; r < flags_.size() && rows.size() < count_; ++r)
    if (flags_[r]) rows.append(int(r));
  return rows;
}

bool TableRowSelection::set(int row, bool selected) {
  if (row < 0 || row >= rowCount()) return false;
  unsigned char &flag = flags_[size_t(row)];
  if (bool(flag) == selected) return false;
  if (selected && !selectable_(row)) return false;
  flag = selected ? 1 : 0;
  count_ += selected ? 1 : -1;
  return true;
}

bool TableRowSelection::select(const QList<int> &rows, bool extending) {
  bool changed = false;
  if (!extending) {
    // Keep the rows that stay selected, so re-selecting the same set is no change.
    std::vector<unsigned char> wanted(flags_.size(), 0);
    for (int r : rows)
      if (r >= 0 && r < rowCount()) wanted[size_t(r)] = 1;
    for (int r = 0; r < rowCount() && count_ > 0; ++r)
      if (flags_[size_t(r)] && !wanted[size_t(r)]) changed |= set(r, false);
  }
  for (int r : rows) changed |= set(r, true);
  return changed;
}

bool TableRowSelection::selectAll(const Selectable &test) {
  const Selectable &isSelectable = test ? test : selectable_;
  bool changed = false;
  for (int r = 0; r < rowCount(); ++r) {
    const bool selectable = isSelectable(r);
    unsigned char &flag = flags_[size_t(r)];
    if (bool(flag) != selectable) {
      flag = selectable ? 1 : 0;
      count_ += selectable ? 1 : -1;
      changed = true;
    }
  }
  return changed;
}

bool TableRowSelection::clear() {
  if (count_ == 0) return false;
  std::fill(flags_.begin(), flags_.end(), 0);
  count_ = 0;
  return true;
}

bool TableRowSelection::reset(int rowCount) {
  const bool changed = count_ > 0;
  flags_.assign(size_t(std::max(rowCount, 0)), 0);
  count_ = 0;
  return changed;
}

bool TableRowSelection::resize(int rowCount) {
  rowCount = std::max(rowCount, 0);
  bool dropped = false;
  for (size_t r = size_t(rowCount); r < flags_.size(); ++r)
    if (flags_[r]) {
      --count_;
      dropped = true;
    }
  flags_.resize(size_t(rowCount), 0);
  return dropped;
}

bool TableRowSelection::dropUnselectable(int first, int last) {
  bool changed = false;
  for (int r = std::max(first, 0); r <= last && r < rowCount(); ++r)
    if (flags_[size_t(r)] && !selectable_(r)) {
      flags_[size_t(r)] = 0;
      --count_;
      changed = true;
    }
  return changed;
}

void TableRowSelection::insertRows(int start, int count) {
  start = std::clamp(start, 0, rowCount());
  flags_.insert(flags_.begin() + start, size_t(std::max(count, 0)), 0);
}

bool TableRowSelection::removeRows(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, rowCount() - 1);
  if (first > last) return false;
  bool movedOrLost = false;
  for (int r = first; r <= last; ++r)
    if (flags_[size_t(r)]) {
      --count_;
      movedOrLost = true;
    }
  for (size_t r = size_t(last) + 1; r < flags_.size() && !movedOrLost; ++r) movedOrLost = flags_[r];
  flags_.erase(flags_.begin() + first, flags_.begin() + last + 1);
  return movedOrLost;
}

QList<int> TableRowSelection::span(int from, int to) {
  QList<int> rows;
  for (int r = std::min(from, to); r <= std::max(from, to); ++r) rows.append(r);
  return rows;
}
