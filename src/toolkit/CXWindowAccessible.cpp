#include "toolkit/CXWindowAccessible.h"

#include <QApplication>

#include "toolkit/CXTopLevelWindow.h"

CXWindowAccessible::CXWindowAccessible(CXTopLevelWindow *window)
    : QAccessibleWidget(window, window->accessibleRole()) {}

QString CXWindowAccessible::text(QAccessible::Text t) const {
  const QWidget *w = widget();
  if (t == QAccessible::Name && w && w->accessibleName().isEmpty()) return w->windowTitle();
  return QAccessibleWidget::text(t);
}

QAccessible::State CXWindowAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  if (s.active && QApplication::activePopupWidget()) s.active = false;
  return s;
}
