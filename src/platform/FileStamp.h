#pragma once

#include <sys/stat.h>

#include <cstdint>

// What identifies one version of a file on disk. Another process that saves
// the file replaces it (new inode) or rewrites it (new size or time), so any
// difference means what was read from it may be stale.
struct FileStamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;

  static FileStamp of(const char *path) {
    FileStamp stamp;
    struct stat info {};
    if (::stat(path, &info) == 0) {
      stamp.exists = true;
      stamp.device = info.st_dev;
      stamp.inode = info.st_ino;
      stamp.size = info.st_size;
      stamp.modifiedNs = nanoseconds(info.st_mtim);
      stamp.changedNs = nanoseconds(info.st_ctim);
    }
    return stamp;
  }

  bool operator==(const FileStamp &) const = default;

 private:
  static std::int64_t nanoseconds(const timespec &time) {
    return std::int64_t(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
  }
};
