#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ScopedEnv.h"
#include "TestSupport.h"
#include "app/RelaunchCommand.h"
#include "platform/Task.h"

namespace {

using testsupport::ScopedEnv;

QStringList args(std::initializer_list<const char *> words) {
  QStringList list;
  for (const char *word : words) list << QString::fromUtf8(word);
  return list;
}

// An opener that writes the argument vector it was started with, NUL after
// each argument, to dir/argv (renamed into place once complete). Its own name
// holds a space and a dollar sign, which the shell must leave alone too.
struct Recorder {
  std::filesystem::path script;
  std::filesystem::path output;
  std::string openerVariable;  // for ORVELLA_OPENER
};

Recorder writeRecorder(const testsupport::TempDir &dir) {
  Recorder recorder;
  recorder.script = dir / "rec $HOME.sh";
  recorder.output = dir / "argv";
  const std::string out = recorder.output.string();
  testsupport::writeFile(recorder.script,
                         "#!/bin/sh\n"
                         ": > '" +
                             out +
                             ".tmp'\n"
                             "for a in \"$0\" \"$@\"; do printf '%s\\0' \"$a\" >> '" +
                             out +
                             ".tmp'; done\n"
                             "mv '" +
                             out + ".tmp' '" + out + "'\n");
  std::filesystem::permissions(recorder.script, std::filesystem::perms::owner_all);
  recorder.openerVariable = "\"" + recorder.script.string() + "\" --flag \"two words\"";
  return recorder;
}

std::vector<std::string> splitNul(const std::string &bytes) {
  std::vector<std::string> words;
  std::string::size_type start = 0, end;
  while ((end = bytes.find('\0', start)) != std::string::npos) {
    words.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

// A bundle path that runs code if anything puts it into shell text: quotes,
// a dollar sign, backquotes, command substitution, a backslash, a semicolon
// and a newline, in a folder whose name holds spaces.
std::string hostilePath(const testsupport::TempDir &dir) {
  const std::string d = dir.path().string();
  return d + "/Orvella \"Reader\" $HOME `touch " + d + "/pwned1` $(touch " + d +
         "/pwned2) back\\slash 'q' ;touch " + d + "/pwned3;\nline2/com.Corvanex.Orvella.desktop";
}

void expectNothingRanFromThePath(const testsupport::TempDir &dir) {
  for (const char *name : {"pwned1", "pwned2", "pwned3"}) {
    EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
  }
}

}  // namespace

TEST(RelaunchCommand, WaitsOneSecondThenRunsTheOpenerWithThePathAsOneArgument) {
  const QString path = QStringLiteral("/opt/Orvella \"x\" $y `z` \\w/com.Corvanex.Orvella.desktop");
  auto command = RelaunchCommand::build(path, args({"gio", "launch"}));
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->program, QStringLiteral("/bin/sh"));
  EXPECT_EQ(
      command->args,
      QStringList({QStringLiteral("-c"), QStringLiteral("sleep 1.000000; exec \"$@\""),
                   QStringLiteral("sh"), QStringLiteral("gio"), QStringLiteral("launch"), path}));

  // An opener word never becomes script text either.
  command = RelaunchCommand::build(path, args({"$(reboot)", "; rm -rf ~"}));
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->args[1], QStringLiteral("sleep 1.000000; exec \"$@\""));
  EXPECT_EQ(command->args.mid(3),
            QStringList({QStringLiteral("$(reboot)"), QStringLiteral("; rm -rf ~"), path}));
}

TEST(RelaunchCommand, RefusesPathsThatCannotReachTheOpenerIntact) {
  for (const QString &path : {QString(), QStringLiteral("relative/com.Corvanex.Orvella.desktop"),
                              QStringLiteral("-n.desktop"), QString::fromUtf8("/a\0b", 4)}) {
    EXPECT_FALSE(RelaunchCommand::build(path, RelaunchCommand::defaultOpener()).has_value())
        << path.toStdString();
  }
  EXPECT_FALSE(RelaunchCommand::build(QStringLiteral("/x.desktop"), {QString::fromUtf8("a\0b", 3)})
                   .has_value());
}

