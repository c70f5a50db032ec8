#pragma once

#include <QVariant>
#include <cstdint>

#include "platform/ColorScheme.h"

// The colour-scheme decision as plain values, without the watcher.
namespace AppearanceDecision {

// What the stored preference asks for.
enum class Preference { Dark, Light, FollowSystem };

// 1 means dark, 2 light, every other value (0 and absent included) follows the system.
Preference preferenceFor(qint64 storedValue);

// Dark when the system style is a string equal to "dark" in any letter case,
// light for no style, a value that is not a string, or other text.
ColorScheme appearanceForSystemStyle(const QVariant &interfaceStyle);

// The whole decision for a stored preference and a system style.
ColorScheme resolve(qint64 storedValue, const QVariant &interfaceStyle);

}  // namespace AppearanceDecision
