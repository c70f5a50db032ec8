#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <set>

#include "ProcessHelpers.h"
#include "TestSupport.h"
#include "platform/Workspace.h"

using testprocess::findPid;
using testprocess::ScopedEnv;
using testprocess::startStandIn;
using testprocess::statOf;

namespace {

const QString kReaderId = QStringLiteral("com.Corvanex.Orvella");
const QString kReaderEntry = QStringLiteral("/tmp/x/com.Corvanex.Orvella.desktop");

QMap<QString, QString> launchedFrom(const QString &desktopFile) {
  return {{QStringLiteral("GIO_LAUNCHED_DESKTOP_FILE"), desktopFile}};
}

// The first exact match in the platform's order, among the processes this
// test started (other programs on the machine may carry the same id).
const RunningApplication *firstReader(const std::vector<RunningApplication> &apps,
                                      const std::set<pid_t> &ours) {
  for (const auto &app : apps) {
    if (ours.count(app.processIdentifier()) && app.bundleIdentifier() == kReaderId) return &app;
  }
  return nullptr;
}

}  // namespace

TEST(Workspace, FindsTheStandInReaderByTheDesktopEntryItWasLaunchedFrom) {
  auto reader = startStandIn(launchedFrom(kReaderEntry));
  auto apps = Workspace::sharedWorkspace().runningApplications();
  const RunningApplication *found = firstReader(apps, {reader->pid});
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->processIdentifier(), reader->pid);
  EXPECT_EQ(found->bundlePath(), kReaderEntry);
  EXPECT_EQ(found->bundleURL(), QUrl(QStringLiteral("file:///tmp/x/com.Corvanex.Orvella.desktop")));
  EXPECT_EQ(found->startTime(), statOf(reader->pid)->startTime);

  auto single = Workspace::sharedWorkspace().runningApplication(reader->pid);
  ASSERT_TRUE(single.has_value());
  EXPECT_EQ(single->bundleIdentifier(), kReaderId);
}

TEST(Workspace, MatchesTheIdExactlyAndPutsTheLowerProcessIdFirst) {
  auto lookalike =
      startStandIn(launchedFrom(QStringLiteral("/tmp/x/com.corvanex.orvella.desktop")));
  auto first = startStandIn(launchedFrom(kReaderEntry));
  auto second =
      startStandIn(launchedFrom(QStringLiteral("/opt/other/com.Corvanex.Orvella.desktop")));
  auto apps = Workspace::sharedWorkspace().runningApplications();

  EXPECT_TRUE(std::is_sorted(apps.begin(), apps.end(), [](const auto &a, const auto &b) {
    return a.processIdentifier() < b.processIdentifier();
  }));
  const RunningApplication *other = findPid(apps, lookalike->pid);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->bundleIdentifier(), QStringLiteral("com.corvanex.orvella"));
  EXPECT_EQ(firstReader(apps, {lookalike->pid}), nullptr);

  const RunningApplication *found = firstReader(apps, {lookalike->pid, first->pid, second->pid});
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->processIdentifier(), std::min(first->pid, second->pid));
}

TEST(Workspace, ListsLivingUserProcessesInStrictlyAscendingOrder) {
  // A child that has ended but is not yet collected is no running application.
  pid_t zombie = fork();
  if (zombie == 0) _exit(0);
  ASSERT_GT(zombie, 0);
  ASSERT_TRUE(testsupport::waitUntil([&] {
    auto stat = statOf(zombie);
    return stat && stat->state == 'Z';
  }));

  auto apps = Workspace::sharedWorkspace().runningApplications();
  for (std::size_t i = 1; i < apps.size(); ++i) {
    EXPECT_LT(apps[i - 1].processIdentifier(), apps[i].processIdentifier());
  }
  EXPECT_NE(findPid(apps, getpid()), nullptr) << "our own process is one of the user's";
  EXPECT_EQ(findPid(apps, zombie), nullptr);
  EXPECT_FALSE(Workspace::sharedWorkspace().runningApplication(zombie).has_value());
  // kthreadd, the parent of all kernel threads, is pid 2 and has no program.
  EXPECT_EQ(findPid(apps, 2), nullptr);
  for (const auto &app : apps) {
    struct stat info {};
    if (::stat(("/proc/" + std::to_string(app.processIdentifier())).c_str(), &info) == 0) {
      EXPECT_EQ(info.st_uid, getuid()) << app.processIdentifier();
    }
  }
  waitpid(zombie, nullptr, 0);
}

