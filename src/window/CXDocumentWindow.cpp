#include "window/CXDocumentWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>

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
