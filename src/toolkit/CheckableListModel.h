#pragma once

#include <QAbstractListModel>
#include <QList>
#include <optional>
#include <vector>

// A list of items, each ticked or not, shown as one row per item that a
// filter lets through. The tick is the row's Qt::CheckStateRole; what else a
// row shows is the subclass's (itemData).
//
// The ticks belong to the items, not the rows: an item that a filter hides
// keeps its tick. A change of ticks, however many items it touches, is one
// dataChanged() over the rows it spans and one checkedItemsChanged(), so a
// view repaints once and a controller that follows the ticks runs once.
// Holding the ticks here rather than in a QItemSelectionModel keeps ticking
// 100,000 items a pass over a byte array: the selection model's list of
// ranges grows slow at that size, and it knows nothing of hidden items.
class CheckableListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int itemCount() const { return int(checked_.size()); }
  // The item a row shows, or -1; the row of an item, or -1 while hidden.
  int itemOfRow(int row) const;
  int rowOfItem(int item) const;

  // Only these items (ascending) are shown; none for every item. A change
  // of the rows shown resets the model.
  void setShownItems(std::optional<std::vector<int>> items);
  bool isFiltered() const { return shown_.has_value(); }

  bool isItemChecked(int item) const {
    return item >= 0 && item < itemCount() && checked_[size_t(item)];
  }
  int checkedCount() const { return checkedCount_; }
  // The ticked items, ascending.
  QList<int> checkedItems() const;
  // Each is one change; false when nothing changed. Items out of range are
  // passed over.
  bool setItemsChecked(const QList<int> &items, bool checked);
  bool setAllItemsChecked(bool checked);
  // Every row shown: with a filter, the hidden items keep their ticks.
  bool setShownItemsChecked(bool checked);

  int rowCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role) override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

 signals:
  void checkedItemsChanged();

 protected:
  // What a row shows of its item for every role but the tick.
  virtual QVariant itemData(int item, int role) const = 0;
  // count items, none ticked, all shown; call between beginResetModel() and
  // endResetModel().
  void resetItems(int count);

 private:
  bool setChecked(int item, bool checked);
  // Tells views of a change whose items lie between the two rows.
  void announce(int firstRow, int lastRow);

  std::vector<char> checked_;
  int checkedCount_ = 0;
  std::optional<std::vector<int>> shown_;  // the item of each row, while filtered
};
