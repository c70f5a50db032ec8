#include "toolkit/CXTableCellAccessible.h"

#include <QLocale>
#include <QWidget>

#include "platform/Localized.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

CXTableCellAccessible::CXTableCellAccessible(CXTableViewWithEmptyHolder *view, int row)
    : view_(view), index_(view->model()->index(row, 0, view->rootIndex())) {}

bool CXTableCellAccessible::isValid() const {
  return view_ && index_.isValid() && index_.model() == view_->model();
}

QWindow *CXTableCellAccessible::window() const {
  return view_ ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface *CXTableCellAccessible::parent() const {
  return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
}

QString CXTableCellAccessible::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  switch (t) {
    case QAccessible::Name: {
      // A model may name a row for screen readers apart from what it shows.
      const QVariant spoken = index_.data(Qt::AccessibleTextRole);
      return spoken.isValid() ? spoken.toString() : index_.data(Qt::DisplayRole).toString();
    }
    case QAccessible::Description: {
      const QString own = index_.data(Qt::AccessibleDescriptionRole).toString();
      if (!own.isEmpty() || !index_.model()) return own;
      // Where the row stands among those shown ("2 of 45"), which a screen
      // reader says as the keyboard moves and in "where am I". Qt's bridge
      // tells it no position for a check box, only for a list item.
      const QLocale locale;
      return localized("CXInterfaceString", "%1 of %2")
          .arg(locale.toString(index_.row() + 1), locale.toString(index_.model()->rowCount()));
    }
    default:
      return {};
  }
}

QAccessible::Role CXTableCellAccessible::role() const {
  return view_ && view_->isCustomMouseDown() ? QAccessible::CheckBox : QAccessible::ListItem;
}

QRect CXTableCellAccessible::rect() const {
  if (!isValid()) return {};
  const QRect r = view_->visualRect(index_);
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
  const bool ticked = isSelected();
  s.checked = ticked;
  s.selected = ticked;
  if (view_->currentIndex() == index_) {
    s.active = true;
    s.focused = view_->hasFocus();
  }
  if (!view_->visualRect(index_).intersects(view_->viewport()->rect())) {
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

bool CXTableCellAccessible::isSelected() const {
  return isValid() && index_.data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

QStringList CXTableCellAccessible::actionNames() const {
  return {toggleAction(), setFocusAction()};
}

void CXTableCellAccessible::doAction(const QString &actionName) {
  if (!isValid()) return;
  if (actionName == toggleAction()) {
    view_->toggleRow(index_.row());
  } else if (actionName == setFocusAction()) {
    view_->setFocus(Qt::OtherFocusReason);
    view_->setCurrentIndex(index_);
  }
}

QStringList CXTableCellAccessible::keyBindingsForAction(const QString &actionName) const {
  if (actionName == toggleAction()) return {QStringLiteral("Space")};
  return {};
}
