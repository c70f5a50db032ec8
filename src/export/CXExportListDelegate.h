#pragma once

#include <QStyledItemDelegate>

#include "export/CXSeparatorCellView.h"
#include "toolkit/CXCheckMarkTableRowView.h"

// Paints the rows of the export list without a widget per row. A row is the
// feed's 17 points, with the row view (hover tint and check mark), the title
// and, on the current row while the list has the focus, an outline; and,
// under them, the 1-point separator line. Everything it paints comes from the
// model's roles: the title, and the tick from Qt::CheckStateRole. Every row is
// as high as every other, never measured from its text.
class CXExportListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // rowView: how every row's background and check mark are painted.
  explicit CXExportListDelegate(CXCheckMarkTableRowView rowView, QObject *parent = nullptr);

  const CXCheckMarkTableRowView &rowView() const { return rowView_; }

  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override;
  // A row's tooltip is its whole title, shown only when the row cuts the
  // title short.
  bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                 const QModelIndex &index) override;

  // The feed's part of a row's rectangle, above the separator line.
  static QRect feedRect(const QRect &rowRect);
  // Where a row's title is drawn inside the row: from the separator's
  // indent to just before the check mark (mirrored right to left).
  static QRect titleRect(const QRect &rowRect, Qt::LayoutDirection direction = Qt::LeftToRight);

  static constexpr int kTitlePixelSize = 12;
  // Every row's height: the feed's 17 points and the separator line, the
  // feed's part growing with a larger desktop font.
  static int rowHeight();

  // The title as a row of this rectangle shows it: on one line, cut short
  // with an ellipsis where it does not fit.
  static QString shownTitle(const QString &title, const QFont &font, const QRect &rowRect);

 private:
  void paintTitle(QPainter *painter, const QStyleOptionViewItem &option,
                  const QString &title) const;
  void paintSeparator(QPainter *painter, const QStyleOptionViewItem &option) const;

  CXCheckMarkTableRowView rowView_;
  // The one pooled "SEPARATOR" cell, set up afresh for every row it paints.
  mutable CXSeparatorCellView separatorCell_;
};
