#pragma once

#include <QString>
#include <cstdint>

#include "platform/ColorScheme.h"

// Names shared by everyone who reads, records or follows the colour scheme.
namespace AppearanceNames {

// The stored scheme preference: 1 dark, 2 light, anything else follows the system.
inline const QString kAppearanceTypeKey = QStringLiteral("kCXRSSAppearanceType");

}  // namespace AppearanceNames

// The resolved colour scheme. Consumers treat kDark as dark and every other
// value as light; kNone appears only as "nothing recorded yet".
namespace Appearance {
inline constexpr std::uint64_t kNone = 0;
inline constexpr std::uint64_t kDark = 1;
inline constexpr std::uint64_t kLight = 2;

constexpr ColorScheme schemeFor(std::uint64_t appearance) {
  return appearance == kDark ? ColorScheme::Dark : ColorScheme::Light;
}
constexpr std::uint64_t appearanceFor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? kDark : kLight;
}
}  // namespace Appearance
