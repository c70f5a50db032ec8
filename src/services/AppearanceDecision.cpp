#include "AppearanceDecision.h"

#include "services/AppearanceNames.h"

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

std::uint64_t appearanceForSystemStyle(const QVariant &interfaceStyle) {
  // Only a real string counts: a number that happens to be stored under the
  // style's name does not make the system dark.
  if (interfaceStyle.metaType() != QMetaType::fromType<QString>()) {
    return Appearance::kLight;
  }
  const QString style = interfaceStyle.toString();
  return style.compare(QLatin1String("dark"), Qt::CaseInsensitive) == 0 ? Appearance::kDark
                                                                        : Appearance::kLight;
}

std::uint64_t resolve(qint64 storedValue, const QVariant &interfaceStyle) {
  switch (preferenceFor(storedValue)) {
    case Preference::Dark:
      return Appearance::kDark;
    case Preference::Light:
      return Appearance::kLight;
    case Preference::FollowSystem:
      break;
  }
  return appearanceForSystemStyle(interfaceStyle);
}

}  // namespace AppearanceDecision