TEST(RelaunchCommand, OpenerComesFromTheEnvironmentElseGioLaunch) {
  const QStringList gio = args({"gio", "launch"});
  EXPECT_EQ(RelaunchCommand::defaultOpener(), gio);
  {
    ScopedEnv unset("ORVELLA_OPENER", nullptr);
    EXPECT_EQ(RelaunchCommand::openerFromEnvironment(), gio);
  }
  {
    ScopedEnv blank("ORVELLA_OPENER", "   ");
    EXPECT_EQ(RelaunchCommand::openerFromEnvironment(), gio);
  }
  {
    ScopedEnv set("ORVELLA_OPENER", "\"/opt/my opener\" --new-window 'x'");
    EXPECT_EQ(RelaunchCommand::openerFromEnvironment(),
              args({"/opt/my opener", "--new-window", "'x'"}));
  }
  auto command = RelaunchCommand::build(QStringLiteral("/x.desktop"), {});
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->args.mid(3), args({"gio", "launch", "/x.desktop"}));
}

TEST(Relaunch, OpenerGetsTheExactPathAfterOneSecond) {
  testsupport::TempDir dir;
  Recorder recorder = writeRecorder(dir);
  ScopedEnv opener("ORVELLA_OPENER", recorder.openerVariable.c_str());
  const std::string path = hostilePath(dir);
  auto command = RelaunchCommand::build(QString::fromStdString(path),
                                        RelaunchCommand::openerFromEnvironment());
  ASSERT_TRUE(command.has_value());

  QElapsedTimer timer;
  timer.start();
  ASSERT_TRUE(Task::launchDetached(command->program, command->args));
  testsupport::pump(std::chrono::milliseconds(500));
  EXPECT_FALSE(std::filesystem::exists(recorder.output)) << "the opener ran before the wait";
  ASSERT_TRUE(testsupport::waitUntil([&] { return std::filesystem::exists(recorder.output); }));
  const qint64 elapsed = timer.elapsed();
  std::printf("opener ran %lld ms after the launch\n", static_cast<long long>(elapsed));
  EXPECT_GE(elapsed, 1000);

  EXPECT_EQ(splitNul(testsupport::readFile(recorder.output)),
            (std::vector<std::string>{recorder.script.string(), "--flag", "two words", path}));
  expectNothingRanFromThePath(dir);
}

TEST(Relaunch, OutlivesTheProcessThatStartedIt) {
  testsupport::TempDir dir;
  Recorder recorder = writeRecorder(dir);
  const std::string path = hostilePath(dir);
  QProcess exporter;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("ORVELLA_OPENER"), QString::fromStdString(recorder.openerVariable));
  exporter.setProcessEnvironment(env);
  exporter.start(QStringLiteral(ORVELLA_RELAUNCH_PROBE), {QString::fromStdString(path)});
  ASSERT_TRUE(exporter.waitForFinished(10000));
  ASSERT_EQ(exporter.exitCode(), 0);
  EXPECT_EQ(exporter.readAllStandardOutput().trimmed(), "launched");
  EXPECT_FALSE(std::filesystem::exists(recorder.output)) << "ran while the exporter still lived";

  ASSERT_TRUE(testsupport::waitUntil([&] { return std::filesystem::exists(recorder.output); }));
  EXPECT_EQ(splitNul(testsupport::readFile(recorder.output)),
            (std::vector<std::string>{recorder.script.string(), "--flag", "two words", path}));
  expectNothingRanFromThePath(dir);
}

TEST(Relaunch, DefaultOpenerStartsTheApplicationOfADesktopEntry) {
  if (QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty()) {
    GTEST_SKIP() << "gio is not installed";
  }
  testsupport::TempDir dir;
  const auto marker = dir / "started";
  const auto entry = dir / "Orvella \"R\" $x `y` \\z.desktop";
  testsupport::writeFile(entry,
                         "[Desktop Entry]\nType=Application\nName=Stand-in reader\n"
                         "Exec=touch " +
                             marker.string() + "\n");
  ScopedEnv opener("ORVELLA_OPENER", nullptr);
  auto command = RelaunchCommand::build(QString::fromStdString(entry.string()),
                                        RelaunchCommand::openerFromEnvironment());
  ASSERT_TRUE(command.has_value());
  QElapsedTimer timer;
  timer.start();
  ASSERT_TRUE(Task::launchDetached(command->program, command->args));
  ASSERT_TRUE(testsupport::waitUntil([&] { return std::filesystem::exists(marker); }));
  EXPECT_GE(timer.elapsed(), 1000);
}
