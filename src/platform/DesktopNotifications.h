#pragma once

#include <QString>

// Desktop notifications through the org.freedesktop.Notifications service on
// the session bus. Where no session bus or no notification service runs,
// nothing happens and nothing is said.
namespace DesktopNotifications {

struct Notification {
  QString title;
  QString body;
};

// Sends the notification with the server's "new message" sound, for a process
// that ends right after: waits up to timeoutMs for the server's answer.
// Returns whether a server took it.
bool deliverAndWait(const Notification &notification, int timeoutMs = 5000);

}  // namespace DesktopNotifications
