#pragma once

// Runs the built program as a process, the way scripts and users start it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <functional>

#include "TestSupport.h"

// For the tests that run the program: with `using namespace programrun`,
// these helpers of the test support come along.
namespace programrun {

namespace fs = std::filesystem;
using testsupport::execSql;
using testsupport::namesIn;
using testsupport::qpath;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

struct Outcome {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

// The environment of a machine without a display.
inline QProcessEnvironment headless() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    env.remove(name);
  }
  return env;
}

inline Outcome run(const QStringList &args, const fs::path &workingDir = fs::current_path(),
                   const QProcessEnvironment &env = headless(),
                   const std::function<void()> &inChild = nullptr, const QString &stdoutFile = {}) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(qpath(workingDir));
  if (inChild) {
    process.setChildProcessModifier(inChild);
  }
  if (!stdoutFile.isEmpty()) {
    process.setStandardOutputFile(stdoutFile);
  }
  process.start(qEnvironmentVariable("ORVELLA_BINARY"), args);
  EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(60'000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// A FEEDS view without end: a read of it only stops when the exporter stops it.
inline constexpr char kEndlessFeeds[] =
    "CREATE VIEW FEEDS AS WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n)"
    " SELECT 'https://s/' || v AS FEED_URL, 'Feed ' || v AS FEED_TITLE, 1 AS CHANNEL_TYPE,"
    " 'https://s/f' || v AS INTERNAL_LINK FROM n;";

// Makes a device node like the system's (1,3 is null, 1,7 is full); false
// where nodes cannot be made (not root).
inline bool makeDevice(const fs::path &path, unsigned minor) {
  return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}

inline void runAsNobody() {
  if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
}

}  // namespace programrun
