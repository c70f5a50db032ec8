#pragma once

#include <QAbstractItemView>
#include <QList>
#include <QPersistentModelIndex>
#include <QString>
#include <vector>

#include "toolkit/TableRowHeights.h"
#include "toolkit/TableRowSelection.h"
#include "toolkit/TypeAheadSearch.h"

// A single-column list of rows of varying heights that stays quick with
// hundreds of thousands of rows, shows a centred placeholder text while it has
// no rows (which is then also its accessible description, for screen
// readers), and keeps its selection as a set of row numbers.
//
// Rows: the rows of the model under rootIndex(), column 0. Each row's height is
// its delegate's sizeHint().height(), measured when rows arrive (not while
// painting), so a delegate with constant heights makes layout linear and cheap.
//
// Selection: held by the view itself (one flag per row), not by the
// QItemSelectionModel, whose range lists grow slow at this size; use the
// functions below rather than selectionModel()->select() or clearSelection().
// The selectionModel() still carries the current (keyboard) row. Only rows
// whose model flags include Qt::ItemIsSelectable can be selected, whichever way
// the selection is changed. Each change of the selection, however many rows it
// touches, is announced by exactly one selectedRowIndexesChanged(). A model
// reset clears the selection; inserted and removed rows shift it.
//
// Mouse and keyboard: normally a click selects one row (Ctrl toggles one,
// Shift extends from the last clicked row). With setIsCustomMouseDown(true)
// every click toggles the clicked row alone and leaves the others as they are,
// Space toggles the current row, and the arrow keys move the current row
// without changing the selection. Ctrl+A selects all. Typing letters moves
// the current row to the next selectable row whose display text starts with
// them. The current row is outlined while the view has the focus.
class CXTableViewWithEmptyHolder : public QAbstractItemView {
  Q_OBJECT

 public:
  explicit CXTableViewWithEmptyHolder(QWidget *parent = nullptr);

  void setIsCustomMouseDown(bool on) { customMouseDown_ = on; }
  bool isCustomMouseDown() const { return customMouseDown_; }

  void setPlaceholderText(const QString &text);
  QString placeholderText() const { return placeholder_; }

  int numberOfRows() const { return heights_.count(); }
  int rowHeight(int row) const;
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
  // Counts the changes of which rows are shown, for those that keep a list
  // of the shown rows.
  int shownRowsGeneration() const { return shownRowsGeneration_; }
  bool isRowSelected(int row) const;
  int numberOfSelectedRows() const { return selection_.count(); }
  // The selected rows in ascending order.
  QList<int> selectedRowIndexes() const;

  // Selects the selectable rows among `rows`; without extending, every other
  // row is deselected in the same change.
  void selectRowIndexes(const QList<int> &rows, bool byExtendingSelection);
  void deselectRow(int row);
  // Deselects these rows, as one change.
  void deselectRowIndexes(const QList<int> &rows);
  // Flips one selectable row; returns whether anything changed.
  bool toggleRow(int row);

  QModelIndex indexAt(const QPoint &point) const override;
  QRect visualRect(const QModelIndex &index) const override;
  void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
  void setModel(QAbstractItemModel *model) override;
  void reset() override;
  void doItemsLayout() override;
  void keyboardSearch(const QString &search) override;

 public slots:
  // Selects every selectable row that is shown, as one change; deselects
  // every shown row. Hidden rows keep their selection.
  void selectAll() override;
  void deselectAll();

 signals:
  void selectedRowIndexesChanged(const QList<int> &rows);

 protected:
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override { return 0; }
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex &) const override { return false; }
  void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection &selection) const override;
  QModelIndexList selectedIndexes() const override;
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;

  void rowsInserted(const QModelIndex &parent, int start, int end) override;
  void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
  void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles = QList<int>()) override;

  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  bool viewportEvent(QEvent *event) override;
  void changeEvent(QEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

 private:
  QModelIndex indexOfRow(int row) const;
  std::vector<int> measureRows(int first, int last) const;
  void remeasureAll();
  // After rows were hidden or shown: the current row moves off a hidden row,
  // and a screen reader hears that the rows changed.
  void followShownRows();
  // The rows of non-zero height, ascending.
  QList<int> shownRows() const;
  void announceSelection();
  void updateRow(int row);
  void setHoverRow(int row);
  void rememberSelection();
  void restoreSelection();
  void onRowsRemoved(const QModelIndex &parent);
  // Slim scroll bars in the window's scheme.
  void styleScrollBars();

  TableRowHeights heights_;
  TableRowSelection selection_;
  bool customMouseDown_ = false;
  int shownRowsGeneration_ = 0;
  QString placeholder_;
  int hoverRow_ = -1;
  int anchorRow_ = -1;
  bool pendingAnnounce_ = false;
  QList<QPersistentModelIndex> rememberedSelection_;
  TypeAheadSearch typeAhead_;
};
