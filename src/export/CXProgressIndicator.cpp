#include "export/CXProgressIndicator.h"

#include <QPainter>
#include <QTimerEvent>
#include <cmath>

#include "toolkit/WindowAppearance.h"

namespace {
constexpr int kSpokes = 12;
constexpr int kStepMs = 80;
}  // namespace

CXProgressIndicator::CXProgressIndicator(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFixedSize(sizeHint());
}

void CXProgressIndicator::startAnimation() {
  if (!timer_.isActive()) timer_.start(kStepMs, this);
  update();
}

void CXProgressIndicator::stopAnimation() {
  timer_.stop();
  update();
}

void CXProgressIndicator::timerEvent(QTimerEvent *event) {
  if (event->timerId() != timer_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  step_ = (step_ + 1) % kSpokes;
  update();
}

void CXProgressIndicator::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
  QColor base = dark ? QColor(235, 235, 240) : QColor(60, 60, 67);
  const qreal side = std::min(width(), height());
  const qreal outer = side / 2.0 - 1.0;
  const qreal inner = outer * 0.5;
  p.translate(width() / 2.0, height() / 2.0);
  QPen pen(base, std::max(1.5, side / 9.0), Qt::SolidLine, Qt::RoundCap);
  for (int i = 0; i < kSpokes; ++i) {
    // The spoke at the current step is the brightest; the others fade behind it.
    const int age = (step_ - i + kSpokes) % kSpokes;
    QColor c = base;
    c.setAlphaF(isAnimating() ? std::max(0.18, 1.0 - age / double(kSpokes)) : 0.35);
    pen.setColor(c);
    p.setPen(pen);
    const qreal angle = i * (2.0 * M_PI / kSpokes);
    const QPointF dir(std::sin(angle), -std::cos(angle));
    p.drawLine(dir * inner, dir * outer);
  }
}
