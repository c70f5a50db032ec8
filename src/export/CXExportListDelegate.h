#pragma once

#include <QStyledItemDelegate>

#include "export/CXSeparatorCellView.h"

class CXExportListVC;

// Paints the rows of the export table without a widget per row: the row view
// (hover tint and check mark) that the list controller hands out for the row,
// then the row's cell, the feed's title on an even row or the separator line
// on an odd one. Row heights come from the controller and never from the text.
class CXExportListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit CXExportListDelegate(const CXExportListVC *controller, QObject *parent = nullptr);

  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override;
  // A feed row's tooltip is its whole title, shown only when the row cuts the
  // title short.
  bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                 const QModelIndex &index) override;

  // Where a feed row's title is drawn inside the row: from the separator's
  // indent to just before the check mark.
  static QRect titleRect(const QRect &rowRect);

  static constexpr int kTitlePixelSize = 12;

  // The title as a row of this rectangle shows it: on one line, cut short
  // with an ellipsis where it does not fit.
  static QString shownTitle(const QString &title, const QFont &font, const QRect &rowRect);

 private:
  const CXExportListVC *controller_;
  // The one pooled "SEPARATOR" cell, set up afresh for every row it paints.
  mutable CXSeparatorCellView separatorCell_;
};
