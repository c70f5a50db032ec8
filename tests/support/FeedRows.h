#pragma once

// A model and delegate shaped like the export table: n feeds make 2n rows, a
// 17-point feed row followed by a 1-point separator row that cannot be selected.
#include <QAbstractListModel>
#include <QPainter>
#include <QStyledItemDelegate>

class FeedRowsModel : public QAbstractListModel {
 public:
  explicit FeedRowsModel(int feeds = 0) : feeds_(feeds) {}

  void setFeeds(int feeds) {
    beginResetModel();
    feeds_ = feeds;
    endResetModel();
  }
  void appendFeed() {
    beginInsertRows({}, 2 * feeds_, 2 * feeds_ + 1);
    ++feeds_;
    endInsertRows();
  }
  void removeFirstFeed() {
    beginRemoveRows({}, 0, 1);
    --feeds_;
    endRemoveRows();
  }

  int rowCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : 2 * feeds_;
  }
  QVariant data(const QModelIndex &index, int role) const override {
    if (role == Qt::DisplayRole && index.row() % 2 == 0)
      return QStringLiteral("Feed %1").arg(index.row() / 2);
    return {};
  }
  Qt::ItemFlags flags(const QModelIndex &index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    return index.row() % 2 == 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
  }

 private:
  int feeds_;
};

class FeedRowsDelegate : public QStyledItemDelegate {
 public:
  QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const override {
    return {100, index.row() % 2 == 0 ? 17 : 1};
  }
  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    if (option.state & QStyle::State_Selected) paintedSelected.append(index.row());
    painter->fillRect(option.rect, (option.state & QStyle::State_Selected) ? Qt::red : Qt::white);
  }
  mutable QList<int> paintedSelected;
};
