#include "toolkit/CXCheckMarkTableRowView.h"

#include <QPainter>
#include <QPainterPath>

#include "toolkit/WindowAppearance.h"

QRectF CXCheckMarkTableRowView::checkMarkRect(const QRect &rowRect) const {
  if (rowRect.height() < kMarkHeight) return {};
  const qreal x = isLeftMark_ ? rowRect.left() + shiftValue_
                              : rowRect.left() + rowRect.width() - shiftValue_ - kMarkWidth;
  const qreal y = rowRect.top() + (rowRect.height() - kMarkHeight) / 2.0;
  return {x, y, kMarkWidth, kMarkHeight};
}

void CXCheckMarkTableRowView::paint(QPainter *painter, const QRect &rowRect, bool selected,
                                    bool hovered, ColorScheme scheme) const {
  if (!painter) return;
  if (hovered && rowRect.height() >= kMarkHeight)
    painter->fillRect(
        rowRect, scheme == ColorScheme::Dark ? QColor(255, 255, 255, 14) : QColor(0, 0, 0, 10));
  if (!selected) return;
  const QRectF mark = checkMarkRect(rowRect);
  if (mark.isEmpty()) return;

  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  QPainterPath tick;
  tick.moveTo(mark.left() + 0.8, mark.top() + mark.height() * 0.55);
  tick.lineTo(mark.left() + mark.width() * 0.38, mark.bottom() - 0.8);
  tick.lineTo(mark.right() - 0.6, mark.top() + 0.8);
  QPen pen(WindowAppearance::accentColor(scheme), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter->setPen(pen);
  painter->setBrush(Qt::NoBrush);
  painter->drawPath(tick);
  painter->restore();
}
