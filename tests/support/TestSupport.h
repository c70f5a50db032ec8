#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Processes main-thread events until pred() holds or the timeout passes.
// Returns whether pred() held.
bool waitUntil(const std::function<bool()> &pred,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Processes main-thread events for the given time.
void pump(std::chrono::milliseconds duration);

// A fresh, empty folder that is removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  const std::filesystem::path &path() const { return path_; }
  std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Runs SQL through the sqlite3 C API on the file at path (created when missing).
// Fails the calling test when the SQL fails.
void execSql(const std::filesystem::path &path, const std::string &sql);

std::string readFile(const std::filesystem::path &path);
// The names of the entries of a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path &folder);
// A path as Qt takes it.
QString qpath(const std::filesystem::path &path);
void writeFile(const std::filesystem::path &path, const std::string &bytes);

// Stores the colour-scheme preference the program reads (1 dark, 2 light,
// anything else follows the system).
void useScheme(std::uint64_t appearance);

// A dbus-daemon of the test program's own, made its session bus before any
// test runs, so that no test reaches the developer's desktop.
class PrivateSessionBus : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;

 private:
  QProcess daemon_;
};

}  // namespace testsupport
