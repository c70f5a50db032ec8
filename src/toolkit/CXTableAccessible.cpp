#include "toolkit/CXTableAccessible.h"

#include <QAbstractItemModel>
#include <algorithm>

#include "toolkit/CXTableCellAccessible.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

namespace {

QAccessibleInterface *tableFactory(const QString &className, QObject *object) {
  if (className != QLatin1String("CXTableViewWithEmptyHolder")) return nullptr;
  auto *view = qobject_cast<CXTableViewWithEmptyHolder *>(object);
  return view ? new CXTableAccessible(view) : nullptr;
}

}  // namespace

void CXTableAccessible::install() {
  static const bool installed = [] {
    QAccessible::installFactory(tableFactory);
    return true;
  }();
  (void)installed;
}

CXTableAccessible::CXTableAccessible(CXTableViewWithEmptyHolder *view)
    : QAccessibleWidget(view, QAccessible::List) {
  // Ticking and unticking change what a screen reader says about an item.
  QObject::connect(view, &CXTableViewWithEmptyHolder::selectedRowIndexesChanged, view,
                   [view] { tickedRowsChanged(view); });
}

CXTableAccessible *CXTableAccessible::of(CXTableViewWithEmptyHolder *view) {
  return dynamic_cast<CXTableAccessible *>(QAccessible::queryAccessibleInterface(view));
}

void CXTableAccessible::tickedRowsChanged(CXTableViewWithEmptyHolder *view) {
  if (!QAccessible::isActive()) return;
  CXTableAccessible *table = of(view);
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

CXTableAccessible::~CXTableAccessible() { forgetItems(); }

CXTableViewWithEmptyHolder *CXTableAccessible::view() const {
  return static_cast<CXTableViewWithEmptyHolder *>(widget());
}

void CXTableAccessible::forgetItems() const {
  for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
  cells_.clear();
  toldTicked_.clear();
  items_.clear();
  itemsValid_ = false;
}

const std::vector<int> &CXTableAccessible::items() const {
  CXTableViewWithEmptyHolder *v = view();
  QAbstractItemModel *model = v ? v->model() : nullptr;
  // A model that was swapped, or grew or shrank without telling us, makes the
  // list stale as surely as a reset does.
  if (model != model_ || (model && (v->numberOfRows() != modelRows_ ||
                                    v->shownRowsGeneration() != shownRowsGeneration_)))
    forgetItems();
  if (!itemsValid_) {
    model_ = model;
    modelRows_ = model ? v->numberOfRows() : -1;
    shownRowsGeneration_ = v->shownRowsGeneration();
    if (model)
      for (int r = 0; r < v->numberOfRows(); ++r)
        if (v->isRowSelectable(r) && v->isRowShown(r)) items_.push_back(r);
    itemsValid_ = true;
  }
  return items_;
}

int CXTableAccessible::viewRow(int item) const {
  const std::vector<int> &list = items();
  return item >= 0 && item < int(list.size()) ? list[size_t(item)] : -1;
}

int CXTableAccessible::itemOfViewRow(int row) const {
  const std::vector<int> &list = items();
  const auto it = std::lower_bound(list.begin(), list.end(), row);
  return it != list.end() && *it == row ? int(it - list.begin()) : -1;
}

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

int CXTableAccessible::childCount() const { return int(items().size()); }

int CXTableAccessible::rowCount() const { return childCount(); }

QAccessibleInterface *CXTableAccessible::cellAt(int row, int column) const {
  return column == 0 ? child(row) : nullptr;
}

QAccessibleInterface *CXTableAccessible::child(int index) const {
  const int row = viewRow(index);
  if (row < 0) return nullptr;
  if (const auto it = cells_.constFind(row); it != cells_.constEnd())
    return QAccessible::accessibleInterface(*it);
  auto *cell = new CXTableCellAccessible(view(), row);
  cells_.insert(row, QAccessible::registerAccessibleInterface(cell));
  toldTicked_.insert(row, view()->isRowSelected(row));
  return cell;
}

int CXTableAccessible::indexOfChild(const QAccessibleInterface *child) const {
  if (!child) return -1;
  const auto *cell = dynamic_cast<const CXTableCellAccessible *>(child);
  if (!cell || cell->parent() != this) return -1;
  return itemOfViewRow(cell->viewRow());
}

QAccessibleInterface *CXTableAccessible::childAt(int x, int y) const {
  CXTableViewWithEmptyHolder *v = view();
  if (!v) return nullptr;
  const QPoint local = v->viewport()->mapFromGlobal(QPoint(x, y));
  const int item = itemOfViewRow(v->rowAtPoint(local));
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
    const int item = itemOfViewRow(row);
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

void CXTableAccessible::modelChange(QAccessibleTableModelChangeEvent *) { forgetItems(); }

void CXTableAccessible::currentRowChanged(CXTableViewWithEmptyHolder *view, int row) {
  if (!QAccessible::isActive() || !view || !view->hasFocus()) return;
  CXTableAccessible *table = of(view);
  if (!table) return;
  const int item = table->itemOfViewRow(row);
  if (item < 0) return;
  QAccessibleEvent event(view, QAccessible::Focus);
  event.setChild(item);
  QAccessible::updateAccessibility(&event);
}
