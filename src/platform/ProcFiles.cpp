#include "ProcFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <QList>
#include <cerrno>
#include <cstdlib>

namespace procfiles {

namespace {

// PF_KTHREAD of the kernel's per-process flags (field 9 of the stat file).
constexpr unsigned long kKernelThreadFlag = 0x00200000;

std::optional<Stat> parseStat(const QByteArray &text) {
  // "pid (comm) state ppid ...": comm may hold spaces and parentheses, so the
  // fields start after the last ')'.
  qsizetype close = text.lastIndexOf(')');
  if (close < 0) {
    return std::nullopt;
  }
  QList<QByteArray> fields = text.mid(close + 1).simplified().split(' ');
  // fields[0] is field 3 (state); field n is fields[n - 3].
  constexpr int kFlags = 9 - 3;
  constexpr int kStartTime = 22 - 3;
  if (fields.size() <= kStartTime || fields[0].size() != 1) {
    return std::nullopt;
  }
  bool flagsOk = false, startOk = false;
  unsigned long flags = fields[kFlags].toULong(&flagsOk);
  std::uint64_t start = fields[kStartTime].toULongLong(&startOk);
  if (!flagsOk || !startOk) {
    return std::nullopt;
  }
  Stat stat;
  stat.state = fields[0][0];
  stat.startTime = start;
  stat.isKernelThread = (flags & kKernelThreadFlag) != 0;
  return stat;
}

}  // namespace

Fd::~Fd() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

std::optional<QByteArray> readAll(int dirFd, const char *name) {
  Fd fd(::openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NOCTTY));
  if (!fd.valid()) {
    return std::nullopt;
  }
  // Files under /proc report no size; read until the end.
  QByteArray content;
  char buffer[4096];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n > 0) {
      content.append(buffer, n);
    } else if (n == 0) {
      return content;
    } else if (errno != EINTR) {
      return std::nullopt;
    }
  }
}

std::optional<Stat> readStat(int procDirFd) {
  auto text = readAll(procDirFd, "stat");
  return text ? parseStat(*text) : std::nullopt;
}

}  // namespace procfiles
