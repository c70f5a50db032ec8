#pragma once

#include <QStyledItemDelegate>

#include "export/CXSeparatorCellView.h"
#include "toolkit/CXCheckMarkTableRowView.h"

// Paints the rows of the export table without a widget per row: the row view
// (hover tint and check mark), then the row's cell, the feed's title on a feed
// row or the separator line on a separator row. Everything it paints comes
// from the model's roles; row heights too, never from the text.
class CXExportListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // rowView: how every row's background and check mark are painted.
  explicit CXExportListDelegate(CXCheckMarkTableRowView rowView, QObject *parent = nullptr);

  const CXCheckMarkTableRowView &rowView() const { return rowView_; }

  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override;

  // Where a feed row's title is drawn inside the row: from the separator's
  // indent to just before the check mark.
  static QRect titleRect(const QRect &rowRect);

  static constexpr int kTitlePixelSize = 12;

 private:
  CXCheckMarkTableRowView rowView_;
  // The one pooled "SEPARATOR" cell, set up afresh for every row it paints.
  mutable CXSeparatorCellView separatorCell_;
};
