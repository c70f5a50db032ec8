#include "RunningApplication.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QThread>
#include <cerrno>
#include <string>
#include <utility>

#include "platform/ProcFiles.h"

namespace {

// SIGKILL cannot be caught, but a process in an uninterruptible wait (a stuck
// disk or network file system) dies only when that wait ends.
constexpr int kDeathWaitMs = 2000;

// Through syscall(): older C libraries have no wrappers for these, and some
// headers that do declare them lack C linkage for C++.
int pidfdOpen(pid_t pid) { return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0u)); }

int pidfdSendSignal(int pidfd, int signal) {
  return static_cast<int>(::syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0u));
}

enum class Identity { Same, Gone };

// Whether the process behind procDir is still the one started at startTime.
// A zombie has ended: it only waits for its parent to collect its status.
Identity identityOf(int procDir, std::uint64_t startTime) {
  auto stat = procfiles::readStat(procDir);
  if (!stat || stat->startTime != startTime || stat->state == 'Z' || stat->state == 'X') {
    return Identity::Gone;
  }
  return Identity::Same;
}

// Kernels without pidfds: signal by pid and watch the stat file of procDir.
// The start time check narrows, but cannot close, the window in which the id
// could be reused between the check and the kill.
bool killByPid(pid_t pid, int procDir, std::uint64_t startTime) {
  if (::kill(pid, SIGKILL) != 0) {
    return errno == ESRCH;
  }
  QElapsedTimer timer;
  timer.start();
  while (identityOf(procDir, startTime) == Identity::Same) {
    if (timer.elapsed() > kDeathWaitMs) {
      return false;
    }
    QThread::msleep(5);
  }
  return true;
}

}  // namespace

RunningApplication::RunningApplication(pid_t pid, std::uint64_t startTime,
                                       std::optional<QString> bundleIdentifier,
                                       std::optional<QString> bundlePath)
    : pid_(pid),
      startTime_(startTime),
      bundleIdentifier_(std::move(bundleIdentifier)),
      bundlePath_(std::move(bundlePath)) {}

std::optional<QUrl> RunningApplication::bundleURL() const {
  if (!bundlePath_) {
    return std::nullopt;
  }
  return QUrl::fromLocalFile(*bundlePath_);
}

bool RunningApplication::forceTerminate() const {
  if (pid_ <= 0) {
    return false;
  }
  // A pidfd names one process for good: once it is open and the start time
  // still matches, the signal cannot reach a process that took over the id.
  procfiles::Fd pidfd(pidfdOpen(pid_));
  if (!pidfd.valid() && errno != ENOSYS) {
    return errno == ESRCH;
  }
  procfiles::Fd dir(
      ::open(("/proc/" + std::to_string(pid_)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.valid() || identityOf(dir.get(), startTime_) == Identity::Gone) {
    return true;
  }
  if (!pidfd.valid()) {
    return killByPid(pid_, dir.get(), startTime_);
  }
  if (pidfdSendSignal(pidfd.get(), SIGKILL) != 0) {
    return errno == ESRCH;
  }
  // The pidfd turns readable when the process has exited (zombie or reaped).
  QElapsedTimer timer;
  timer.start();
  for (;;) {
    int left = kDeathWaitMs - static_cast<int>(timer.elapsed());
    if (left < 0) {
      return false;
    }
    pollfd watch{pidfd.get(), POLLIN, 0};
    int ready = ::poll(&watch, 1, left);
    if (ready > 0) {
      return true;
    }
    if (ready == 0) {
      return false;
    }
    if (errno != EINTR) {
      return identityOf(dir.get(), startTime_) == Identity::Gone;
    }
  }
}
