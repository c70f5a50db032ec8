#include "window/CXDocumentWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QWindow>

#include "toolkit/CXFramelessResizer.h"

CXDocumentWindow::CXDocumentWindow(QWidget *parent)
    : CXTopLevelWindow(parent, Qt::Window | Qt::FramelessWindowHint, QAccessible::Window) {
  // Without the window manager's frame the window brings its own edges.
  resizer_ = new CXFramelessResizer(this);
}

void CXDocumentWindow::performZoom() {
  if (isMaximized())
    showNormal();
  else
    showMaximized();
}

void CXDocumentWindow::mouseDoubleClickEvent(QMouseEvent *event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton && titleStrip_ &&
      QRect(titleStrip_->mapTo(this, QPoint(0, 0)), titleStrip_->size()).contains(pos)) {
    performZoom();
    event->accept();
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

void CXDocumentWindow::closeEvent(QCloseEvent *event) {
  QWidget::closeEvent(event);
  if (event->isAccepted() && willClose_) willClose_();
}

void CXDocumentWindow::mousePressEvent(QMouseEvent *event) {
  // Presses reach the window only when nothing inside took them: they landed
  // on its background. The move waits for the pointer to travel, so that a
  // click, and the second click of a double click, stay with the window.
  if (event->button() == Qt::LeftButton && !isMaximized()) {
    pressedAt_ = event->globalPosition().toPoint();
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void CXDocumentWindow::mouseMoveEvent(QMouseEvent *event) {
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

void CXDocumentWindow::mouseReleaseEvent(QMouseEvent *event) {
  pressedAt_.reset();
  QWidget::mouseReleaseEvent(event);
}
