#pragma once

#include <QVariant>
#include <cstdint>

// The colour-scheme decision as plain values, without the watcher.
namespace AppearanceDecision {

// What the stored preference asks for.
enum class Preference { Dark, Light, FollowSystem };

// 1 means dark, 2 light, every other value (0 and absent included) follows the system.
Preference preferenceFor(qint64 storedValue);

// Dark (1) when the system style is a string equal to "dark" in any letter
// case, light (2) for no style, a value that is not a string, or other text.
std::uint64_t appearanceForSystemStyle(const QVariant &interfaceStyle);

// The whole decision for a stored preference and a system style.
std::uint64_t resolve(qint64 storedValue, const QVariant &interfaceStyle);

}  // namespace AppearanceDecision
