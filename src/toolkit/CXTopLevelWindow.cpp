#include "toolkit/CXTopLevelWindow.h"

CXTopLevelWindow::CXTopLevelWindow(QWidget *parent, Qt::WindowFlags flags, QAccessible::Role role)
    : QWidget(parent, flags), role_(role) {}

void CXTopLevelWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (role_ == QAccessible::AlertMessage && QAccessible::isActive()) {
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
  }
}
