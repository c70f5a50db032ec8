#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

#include "platform/RunningApplication.h"

// The running applications of the current user and the desktop's opener.
//
// Linux reads /proc: a process belongs to the current user when its /proc entry
// does; its application id comes from its Flatpak app id (FLATPAK_ID in its
// environment, or the [Application] name of /.flatpak-info inside its sandbox)
// or else from the desktop entry it was launched from (GIO_LAUNCHED_DESKTOP_FILE,
// or BAMF_DESKTOP_FILE_HINT). Processes that end while being read, and those
// whose environment cannot be read, are left out.
class Workspace {
 public:
  static Workspace &sharedWorkspace();

  // The current user's processes in ascending process id.
  std::vector<RunningApplication> runningApplications() const;

  // The process with this id if it runs and belongs to the current user.
  std::optional<RunningApplication> runningApplication(pid_t pid) const;

  // Opens url with the desktop's default handler. Returns whether a handler
  // took it.
  bool openURL(const QUrl &url) const;

  // The [Application] name= of a .flatpak-info file; absent when missing.
  static std::optional<QString> flatpakAppIdFromInfo(const QByteArray &info);

 private:
  Workspace() = default;
};
