#pragma once

#include <QByteArray>

// Tells, without touching the disk, whether anything in one folder may have
// changed since the last question: the kernel queues a note of every change
// (inotify) and a question only looks at that queue. Cheaper than
// asking for a file's status: a loop that checks a settings file a hundred
// times a second pays for this check, not for a path lookup.
//
// Inactive where the folder cannot be watched (it does not exist, the watch
// was lost): then changed() always answers true and the caller looks at the
// file itself. Not thread-safe.
class FolderChangeMonitor {
 public:
  FolderChangeMonitor() = default;
  ~FolderChangeMonitor();
  FolderChangeMonitor(const FolderChangeMonitor &) = delete;
  FolderChangeMonitor &operator=(const FolderChangeMonitor &) = delete;

  // Starts watching the folder; false when it cannot. Changes from now on
  // are noted; look at the folder's files after this call, not before.
  bool watch(const QByteArray &folder);
  bool isActive() const { return fd_ >= 0; }

  // True when something in the folder changed since the last call (or since
  // watch()), or when the monitor is inactive. Drains the queue.
  bool changed();

 private:
  void stop();
  int fd_ = -1;
};
