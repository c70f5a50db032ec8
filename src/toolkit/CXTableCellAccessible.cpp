#include "toolkit/CXTableCellAccessible.h"

#include <QWidget>

#include "toolkit/CXTableViewWithEmptyHolder.h"

CXTableCellAccessible::CXTableCellAccessible(CXTableViewWithEmptyHolder *view, int viewRow)
    : view_(view), row_(viewRow) {}

bool CXTableCellAccessible::isValid() const {
  return view_ && view_->model() && row_ >= 0 && row_ < view_->numberOfRows();
}

QWindow *CXTableCellAccessible::window() const {
  return view_ ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface *CXTableCellAccessible::parent() const {
  return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
}

QString CXTableCellAccessible::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  const QModelIndex index = view_->model()->index(row_, 0, view_->rootIndex());
  switch (t) {
    case QAccessible::Name: {
      // A model may name a row for screen readers apart from what it shows.
      const QVariant spoken = index.data(Qt::AccessibleTextRole);
      return spoken.isValid() ? spoken.toString() : index.data(Qt::DisplayRole).toString();
    }
    case QAccessible::Description:
      return index.data(Qt::AccessibleDescriptionRole).toString();
    default:
      return {};
  }
}

QAccessible::Role CXTableCellAccessible::role() const {
  return view_ && view_->isCustomMouseDown() ? QAccessible::CheckBox : QAccessible::ListItem;
}

QRect CXTableCellAccessible::rect() const {
  if (!isValid()) return {};
  const QRect r = view_->rectOfRow(row_);
  return QRect(view_->viewport()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State CXTableCellAccessible::state() const {
  QAccessible::State s;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  s.selectable = true;
  s.multiSelectable = true;
  s.checkable = true;
  s.focusable = true;
  const bool ticked = view_->isRowSelected(row_);
  s.checked = ticked;
  s.selected = ticked;
  const QModelIndex current = view_->currentIndex();
  if (current.isValid() && current.row() == row_) {
    s.active = true;
    s.focused = view_->hasFocus();
  }
  const QRect r = view_->rectOfRow(row_);
  if (!r.intersects(view_->viewport()->rect())) {
    s.invisible = true;
    s.offscreen = true;
  }
  if (!view_->isEnabled()) s.disabled = true;
  return s;
}

void *CXTableCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface *>(this);
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface *>(this);
  return nullptr;
}

bool CXTableCellAccessible::isSelected() const { return view_ && view_->isRowSelected(row_); }

int CXTableCellAccessible::rowIndex() const { return view_ ? view_->items().itemOf(row_) : -1; }

QStringList CXTableCellAccessible::actionNames() const {
  return {toggleAction(), setFocusAction()};
}

void CXTableCellAccessible::doAction(const QString &actionName) {
  if (!isValid()) return;
  if (actionName == toggleAction()) {
    view_->toggleRow(row_);
  } else if (actionName == setFocusAction()) {
    view_->setFocus(Qt::OtherFocusReason);
    view_->setCurrentIndex(view_->model()->index(row_, 0, view_->rootIndex()));
  }
}

QStringList CXTableCellAccessible::keyBindingsForAction(const QString &actionName) const {
  if (actionName == toggleAction()) return {QStringLiteral("Space")};
  return {};
}
