#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <map>
#include <optional>
#include <vector>

#include "platform/RunningApplication.h"

// The running applications of the current user and the desktop's opener.
//
// Linux reads /proc: a process belongs to the current user when its /proc entry
// does. Its application id is, first match wins: its Flatpak app id (FLATPAK_ID
// in its environment, or the [Application] name of /.flatpak-info inside its
// sandbox); the app id of the systemd unit or scope it runs in
// (app-[<launcher>-]<id>[@<random>].service, app-[<launcher>-]<id>-<random>.scope);
// the session-bus name it owns, among the ids asked for; the desktop entry it
// was launched from (GIO_LAUNCHED_DESKTOP_FILE, or BAMF_DESKTOP_FILE_HINT).
// Processes that end while being read, and those whose environment cannot be
// read, are left out. docs/relaunch.md tells the whole story.
class Workspace {
 public:
  static Workspace &sharedWorkspace();

  // A workspace over another /proc tree, for tests.
  explicit Workspace(QString procRoot);

  // The current user's processes in ascending process id. A process that owns
  // one of busApplicationIds on the session bus carries that id, unless its
  // sandbox or its unit names it already.
  std::vector<RunningApplication> runningApplications(
      const QStringList &busApplicationIds = {}) const;

  // The process with this id if it runs and belongs to the current user.
  std::optional<RunningApplication> runningApplication(
      pid_t pid, const QStringList &busApplicationIds = {}) const;

  // Opens url with the desktop's default handler. Returns whether a handler
  // took it.
  bool openURL(const QUrl &url) const;

  // Shows the file in the desktop's file manager, selected, through
  // org.freedesktop.FileManager1.ShowItems on the session bus; where no file
  // manager answers, opens its folder with the desktop's opener. Returns
  // whether either took it.
  bool activateFileViewerSelectingURL(const QUrl &file) const;

  // Asks the application that owns appId on the session bus to come forward
  // (org.freedesktop.Application.Activate). Never starts it. Returns whether
  // it answered.
  static bool activateApplication(const QString &appId);

  // The [Application] name= of a .flatpak-info file; absent when missing.
  static std::optional<QString> flatpakAppIdFromInfo(const QByteArray &info);

  // The app id of the innermost systemd application unit or scope named in a
  // /proc/<pid>/cgroup file; absent when the process runs in none.
  static std::optional<QString> appIdFromCgroup(const QByteArray &cgroup);

 private:
  std::optional<RunningApplication> runningApplication(
      pid_t pid, const std::map<pid_t, QString> &busOwners) const;

  QString procRoot_;
};
