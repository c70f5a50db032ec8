#pragma once

#include <QRect>

#include "platform/ColorScheme.h"

class QPainter;

// How one table row is painted: its background (a soft tint under the pointer)
// and, when the row is selected, a check mark instead of a selection colour.
//
// A light value object: a delegate keeps one per table and calls paint() for
// each row it draws, so 100,000 rows cost no widgets.
//   isLeftMark  false: the mark sits at the right edge; true: at the left edge.
//   shiftValue  distance in points from that edge to the mark's outer side.
class CXCheckMarkTableRowView {
 public:
  void setIsLeftMark(bool isLeftMark) { isLeftMark_ = isLeftMark; }
  bool isLeftMark() const { return isLeftMark_; }
  void setShiftValue(float shiftValue) { shiftValue_ = shiftValue; }
  float shiftValue() const { return shiftValue_; }

  // Rows lower than the mark show no mark even when selected.
  void paint(QPainter *painter, const QRect &rowRect, bool selected, bool hovered,
             ColorScheme scheme) const;

  // Where the mark of a row goes; empty when the row is too low for one.
  QRectF checkMarkRect(const QRect &rowRect) const;

  // The mark's size in points.
  static constexpr qreal kMarkWidth = 11;
  static constexpr qreal kMarkHeight = 9;

 private:
  bool isLeftMark_ = false;
  float shiftValue_ = 0.0f;
};
