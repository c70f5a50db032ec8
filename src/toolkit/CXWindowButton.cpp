#include "toolkit/CXWindowButton.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

CXWindowButton::CXWindowButton(QSize size, const QString &group, QWidget *parent)
    : QAbstractButton(parent), creationSize_(size), group_(group) {
  resize(size);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  connect(this, &QAbstractButton::clicked, this, &CXWindowButton::performAction);
  if (parent) watchParent();
}

CXWindowButton::~CXWindowButton() {
  if (watchedParent_) watchedParent_->removeEventFilter(this);
}

void CXWindowButton::setImage(CXImage &slot, const CXImage &image) {
  slot = image;
  update();
}

CXImage CXWindowButton::currentImage() const {
  if (!isEnabled()) return inactive_;
  if (isDown()) return pressed_;
  if (groupHover_) return rollover_;
  if (!window()->isActiveWindow()) return activeNotKey_;
  return active_;
}

void CXWindowButton::reloadImages() {
  ++reloadCount_;
  // Paint now rather than at the next frame, so the new scheme's images appear
  // together with the window's own repaint.
  if (isVisible())
    repaint();
  else
    update();
  emit imagesReloaded();
}

void CXWindowButton::setFrame(const QRectF &frame) {
  frame_ = frame;
  hasFrame_ = true;
  applyFrame();
}

void CXWindowButton::applyFrame() {
  if (!hasFrame_) return;
  const QSize size(qRound(frame_.width()), qRound(frame_.height()));
  QWidget *parent = parentWidget();
  if (!parent) {
    resize(size);
    return;
  }
  // Flip from a bottom-left origin to Qt's top-left one; right to left, the
  // frame is measured from the right edge.
  const int top = qRound(parent->height() - frame_.y() - frame_.height());
  const qreal x =
      parent->isRightToLeft() ? parent->width() - frame_.x() - frame_.width() : frame_.x();
  setGeometry(QRect(QPoint(qRound(x), top), size));
}

void CXWindowButton::watchParent() {
  QWidget *parent = parentWidget();
  if (parent == watchedParent_) return;
  if (watchedParent_) watchedParent_->removeEventFilter(this);
  watchedParent_ = parent;
  if (parent) {
    parent->installEventFilter(this);
    // The parent reports pointer moves in the gaps between the group's buttons,
    // so the group keeps its rollover look while the pointer crosses a gap.
    parent->setMouseTracking(true);
  }
}

void CXWindowButton::performAction() {
  QWidget *window = target_;
  if (!window) return;
  switch (action_) {
    case PerformClose:
      setGroupHover(false);
      window->close();
      break;
    case PerformMiniaturize:
      setGroupHover(false);
      window->showMinimized();
      break;
    case PerformZoom:
      if (window->isMaximized())
        window->showNormal();
      else
        window->showMaximized();
      break;
    case NoAction:
      break;
  }
}

QList<CXWindowButton *> CXWindowButton::groupMembers() const {
  QList<CXWindowButton *> members;
  QWidget *top = window();
  if (top == this) {
    members.append(const_cast<CXWindowButton *>(this));
    return members;
  }
  const auto all = top->findChildren<CXWindowButton *>();
  for (CXWindowButton *b : all)
    if (b->group_ == group_) members.append(b);
  return members;
}

void CXWindowButton::setGroupHover(bool hover) {
  for (CXWindowButton *b : groupMembers()) {
    if (b->groupHover_ != hover) {
      b->groupHover_ = hover;
      b->update();
    }
  }
}

bool CXWindowButton::groupContains(const QPoint &globalPos) const {
  QRect area;
  for (CXWindowButton *b : groupMembers()) {
    if (!b->isVisible()) continue;
    area |= QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
  }
  return area.contains(globalPos);
}

void CXWindowButton::paintEvent(QPaintEvent *) {
  const CXImage image = currentImage();
  if (image.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  image.draw(&p, QRectF(rect()));
}

void CXWindowButton::enterEvent(QEnterEvent *event) {
  setGroupHover(true);
  QAbstractButton::enterEvent(event);
}

void CXWindowButton::leaveEvent(QEvent *event) {
  // Leaving one button for the gap beside it keeps the group lit.
  setGroupHover(isVisible() && groupContains(QCursor::pos()));
  QAbstractButton::leaveEvent(event);
}

void CXWindowButton::changeEvent(QEvent *event) {
  if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange) update();
  QAbstractButton::changeEvent(event);
}

bool CXWindowButton::event(QEvent *event) {
  // A child widget hears of its window gaining or losing the keyboard through
  // these two, not through ActivationChange, which only the window itself gets.
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
    update();
  if (event->type() == QEvent::ParentChange) {
    watchParent();
    applyFrame();
  }
  if (event->type() == QEvent::LayoutDirectionChange) applyFrame();
  return QAbstractButton::event(event);
}

bool CXWindowButton::eventFilter(QObject *watched, QEvent *event) {
  if (watched == watchedParent_) {
    switch (event->type()) {
      case QEvent::Resize:
        applyFrame();
        break;
      case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        setGroupHover(groupContains(move->globalPosition().toPoint()));
        break;
      }
      case QEvent::Leave:
        setGroupHover(false);
        break;
      default:
        break;
    }
  }
  return QAbstractButton::eventFilter(watched, event);
}
