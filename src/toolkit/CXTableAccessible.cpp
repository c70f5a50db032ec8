#include "toolkit/CXTableAccessible.h"

#include <algorithm>

#include "toolkit/CXTableCellAccessible.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

CXTableAccessible::CXTableAccessible(CXTableViewWithEmptyHolder *view)
    : QAccessibleWidget(view, QAccessible::List) {
  // Ticking and unticking change what a screen reader says about an item.
  QObject::connect(view, &CXTableViewWithEmptyHolder::selectedRowIndexesChanged, view,
                   [view] { tickedRowsChanged(view); });
}

void CXTableAccessible::tickedRowsChanged(CXTableViewWithEmptyHolder *view) {
  if (!QAccessible::isActive()) return;
  auto *table = dynamic_cast<CXTableAccessible *>(QAccessible::queryAccessibleInterface(view));
  if (!table) return;
  QAccessible::State changed;
  changed.checked = true;
  changed.selected = true;
  // Only items an assistive technology has asked about can have been seen,
  // and of those only the ones whose tick changed are told: a screen reader
  // speaks every event it gets, so one Space must give one "checked".
  QList<int> rows = table->cells_.keys();
  std::sort(rows.begin(), rows.end());
  for (int row : rows) {
    const bool ticked = view->isRowSelected(row);
    auto told = table->toldTicked_.find(row);
    if (told == table->toldTicked_.end() || *told == ticked) continue;
    *told = ticked;
    QAccessibleInterface *cell = QAccessible::accessibleInterface(table->cells_.value(row));
    if (!cell) continue;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
  }
}

CXTableViewWithEmptyHolder *CXTableAccessible::view() const {
  return static_cast<CXTableViewWithEmptyHolder *>(widget());
}

void CXTableAccessible::forgetCells() const {
  for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
  cells_.clear();
  toldTicked_.clear();
}

QHash<int, QAccessible::Id> &CXTableAccessible::cells() const {
  // Items that moved to other rows, or rows that are no items any more, make
  // the cells stale.
  const int generation = view() ? view()->items().generation() : -1;
  if (generation != cellsGeneration_) {
    forgetCells();
    cellsGeneration_ = generation;
  }
  return cells_;
}

int CXTableAccessible::viewRow(int item) const { return view() ? view()->items().rowOf(item) : -1; }

QString CXTableAccessible::text(QAccessible::Text t) const {
  const CXTableViewWithEmptyHolder *table = view();
  if (t == QAccessible::Description && table && table->numberOfRows() == 0 &&
      !table->placeholderText().isEmpty())
    return table->placeholderText();
  return QAccessibleWidget::text(t);
}

QAccessible::State CXTableAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.multiSelectable = true;
  return s;
}

int CXTableAccessible::childCount() const { return view() ? view()->items().count() : 0; }

QAccessibleInterface *CXTableAccessible::child(int index) const {
  const int row = viewRow(index);
  if (row < 0) return nullptr;
  QHash<int, QAccessible::Id> &made = cells();
  if (const auto it = made.constFind(row); it != made.constEnd())
    return QAccessible::accessibleInterface(*it);
  auto *cell = new CXTableCellAccessible(view(), row);
  made.insert(row, QAccessible::registerAccessibleInterface(cell));
  toldTicked_.insert(row, view()->isRowSelected(row));
  return cell;
}

int CXTableAccessible::indexOfChild(const QAccessibleInterface *child) const {
  if (!child) return -1;
  const auto *cell = dynamic_cast<const CXTableCellAccessible *>(child);
  if (!cell || cell->parent() != this) return -1;
  return cell->rowIndex();
}

QAccessibleInterface *CXTableAccessible::childAt(int x, int y) const {
  CXTableViewWithEmptyHolder *v = view();
  if (!v) return nullptr;
  const QPoint local = v->viewport()->mapFromGlobal(QPoint(x, y));
  const int item = v->items().itemOf(v->rowAtPoint(local));
  return item >= 0 ? child(item) : nullptr;
}

void *CXTableAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface *>(this);
  return QAccessibleWidget::interface_cast(type);
}

QList<QAccessibleInterface *> CXTableAccessible::selectedCells() const {
  QList<QAccessibleInterface *> cells;
  for (int item : selectedRows()) cells.append(child(item));
  return cells;
}

int CXTableAccessible::selectedRowCount() const {
  return view() ? view()->numberOfSelectedRows() : 0;
}

QList<int> CXTableAccessible::selectedRows() const {
  QList<int> rows;
  if (!view()) return rows;
  for (int row : view()->selectedRowIndexes()) {
    const int item = view()->items().itemOf(row);
    if (item >= 0) rows.append(item);
  }
  return rows;
}

bool CXTableAccessible::isRowSelected(int row) const {
  const int r = viewRow(row);
  return r >= 0 && view()->isRowSelected(r);
}

bool CXTableAccessible::selectRow(int row) {
  const int r = viewRow(row);
  if (r < 0) return false;
  view()->selectRowIndexes({r}, true);
  return view()->isRowSelected(r);
}

bool CXTableAccessible::unselectRow(int row) {
  const int r = viewRow(row);
  if (r < 0) return false;
  view()->deselectRow(r);
  return !view()->isRowSelected(r);
}
