#pragma once

#include <QList>
#include <functional>
#include <vector>

// Which rows of a table are selected: one flag per row and a count, so that
// selecting or clearing hundreds of thousands of rows is one pass. Rows that
// the `selectable` test refuses are never selected, whichever way the
// selection is changed. Inserted and removed rows shift the selection. Every
// change reports whether anything changed, so that the table announces each
// change once.
class TableRowSelection {
 public:
  using Selectable = std::function<bool(int row)>;

  explicit TableRowSelection(Selectable selectable) : selectable_(std::move(selectable)) {}

  int rowCount() const { return int(flags_.size()); }
  int count() const { return count_; }
  bool contains(int row) const { return row >= 0 && row < rowCount() && flags_[size_t(row)]; }
  // The selected rows in ascending order.
  QList<int> rows() const;

  // Each returns whether the selection changed.
  bool set(int row, bool selected);
  bool toggle(int row) { return set(row, !contains(row)); }
  // Selects the selectable rows among `rows`; unless extending, every other
  // row is deselected in the same change.
  bool select(const QList<int> &rows, bool extending);
  // Exactly the selectable rows. A caller that can answer the selectable
  // test faster for a whole pass hands in its own, equal one.
  bool selectAll(const Selectable &selectable = {});
  bool clear();
  // rowCount rows, none selected.
  bool reset(int rowCount);
  // Keeps the first rowCount rows (new ones unselected); returns whether a
  // selected row was dropped.
  bool resize(int rowCount);
  // Deselects the rows from first to last that are no longer selectable.
  bool dropUnselectable(int first, int last);

  // count unselected rows at start.
  void insertRows(int start, int count);
  // Drops the rows first to last; returns whether a selected row was among
  // them or moved up.
  bool removeRows(int first, int last);

  // The rows from one row to another, both included, in ascending order: what
  // a shift-click or shift-arrow selects.
  static QList<int> span(int from, int to);

 private:
  Selectable selectable_;
  std::vector<unsigned char> flags_;
  int count_ = 0;
};
