#include "toolkit/CXTransition.h"

#include <QApplication>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <QWidget>

#include "platform/MainQueue.h"

namespace {

// Shows a picture of what the container showed before, fading it out over the
// new content.
class FadeOverlay : public QWidget {
 public:
  FadeOverlay(QWidget *container, const QPixmap &before, int durationMs,
              std::function<void()> completion)
      : QWidget(container), before_(before), completion_(std::move(completion)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("CXTransitionFade"));
    setGeometry(container->rect());
    animation_ = new QVariantAnimation(this);
    animation_->setStartValue(1.0);
    animation_->setEndValue(0.0);
    animation_->setDuration(durationMs);
    animation_->setEasingCurve(QEasingCurve::InOutQuad);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant &v) {
      opacity_ = v.toReal();
      update();
    });
    connect(animation_, &QVariantAnimation::finished, this, [this] { finishNow(); });
    show();
    raise();
    animation_->start();
  }

  // Ends the fade at once; the completion runs (queued) exactly once.
  void finishNow() {
    if (finished_) return;
    finished_ = true;
    animation_->stop();
    hide();
    if (completion_) MainQueue::async(std::move(completion_));
    deleteLater();
  }

 protected:
  void paintEvent(QPaintEvent *) override {
    QPainter p(this);
    p.setOpacity(opacity_);
    p.drawPixmap(0, 0, before_);
  }

 private:
  QPixmap before_;
  std::function<void()> completion_;
  QVariantAnimation *animation_ = nullptr;
  qreal opacity_ = 1.0;
  bool finished_ = false;
};

void hideLayoutContents(QLayout *layout, QWidget *keep) {
  while (QLayoutItem *item = layout->takeAt(0)) {
    if (QWidget *w = item->widget()) {
      if (w != keep) w->hide();
    } else if (QLayout *inner = item->layout()) {
      hideLayoutContents(inner, keep);
    }
    // The item is only the layout's wrapper; the widget itself lives on.
    if (!item->layout()) delete item;
  }
}

// The first widget of subview that Tab would reach, or null.
QWidget *firstFocusableIn(QWidget *subview) {
  QWidget *w = subview;
  do {
    if ((w == subview || subview->isAncestorOf(w)) && w->isVisibleTo(subview) && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus))
      return w;
    w = w->nextInFocusChain();
  } while (w && w != subview);
  return nullptr;
}

}  // namespace

void CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(
    QWidget *subview, QWidget *container, const QVariantMap *animationParameters, bool animated,
    std::function<void()> completion) {
  if (!container) {
    if (completion) MainQueue::async(std::move(completion));
    return;
  }

  // A fade still running on this container ends before the next change.
  for (QWidget *child : container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
    if (auto *running = dynamic_cast<FadeOverlay *>(child)) running->finishNow();

  const bool fade =
      animated && container->isVisible() && container->width() > 0 && container->height() > 0;
  QPixmap before;
  if (fade) before = container->grab();

  QLayout *layout = container->layout();
  if (!layout) {
    layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
  }
  // The keyboard stays in the container: when the focus is in what goes, the
  // new content takes it before the old is hidden, so that it never passes
  // through a widget elsewhere in the window on the way.
  QWidget *focus = QApplication::focusWidget();
  const bool focusLeaves = focus && container->isAncestorOf(focus) &&
                           !(subview && (subview == focus || subview->isAncestorOf(focus)));
  if (subview) {
    if (subview->parentWidget() != container) subview->setParent(container);
    subview->show();
    if (focusLeaves)
      if (QWidget *next = firstFocusableIn(subview)) next->setFocus(Qt::OtherFocusReason);
  }
  hideLayoutContents(layout, subview);
  // Children shown outside any layout were on display too.
  for (QWidget *child : container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
    if (child != subview && !child->isWindow() && !dynamic_cast<FadeOverlay *>(child))
      child->hide();

  if (subview) layout->addWidget(subview);
  layout->activate();

  if (fade) {
    int duration = kDefaultDurationMs;
    if (animationParameters) {
      bool ok = false;
      const int asked = animationParameters->value(QStringLiteral("duration")).toInt(&ok);
      if (ok && asked >= 0) duration = asked;
    }
    new FadeOverlay(container, before, duration, std::move(completion));
    return;
  }
  if (completion) MainQueue::async(std::move(completion));
}
