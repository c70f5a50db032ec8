#include "DesktopNotifications.h"

#include <QDBusMessage>
#include <QGuiApplication>

#include "platform/SessionBusConnection.h"

namespace DesktopNotifications {

namespace {

QDBusMessage notifyCall(const Notification &notification) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"),
      QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  // The name people know the program by, as its windows and desktop entry show it.
  const QString appName = QGuiApplication::applicationDisplayName().isEmpty()
                              ? QStringLiteral("Orvella Exporter")
                              : QGuiApplication::applicationDisplayName();
  call << appName             // app_name
       << uint(0)             // replaces_id: a new notification
       << QString()           // app_icon
       << notification.title  // summary
       << notification.body   // body
       << QStringList()       // actions: none, so no action button
       // The freedesktop sound theme's name for an incoming message: the
       // closest thing to a "default notification sound" that servers agree on.
       << QVariantMap{{QStringLiteral("sound-name"), QStringLiteral("message-new-instant")}}
       << int(-1);  // expire_timeout: the server's default
  call.setAutoStartService(true);
  return call;
}

}  // namespace

bool deliverAndWait(const Notification &notification, int timeoutMs) {
  std::optional<QDBusConnection> bus = SessionBus::connection();
  return bus && bus->call(notifyCall(notification), QDBus::Block, timeoutMs).type() ==
                    QDBusMessage::ReplyMessage;
}

}  // namespace DesktopNotifications