TEST(Workspace, LeavesOutAnotherUsersProcesses) {
  if (getuid() != 0) {
    auto apps = Workspace::sharedWorkspace().runningApplications();
    struct stat init {};
    ASSERT_EQ(::stat("/proc/1", &init), 0);
    if (init.st_uid == getuid()) GTEST_SKIP() << "pid 1 belongs to this user";
    EXPECT_EQ(findPid(apps, 1), nullptr);
    return;
  }
  // As root, look through the eyes of an unprivileged user at a root process.
  auto reader = startStandIn(launchedFrom(kReaderEntry));
  QProcess probe;
  probe.start(QStringLiteral(ORVELLA_WORKSPACE_PROBE), {QStringLiteral("65534"), "list"});
  ASSERT_TRUE(probe.waitForFinished(30000));
  ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
  QList<QByteArray> lines = probe.readAllStandardOutput().split('\n');
  ASSERT_FALSE(lines.isEmpty());
  ASSERT_TRUE(lines[0].startsWith("self "));
  QByteArray self = lines[0].mid(5);
  EXPECT_TRUE(lines.contains(self)) << "the probe lists its own process";
  EXPECT_FALSE(lines.contains(QByteArray::number(reader->pid)));
  EXPECT_FALSE(lines.contains("1"));
}

TEST(Workspace, TakesTheLaunchedEntryOnlyFromTheProcessThatWasLaunched) {
  // gio hands the entry down to every descendant and names the launched pid.
  auto reader = startStandIn(launchedFrom(kReaderEntry),
                             {QStringLiteral("--own-launch"), QStringLiteral("--helper")});
  ASSERT_GT(reader->helper, 0);
  auto apps = Workspace::sharedWorkspace().runningApplications();
  const RunningApplication *launched = findPid(apps, reader->pid);
  const RunningApplication *helper = findPid(apps, reader->helper);
  ASSERT_NE(launched, nullptr);
  ASSERT_NE(helper, nullptr);
  EXPECT_EQ(launched->bundleIdentifier(), kReaderId);
  EXPECT_FALSE(helper->bundleIdentifier().has_value());
  EXPECT_FALSE(helper->bundlePath().has_value());
}

TEST(Workspace, ReadsBamfHintsAndIgnoresValuesThatAreNoDesktopEntry) {
  auto bamf = startStandIn({{QStringLiteral("BAMF_DESKTOP_FILE_HINT"),
                             QStringLiteral("/usr/share/applications/org.x.Y.desktop")}});
  auto relative = startStandIn(launchedFrom(QStringLiteral("com.Corvanex.Orvella.desktop")));
  auto notAnEntry = startStandIn(launchedFrom(QStringLiteral("/tmp/x/com.Corvanex.Orvella")));
  auto bare = startStandIn(launchedFrom(QStringLiteral("/tmp/x/.desktop")));
  auto apps = Workspace::sharedWorkspace().runningApplications();

  ASSERT_NE(findPid(apps, bamf->pid), nullptr);
  EXPECT_EQ(findPid(apps, bamf->pid)->bundleIdentifier(), QStringLiteral("org.x.Y"));
  EXPECT_EQ(findPid(apps, bamf->pid)->bundlePath(),
            QStringLiteral("/usr/share/applications/org.x.Y.desktop"));
  for (pid_t pid : {relative->pid, notAnEntry->pid, bare->pid}) {
    ASSERT_NE(findPid(apps, pid), nullptr);
    EXPECT_FALSE(findPid(apps, pid)->bundleIdentifier().has_value()) << pid;
    EXPECT_FALSE(findPid(apps, pid)->bundlePath().has_value()) << pid;
  }
}

