#include "window/CXVibrancyView.h"

#include <QPainter>

#include "toolkit/WindowAppearance.h"

CXVibrancyView::CXVibrancyView(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

ColorScheme CXVibrancyView::scheme() const {
  const QString own = WindowAppearance::name(this);
  if (own.isEmpty()) return WindowAppearance::scheme(this);
  return own == NSAppearanceNameVibrantDark ? ColorScheme::Dark : ColorScheme::Light;
}

void CXVibrancyView::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const bool dark = scheme() == ColorScheme::Dark;
  // A soft vertical wash, lighter at the top. Painted as thin solid bands: a
  // gradient brush over the whole window would send the raster engine's fill
  // to its worker threads on every repaint for a difference no eye can see
  // between neighbouring bands.
  const QColor top = dark ? QColor(0x33, 0x33, 0x36) : QColor(0xf1, 0xf1, 0xf2);
  const QColor bottom = dark ? QColor(0x29, 0x29, 0x2b) : QColor(0xe6, 0xe6, 0xe8);
  constexpr int kBand = 2;
  const int h = std::max(1, height());
  for (int y = 0; y < height(); y += kBand) {
    const qreal t = qreal(y) / h;
    const QColor c = QColor::fromRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
                                      top.greenF() + (bottom.greenF() - top.greenF()) * t,
                                      top.blueF() + (bottom.blueF() - top.blueF()) * t);
    p.fillRect(QRect(0, y, width(), kBand), c);
  }
  if (isWindow() || parentWidget() == window()) {
    // A hairline edge: without the platform's frame the window would melt
    // into a window of the same colour behind it. Opaque colours keep these
    // long thin fills on the raster engine's plain path.
    const QColor edge = dark ? QColor(0x0d, 0x0d, 0x0e) : QColor(0xb2, 0xb2, 0xb4);
    p.fillRect(QRect(0, 0, width(), 1), edge);
    p.fillRect(QRect(0, height() - 1, width(), 1), edge);
    p.fillRect(QRect(0, 0, 1, height()), edge);
    p.fillRect(QRect(width() - 1, 0, 1, height()), edge);
    // A faint inner highlight along the top, as a lit title bar has.
    p.fillRect(QRect(1, 1, width() - 2, 1),
               dark ? QColor(0x45, 0x45, 0x48) : QColor(0xfc, 0xfc, 0xfc));
  }
}
