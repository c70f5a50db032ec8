#pragma once

// A checkable list model and delegate shaped like the export list: one
// 18-point row per feed, titled "Feed 0", "Feed 1", ... or as given. The
// delegate paints a ticked row red and any other white, so that a test can
// see which rows the view painted as ticked.
#include <QPainter>
#include <QStringList>
#include <QStyledItemDelegate>

#include "toolkit/CheckableListModel.h"

class FeedRowsModel : public CheckableListModel {
 public:
  explicit FeedRowsModel(int feeds = 0) { setFeeds(feeds); }
  explicit FeedRowsModel(const QStringList &titles) { setTitles(titles); }

  void setFeeds(int feeds) {
    QStringList titles;
    for (int k = 0; k < feeds; ++k) titles << QStringLiteral("Feed %1").arg(k);
    setTitles(titles);
  }
  void setTitles(const QStringList &titles) {
    beginResetModel();
    titles_ = titles;
    resetItems(int(titles.size()));
    endResetModel();
  }

 protected:
  QVariant itemData(int item, int role) const override {
    return role == Qt::DisplayRole ? titles_.value(item) : QVariant();
  }

 private:
  QStringList titles_;
};

class FeedRowsDelegate : public QStyledItemDelegate {
 public:
  QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override {
    return {100, 18};
  }
  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    if (ticked) paintedTicked.append(index.row());
    painter->fillRect(option.rect, ticked ? Qt::red : Qt::white);
  }
  mutable QList<int> paintedTicked;
};
