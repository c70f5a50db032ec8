#pragma once

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QHash>

class CXTableViewWithEmptyHolder;

// What assistive technology (a screen reader, through AT-SPI on Linux) gets
// for a CXTableViewWithEmptyHolder: a list whose items are the rows a user can
// tick, one column wide, each named by the model's display text and checked
// and selected while ticked. Rows that cannot be selected (separators) are
// left out, so the item numbers a screen reader announces count only real
// items; the view keeps which rows those are (items()). What an empty view
// paints in place of rows is its description.
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
  // The description is the placeholder while the view has no rows (it says
  // why), else the view's own accessible description.
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
  int selectedRowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override;
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int) override { return false; }
  bool unselectRow(int row) override;
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent *) override { forgetCells(); }

 private:
  static void tickedRowsChanged(CXTableViewWithEmptyHolder *view);
  // The view row of an item, or -1.
  int viewRow(int item) const;
  // The cell interfaces made so far, by view row; dropped whenever the
  // view's items change.
  QHash<int, QAccessible::Id> &cells() const;
  void forgetCells() const;

  mutable int cellsGeneration_ = -1;
  // One cell interface per view row, kept so that its id stays stable.
  mutable QHash<int, QAccessible::Id> cells_;
  // Whether each of those was ticked when assistive technology last learnt
  // of it, so that only real changes are announced.
  mutable QHash<int, bool> toldTicked_;
};
