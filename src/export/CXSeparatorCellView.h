#pragma once

#include <QColor>
#include <QRectF>
#include <atomic>

#include "platform/ColorScheme.h"

class QPainter;
class QWidget;

// Draws the thin separator line under each row of the export list: from 14 points
// in from the cell's left edge (from the edge itself for a block separator) to
// its right edge, half a point below the top edge of the cell, in a grey that
// suits the scheme of the window the cell is shown in.
//
// A painter, not a widget: the table's delegate keeps one and calls drawRect()
// for the line of each row it paints. Nothing is cached; colour and geometry are
// worked out at every call, so a change of scheme shows at the next repaint.
class CXSeparatorCellView {
 public:
  bool isBlockSeparator() const { return isBlockSeparator_; }
  void setIsBlockSeparator(bool on) { isBlockSeparator_ = on; }
  // While set, no line is drawn. Kept because the design names it; the
  // program never sets it.
  bool isAppear() const { return isAppear_; }
  void setIsAppear(bool on) { isAppear_ = on; }

  // bounds: the cell's rectangle in the painter's coordinates; x positions are
  // measured from its left edge. inWindow: any widget of the window the cell is
  // in (null counts as a light window).
  void drawRect(QPainter *painter, const QRectF &bounds, const QWidget *inWindow) const;

  // The line's grey for a scheme: 92/255 on dark, 162/255 on light.
  static QColor lineColor(ColorScheme scheme);

  static constexpr qreal kIndent = 14.0;

 private:
  std::atomic<bool> isBlockSeparator_{false};
  std::atomic<bool> isAppear_{false};
};
