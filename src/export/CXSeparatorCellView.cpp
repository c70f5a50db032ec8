#include "export/CXSeparatorCellView.h"

#include <QPainter>

#include "toolkit/WindowAppearance.h"

QColor CXSeparatorCellView::lineColor(ColorScheme scheme) {
  const int level = scheme == ColorScheme::Dark ? 92 : 162;
  return QColor(level, level, level, 255);
}

void CXSeparatorCellView::drawRect(QPainter *painter, const QRectF &bounds,
                                   const QWidget *inWindow) const {
  if (!painter || isAppear_) return;
  // Half a point below the cell's top edge: the edge where y is largest in the
  // bottom-up coordinates the cell's geometry was first drawn in.
  const qreal y = bounds.top() + 0.5;
  const QPointF start(bounds.x() + (isBlockSeparator_ ? 0.0 : kIndent), y);
  const QPointF end(bounds.x() + bounds.width(), y);
  if (end.x() <= start.x()) return;

  painter->save();
  // A one-point line centred half a point inside the edge covers exactly one
  // row of pixels; flat caps keep it from spilling past its ends.
  painter->setRenderHint(QPainter::Antialiasing, true);
  QPen pen(lineColor(WindowAppearance::scheme(inWindow)), 1.0, Qt::SolidLine, Qt::FlatCap);
  painter->setPen(pen);
  painter->drawLine(start, end);
  painter->restore();
}
