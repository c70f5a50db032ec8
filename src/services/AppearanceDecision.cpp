#include "AppearanceDecision.h"

namespace AppearanceDecision {

Preference preferenceFor(qint64 storedValue) {
  if (storedValue == 2) {
    return Preference::Light;
  }
  if (storedValue == 1) {
    return Preference::Dark;
  }
  return Preference::FollowSystem;
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
  switch (preferenceFor(storedValue)) {
    case Preference::Dark:
      return ColorScheme::Dark;
    case Preference::Light:
      return ColorScheme::Light;
    case Preference::FollowSystem:
      break;
  }
  return appearanceForSystemStyle(interfaceStyle);
}

}  // namespace AppearanceDecision
