#pragma once

#include <QVariant>
#include <optional>

#include "platform/ColorScheme.h"

// The colour-scheme decision as plain values, without the watcher.
namespace AppearanceDecision {

// The scheme a stored preference fixes: 1 dark, 2 light; absent for every
// other value (0 and absent included), which follows the system.
std::optional<ColorScheme> preferredScheme(qint64 storedValue);

// Dark when the system style is a string equal to "dark" in any letter case,
// light for no style, a value that is not a string, or other text.
ColorScheme appearanceForSystemStyle(const QVariant &interfaceStyle);

// The whole decision for a stored preference and a system style.
ColorScheme resolve(qint64 storedValue, const QVariant &interfaceStyle);

}  // namespace AppearanceDecision
