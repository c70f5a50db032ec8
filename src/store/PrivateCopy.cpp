#include "PrivateCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>

#include "platform/EndingSignals.h"
#include "platform/TemporaryFolder.h"

namespace fs = std::filesystem;

namespace {

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

namespace {

// SQLite's locks on a database file are byte ranges far into the file (the
// same in every build): a reader holds a read lock on the shared range, a
// writer about to change the file a write lock on all of it.
constexpr off_t kPendingByte = 0x40000000;
constexpr off_t kReservedByte = kPendingByte + 1;
constexpr off_t kSharedFirst = kPendingByte + 2;
constexpr off_t kSharedSize = 510;

bool lockRange(int fd, short type, off_t start, off_t length) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = start;
  lock.l_len = length;
  return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Takes a reader's shared lock the way SQLite does, so that no writer can
// change the database file while it is copied. Open-file-description locks
// conflict with SQLite's own record locks in other processes but belong to
// our descriptor alone.
bool takeSharedLock(int fd, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (lockRange(fd, F_RDLCK, kPendingByte, 1)) {
      const bool shared = lockRange(fd, F_RDLCK, kSharedFirst, kSharedSize);
      lockRange(fd, F_UNLCK, kPendingByte, 1);
      if (shared) return true;
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// Whether a connection of another process holds the reserved lock: it is
// writing a transaction, so its journal is live, not left behind.
bool writerHoldsReserved(int fd) {
  struct flock probe {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  probe.l_start = kReservedByte;
  probe.l_len = 1;
  return ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

}  // namespace

std::unique_ptr<PrivateCopy> PrivateCopy::make(const fs::path &database,
                                               std::chrono::milliseconds lockWait,
                                               Failure *failure) {
  auto fail = [failure](Failure why) {
    if (failure) *failure = why;
    return nullptr;
  };
  Fd locked(::open(database.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (locked.get() < 0) return fail(Failure::NoCopy);
  if (!takeSharedLock(locked.get(), lockWait)) return fail(Failure::Locked);
  const std::optional<std::string> temporary = TemporaryFolder::path();
  if (!temporary) return fail(Failure::NoTemporaryFolder);

  std::unique_ptr<PrivateCopy> copy(new PrivateCopy);
  std::string folder = *temporary + "/orvella-XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr) return fail(Failure::NoCopy);
  copy->folder_ = folder;
  copy->tickets_.push_back(EndingSignals::remember(copy->folder_, EndingSignals::Kind::Folder));
  copy->database_ = copy->folder_ / "Feeds";
  // Every name SQLite may give a file there, the index it makes included.
  for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
    fs::path name = copy->database_;
    name += suffix;
    copy->tickets_.push_back(EndingSignals::remember(name, EndingSignals::Kind::File));
  }
  // Under our shared lock no writer changes the database file. A journal
  // counts only when no writer holds the reserved lock: a live writer's
  // journal holds pages of a transaction that the file does not have yet.
  const bool journalLeftBehind = !writerHoldsReserved(locked.get());
  std::error_code ec;
  for (const char *suffix : {"-journal", "-wal"}) {
    if (std::string_view(suffix) == "-journal" && !journalLeftBehind) continue;
    fs::path side = database;
    side += suffix;
    if (!fs::exists(side, ec)) continue;
    fs::path sideCopy = copy->database_;
    sideCopy += suffix;
    if (!copy->copyFile(side, sideCopy)) return fail(Failure::NoCopy);
  }
  if (!copy->copyFile(database, copy->database_)) return fail(Failure::NoCopy);
  return copy;
}

namespace {

// Removes every entry of the folder, then the folder; false when the folder
// is still there.
bool removeFolder(const fs::path &folder) {
  std::error_code ec;
  for (const auto &entry : fs::directory_iterator(folder, ec)) {
    ::unlink(entry.path().c_str());
  }
  return ::rmdir(folder.c_str()) == 0 || errno == ENOENT;
}

}  // namespace

void PrivateCopy::release() {
  // A file system that cannot remove an open file's name (FUSE) renames it
  // instead, so the folder may have to wait until SQLite has closed it.
  if (!folder_.empty() && removeFolder(folder_)) folder_.clear();
  if (!folder_.empty()) return;
  for (int ticket : tickets_) EndingSignals::forget(ticket);
  tickets_.clear();
}

PrivateCopy::~PrivateCopy() {
  // By now the files are closed; the file system forgets them a moment after.
  for (int attempt = 0; attempt < 50 && !folder_.empty(); ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    release();
  }
  for (int ticket : tickets_) EndingSignals::forget(ticket);
}
