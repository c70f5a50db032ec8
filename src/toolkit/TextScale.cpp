#include "toolkit/TextScale.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <algorithm>
#include <cmath>

namespace TextScale {

qreal forFontPixels(qreal fontPixels) {
  if (!(fontPixels > kUsualFontPixels)) return 1.0;  // also for NaN
  return fontPixels / kUsualFontPixels;
}

qreal current() {
  // Asked for every painted row: the font's pixel size is measured only when
  // the application's font has changed.
  static QFont measured;
  static qreal factor = 1.0;
  static bool known = false;
  const QFont font = QApplication::font();
  if (!known || font != measured) {
    measured = font;
    factor = forFontPixels(font.pixelSize() > 0 ? qreal(font.pixelSize())
                                                : qreal(QFontInfo(font).pixelSize()));
    known = true;
  }
  return factor;
}

int scaled(qreal designed) { return int(std::lround(designed * current())); }

QFont sized(QFont font, qreal designedPixels) {
  font.setPixelSize(std::max(1, scaled(designedPixels)));
  return font;
}

}  // namespace TextScale
