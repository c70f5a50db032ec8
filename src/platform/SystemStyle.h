#pragma once

#include <QString>
#include <optional>

// The desktop's interface style, as an optional name: "Dark" while the desktop
// prefers a dark appearance, absent otherwise.
//
// Linux reads the XDG desktop portal setting org.freedesktop.appearance
// color-scheme once (1 = prefer dark), then keeps the value current from the
// portal's SettingChanged signal, so asking costs a memory read. Without a
// session bus or a portal the style is absent and nothing is logged.
//
// The environment variable ORVELLA_INTERFACE_STYLE, when set, replaces the
// portal: its text is the style ("Dark", "Light", anything); set but empty
// means no style. It serves desktops without a portal and scripted runs.
//
// Thread-safe.
namespace SystemStyle {

std::optional<QString> interfaceStyle();

// For tests: forces the style, absent included, until clearOverride().
void setOverride(std::optional<QString> style);
void clearOverride();

// Reads the portal again and renews the subscription to its changes, e.g.
// after the session bus came up. Tests use it with a bus of their own.
void reload();

// What a portal color-scheme value means as an interface style.
std::optional<QString> styleForColorScheme(uint colorScheme);

}  // namespace SystemStyle
