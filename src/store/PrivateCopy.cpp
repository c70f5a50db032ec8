#include "PrivateCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <string>

namespace fs = std::filesystem;

namespace {

// The names that exist right now, for the signal handler: it may only read
// plain memory and call unlink and rmdir.
struct Slot {
  std::atomic<int> state{0};  // 0 free, 1 being filled, 2 a file, 3 a folder
  char path[4096] = {};
};
std::array<Slot, 16> nameTable;

constexpr std::array<int, 3> kEndingSignals{SIGTERM, SIGINT, SIGHUP};
struct sigaction previousActions[3];

void removeNames(int pass) {
  for (Slot &slot : nameTable) {
    const int state = slot.state.load();
    if (pass == 0 && state == 2) {
      ::unlink(slot.path);
    } else if (pass == 1 && state == 3) {
      ::rmdir(slot.path);
    }
  }
}

void onEndingSignal(int signal) {
  const int savedErrno = errno;
  removeNames(0);
  removeNames(1);
  for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
    if (kEndingSignals[i] != signal) continue;
    const struct sigaction &previous = previousActions[i];
    if ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler != SIG_DFL &&
        previous.sa_handler != SIG_IGN) {
      previous.sa_handler(signal);  // someone else's orderly handling goes on
      errno = savedErrno;
      return;
    }
    if ((previous.sa_flags & SA_SIGINFO) == 0) {
      ::signal(signal, SIG_DFL);
      ::raise(signal);
    }
  }
  errno = savedErrno;
}

void installHandlersOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
      struct sigaction current {};
      sigaction(kEndingSignals[i], nullptr, &current);
      previousActions[i] = current;
      // A signal that is ignored, or handled with siginfo by someone else,
      // is left as it is.
      if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler == SIG_IGN) continue;
      struct sigaction action {};
      action.sa_handler = onEndingSignal;
      sigemptyset(&action.sa_mask);
      action.sa_flags = SA_RESTART;
      sigaction(kEndingSignals[i], &action, nullptr);
    }
  });
}

int registerName(const fs::path &path, int kind) {
  if (path.native().size() >= sizeof(Slot::path)) return -1;
  for (std::size_t i = 0; i < nameTable.size(); ++i) {
    int expected = 0;
    if (nameTable[i].state.compare_exchange_strong(expected, 1)) {
      std::memcpy(nameTable[i].path, path.c_str(), path.native().size() + 1);
      nameTable[i].state.store(kind);
      return static_cast<int>(i);
    }
  }
  return -1;
}

void unregisterName(int slot) {
  if (slot >= 0) nameTable[static_cast<std::size_t>(slot)].state.store(0);
}

bool copyContents(int from, int to) {
  for (;;) {
    const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
    if (copied == 0) return true;
    if (copied > 0) continue;
    if (errno == EINTR) continue;
    if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return false;
    break;  // fall back to plain reads and writes
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(to, buffer + done, static_cast<std::size_t>(n - done));
      if (w < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      done += w;
    }
  }
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd &) = delete;
  Fd &operator=(const Fd &) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool PrivateCopy::copyFile(const fs::path &from, const fs::path &to) {
  Fd source(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (source.get() < 0) return false;
  // Written without a name, so that a copy cut short by a signal or a crash
  // leaves nothing behind.
  Fd unnamed(::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
  if (unnamed.get() >= 0) {
    if (!copyContents(source.get(), unnamed.get())) return false;
    const std::string self = "/proc/self/fd/" + std::to_string(unnamed.get());
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0;
  }
  // A file system without unnamed files: the name exists from the start.
  Fd named(::open(to.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600));
  return named.get() >= 0 && copyContents(source.get(), named.get());
}

std::unique_ptr<PrivateCopy> PrivateCopy::make(const fs::path &database) {
  installHandlersOnce();
  std::unique_ptr<PrivateCopy> copy(new PrivateCopy);
  std::string folder = QFile::encodeName(QDir::tempPath()).toStdString() + "/orvella-XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr) return nullptr;
  copy->folder_ = folder;
  copy->slots_.push_back(registerName(copy->folder_, 3));
  copy->database_ = copy->folder_ / "Feeds";
  // Every name SQLite may give a file there, the index it makes included.
  for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
    fs::path name = copy->database_;
    name += suffix;
    copy->slots_.push_back(registerName(name, 2));
  }
  // The log or journal first: a writer changes the database only after its
  // journal holds the old pages, and deletes the journal only once the
  // database is whole, so this order never pairs a changed database with a
  // journal that no longer knows the change.
  std::error_code ec;
  for (const char *suffix : {"-journal", "-wal"}) {
    fs::path side = database;
    side += suffix;
    if (!fs::exists(side, ec)) continue;
    fs::path sideCopy = copy->database_;
    sideCopy += suffix;
    if (!copy->copyFile(side, sideCopy)) return nullptr;
  }
  if (!copy->copyFile(database, copy->database_)) return nullptr;
  return copy;
}

void PrivateCopy::release() {
  std::error_code ec;
  if (!folder_.empty()) {
    for (const auto &entry : fs::directory_iterator(folder_, ec)) {
      ::unlink(entry.path().c_str());
    }
    ::rmdir(folder_.c_str());
  }
  for (int slot : slots_) unregisterName(slot);
  slots_.clear();
  folder_.clear();
}

PrivateCopy::~PrivateCopy() { release(); }