TEST(Workspace, FlatpakIdWinsAndPointsAtTheEntryFlatpakExported) {
  testsupport::TempDir data;
  ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  const QString fromTerminal = QStringLiteral("/usr/share/applications/org.x.Terminal.desktop");
  QMap<QString, QString> env = launchedFrom(fromTerminal);
  env.insert(QStringLiteral("FLATPAK_ID"), kReaderId);

  auto withoutExport = startStandIn(env);
  auto app = Workspace::sharedWorkspace().runningApplication(withoutExport->pid);
  ASSERT_TRUE(app.has_value());
  EXPECT_EQ(app->bundleIdentifier(), kReaderId);
  EXPECT_FALSE(app->bundlePath().has_value()) << "the terminal's entry does not start the reader";

  auto exports = data.path() / "flatpak/exports/share/applications";
  std::filesystem::create_directories(exports);
  testsupport::writeFile(exports / "com.Corvanex.Orvella.desktop", "[Desktop Entry]\n");
  app = Workspace::sharedWorkspace().runningApplication(withoutExport->pid);
  ASSERT_TRUE(app.has_value());
  EXPECT_EQ(app->bundlePath(),
            QString::fromStdString((exports / "com.Corvanex.Orvella.desktop").string()));

  env = launchedFrom(kReaderEntry);
  env.insert(QStringLiteral("FLATPAK_ID"), kReaderId);
  auto launched = startStandIn(env);
  app = Workspace::sharedWorkspace().runningApplication(launched->pid);
  ASSERT_TRUE(app.has_value());
  EXPECT_EQ(app->bundlePath(), kReaderEntry) << "the entry it was launched from comes first";
}

TEST(Workspace, ReadsAProcessWhoseNameHoldsParenthesesAndSpaces) {
  testsupport::TempDir dir;
  auto odd = dir / "a) b (c";
  std::filesystem::copy_file(ORVELLA_STAND_IN_READER, odd);
  std::filesystem::permissions(odd, std::filesystem::perms::owner_all);
  auto reader = startStandIn(launchedFrom(kReaderEntry), {}, QString::fromStdString(odd.string()));
  auto app = Workspace::sharedWorkspace().runningApplication(reader->pid);
  ASSERT_TRUE(app.has_value());
  EXPECT_EQ(app->bundleIdentifier(), kReaderId);
  EXPECT_EQ(app->startTime(), statOf(reader->pid)->startTime);
  EXPECT_GT(app->startTime(), 0u);
}

TEST(FlatpakInfo, ReadsTheApplicationNameOnly) {
  EXPECT_EQ(Workspace::flatpakAppIdFromInfo("[Application]\nname=com.Corvanex.Orvella\n"
                                            "runtime=runtime/org.x/x86_64/1\n"),
            kReaderId);
  EXPECT_EQ(Workspace::flatpakAppIdFromInfo("[Runtime]\nname=org.x.Platform\n"
                                            "[Application]\n  name = com.Corvanex.Orvella  \n"),
            kReaderId);
  EXPECT_EQ(Workspace::flatpakAppIdFromInfo("[Application]\nnamespace=x\nname=a.b\n"),
            QStringLiteral("a.b"));
  EXPECT_FALSE(Workspace::flatpakAppIdFromInfo("[Runtime]\nname=org.x.Platform\n").has_value());
  EXPECT_FALSE(Workspace::flatpakAppIdFromInfo("").has_value());
  EXPECT_FALSE(Workspace::flatpakAppIdFromInfo("[Application]\nname=\n").has_value());
  EXPECT_FALSE(Workspace::flatpakAppIdFromInfo("[Application]\nname=../../etc\n").has_value());
}

TEST(RunningApplication, ForceTerminateKillsAProcessThatIgnoresSigterm) {
  auto reader = startStandIn(launchedFrom(kReaderEntry));
  auto app = Workspace::sharedWorkspace().runningApplication(reader->pid);
  ASSERT_TRUE(app.has_value());
  // Our own child stays a zombie until we collect it; that counts as gone.
  EXPECT_TRUE(app->forceTerminate());
  auto stat = statOf(reader->pid);
  EXPECT_TRUE(!stat || stat->state == 'Z');
  ASSERT_TRUE(reader->process->waitForFinished(5000));
  EXPECT_EQ(reader->process->exitStatus(), QProcess::CrashExit);

  // Asked again once it has been collected: still gone, still true.
  EXPECT_TRUE(app->forceTerminate());
}

