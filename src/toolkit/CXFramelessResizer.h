#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Lets the user resize a frameless window by dragging any of its edges or
// corners, as a window manager's frame would: thin grips along the window's
// border show the matching resize cursor, and a press on one hands the drag to
// the window system (QWindow::startSystemResize). Where the window system
// cannot take it over, the grips resize the window themselves. Either way the
// window never gets smaller than its minimum size. A maximised window has no
// grips.
//
// The resizer belongs to its window (it is made as the window's child).
class CXFramelessResizer : public QObject {
  Q_OBJECT

 public:
  // How far in from the window's border the grips reach.
  static constexpr int kGripWidth = 5;
  // The corner grips are this long along each edge.
  static constexpr int kCornerLength = 12;

  explicit CXFramelessResizer(QWidget *window);

  // The cursor that shows which way a resize on these edges goes.
  static Qt::CursorShape cursorFor(Qt::Edges edges);
  // The window's geometry after dragging `edges` by `delta` from `start`; the
  // opposite edges stay where they are, and the size stays at least `minimum`.
  static QRect resized(const QRect &start, Qt::Edges edges, QPoint delta, QSize minimum);

  // The grip widget for these edges (a single edge or a corner), or null.
  QWidget *grip(Qt::Edges edges) const;

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void placeGrips();
  bool gripEvent(QWidget *grip, QEvent *event);

  QPointer<QWidget> window_;
  QList<QWidget *> grips_;
  // A drag the grips carry out themselves.
  QWidget *dragging_ = nullptr;
  QRect dragStart_;
  QPoint dragOrigin_;
};
