#include "toolkit/CXFramelessResizer.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

constexpr const char *kEdgesProperty = "orvellaResizeEdges";

Qt::Edges edgesOf(const QWidget *grip) { return Qt::Edges(grip->property(kEdgesProperty).toInt()); }

}  // namespace

CXFramelessResizer::CXFramelessResizer(QWidget *window) : QObject(window), window_(window) {
  const Qt::Edges all[] = {Qt::TopEdge,
                           Qt::BottomEdge,
                           Qt::LeftEdge,
                           Qt::RightEdge,
                           Qt::TopEdge | Qt::LeftEdge,
                           Qt::TopEdge | Qt::RightEdge,
                           Qt::BottomEdge | Qt::LeftEdge,
                           Qt::BottomEdge | Qt::RightEdge};
  for (Qt::Edges edges : all) {
    auto *grip = new QWidget(window);
    grip->setObjectName(QStringLiteral("resizeGrip"));
    grip->setProperty(kEdgesProperty, int(edges));
    grip->setCursor(cursorFor(edges));
    grip->installEventFilter(this);
    grips_.append(grip);
  }
  window->installEventFilter(this);
  placeGrips();
}

Qt::CursorShape CXFramelessResizer::cursorFor(Qt::Edges edges) {
  const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
  const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
  if (horizontal && vertical) {
    const bool falling = (edges & Qt::TopEdge) == bool(edges & Qt::LeftEdge);
    return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
  }
  if (horizontal) return Qt::SizeHorCursor;
  if (vertical) return Qt::SizeVerCursor;
  return Qt::ArrowCursor;
}

QRect CXFramelessResizer::resized(const QRect &start, Qt::Edges edges, QPoint delta,
                                  QSize minimum) {
  QRect r = start;
  if (edges & Qt::LeftEdge)
    r.setLeft(std::min(start.left() + delta.x(), start.right() + 1 - minimum.width()));
  if (edges & Qt::RightEdge)
    r.setRight(std::max(start.right() + delta.x(), start.left() + minimum.width() - 1));
  if (edges & Qt::TopEdge)
    r.setTop(std::min(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
  if (edges & Qt::BottomEdge)
    r.setBottom(std::max(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
  return r;
}

QWidget *CXFramelessResizer::grip(Qt::Edges edges) const {
  for (QWidget *g : grips_)
    if (edgesOf(g) == edges) return g;
  return nullptr;
}

void CXFramelessResizer::placeGrips() {
  if (!window_) return;
  const int w = window_->width();
  const int h = window_->height();
  const int g = kGripWidth;
  const int c = kCornerLength;
  const bool shown = !(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
  for (QWidget *grip : grips_) {
    const Qt::Edges e = edgesOf(grip);
    QRect r;
    if (e == Qt::TopEdge) r = QRect(c, 0, w - 2 * c, g);
    if (e == Qt::BottomEdge) r = QRect(c, h - g, w - 2 * c, g);
    if (e == Qt::LeftEdge) r = QRect(0, c, g, h - 2 * c);
    if (e == Qt::RightEdge) r = QRect(w - g, c, g, h - 2 * c);
    // The top corners stay small: the title strip's buttons sit close to them.
    if (e == (Qt::TopEdge | Qt::LeftEdge)) r = QRect(0, 0, g, g);
    if (e == (Qt::TopEdge | Qt::RightEdge)) r = QRect(w - g, 0, g, g);
    if (e == (Qt::BottomEdge | Qt::LeftEdge)) r = QRect(0, h - c, c, c);
    if (e == (Qt::BottomEdge | Qt::RightEdge)) r = QRect(w - c, h - c, c, c);
    grip->setGeometry(r);
    grip->setVisible(shown);
    grip->raise();
  }
}

bool CXFramelessResizer::eventFilter(QObject *watched, QEvent *event) {
  if (watched == window_) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange ||
        event->type() == QEvent::Show || event->type() == QEvent::ChildAdded)
      placeGrips();
    return false;
  }
  if (auto *g = qobject_cast<QWidget *>(watched); g && grips_.contains(g))
    return gripEvent(g, event);
  return false;
}

bool CXFramelessResizer::gripEvent(QWidget *grip, QEvent *event) {
  if (!window_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto *press = static_cast<QMouseEvent *>(event);
      if (press->button() != Qt::LeftButton) return false;
      QWindow *handle = window_->windowHandle();
      if (handle && handle->startSystemResize(edgesOf(grip))) return true;
      // No window system help: follow the pointer until the button comes up.
      dragging_ = grip;
      dragStart_ = window_->geometry();
      dragOrigin_ = press->globalPosition().toPoint();
      return true;
    }
    case QEvent::MouseMove: {
      if (dragging_ != grip) return false;
      auto *move = static_cast<QMouseEvent *>(event);
      const QPoint delta = move->globalPosition().toPoint() - dragOrigin_;
      window_->setGeometry(
          resized(dragStart_, edgesOf(grip), delta, window_->minimumSize().expandedTo({1, 1})));
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (dragging_ != grip) return false;
      dragging_ = nullptr;
      return true;
    default:
      return false;
  }
}
