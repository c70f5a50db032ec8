#include "EndingSignals.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

namespace EndingSignals {

namespace {

struct Slot {
  std::atomic<int> state{0};  // 0 free, 1 being filled, 2 a file, 3 a folder
  char path[4096] = {};
};
std::array<Slot, 32> nameTable;

volatile std::sig_atomic_t endingArrived = 0;
std::atomic<int> quitFd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read inside a signal handler");

void removeNames(int state) {
  for (Slot &slot : nameTable) {
    if (slot.state.load() != state) continue;
    if (state == 2) {
      ::unlink(slot.path);
    } else {
      ::rmdir(slot.path);
    }
  }
}

void onEndingSignal(int signal) {
  const int savedErrno = errno;
  endingArrived = 1;
  removeNames(2);  // files first, so that their folders are empty
  removeNames(3);
  const int fd = quitFd.load();
  if (fd >= 0) {
    // A full pipe means a quit is already on its way.
    const auto number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(fd, &number, 1);
  } else {
    ::signal(signal, SIG_DFL);
    ::raise(signal);
  }
  errno = savedErrno;
}

void installHandlersOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
      struct sigaction current {};
      if (::sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
          current.sa_handler != SIG_DFL)
        continue;
      struct sigaction action {};
      action.sa_handler = onEndingSignal;
      sigemptyset(&action.sa_mask);
      action.sa_flags = SA_RESTART;
      ::sigaction(signal, &action, nullptr);
    }
  });
}

}  // namespace

void watch() { installHandlersOnce(); }

bool arrived() { return endingArrived != 0; }

void quitThrough(int fd) {
  installHandlersOnce();
  quitFd.store(fd);
}

int remember(const std::filesystem::path &path, Kind kind) {
  installHandlersOnce();
  if (path.native().size() >= sizeof(Slot::path)) return -1;
  for (std::size_t i = 0; i < nameTable.size(); ++i) {
    int expected = 0;
    if (nameTable[i].state.compare_exchange_strong(expected, 1)) {
      std::memcpy(nameTable[i].path, path.c_str(), path.native().size() + 1);
      nameTable[i].state.store(kind == Kind::File ? 2 : 3);
      return static_cast<int>(i);
    }
  }
  return -1;
}

void forget(int ticket) {
  if (ticket >= 0 && ticket < static_cast<int>(nameTable.size())) {
    nameTable[static_cast<std::size_t>(ticket)].state.store(0);
  }
}

}  // namespace EndingSignals
