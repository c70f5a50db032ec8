// The exporter run as a process on storage that fails: each system call that
// writes a file fails in turn (FailingCalls.c, preloaded), with each error a
// disk gives. The user gets one sentence with the system's reason, the file
// that was there before is as it was, and nothing is left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <cstring>
#include <map>

#include "ProgramRun.h"
#include "TestSupport.h"

using namespace programrun;

namespace {

const QString kSample = QStringLiteral(ORVELLA_SAMPLE_DATABASE);

const char *const kCalls[] = {"open", "write", "fdatasync", "linkat", "rename", "close", "fchmod"};

struct Error {
  const char *name;
  int value;
};
const Error kErrors[] = {{"EIO", EIO}, {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}};

// The program with `call` failing with `error` for the files in folder.
QProcessEnvironment failing(const fs::path &folder, const char *call, const char *error) {
  QProcessEnvironment env = headless();
  env.insert("LD_PRELOAD", ORVELLA_FAILING_CALLS);
  env.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
  env.insert("ORVELLA_FAIL_UNDER", qpath(folder));
  env.insert("ORVELLA_FAIL_CALL", call);
  env.insert("ORVELLA_FAIL_ERRNO", error);
  return env;
}

std::map<std::string, std::string> contentsOf(const fs::path &folder) {
  std::map<std::string, std::string> files;
  for (const auto &name : namesIn(folder)) files[name] = readFile(folder / name);
  return files;
}

// The whole of standard error is one line that gives the system's reason.
void expectOneSentenceWith(const QByteArray &err, int error) {
  EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
  EXPECT_TRUE(err.contains(std::strerror(error))) << err.toStdString();
  EXPECT_TRUE(err.trimmed().endsWith(".")) << err.toStdString();
}

}  // namespace

// Over an older export. A temporary file that could not be given the older
// file's permissions (fchmod) fails the write as well: the export would
// otherwise take its place with other permissions than the user gave it.
TEST(FailingStorage, AnExportThatCannotBeWrittenLeavesTheOlderOneAsItWas) {
  TempDir dir;
  const fs::path out = dir / "out";
  fs::create_directory(out);
  const fs::path target = out / "My Feeds.opml";
  writeFile(target, "<opml>an older export</opml>");
  fs::permissions(target, fs::perms(0640));
  for (const char *call : kCalls) {
    for (const Error &error : kErrors) {
      SCOPED_TRACE(std::string(call) + " " + error.name);
      const Outcome r = run({"--database", kSample, "--export", qpath(target)}, dir.path(),
                            failing(out, call, error.name));
      EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
      expectOneSentenceWith(r.err, error.value);
      EXPECT_EQ(readFile(target), "<opml>an older export</opml>");
      EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
      EXPECT_EQ(namesIn(out), std::vector<std::string>{"My Feeds.opml"}) << "a file was left";
    }
  }
  // The same program with nothing failing writes the export.
  const Outcome r = run({"--database", kSample, "--export", qpath(target)}, dir.path(),
                        failing(out, "none", "EIO"));
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
  EXPECT_NE(readFile(target).find("<outline "), std::string::npos);
}

// A new backup next to an older one: a backup is a new file, so no
// permissions are copied (fchmod is not called) and that case succeeds.
TEST(FailingStorage, ABackupThatCannotBeWrittenLeavesNoHalfBackup) {
  TempDir dir;
  const fs::path backups = dir / "backups";
  fs::create_directory(backups);
  writeFile(backups / "Orvella Feeds 2020-01-01 000000.opml", "<opml>an older backup</opml>");
  for (const char *call : kCalls) {
    for (const Error &error : kErrors) {
      SCOPED_TRACE(std::string(call) + " " + error.name);
      const auto before = contentsOf(backups);
      const Outcome r = run({"--database", kSample, "--backup", qpath(backups)}, dir.path(),
                            failing(backups, call, error.name));
      if (std::string_view(call) == "fchmod") {
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(namesIn(backups).size(), before.size() + 2) << "a backup and its copy";
        for (const auto &name : namesIn(backups)) {
          if (name != "Orvella Feeds 2020-01-01 000000.opml") fs::remove(backups / name);
        }
        continue;
      }
      if (std::string_view(call) == "rename") {
        // Only the copy beside the dated backup is renamed into place: the
        // backup itself is whole and checked, and said to be.
        EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
        expectOneSentenceWith(r.err, error.value);
        EXPECT_TRUE(r.err.startsWith("The backup \"")) << r.err.toStdString();
        for (const auto &name : namesIn(backups)) {
          if (name == "Orvella Feeds 2020-01-01 000000.opml") continue;
          EXPECT_EQ(run({"--check", qpath(backups / name)}).exitCode, 0) << name;
          fs::remove(backups / name);
        }
        EXPECT_EQ(contentsOf(backups), before);
        continue;
      }
      EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
      expectOneSentenceWith(r.err, error.value);
      EXPECT_EQ(contentsOf(backups), before) << "a backup was left or an older one changed";
    }
  }
}

