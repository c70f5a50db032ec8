#include "window/CXVibrancyView.h"

#include <QLinearGradient>
#include <QPainter>

#include "toolkit/WindowAppearance.h"

CXVibrancyView::CXVibrancyView(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CXVibrancyView::isDark() const {
  const QString own = WindowAppearance::name(this);
  if (!own.isEmpty()) return own == NSAppearanceNameVibrantDark;
  return WindowAppearance::isDark(this);
}

void CXVibrancyView::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const bool dark = isDark();
  QLinearGradient wash(0, 0, 0, height());
  if (dark) {
    wash.setColorAt(0.0, QColor(0x36, 0x36, 0x39));
    wash.setColorAt(0.12, QColor(0x2e, 0x2e, 0x31));
    wash.setColorAt(1.0, QColor(0x29, 0x29, 0x2b));
  } else {
    wash.setColorAt(0.0, QColor(0xf2, 0xf2, 0xf3));
    wash.setColorAt(0.12, QColor(0xec, 0xec, 0xed));
    wash.setColorAt(1.0, QColor(0xe6, 0xe6, 0xe8));
  }
  p.fillRect(rect(), wash);
  if (isWindow() || parentWidget() == window()) {
    // A hairline edge: without the platform's frame the window would melt
    // into a window of the same colour behind it.
    p.setPen(dark ? QColor(0, 0, 0, 190) : QColor(0, 0, 0, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // A faint inner highlight along the top, as a lit title bar has.
    p.setPen(dark ? QColor(255, 255, 255, 28) : QColor(255, 255, 255, 200));
    p.drawLine(1, 1, width() - 2, 1);
  }
}