TEST(RunningApplication, ForceTerminateSparesAProcessThatTookOverTheId) {
  auto reader = startStandIn(launchedFrom(kReaderEntry));
  auto real = Workspace::sharedWorkspace().runningApplication(reader->pid);
  ASSERT_TRUE(real.has_value());
  // A handle to an earlier process that had the same id.
  RunningApplication earlier(reader->pid, real->startTime() - 1, kReaderId, kReaderEntry);
  EXPECT_TRUE(earlier.forceTerminate()) << "the process it names is gone";
  testsupport::pump(std::chrono::milliseconds(200));
  EXPECT_EQ(reader->process->state(), QProcess::Running);
  EXPECT_EQ(statOf(reader->pid)->state == 'Z', false);
}

TEST(RunningApplication, ForceTerminateIsRefusedForAnotherUsersProcess) {
  if (getuid() != 0) {
    auto init = statOf(1);
    ASSERT_TRUE(init.has_value());
    RunningApplication initApp(1, init->startTime, std::nullopt, std::nullopt);
    EXPECT_FALSE(initApp.forceTerminate());
    return;
  }
  auto reader = startStandIn(launchedFrom(kReaderEntry));
  QProcess probe;
  probe.start(QStringLiteral(ORVELLA_WORKSPACE_PROBE),
              {QStringLiteral("65534"), QStringLiteral("kill"), QString::number(reader->pid),
               QString::number(statOf(reader->pid)->startTime)});
  ASSERT_TRUE(probe.waitForFinished(30000));
  EXPECT_EQ(probe.readAllStandardOutput().trimmed(), "refused");
  testsupport::pump(std::chrono::milliseconds(100));
  EXPECT_EQ(reader->process->state(), QProcess::Running);
}

