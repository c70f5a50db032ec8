#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace SessionBus {

bool mayBeReachable() {
  const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  if (address.isEmpty()) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QFile::decodeName(runtime + "/bus"));
  }
  // Several addresses may be listed, separated by ';'; any usable one will do.
  for (const QByteArray &entry : address.split(';')) {
    if (entry.startsWith("disabled:")) continue;
    if (!entry.startsWith("unix:path=")) {
      if (!entry.trimmed().isEmpty()) {
        return true;  // abstract sockets, tcp, ...: only a connection attempt can tell
      }
      continue;
    }
    const QByteArray path = entry.mid(int(qstrlen("unix:path="))).split(',').constFirst();
    if (QFileInfo::exists(QFile::decodeName(path))) {
      return true;
    }
  }
  return false;
}

namespace {
bool prevented = false;
}

void preventAutolaunch() {
  if (!qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty() || mayBeReachable()) return;
  prevented = qputenv("DBUS_SESSION_BUS_ADDRESS", kDisabledAddress);
}

bool autolaunchPrevented() { return prevented; }

}  // namespace SessionBus

namespace DesktopNotifications {

QVariantMap hintsFor(const Notification &notification) {
  QVariantMap hints;
  if (notification.withDefaultSound) {
    // The freedesktop sound theme's name for an incoming message: the closest
    // thing to a "default notification sound" that servers agree on.
    hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
  } else {
    hints.insert(QStringLiteral("suppress-sound"), true);
  }
  return hints;
}

bool deliver(const Notification &notification) {
  if (!SessionBus::mayBeReachable()) {
    return false;
  }
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    return false;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"),
      QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  // The name people know the program by, as its windows and desktop entry show it.
  const QString appName = QGuiApplication::applicationDisplayName().isEmpty()
                              ? QStringLiteral("Orvella Exporter")
                              : QGuiApplication::applicationDisplayName();
  call << appName                 // app_name
       << uint(0)                 // replaces_id: a new notification
       << QString()               // app_icon
       << notification.title      // summary
       << notification.body       // body
       << QStringList()           // actions: none, so no action button
       << hintsFor(notification)  // hints
       << int(-1);                // expire_timeout: the server's default
  // Not waited for: a missing service answers with an error nobody needs.
  call.setAutoStartService(true);
  return bus.send(call);
}

}  // namespace DesktopNotifications
