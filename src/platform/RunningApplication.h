#pragma once

#include <sys/types.h>

#include <QString>
#include <QUrl>
#include <cstdint>
#include <optional>

// One running process of the current user, as Workspace saw it.
//
// A plain value: copying it copies the snapshot, not the process. The process
// is named by its id together with its start time, so a handle outlives its
// process safely: once the process is gone, its id may be reused by another
// one, which forceTerminate() then leaves alone.
class RunningApplication {
 public:
  RunningApplication(pid_t pid, std::uint64_t startTime, std::optional<QString> bundleIdentifier,
                     std::optional<QString> bundlePath);

  // The application id: the Flatpak app id, the app id of the systemd unit
  // it runs in, the session-bus name it owns, or the base name (without
  // ".desktop") of the desktop entry it was launched from, first match wins.
  // Absent for processes that carry none.
  const std::optional<QString> &bundleIdentifier() const { return bundleIdentifier_; }

  // Absolute path of the desktop entry that starts this application again;
  // see docs/relaunch.md. Absent when none is known.
  const std::optional<QString> &bundlePath() const { return bundlePath_; }
  std::optional<QUrl> bundleURL() const;

  pid_t processIdentifier() const { return pid_; }

  // Start time of the process in clock ticks since boot (field 22 of
  // /proc/<pid>/stat); with the pid it names one process for good.
  std::uint64_t startTime() const { return startTime_; }

  // Kills the process with SIGKILL and waits briefly for it to die. Returns
  // whether the process is gone (exited or a zombie), so true also when it had
  // already ended. Returns false when the kill is refused (another user's
  // process) or the process still runs after the wait.
  bool forceTerminate() const;

 private:
  pid_t pid_;
  std::uint64_t startTime_;
  std::optional<QString> bundleIdentifier_;
  std::optional<QString> bundlePath_;
};
