// The separator line, read back pixel by pixel in both schemes.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "export/CXSeparatorCellView.h"
#include "toolkit/WindowAppearance.h"

namespace {

const QColor kBackground(10, 200, 30);

QImage render(const CXSeparatorCellView &cell, QSize image, const QRectF &bounds,
              const QWidget *window) {
  QImage canvas(image, QImage::Format_ARGB32);
  canvas.fill(kBackground);
  QPainter p(&canvas);
  cell.drawRect(&p, bounds, window);
  return canvas;
}

// The row of pixels as a run: which columns carry `colour`.
std::pair<int, int> run(const QImage &image, int y, const QColor &colour) {
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x)
    if (image.pixelColor(x, y) == colour) {
      if (first < 0) first = x;
      last = x;
    }
  return {first, last};
}

int untouchedRows(const QImage &image) {
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) {
    bool clean = true;
    for (int x = 0; x < image.width() && clean; ++x) clean = image.pixelColor(x, y) == kBackground;
    rows += clean;
  }
  return rows;
}

TEST(SeparatorCellViewTest, OnePointRowIsFilledFromFourteenToTheRightEdgeInTheSchemeGrey) {
  QWidget dark, light, unnamed;
  WindowAppearance::set(&dark, NSAppearanceNameVibrantDark);
  WindowAppearance::set(&light, NSAppearanceNameVibrantLight);
  auto *inDark = new QWidget(&dark);  // any widget of the window will do

  CXSeparatorCellView cell;
  EXPECT_FALSE(cell.isBlockSeparator());
  EXPECT_FALSE(cell.isAppear());

  const struct {
    const QWidget *window;
    int grey;
  } cases[] = {{inDark, 92}, {&light, 162}, {&unnamed, 162}, {nullptr, 162}};
  for (const auto &c : cases) {
    const QImage image = render(cell, QSize(120, 1), QRectF(0, 0, 120, 1), c.window);
    const QColor grey(c.grey, c.grey, c.grey, 255);
    EXPECT_EQ(run(image, 0, grey), std::make_pair(14, 119)) << c.grey;
    EXPECT_EQ(image.pixelColor(13, 0), kBackground);
    EXPECT_EQ(image.pixelColor(0, 0), kBackground);
  }
}

TEST(SeparatorCellViewTest, BlockSeparatorSpansTheWholeWidth) {
  QWidget dark;
  WindowAppearance::set(&dark, NSAppearanceNameVibrantDark);
  CXSeparatorCellView cell;
  cell.setIsBlockSeparator(true);
  const QImage image = render(cell, QSize(80, 1), QRectF(0, 0, 80, 1), &dark);
  EXPECT_EQ(run(image, 0, QColor(92, 92, 92)), std::make_pair(0, 79));
}

TEST(SeparatorCellViewTest, TallerCellDrawsHalfAPointBelowItsTopEdgeOnly) {
  QWidget light;
  WindowAppearance::set(&light, NSAppearanceNameVibrantLight);
  CXSeparatorCellView cell;
  const QImage image = render(cell, QSize(60, 12), QRectF(0, 4, 60, 6), &light);
  EXPECT_EQ(run(image, 4, QColor(162, 162, 162)), std::make_pair(14, 59));
  EXPECT_EQ(untouchedRows(image), 11) << "one row of pixels, no spill above or below";
}

TEST(SeparatorCellViewTest, PositionsFollowTheCellsLeftEdge) {
  CXSeparatorCellView cell;
  const QImage image = render(cell, QSize(100, 1), QRectF(20, 0, 50, 1), nullptr);
  EXPECT_EQ(run(image, 0, QColor(162, 162, 162)), std::make_pair(34, 69));
}

TEST(SeparatorCellViewTest, AppearingCellDrawsNothing) {
  QWidget dark;
  WindowAppearance::set(&dark, NSAppearanceNameVibrantDark);
  CXSeparatorCellView cell;
  cell.setIsAppear(true);
  cell.setIsBlockSeparator(true);
  const QImage image = render(cell, QSize(50, 3), QRectF(0, 0, 50, 3), &dark);
  EXPECT_EQ(untouchedRows(image), 3);
}

TEST(SeparatorCellViewTest, SchemeChangeShowsAtTheNextDrawing) {
  QWidget window;
  CXSeparatorCellView cell;
  WindowAppearance::set(&window, NSAppearanceNameVibrantDark);
  EXPECT_EQ(render(cell, {40, 1}, {0, 0, 40, 1}, &window).pixelColor(20, 0), QColor(92, 92, 92));
  WindowAppearance::set(&window, NSAppearanceNameVibrantLight);
  EXPECT_EQ(render(cell, {40, 1}, {0, 0, 40, 1}, &window).pixelColor(20, 0), QColor(162, 162, 162));
}

}  // namespace
