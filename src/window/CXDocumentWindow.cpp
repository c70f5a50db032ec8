#include "window/CXDocumentWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QWindow>

CXDocumentWindow::CXDocumentWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {}

void CXDocumentWindow::closeEvent(QCloseEvent *event) {
  QWidget::closeEvent(event);
  if (event->isAccepted() && willClose_) willClose_();
}

void CXDocumentWindow::mousePressEvent(QMouseEvent *event) {
  // Presses reach the window only when nothing inside took them: they landed
  // on its background.
  if (movable_ && event->button() == Qt::LeftButton && !isMaximized()) {
    ++dragRequests_;
    if (QWindow *handle = windowHandle()) handle->startSystemMove();
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}