TEST(SystemdUnit, GivesTheAppIdThatADesktopStartedTheProcessUnder) {
  const std::vector<std::pair<const char *, std::optional<QString>>> cases = {
      // GNOME and KDE: a scope per launch, with or without the launcher.
      {"0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
       "app-gnome-com.Corvanex.Orvella-4213.scope\n",
       kReaderId},
      {"0::/user.slice/user@1000.service/app.slice/app-com.Corvanex.Orvella-a1b2c3.scope\n",
       kReaderId},
      // A service, with and without an instance.
      {"0::/user.slice/user@1000.service/app.slice/app-com.Corvanex.Orvella@9f8e.service\n",
       kReaderId},
      {"0::/user.slice/user@1000.service/app.slice/"
       "app-dbus\\x2d:1.2-com.Corvanex.Orvella.service\n",
       kReaderId},
      // '-' in the id is escaped.
      {"0::/app.slice/app-gnome-org.example.My\\x2dReader-77.scope\n",
       QStringLiteral("org.example.My-Reader")},
      // The legacy hierarchy's systemd line; other controllers' lines do not count.
      {"12:cpu,cpuacct:/app-gnome-org.wrong.One-1.scope\n"
       "1:name=systemd:/user.slice/user@1000.service/app.slice/app-org.kde.dolphin-3.scope\n",
       QStringLiteral("org.kde.dolphin")},
      // Not an application's unit.
      {"0::/user.slice/user-1000.slice/session-2.scope\n", std::nullopt},
      {"0::/user.slice/user@1000.service/app.slice/vte-spawn-0c1d.scope\n", std::nullopt},
      {"0::/user.slice/user@1000.service/app.slice/app-com.Corvanex.Orvella.scope\n", std::nullopt},
      {"0::/user.slice/user@1000.service/app.slice/app-a-b-c-1.scope\n", std::nullopt},
      {"0::/user.slice/user@1000.service/app.slice\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto &[cgroup, expected] : cases) {
    EXPECT_EQ(Workspace::appIdFromCgroup(cgroup), expected) << cgroup;
  }
}

namespace {

// A /proc of our own: one folder per process with the files Workspace reads.
class FakeProc {
 public:
  void add(pid_t pid, const std::string &cgroup, const std::vector<std::string> &environ) {
    const std::filesystem::path dir = root_.path() / std::to_string(pid);
    std::filesystem::create_directories(dir);
    testsupport::writeFile(dir / "stat", std::to_string(pid) +
                                             " (reader) S 1 1 1 0 -1 4194304 0 0 0 0 0 0 0 0 20 "
                                             "0 1 0 " +
                                             std::to_string(1000 + pid) + " 0 0\n");
    testsupport::writeFile(dir / "cgroup", cgroup);
    std::string env;
    for (const std::string &entry : environ) env += entry + '\0';
    testsupport::writeFile(dir / "environ", env);
  }
  QString root() const { return QString::fromStdString(root_.path().string()); }

 private:
  testsupport::TempDir root_;
};

}  // namespace

TEST(Workspace, TakesTheIdFromSandboxThenUnitThenLaunchAndTheEntryTheDesktopWouldOpen) {
  testsupport::TempDir data;
  auto entryIn = [&](const std::string &folder, const std::string &id) {
    const std::filesystem::path path = data.path() / folder / "applications" / (id + ".desktop");
    std::filesystem::create_directories(path.parent_path());
    testsupport::writeFile(path, "[Desktop Entry]\nType=Application\nName=x\nExec=x\n");
    return QString::fromStdString(path.string());
  };
  const QString homeEntry = entryIn("home", "com.Corvanex.Orvella");
  entryIn("system1", "com.Corvanex.Orvella");
  const QString myReaderEntry = entryIn("system2", "org.example.My-Reader");
  ScopedEnv dataHome("XDG_DATA_HOME", (data.path() / "home").c_str());
  ScopedEnv dataDirs("XDG_DATA_DIRS", (data.path().string() + "/none:" + data.path().string() +
                                       "/system1:" + data.path().string() + "/system2")
                                          .c_str());
  const std::string readerScope = "0::/app.slice/app-gnome-com.Corvanex.Orvella-42.scope\n";
  const std::string launched = "GIO_LAUNCHED_DESKTOP_FILE=/opt/reader/com.Corvanex.Orvella.desktop";

  FakeProc proc;
  proc.add(101, "0::/app.slice/app-gnome-org.other.App-1.scope\n",
           {"FLATPAK_ID=com.Corvanex.Orvella"});
  proc.add(102, readerScope, {"GIO_LAUNCHED_DESKTOP_FILE=/x/org.other.App.desktop"});
  proc.add(103, readerScope, {launched, "GIO_LAUNCHED_DESKTOP_FILE_PID=103"});
  proc.add(104, "0::/user.slice/session-2.scope\n", {launched});
  proc.add(105, "0::/app.slice/app-org.example.My\\x2dReader@1.service\n", {});
  proc.add(106, "0::/app.slice/app-gnome-org.nowhere.App-9.scope\n", {});
  proc.add(107, "0::/user.slice/session-2.scope\n", {"HOME=/root"});

  struct Expected {
    pid_t pid;
    std::optional<QString> id;
    std::optional<QString> bundlePath;
  };
  const std::vector<Expected> expected = {
      {101, kReaderId, homeEntry},  // the sandbox names it; the entry along the data dirs
      {102, kReaderId, homeEntry},  // the unit wins over an entry of another app
      {103, kReaderId, QStringLiteral("/opt/reader/com.Corvanex.Orvella.desktop")},
      {104, kReaderId, QStringLiteral("/opt/reader/com.Corvanex.Orvella.desktop")},
      {105, QStringLiteral("org.example.My-Reader"), myReaderEntry},
      {106, QStringLiteral("org.nowhere.App"), std::nullopt},
      {107, std::nullopt, std::nullopt},
  };
  const std::vector<RunningApplication> apps = Workspace(proc.root()).runningApplications();
  ASSERT_EQ(apps.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(apps[i].processIdentifier(), expected[i].pid);
    EXPECT_EQ(apps[i].bundleIdentifier(), expected[i].id) << "process " << expected[i].pid;
    EXPECT_EQ(apps[i].bundlePath(), expected[i].bundlePath) << "process " << expected[i].pid;
    EXPECT_EQ(apps[i].startTime(), static_cast<std::uint64_t>(1000 + expected[i].pid));
  }
}
