#pragma once

#include <QDBusConnection>
#include <optional>

namespace SessionBus {

// The session bus, connected; absent where mayBeReachable() rules it out (Qt's
// D-Bus machinery is then left alone) or Qt cannot connect to it.
std::optional<QDBusConnection> connection();

}  // namespace SessionBus
