#pragma once

#include <QAbstractItemView>
#include <QList>
#include <QPersistentModelIndex>
#include <vector>

#include "toolkit/TableItemRows.h"
#include "toolkit/TableRowHeights.h"
#include "toolkit/TableRowSelection.h"

// A single-column list of rows of varying heights that stays quick with
// hundreds of thousands of rows and keeps its selection as a set of row
// numbers; what the user does with the rows is left to a subclass
// (CXTableViewWithEmptyHolder).
//
// Rows: the rows of the model under rootIndex(), column 0. Each row's height is
// its delegate's sizeHint().height(), measured when rows arrive (not while
// painting), so a delegate with constant heights makes layout linear and cheap.
// The row under the pointer is painted hovered, and the current row outlined
// while the view has the focus.
//
// Selection: held by the view itself (one flag per row), not by the
// QItemSelectionModel, whose range lists grow slow at this size; use the
// functions below rather than selectionModel()->select() or clearSelection().
// The selectionModel() still carries the current (keyboard) row. Only rows
// whose model flags include Qt::ItemIsSelectable can be selected, whichever way
// the selection is changed. Each change of the selection, however many rows it
// touches, is announced by exactly one selectedRowIndexesChanged(). A model
// reset clears the selection; inserted and removed rows shift it.
class TableRowsView : public QAbstractItemView {
  Q_OBJECT

 public:
  explicit TableRowsView(QWidget *parent = nullptr);

  int numberOfRows() const { return heights_.count(); }
  int rowHeight(int row) const { return heights_.height(row); }
  // The row's rectangle in viewport coordinates.
  QRect rectOfRow(int row) const;
  // The row at a viewport point, or -1.
  int rowAtPoint(const QPoint &point) const;

  bool isRowSelectable(int row) const;
  // A row of height 0 is hidden (a filter left it out): the keyboard, typing
  // and a screen reader pass it by, and Select All and Deselect All act on
  // the shown rows alone. Its selection stays as it was.
  bool isRowShown(int row) const { return heights_.height(row) > 0; }
  bool hasHiddenRows() const;
  // The rows a screen reader counts as the list's items: the selectable ones
  // that are shown.
  const TableItemRows &items() const { return items_; }
  bool isRowSelected(int row) const { return selection_.contains(row); }
  int numberOfSelectedRows() const { return selection_.count(); }
  // The selected rows in ascending order.
  QList<int> selectedRowIndexes() const { return selection_.rows(); }

  // Selects the selectable rows among `rows`; without extending, every other
  // row is deselected in the same change.
  void selectRowIndexes(const QList<int> &rows, bool byExtendingSelection) {
    if (selection_.select(rows, byExtendingSelection)) announceSelection();
  }
  void deselectRow(int row) { deselectRowIndexes({row}); }
  // Deselects these rows, as one change.
  void deselectRowIndexes(const QList<int> &rows);
  // Flips one selectable row; returns whether anything changed.
  bool toggleRow(int row);

  QModelIndex indexAt(const QPoint &point) const override { return indexOfRow(rowAtPoint(point)); }
  QRect visualRect(const QModelIndex &index) const override;
  void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
  void setModel(QAbstractItemModel *model) override;
  void reset() override;
  void doItemsLayout() override {
    remeasureAll();
    QAbstractItemView::doItemsLayout();
  }

 public slots:
  // Selects every selectable row that is shown, as one change; deselects
  // every shown row. Hidden rows keep their selection.
  void selectAll() override;
  void deselectAll();

 signals:
  void selectedRowIndexesChanged(const QList<int> &rows);

 protected:
  int horizontalOffset() const override { return 0; }
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex &) const override { return false; }
  void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection &selection) const override;
  QModelIndexList selectedIndexes() const override;
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override {
    hoverRow_ = -1;
    viewport()->scroll(dx, dy);
  }

  void rowsInserted(const QModelIndex &parent, int start, int end) override;
  void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
  void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles = QList<int>()) override;

  void paintEvent(QPaintEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  bool viewportEvent(QEvent *event) override;

  QModelIndex indexOfRow(int row) const;
  // Whether the keyboard and a screen reader may land on the row.
  bool isItem(int row) const { return isRowSelectable(row) && isRowShown(row); }
  const TableRowHeights &heights() const { return heights_; }
  // The last row clicked, which a shift range extends from; -1 for none. It
  // moves with inserted and removed rows.
  int anchorRow() const { return anchorRow_; }
  void setAnchorRow(int row) { anchorRow_ = row; }
  void updateRow(int row) {
    if (const QRect r = rectOfRow(row); !r.isEmpty()) viewport()->update(r);
  }

 private:
  std::vector<int> measureRows(int first, int last) const;
  void remeasureAll();
  // After rows were hidden or shown: the current row moves off a hidden row,
  // and a screen reader hears that the rows changed.
  void followShownRows();
  // The rows of non-zero height, ascending.
  QList<int> shownRows() const;
  void announceSelection();
  void setHoverRow(int row);
  void rememberSelection();
  void restoreSelection();
  void onRowsRemoved(const QModelIndex &parent);

  TableRowHeights heights_;
  TableRowSelection selection_;
  TableItemRows items_;
  int hoverRow_ = -1;
  int anchorRow_ = -1;
  bool pendingAnnounce_ = false;
  QList<QPersistentModelIndex> rememberedSelection_;
};
