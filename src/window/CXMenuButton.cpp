#include "window/CXMenuButton.h"

#include <QMenu>
#include <QPainter>

#include "toolkit/WindowAppearance.h"

CXMenuButton::CXMenuButton(QWidget *parent) : QToolButton(parent) {
  setPopupMode(QToolButton::InstantPopup);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
  setAttribute(Qt::WA_Hover);
  setFixedSize(sizeHint());
}

void CXMenuButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
  const bool down = isDown() || (menu() && menu()->isVisible());
  if (down || underMouse()) {
    QColor face = dark ? QColor(255, 255, 255, down ? 46 : 26) : QColor(0, 0, 0, down ? 34 : 18);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  }
  QColor dot = WindowAppearance::secondaryTextColor(WindowAppearance::scheme(this));
  if (!isEnabled()) dot.setAlphaF(0.4);
  p.setPen(Qt::NoPen);
  p.setBrush(dot);
  const QPointF centre = QRectF(rect()).center();
  for (int i = -1; i <= 1; ++i) p.drawEllipse(centre + QPointF(i * 5.0, 0.0), 1.4, 1.4);
}
