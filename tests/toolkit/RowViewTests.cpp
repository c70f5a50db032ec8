// The check-mark row painter: a mark only on selected rows tall enough for one,
// at shiftValue points from the chosen edge.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "toolkit/CXCheckMarkTableRowView.h"
#include "toolkit/WindowAppearance.h"

namespace {

// The columns where accent-coloured ink landed.
QList<int> inkColumns(const CXCheckMarkTableRowView &row, QSize size, bool selected) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  row.paint(&p, QRect(QPoint(0, 0), size), selected, false, ColorScheme::Light);
  p.end();
  QList<int> columns;
  for (int x = 0; x < size.width(); ++x)
    for (int y = 0; y < size.height(); ++y) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.blue() < 150) {  // orange-ish, not white
        columns.append(x);
        break;
      }
    }
  return columns;
}

TEST(CheckMarkRowTest, SelectedRowsShowTheMarkShiftedFromTheRightEdge) {
  CXCheckMarkTableRowView row;
  row.setIsLeftMark(false);
  row.setShiftValue(10.0f);
  const QList<int> ink = inkColumns(row, QSize(200, 17), true);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.first(), 200 - 10 - int(CXCheckMarkTableRowView::kMarkWidth) - 1);
  EXPECT_LE(ink.last(), 200 - 10);

  EXPECT_TRUE(inkColumns(row, QSize(200, 17), false).isEmpty()) << "no mark when not selected";
  EXPECT_TRUE(inkColumns(row, QSize(200, 1), true).isEmpty()) << "no mark in a 1-point row";

  row.setIsLeftMark(true);
  const QList<int> left = inkColumns(row, QSize(200, 17), true);
  ASSERT_FALSE(left.isEmpty());
  EXPECT_GE(left.first(), 9);
  EXPECT_LE(left.last(), 10 + int(CXCheckMarkTableRowView::kMarkWidth) + 1);
}

}  // namespace
