#include "FolderChangeMonitor.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

FolderChangeMonitor::~FolderChangeMonitor() { stop(); }

void FolderChangeMonitor::stop() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

bool FolderChangeMonitor::watch(const QByteArray &folder) {
  stop();
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) {
    return false;
  }
  // Every way a file in it can come, go or change, and the folder itself
  // going away (which ends the watch).
  constexpr std::uint32_t kEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM |
                                    IN_MOVED_TO | IN_CREATE | IN_DELETE | IN_DELETE_SELF |
                                    IN_MOVE_SELF | IN_ONLYDIR;
  if (inotify_add_watch(fd_, folder.constData(), kEvents) < 0) {
    stop();
    return false;
  }
  return true;
}

bool FolderChangeMonitor::changed() {
  if (fd_ < 0) {
    return true;
  }
  bool any = false;
  alignas(inotify_event) char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      if (n < 0 && errno != EAGAIN) {
        stop();  // the queue cannot be read: look at the file from now on
        return true;
      }
      return any;
    }
    any = true;
    for (ssize_t at = 0; at < n;) {
      inotify_event event;
      std::memcpy(&event, buffer + at, sizeof event);
      // The folder went, moved or overflowed the queue: this watch can no
      // longer tell about the file, so the caller looks at it itself.
      if (event.mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_Q_OVERFLOW)) {
        stop();
        return true;
      }
      at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
    }
  }
}