// Standard output waits in an unnamed file of the temporary folder until the
// read is complete; when that file cannot be made or written, nothing goes
// to standard output. The spool makes no other of those calls: its file
// has no name to link or rename, and is closed once the output has gone.
TEST(FailingStorage, StandardOutputGetsNothingWhenTheSpoolFails) {
  TempDir dir;
  const fs::path temporary = dir / "tmp";
  fs::create_directory(temporary);
  for (const char *call : kCalls) {
    for (const Error &error : kErrors) {
      SCOPED_TRACE(std::string(call) + " " + error.name);
      QProcessEnvironment env = failing(temporary, call, error.name);
      env.insert("TMPDIR", qpath(temporary));
      const Outcome r = run({"--database", kSample, "--export", "-"}, dir.path(), env);
      const bool used = std::string_view(call) == "open" || std::string_view(call) == "write";
      if (used) {
        EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
        expectOneSentenceWith(r.err, error.value);
        EXPECT_TRUE(r.err.contains("temporary folder")) << r.err.toStdString();
        EXPECT_EQ(r.out, QByteArray());
      } else {
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.endsWith("</opml>")) << r.out.right(100).toStdString();
      }
      EXPECT_EQ(namesIn(temporary), std::vector<std::string>{});
    }
  }
}

// The bytes reach the disk before the new file takes the old one's place:
// the temporary file's fdatasync comes before the rename, on the descriptor
// the temporary file was opened as.
TEST(FailingStorage, TheExportIsOnTheDiskBeforeItReplacesTheOlderOne) {
  TempDir dir;
  const fs::path out = dir / "out";
  fs::create_directory(out);
  const fs::path target = out / "My Feeds.opml";
  writeFile(target, "older");
  QProcessEnvironment env = failing(out, "none", "EIO");
  env.insert("ORVELLA_CALL_LOG", qpath(dir / "calls"));
  const Outcome r = run({"--database", kSample, "--export", qpath(target)}, dir.path(), env);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QList<QByteArray> calls = QByteArray::fromStdString(readFile(dir / "calls")).split('\n');
  // "open FD NAME" for the temporary file: the first descriptor opened on the folder.
  qsizetype opened = -1, synced = -1, renamed = -1;
  QByteArray fd;
  for (qsizetype i = 0; i < calls.size(); ++i) {
    const QList<QByteArray> words = calls[i].split(' ');
    if (opened < 0 && words.value(0) == "open" && words.value(2) == QFile::encodeName(qpath(out))) {
      opened = i;
      fd = words.value(1);
    } else if (opened >= 0 && synced < 0 && words.value(0) == "fdatasync" && words.value(1) == fd) {
      synced = i;
    } else if (words.value(0) == "rename" && calls[i].endsWith(QFile::encodeName(qpath(target)))) {
      renamed = i;
    }
  }
  const std::string log = calls.join('\n').toStdString();
  ASSERT_GE(opened, 0) << log;
  ASSERT_GE(renamed, 0) << log;
  EXPECT_GE(synced, 0) << "the temporary file was never synced\n" << log;
  EXPECT_LT(synced, renamed) << "synced after it took the older file's place\n" << log;
}
