#include "SessionBusConnection.h"

#include "platform/SessionBus.h"

namespace SessionBus {

std::optional<QDBusConnection> connection() {
  if (!mayBeReachable()) return std::nullopt;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return std::nullopt;
  return bus;
}

}  // namespace SessionBus
