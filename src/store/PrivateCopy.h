#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

// A copy of a database and of the log or journal beside it, in a folder of our
// own, on which SQLite may do the recovery that it must never do in the
// reader's folder.
//
// The copy must not outlive the process. Its contents are written into
// unnamed files, which get names only for as long as SQLite needs them to
// open the copy; release() takes the names away once the connection holds
// the files open (reading goes on through the open files). While the names
// exist, SIGTERM, SIGINT and SIGHUP remove them (EndingSignals), and the
// destructor removes whatever is left.
class PrivateCopy {
 public:
  enum class Failure { NoCopy, Locked, NoTemporaryFolder };

  // Copies database and those of its -wal and -journal that exist, holding a
  // reader's shared lock on the database meanwhile, so that the copy is one
  // committed state: a writer that is still at work keeps its journal, which
  // is then left out. Waits up to lockWait for a writer's exclusive lock to
  // go. Returns nothing when the copy cannot be made, and says why.
  static std::unique_ptr<PrivateCopy> make(const std::filesystem::path &database,
                                           std::chrono::milliseconds lockWait,
                                           Failure *failure = nullptr);

  ~PrivateCopy();
  PrivateCopy(const PrivateCopy &) = delete;
  PrivateCopy &operator=(const PrivateCopy &) = delete;

  // The copy of the database, to hand to SQLite.
  const std::filesystem::path &database() const { return database_; }

  // Removes every name of the copy; files that are open stay readable.
  // Where the file system keeps the names of open files (FUSE renames them),
  // the folder goes only in the destructor, once SQLite has closed them.
  void release();

 private:
  PrivateCopy() = default;
  bool copyFile(const std::filesystem::path &from, const std::filesystem::path &to);

  std::filesystem::path folder_;
  std::filesystem::path database_;
  std::vector<int> tickets_;  // names the signal handler removes
};
