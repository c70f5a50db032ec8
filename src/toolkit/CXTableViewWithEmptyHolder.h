#pragma once

#include <QString>

#include "toolkit/TableRowsView.h"
#include "toolkit/TypeAheadSearch.h"

// The program's list of rows (see TableRowsView for its rows and selection)
// as a user meets it: it shows a centred placeholder text while it has no
// rows (which is then also its accessible description, for screen readers),
// and tells assistive technology which item is current.
//
// Mouse and keyboard: normally a click selects one row (Ctrl toggles one,
// Shift extends from the last clicked row). With setIsCustomMouseDown(true)
// every click toggles the clicked row alone and leaves the others as they are,
// Space toggles the current row, and the arrow keys move the current row
// without changing the selection. Ctrl+A selects all. Typing letters moves
// the current row to the next selectable row whose display text starts with
// them.
class CXTableViewWithEmptyHolder : public TableRowsView {
  Q_OBJECT

 public:
  using TableRowsView::TableRowsView;

  void setIsCustomMouseDown(bool on) { customMouseDown_ = on; }
  bool isCustomMouseDown() const { return customMouseDown_; }

  void setPlaceholderText(const QString &text);
  QString placeholderText() const { return placeholder_; }

  void keyboardSearch(const QString &search) override;

 protected:
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void changeEvent(QEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

 private:
  // Tells assistive technology that the row, now current, has the focus, as
  // Qt's own views do: a focus event whose child is the row's item.
  void tellCurrentRow(int row);
  // With `extend` (Shift), selects from the anchor row to `row`; otherwise
  // `row` alone, which becomes the anchor.
  void selectFromAnchor(int row, bool extend);
  // Slim scroll bars in the window's scheme.
  void styleScrollBars();

  bool customMouseDown_ = false;
  QString placeholder_;
  TypeAheadSearch typeAhead_;
};
