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
  // A feed row's tooltip is its whole title, shown only when the row cuts the
  // title short.
  bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                 const QModelIndex &index) override;

  // Where a feed row's title is drawn inside the row: from the separator's
  // indent to just before the check mark (mirrored right to left).
  static QRect titleRect(const QRect &rowRect, Qt::LayoutDirection direction = Qt::LeftToRight);

  static constexpr int kTitlePixelSize = 12;

  // The title as a row of this rectangle shows it: on one line, cut short
  // with an ellipsis where it does not fit.
  static QString shownTitle(const QString &title, const QFont &font, const QRect &rowRect);

 private:
  CXCheckMarkTableRowView rowView_;
  // The one pooled "SEPARATOR" cell, set up afresh for every row it paints.
  mutable CXSeparatorCellView separatorCell_;
};
