#include "AppearanceDecision.h"

namespace AppearanceDecision {

std::optional<ColorScheme> preferredScheme(qint64 storedValue) {
  if (storedValue == 2) {
    return ColorScheme::Light;
  }
  if (storedValue == 1) {
    return ColorScheme::Dark;
  }
  return std::nullopt;
}

ColorScheme appearanceForSystemStyle(const QVariant &interfaceStyle) {
  // Only a real string counts: a number that happens to be stored under the
  // style's name does not make the system dark.
  if (interfaceStyle.metaType() != QMetaType::fromType<QString>()) {
    return ColorScheme::Light;
  }
  const QString style = interfaceStyle.toString();
  return style.compare(QLatin1String("dark"), Qt::CaseInsensitive) == 0 ? ColorScheme::Dark
                                                                        : ColorScheme::Light;
}

ColorScheme resolve(qint64 storedValue, const QVariant &interfaceStyle) {
  return preferredScheme(storedValue).value_or(appearanceForSystemStyle(interfaceStyle));
}

}  // namespace AppearanceDecision
