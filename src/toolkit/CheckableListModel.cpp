#include "toolkit/CheckableListModel.h"

#include <algorithm>

int CheckableListModel::itemOfRow(int row) const {
  if (row < 0 || row >= rowCount()) return -1;
  return shown_ ? (*shown_)[size_t(row)] : row;
}

int CheckableListModel::rowOfItem(int item) const {
  if (item < 0 || item >= itemCount()) return -1;
  if (!shown_) return item;
  const auto it = std::lower_bound(shown_->begin(), shown_->end(), item);
  return it != shown_->end() && *it == item ? int(it - shown_->begin()) : -1;
}

void CheckableListModel::setShownItems(std::optional<std::vector<int>> items) {
  if (items == shown_) return;
  beginResetModel();
  shown_ = std::move(items);
  endResetModel();
}

void CheckableListModel::resetItems(int count) {
  checked_.assign(size_t(std::max(count, 0)), 0);
  checkedCount_ = 0;
  shown_.reset();
}

QList<int> CheckableListModel::checkedItems() const {
  QList<int> items;
  items.reserve(checkedCount_);
  for (int k = 0; k < itemCount() && items.size() < checkedCount_; ++k)
    if (checked_[size_t(k)]) items.append(k);
  return items;
}

bool CheckableListModel::setChecked(int item, bool checked) {
  if (item < 0 || item >= itemCount() || bool(checked_[size_t(item)]) == checked) return false;
  checked_[size_t(item)] = checked;
  checkedCount_ += checked ? 1 : -1;
  return true;
}

void CheckableListModel::announce(int firstRow, int lastRow) {
  if (firstRow <= lastRow) emit dataChanged(index(firstRow), index(lastRow), {Qt::CheckStateRole});
  emit checkedItemsChanged();
}

bool CheckableListModel::setItemsChecked(const QList<int> &items, bool checked) {
  bool changed = false;
  int first = rowCount(), last = -1;
  for (const int item : items) {
    if (!setChecked(item, checked)) continue;
    changed = true;
    if (const int row = rowOfItem(item); row >= 0) {
      first = std::min(first, row);
      last = std::max(last, row);
    }
  }
  if (changed) announce(first, last);
  return changed;
}

bool CheckableListModel::setAllItemsChecked(bool checked) {
  if (checkedCount_ == (checked ? itemCount() : 0)) return false;
  std::fill(checked_.begin(), checked_.end(), char(checked));
  checkedCount_ = checked ? itemCount() : 0;
  announce(0, rowCount() - 1);
  return true;
}

bool CheckableListModel::setShownItemsChecked(bool checked) {
  if (!shown_) return setAllItemsChecked(checked);
  bool changed = false;
  for (const int item : *shown_) changed = setChecked(item, checked) || changed;
  if (changed) announce(0, rowCount() - 1);
  return changed;
}

int CheckableListModel::rowCount(const QModelIndex &parent) const {
  if (parent.isValid()) return 0;
  return shown_ ? int(shown_->size()) : itemCount();
}

QVariant CheckableListModel::data(const QModelIndex &index, int role) const {
  const int item = index.isValid() ? itemOfRow(index.row()) : -1;
  if (item < 0) return {};
  if (role == Qt::CheckStateRole) return isItemChecked(item) ? Qt::Checked : Qt::Unchecked;
  return itemData(item, role);
}

bool CheckableListModel::setData(const QModelIndex &index, const QVariant &value, int role) {
  const int item = index.isValid() ? itemOfRow(index.row()) : -1;
  if (role != Qt::CheckStateRole || item < 0) return false;
  if (!setChecked(item, value.toInt() == Qt::Checked)) return true;
  announce(index.row(), index.row());
  return true;
}

Qt::ItemFlags CheckableListModel::flags(const QModelIndex &index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
         Qt::ItemNeverHasChildren;
}
