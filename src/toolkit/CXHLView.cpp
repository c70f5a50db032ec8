#include "toolkit/CXHLView.h"

#include <QPainter>

#include "toolkit/WindowAppearance.h"

CXHLView::CXHLView(QWidget *parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFixedHeight(1);
}

QColor CXHLView::lineColor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? QColor(0x48, 0x48, 0x4c) : QColor(0xc9, 0xc9, 0xcc);
}

void CXHLView::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), lineColor(WindowAppearance::scheme(this)));
}
