#include "toolkit/CXTransition.h"

#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
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
  hideLayoutContents(layout, subview);
  // Children shown outside any layout were on display too.
  for (QWidget *child : container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
    if (child != subview && !child->isWindow() && !dynamic_cast<FadeOverlay *>(child))
      child->hide();

  if (subview) {
    if (subview->parentWidget() != container) subview->setParent(container);
    layout->addWidget(subview);
    subview->show();
  }
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
