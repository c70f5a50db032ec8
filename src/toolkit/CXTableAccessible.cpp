#include "toolkit/CXTableAccessible.h"

#include <algorithm>

#include "toolkit/CXTableCellAccessible.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/CheckableListModel.h"

CXTableAccessible::CXTableAccessible(CXTableViewWithEmptyHolder *view)
    : QAccessibleWidget(view, QAccessible::List) {
  // Ticking and unticking change what a screen reader says about an item.
  QObject::connect(
      view, &CXTableViewWithEmptyHolder::rowsCheckedChanged, view, [view](int first, int last) {
        if (!QAccessible::isActive()) return;
        if (auto *table =
                dynamic_cast<CXTableAccessible *>(QAccessible::queryAccessibleInterface(view)))
          table->tickedRowsChanged(first, last);
      });
}

CXTableViewWithEmptyHolder *CXTableAccessible::view() const {
  return static_cast<CXTableViewWithEmptyHolder *>(widget());
}

void CXTableAccessible::tickedRowsChanged(int first, int last) {
  QAccessible::State changed;
  changed.checked = true;
  changed.selected = true;
  // Only items an assistive technology has asked about can have been seen,
  // and of those only the ones whose tick changed are told: a screen reader
  // speaks every event it gets, so one Space must give one "checked".
  QList<int> rows = cells_.keys();
  std::sort(rows.begin(), rows.end());
  for (const int row : rows) {
    if (row < first || row > last) continue;
    const bool ticked = view()->isRowSelected(row);
    auto told = toldTicked_.find(row);
    if (told == toldTicked_.end() || *told == ticked) continue;
    *told = ticked;
    if (QAccessibleInterface *cell = QAccessible::accessibleInterface(cells_.value(row))) {
      QAccessibleStateChangeEvent event(cell, changed);
      QAccessible::updateAccessibility(&event);
    }
  }
}

void CXTableAccessible::forgetCells() const {
  for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
  cells_.clear();
  toldTicked_.clear();
}

void CXTableAccessible::modelChange(QAccessibleTableModelChangeEvent *event) {
  // Rows that moved or went make the cells stale; a change of data does not.
  if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) forgetCells();
}

QString CXTableAccessible::text(QAccessible::Text t) const {
  const CXTableViewWithEmptyHolder *table = view();
  if (t == QAccessible::Description && table && table->showsPlaceholder())
    return table->shownPlaceholder();
  return QAccessibleWidget::text(t);
}

QAccessible::State CXTableAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.multiSelectable = true;
  return s;
}

int CXTableAccessible::childCount() const { return view() ? view()->numberOfRows() : 0; }

QAccessibleInterface *CXTableAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  if (const auto it = cells_.constFind(index); it != cells_.constEnd()) {
    auto *cell = static_cast<CXTableCellAccessible *>(QAccessible::accessibleInterface(*it));
    // A cell follows its row through the model's changes; one that moved
    // away or lost its row is made again.
    if (cell && cell->rowIndex() == index) return cell;
    QAccessible::deleteAccessibleInterface(*it);
  }
  auto *cell = new CXTableCellAccessible(view(), index);
  cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
  toldTicked_.insert(index, view()->isRowSelected(index));
  return cell;
}

int CXTableAccessible::indexOfChild(const QAccessibleInterface *child) const {
  const auto *cell = dynamic_cast<const CXTableCellAccessible *>(child);
  return cell && cell->parent() == this ? cell->rowIndex() : -1;
}

QAccessibleInterface *CXTableAccessible::childAt(int x, int y) const {
  CXTableViewWithEmptyHolder *v = view();
  if (!v) return nullptr;
  const QModelIndex index = v->indexAt(v->viewport()->mapFromGlobal(QPoint(x, y)));
  return index.isValid() ? child(index.row()) : nullptr;
}

void *CXTableAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface *>(this);
  return QAccessibleWidget::interface_cast(type);
}

QList<QAccessibleInterface *> CXTableAccessible::selectedCells() const {
  QList<QAccessibleInterface *> cells;
  for (int row : selectedRows()) cells.append(child(row));
  return cells;
}

QList<int> CXTableAccessible::selectedRows() const {
  QList<int> rows;
  if (const CheckableListModel *model = view() ? view()->checkableModel() : nullptr) {
    for (const int item : model->checkedItems())
      if (const int row = model->rowOfItem(item); row >= 0) rows.append(row);
    return rows;
  }
  for (int row = 0; row < childCount(); ++row)
    if (view()->isRowSelected(row)) rows.append(row);
  return rows;
}

bool CXTableAccessible::isRowSelected(int row) const {
  return row >= 0 && row < childCount() && view()->isRowSelected(row);
}

bool CXTableAccessible::selectRow(int row) {
  if (row < 0 || row >= childCount()) return false;
  if (!view()->isRowSelected(row)) view()->toggleRow(row);
  return view()->isRowSelected(row);
}

bool CXTableAccessible::unselectRow(int row) {
  if (row < 0 || row >= childCount()) return false;
  if (view()->isRowSelected(row)) view()->toggleRow(row);
  return !view()->isRowSelected(row);
}
