#pragma once

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QHash>

class CXTableViewWithEmptyHolder;

// What assistive technology (a screen reader, through AT-SPI on Linux) gets
// for a CXTableViewWithEmptyHolder: a list of its rows, one column wide, each
// named by the model's text, checkable, and checked and selected while
// ticked. What an empty view paints in place of rows is its description.
//
// Written here rather than left to Qt's own list interface, which Qt keeps
// private (it cannot be extended): that one makes every row a list item,
// which the desktop's screen readers do not say "checked" of; it calls a row
// selected by the selection model rather than by its tick; and it tells
// nothing when a tick changes. This one tells each change of a row's tick
// once, for the rows a screen reader has asked about.
//
// Made by the factory that AccessibleFactories::install() registers.
class CXTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit CXTableAccessible(CXTableViewWithEmptyHolder *view);
  ~CXTableAccessible() override { forgetCells(); }

  CXTableViewWithEmptyHolder *view() const;

  // QAccessibleInterface
  QAccessible::Role role() const override { return QAccessible::List; }
  QAccessible::State state() const override;
  // The description is the placeholder while the view paints it, else the
  // view's own accessible description.
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface *child(int index) const override;
  int indexOfChild(const QAccessibleInterface *child) const override;
  QAccessibleInterface *childAt(int x, int y) const override;
  void *interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTableInterface: items are rows of one column.
  QAccessibleInterface *caption() const override { return nullptr; }
  QAccessibleInterface *summary() const override { return nullptr; }
  QAccessibleInterface *cellAt(int row, int column) const override {
    return column == 0 ? child(row) : nullptr;
  }
  int selectedCellCount() const override { return selectedRowCount(); }
  QList<QAccessibleInterface *> selectedCells() const override;
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int columnCount() const override { return 1; }
  int rowCount() const override { return childCount(); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return int(selectedRows().size()); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override;
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int) override { return false; }
  bool unselectRow(int row) override;
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent *event) override;

 private:
  void tickedRowsChanged(int first, int last);
  void forgetCells() const;

  // One cell interface per row, kept so that its id stays stable, and
  // whether it was ticked when assistive technology last learnt of it.
  mutable QHash<int, QAccessible::Id> cells_;
  mutable QHash<int, bool> toldTicked_;
};
