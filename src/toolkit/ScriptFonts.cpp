#include "toolkit/ScriptFonts.h"

#include <QGlyphRun>
#include <QStringView>
#include <QTextLayout>

namespace {

bool isJoiningScript(QChar::Script script) {
  switch (script) {
    case QChar::Script_Arabic:
    case QChar::Script_Syriac:
    case QChar::Script_Nko:
    case QChar::Script_Mongolian:
    case QChar::Script_Mandaic:
    case QChar::Script_Adlam:
    case QChar::Script_HanifiRohingya:
      return true;
    default:
      return false;
  }
}

// Whether text, laid out in font and the fonts Qt falls back to, draws a
// glyph as the box of a missing letter.
bool drawsBoxes(const QFont &font, const QString &text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  while (layout.createLine().isValid()) {
  }
  layout.endLayout();
  for (const QGlyphRun &run : layout.glyphRuns()) {
    if (run.glyphIndexes().contains(0u)) return true;
  }
  return false;
}

bool joinsLetters(const QString &text) {
  for (const char32_t c : QStringView(text).toUcs4())
    if (isJoiningScript(QChar::script(c))) return true;
  return false;
}

}  // namespace

bool takesLetterSpacing(const QString &text) {
  for (const char32_t c : QStringView(text).toUcs4()) {
    const QChar::Direction direction = QChar::direction(c);
    if (direction == QChar::DirR || direction == QChar::DirAL || isJoiningScript(QChar::script(c)))
      return false;
  }
  return true;
}

QFont fontForText(QFont font, const QString &text) {
  if (text.isEmpty()) return font;
  if (font.letterSpacing() != 0 && !takesLetterSpacing(text)) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
  }
  // A light face without the script's letters falls back letter by letter,
  // and letters that join are then drawn apart: Normal has them whole.
  if (font.weight() < QFont::Normal && joinsLetters(text)) {
    font.setWeight(QFont::Normal);
    return font;
  }
  if (font.weight() != QFont::Normal && drawsBoxes(font, text)) {
    QFont normal = font;
    normal.setWeight(QFont::Normal);
    if (!drawsBoxes(normal, text)) return normal;
  }
  return font;
}
