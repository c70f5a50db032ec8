#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// Desktop notifications through the org.freedesktop.Notifications service on
// the session bus. Sending never blocks and never reports an error: where no
// session bus or no notification service runs, nothing happens.
namespace DesktopNotifications {

struct Notification {
  QString title;
  QString body;
  // Ask the notification server to play its default "new message" sound;
  // otherwise ask it to stay silent.
  bool withDefaultSound = false;
};

// Sends the notification and returns at once. Returns false when no session
// bus is reachable, true when the request left the process.
bool deliver(const Notification &notification);

// The same, for a process that ends right after: waits up to timeoutMs for
// the server's answer. Returns whether a server took it.
bool deliverAndWait(const Notification &notification, int timeoutMs = 5000);

}  // namespace DesktopNotifications
