#pragma once

#include <QtGlobal>

class QFont;

// The program's texts, rows and buttons are drawn at pixel sizes chosen for a
// desktop font of the usual size. When the desktop asks for larger text, all
// of them grow by one factor, so that the feed titles, the headers and the
// buttons keep pace with the filter field, which follows the font by itself.
// At the usual sizes and below the factor is 1 and the designed look stays.
namespace TextScale {

// The desktop sizes that keep the designed look: up to 11 points at 96 dpi.
constexpr qreal kUsualFontPixels = 11.0 * 96.0 / 72.0;

// The factor for an application font of `fontPixels` pixels.
qreal forFontPixels(qreal fontPixels);

// The factor for the application's font as it is now.
qreal current();

// A designed length (a font's pixel size, a row's height) at the current
// factor, rounded to whole pixels.
int scaled(qreal designed);

// `font` at a designed pixel size, at the current factor.
QFont sized(QFont font, qreal designedPixels);

}  // namespace TextScale
