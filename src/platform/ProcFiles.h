#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// Small readers for the files of /proc/<pid>, shared by Workspace and
// RunningApplication.
namespace procfiles {

// An owned file descriptor, closed with the object.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd();
  Fd(const Fd &) = delete;
  Fd &operator=(const Fd &) = delete;

  bool valid() const { return fd_ >= 0; }
  int get() const { return fd_; }

 private:
  int fd_;
};

// The whole content of the file name relative to the directory dirFd; absent
// when it cannot be opened or read (gone, another user's, not there).
std::optional<QByteArray> readAll(int dirFd, const char *name);

// What we need of /proc/<pid>/stat.
struct Stat {
  char state = '?';
  std::uint64_t startTime = 0;
  bool isKernelThread = false;
};

// The stat file of the process folder procDirFd; absent when unreadable.
std::optional<Stat> readStat(int procDirFd);

}  // namespace procfiles
