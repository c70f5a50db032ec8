#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <filesystem>
#include <set>

#include "ProcessHelpers.h"
#include "TestSupport.h"
#include "platform/SessionBus.h"
#include "platform/Task.h"

using testprocess::statOf;

namespace {

// Field `name` of /proc/<pid>/status, e.g. "SigIgn".
std::string statusField(pid_t pid, const std::string &name) {
  std::string status = testsupport::readFile("/proc/" + std::to_string(pid) + "/status");
  auto at = status.find("\n" + name + ":");
  if (at == std::string::npos) return {};
  auto start = status.find_first_not_of(" \t", at + name.size() + 2);
  return status.substr(start, status.find('\n', start) - start);
}

// Field 6 of the stat line, the session id.
pid_t sessionOf(pid_t pid) {
  std::string stat = testsupport::readFile("/proc/" + std::to_string(pid) + "/stat");
  std::istringstream rest(stat.substr(stat.rfind(')') + 2));
  std::string state;
  pid_t ppid = 0, pgrp = 0, session = 0;
  rest >> state >> ppid >> pgrp >> session;
  return session;
}

}  // namespace

TEST(Task, LaunchDetachedStartsAStrayInANewSessionWithNothingInherited) {
  testsupport::TempDir dir;
  const auto pidFile = dir / "pid";
  // What this process has set up must not reach the program.
  int leaked = ::open("/dev/zero", O_RDONLY);  // without close-on-exec
  ASSERT_GE(leaked, 0);
  struct sigaction ignore {
  }, oldInt{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGINT, &ignore, &oldInt);
  sigset_t usr1, oldMask;
  sigemptyset(&usr1);
  sigaddset(&usr1, SIGUSR1);
  pthread_sigmask(SIG_BLOCK, &usr1, &oldMask);

  const QString script = QStringLiteral("echo $$ > '%1.tmp' && mv '%1.tmp' '%1' && exec sleep 60")
                             .arg(QString::fromStdString(pidFile.string()));
  bool launched = Task::launchDetached(QStringLiteral("sh"), {QStringLiteral("-c"), script});

  pthread_sigmask(SIG_SETMASK, &oldMask, nullptr);
  sigaction(SIGINT, &oldInt, nullptr);
  ::close(leaked);
  ASSERT_TRUE(launched);

  ASSERT_TRUE(testsupport::waitUntil([&] { return std::filesystem::exists(pidFile); }));
  const pid_t pid = std::stoi(testsupport::readFile(pidFile));
  // Until sleep sleeps, the dynamic loader may still hold a library open.
  ASSERT_TRUE(testsupport::waitUntil([&] {
    auto stat = statOf(pid);
    return testsupport::readFile("/proc/" + std::to_string(pid) + "/comm") == "sleep\n" && stat &&
           stat->state == 'S';
  }));

  EXPECT_EQ(sessionOf(pid), pid) << "leads a session of its own";
  EXPECT_NE(sessionOf(pid), getsid(0));
  EXPECT_NE(statusField(pid, "PPid"), std::to_string(getpid())) << "not our child";
  // Signals 1 to 31. glibc's posix_spawn leaves its own two internal signals
  // (32 and 33) ignored in every program it starts; glibc installs their
  // handlers again when it needs them.
  EXPECT_EQ(std::stoull(statusField(pid, "SigIgn"), nullptr, 16) & 0x7fffffffull, 0u);
  EXPECT_EQ(statusField(pid, "SigBlk"), "0000000000000000");
  std::set<std::string> fds;
  for (const auto &entry :
       std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
    fds.insert(entry.path().filename().string());
    if (entry.path().filename().string().size() == 1) {
      EXPECT_EQ(std::filesystem::read_symlink(entry.path()), "/dev/null");
    }
  }
  EXPECT_EQ(fds, (std::set<std::string>{"0", "1", "2"}));
  // The intermediate has been collected and the program is someone else's:
  // no child of ours is left, running or zombie.
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);

  ::kill(pid, SIGKILL);
}

TEST(Task, LaunchDetachedReportsAProgramThatCannotStart) {
  testsupport::TempDir dir;
  const auto notExecutable = dir / "plain.txt";
  testsupport::writeFile(notExecutable, "#!/bin/sh\nexit 0\n");
  std::filesystem::permissions(
      notExecutable, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

  EXPECT_FALSE(Task::launchDetached(QStringLiteral("/nonexistent/orvella"), {}));
  EXPECT_FALSE(Task::launchDetached(QStringLiteral("no-such-program-orvella-xyz"), {}));
  EXPECT_FALSE(Task::launchDetached(QString::fromStdString(notExecutable.string()), {}));
  EXPECT_FALSE(Task::launchDetached(QStringLiteral("/bin/true"), {QString::fromUtf8("a\0b", 3)}));
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a failed start leaves no child behind";
}

TEST(Task, AProgramStartedAfterTheBusWasDisabledForUsFindsNoAddressOfOurs) {
  testsupport::TempDir dir;
  testprocess::ScopedEnv noAddress("DBUS_SESSION_BUS_ADDRESS", nullptr);
  testprocess::ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
  SessionBus::preventAutolaunch();
  ASSERT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray(SessionBus::kDisabledAddress));
  const auto seen = dir / "seen";
  const QString script =
      QStringLiteral("echo \"${DBUS_SESSION_BUS_ADDRESS-none}\" > '%1.tmp' && mv '%1.tmp' '%1'")
          .arg(QString::fromStdString(seen.string()));
  ASSERT_TRUE(Task::launchDetached(QStringLiteral("sh"), {QStringLiteral("-c"), script}));
  ASSERT_TRUE(testsupport::waitUntil([&] { return std::filesystem::exists(seen); }));
  EXPECT_EQ(testsupport::readFile(seen), "none\n");
}
