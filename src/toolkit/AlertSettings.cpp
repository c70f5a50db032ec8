#include "toolkit/AlertSettings.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "toolkit/ScriptFonts.h"
#include "toolkit/TextScale.h"

namespace {

struct WeightWord {
  const char *word;
  QFont::Weight weight;
};

// Longest words first, so "UltraLight" is not read as "Light".
constexpr WeightWord kWeights[] = {
    {"UltraLight", QFont::ExtraLight},
    {"ExtraLight", QFont::ExtraLight},
    {"SemiBold", QFont::DemiBold},
    {"DemiBold", QFont::DemiBold},
    {"ExtraBold", QFont::ExtraBold},
    {"Regular", QFont::Normal},
    {"Medium", QFont::Medium},
    {"Light", QFont::Light},
    {"Heavy", QFont::Black},
    {"Black", QFont::Black},
    {"Thin", QFont::Thin},
    {"Bold", QFont::Bold},
};

QString firstInstalledFamily(const QStringList &candidates) {
  const QStringList installed = QFontDatabase::families();
  for (const QString &c : candidates)
    for (const QString &f : installed)
      if (f.compare(c, Qt::CaseInsensitive) == 0) return f;
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QFont AlertSettings::font(const QVariantMap &settings, const QString &defaultName,
                          double defaultSize, const char *kernKey, const QString &text) {
  QString name = settings.value(QStringLiteral("fontName")).toString();
  if (name.isEmpty()) name = defaultName;
  bool ok = false;
  double size = settings.value(QStringLiteral("fontSize")).toDouble(&ok);
  if (!ok || size <= 0) size = defaultSize;
  const double kern = settings.value(QString::fromLatin1(kernKey)).toDouble();

  // "HelveticaNeue-Medium" -> family "HelveticaNeue", style "Medium".
  const qsizetype dash = name.indexOf(QLatin1Char('-'));
  const QString family = dash < 0 ? name : name.left(dash);
  const QString style = dash < 0 ? QString() : name.mid(dash + 1);
  QString spaced = family;
  spaced.replace(QRegularExpression(QStringLiteral("([a-z])([A-Z])")), QStringLiteral("\\1 \\2"));

  QFont font(firstInstalledFamily({family, spaced, QStringLiteral("Inter"),
                                   QStringLiteral("Helvetica Neue"), QStringLiteral("Helvetica"),
                                   QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}));
  QFont::Weight weight = QFont::Normal;
  for (const WeightWord &w : kWeights) {
    if (style.contains(QLatin1String(w.word), Qt::CaseInsensitive)) {
      weight = w.weight;
      break;
    }
  }
  font.setWeight(weight);
  font.setItalic(style.contains(QLatin1String("Italic"), Qt::CaseInsensitive));
  // Sizes are in points of a 72-dpi desktop, i.e. device-independent pixels.
  font = TextScale::sized(font, size);
  if (kern != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, kern);
  return fontForText(font, text);
}
