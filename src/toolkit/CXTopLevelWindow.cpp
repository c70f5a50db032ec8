#include "toolkit/CXTopLevelWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

CXTopLevelWindow::CXTopLevelWindow(QWidget *parent, Qt::WindowFlags flags, QAccessible::Role role)
    : QWidget(parent, flags), role_(role) {}

void CXTopLevelWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (role_ == QAccessible::AlertMessage && QAccessible::isActive()) {
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
  }
}

void CXTopLevelWindow::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && !isMaximized()) {
    pressedAt_ = event->globalPosition().toPoint();
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void CXTopLevelWindow::mouseMoveEvent(QMouseEvent *event) {
  if (pressedAt_ && (event->buttons() & Qt::LeftButton) &&
      (event->globalPosition().toPoint() - *pressedAt_).manhattanLength() >=
          QApplication::startDragDistance()) {
    pressedAt_.reset();
    ++dragRequests_;
    if (QWindow *handle = windowHandle()) handle->startSystemMove();
    event->accept();
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void CXTopLevelWindow::mouseReleaseEvent(QMouseEvent *event) {
  pressedAt_.reset();
  QWidget::mouseReleaseEvent(event);
}
