// The exporter run as a process against what a hostile folder, a live writer
// or an odd machine puts in its way: the reader's files are never written,
// reads are one committed state, and nothing is left behind or misreported.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QProcess>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <map>
#include <thread>

#include "ProgramRun.h"
#include "TestSupport.h"
#include "WriterProcess.h"

using namespace programrun;

namespace {

const QString kSample = QStringLiteral(ORVELLA_SAMPLE_DATABASE);

std::map<std::string, std::string> contentsOf(const fs::path &folder) {
  std::map<std::string, std::string> files;
  for (const auto &name : namesIn(folder)) {
    if (fs::is_regular_file(fs::symlink_status(folder / name))) {
      files[name] = readFile(folder / name);
    }
  }
  return files;
}

// A feeds table of n rows, all titled "Gen 0".
std::string feedsOf(int n) {
  return std::string(kFeedsSchema) +
         "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < " +
         std::to_string(n) +
         ") INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK)"
         " SELECT 'https://s/' || v, 'Gen 0', 1, 'https://s/f' || v FROM n;";
}

// Standard output opened read-write on a file, as `1<>file` does.
std::function<void()> stdoutOnto(const fs::path &file) {
  return [file] {
    const int fd = ::open(file.c_str(), O_RDWR);
    if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) _exit(98);
  };
}

struct Outline {
  QString text, xmlUrl;
};

std::vector<Outline> outlinesOf(const QByteArray &document) {
  std::vector<Outline> outlines;
  QXmlStreamReader xml(document);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement &&
        xml.name() == QLatin1String("outline")) {
      outlines.push_back(
          {xml.attributes().value("text").toString(), xml.attributes().value("xmlUrl").toString()});
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return outlines;
}

}  // namespace

TEST(ExportSafety, NoSpellingOfTheReadersFilesIsATarget) {
  TempDir dir;
  const fs::path db = dir / "Feeds";
  execSql(db, "PRAGMA journal_mode=WAL;" + feedsOf(10));
  // 300 committed rows wait in the log, not yet in the database file.
  auto writer = startWriter(db, {"wal", "300"});
  killWriter(*writer);
  fs::create_directory(dir / "sub");
  fs::create_symlink("Feeds", dir / "link.opml");
  fs::create_symlink("Feeds-journal", dir / "to-journal.opml");
  const auto before = contentsOf(dir.path());
  ASSERT_TRUE(before.count("Feeds-wal") && before.count("Feeds-shm"));

  for (const char *target : {"Feeds", "link.opml", "Feeds-wal", "Feeds-shm", "sub/../Feeds-wal",
                             "Feeds-journal", "to-journal.opml", "/dev/stdout"}) {
    SCOPED_TRACE(target);
    const Outcome r = run({"--database", "Feeds", "--export", target}, dir.path(), headless(),
                          std::string_view(target) == "/dev/stdout" ? stdoutOnto(db) : nullptr);
    EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the reader's database")) << r.err.toStdString();
  }
  // Standard output that a redirection opened on the database or its log.
  for (const char *file : {"Feeds", "Feeds-wal"}) {
    for (const QStringList &mode : {QStringList{"--export", "-"}, QStringList{"--list"}}) {
      SCOPED_TRACE(std::string(file) + " " + mode.join(' ').toStdString());
      const Outcome r = run(QStringList{"--database", "Feeds"} + mode, dir.path(), headless(),
                            stdoutOnto(dir / file));
      EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
      EXPECT_TRUE(r.err.contains("Standard output is the database")) << r.err.toStdString();
    }
  }
  EXPECT_EQ(contentsOf(dir.path()), before);
  const Outcome list = run({"--database", "Feeds", "--list"}, dir.path());
  EXPECT_EQ(list.out.count('\n'), 310) << "the log's rows are all still there";
}

namespace {

// A machine whose reader keeps its database under the test's own folder:
// HOME is there, and XDG_DATA_HOME is not set.
struct ReaderHome {
  explicit ReaderHome(const fs::path &home)
      : documents(home / ".local" / "share" / "QM4T8ZK2WR.com.Corvanex.Orvella" / "Documents") {
    fs::create_directories(documents);
    fs::copy_file(kSample.toStdString(), documents / "Feeds");
    env.remove("XDG_DATA_HOME");
    env.insert("HOME", qpath(home));
  }
  fs::path database() const { return documents / "Feeds"; }

  fs::path documents;
  QProcessEnvironment env = headless();
};

// Runs the program with args in a mount namespace of its own, where folder
// `from` is also seen at `to`; exit status 77 where no namespace can be made.
Outcome runWithBindMount(const fs::path &from, const fs::path &to, const QStringList &args,
                         const fs::path &workingDir, const QProcessEnvironment &env) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(qpath(workingDir));
  process.start(
      "unshare",
      QStringList{"-m", "sh", "-c", "mount --bind \"$1\" \"$2\" || exit 77; shift 2; exec \"$@\"",
                  "sh", qpath(from), qpath(to), qEnvironmentVariable("ORVELLA_BINARY")} +
          args);
  EXPECT_TRUE(process.waitForFinished(60'000));
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

// A copy of the database is read, and the reader's own database, or the
// copy's own files, are reached by some other name than the one the guard
// knows: each is refused and nothing of the reader's changes or appears.
TEST(ExportSafety, NoOtherNameOfTheReadersOwnDatabaseIsATarget) {
  TempDir dir;
  const ReaderHome reader(dir / "home");
  fs::create_directory(dir / "copy");
  fs::copy_file(kSample.toStdString(), dir / "copy" / "Feeds");
  fs::create_directory(reader.documents / "sub");
  // Names that lead to the reader's database.
  fs::create_hard_link(reader.database(), dir / "hard.opml");
  fs::create_symlink(reader.database(), dir / "direct.opml");
  fs::create_symlink("chain-2.opml", dir / "chain-1.opml");
  fs::create_symlink(dir / "chain-3.opml", dir / "chain-2.opml");
  fs::create_symlink(reader.database(), dir / "chain-3.opml");
  fs::create_symlink(reader.documents / "sub", dir / "linked-sub");
  fs::create_directory(dir / "alias");
  const auto before = contentsOf(reader.documents);
  const std::string copy = readFile(dir / "copy" / "Feeds");

  struct Case {
    const char *what;
    QString target;
    std::function<void()> inChild;
  };
  const Case cases[] = {
      {"its own name", qpath(reader.database()), nullptr},
      {"a hard link", "hard.opml", nullptr},
      {"a link", "direct.opml", nullptr},
      {"a chain of links", "chain-1.opml", nullptr},
      {".. through a linked folder", "linked-sub/../Feeds", nullptr},
      {"a log that does not exist yet, through a linked folder", "linked-sub/../Feeds-wal",
       nullptr},
      {"/proc/self/fd/N", "/proc/self/fd/7",
       [file = reader.database()] {
         const int fd = ::open(file.c_str(), O_RDWR);
         if (fd < 0 || ::dup2(fd, 7) < 0) _exit(98);
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome r =
        run({"--database", "copy/Feeds", "--export", c.target}, dir.path(), reader.env, c.inChild);
    EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the reader's database")) << r.err.toStdString();
  }
  // Standard output that a redirection opened on the reader's database.
  for (const QStringList &mode : {QStringList{"--export", "-"}, QStringList{"--list"}}) {
    SCOPED_TRACE(mode.join(' ').toStdString());
    const Outcome r = run(QStringList{"--database", "copy/Feeds"} + mode, dir.path(), reader.env,
                          stdoutOnto(reader.database()));
    EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Standard output is the reader's database")) << r.err.toStdString();
  }

  // A bind mount of the reader's folder, and of the copy's: the database and
  // the side files that do not exist yet.
  struct Mounted {
    fs::path folder;
    const char *name;
  };
  for (const Mounted &m :
       {Mounted{reader.documents, "Feeds"}, Mounted{reader.documents, "Feeds-wal"},
        Mounted{reader.documents, "Feeds-journal"}, Mounted{dir / "copy", "Feeds-wal"},
        Mounted{dir / "copy", "Feeds-journal"}}) {
    SCOPED_TRACE(m.folder.string() + " " + m.name);
    const Outcome r =
        runWithBindMount(m.folder, dir / "alias",
                         {"--database", "copy/Feeds", "--export", qpath(dir / "alias" / m.name)},
                         dir.path(), reader.env);
    if (r.exitCode == 77) GTEST_SKIP() << "no mount namespace here: " << r.err.toStdString();
    EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the reader's database")) << r.err.toStdString();
  }
  EXPECT_EQ(contentsOf(reader.documents), before);
  EXPECT_EQ(namesIn(dir / "copy"), std::vector<std::string>{"Feeds"});
  EXPECT_EQ(readFile(dir / "copy" / "Feeds"), copy);
}

// The backup's own file name leads to the reader's database: a link, a chain
// of links or a hard link under every name the next minute's backup may take.
// A backup never replaces a name, so it finds none free and says so.
TEST(ExportSafety, TheBackupIsNeverWrittenOntoTheReadersOwnDatabase) {
  TempDir dir;
  const ReaderHome reader(dir / "home");
  fs::create_directory(dir / "copy");
  fs::copy_file(kSample.toStdString(), dir / "copy" / "Feeds");
  const auto before = contentsOf(reader.documents);
  fs::create_symlink(reader.database(), dir / "chain-end");
  for (const char *kind : {"link", "chain of links", "hard link"}) {
    SCOPED_TRACE(kind);
    const fs::path backups = dir / (std::string(kind) + " folder");
    fs::create_directory(backups);
    const QDateTime now = QDateTime::currentDateTime();
    for (int second = -2; second < 90; ++second) {
      const fs::path name =
          backups / ("Orvella Feeds " +
                     now.addSecs(second).toString("yyyy-MM-dd HHmmss").toStdString() + ".opml");
      if (std::string_view(kind) == "link") {
        fs::create_symlink(reader.database(), name);
      } else if (std::string_view(kind) == "chain of links") {
        fs::create_symlink(dir / "chain-end", name);
      } else {
        fs::create_hard_link(reader.database(), name);
      }
    }
    const Outcome r =
        run({"--database", "copy/Feeds", "--backup", qpath(backups)}, dir.path(), reader.env);
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the names of the coming seconds are all taken"))
        << r.err.toStdString();
    EXPECT_EQ(contentsOf(reader.documents), before);
  }
}

// --keep removes only the program's own backups: files of the same shape
// under another name stay, whatever their place in the folder's order.
TEST(BackupSafety, OnlyTheProgramsOwnBackupsAreRemoved) {
  TempDir dir;
  const fs::path backups = dir / "backups";
  fs::create_directory(backups);
  // An older backup of this program's, of another database.
  execSql(dir / "Older",
          std::string(kFeedsSchema) +
              "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES ('a', 'https://a/f');");
  const fs::path older = backups / "Orvella Feeds 2020-01-01 000000.opml";
  ASSERT_EQ(run({"--database", qpath(dir / "Older"), "--export", qpath(older)}).exitCode, 0);
  const struct timespec times[2] = {{0, UTIME_OMIT}, {1'577'880'000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, older.c_str(), times, 0), 0);
  // Files of the same shape and the same document under other names: only
  // the name tells them from backups.
  const std::string document = readFile(older);
  const std::vector<std::string> strangers = {"Another Feeds 2020-01-01 000000.opml",
                                              "Someone Feeds 2020-01-01 000000.opml",
                                              "orvella feeds 2020-01-01 000000.opml"};
  for (const std::string &name : strangers) {
    writeFile(backups / name, document);
    ASSERT_EQ(::utimensat(AT_FDCWD, (backups / name).c_str(), times, 0), 0);
  }
  const Outcome r = run({"--database", kSample, "--backup", qpath(backups), "--keep", "1"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("Removed 1 older backup, keeping the newest 1."))
      << r.err.toStdString();
  EXPECT_FALSE(fs::exists(backups / "Orvella Feeds 2020-01-01 000000.opml"));
  for (const std::string &name : strangers) EXPECT_EQ(readFile(backups / name), document) << name;
  EXPECT_EQ(namesIn(backups).size(), strangers.size() + 2) << "the new backup and its copy";
}

TEST(ExportSafety, FilesTheUserMayNotWriteAreNotReplaced) {
  TempDir dir;
  fs::copy_file(kSample.toStdString(), dir / "Feeds");
  fs::permissions(dir / "Feeds", fs::perms(0644));
  struct Case {
    const char *name;
    unsigned mode;
    bool asNobody;  // the file is root's, the folder nobody's, the exporter nobody
  };
  std::vector<Case> cases = {{"mine-0444.opml", 0444, false}, {"mine-0400.opml", 0400, false}};
  if (geteuid() == 0) cases.push_back({"roots-0644.opml", 0644, true});
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path folder = dir / (std::string(c.name) + ".d");
    fs::create_directory(folder);
    writeFile(folder / c.name, "earlier export");
    fs::permissions(folder / c.name, fs::perms(c.mode));
    if (c.asNobody) {
      ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    const Outcome r = run({"--database", qpath(dir / "Feeds"), "--export", c.name}, folder,
                          headless(), c.asNobody ? std::function<void()>(runAsNobody) : nullptr);
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("write-protected")) << r.err.toStdString();
    EXPECT_EQ(readFile(folder / c.name), "earlier export");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{c.name}) << "no temporary file left";
  }
}

TEST(ExportSafety, LinksPlantedInASharedFolderAreNotFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to plant another user's link";
  TempDir dir;
  const fs::path shared = dir / "shared";
  fs::create_directory(shared);
  fs::permissions(shared, fs::perms(01777));
  fs::create_directory(dir / "private");
  fs::permissions(dir / "private", fs::perms(0700));
  writeFile(dir / "private" / "secret", "root's own");
  fs::permissions(dir / "private" / "secret", fs::perms(0600));
  struct Case {
    const char *link;
    fs::path pointsTo;
    uid_t owner;
    int exitCode;
  };
  const Case cases[] = {
      {"to-secret", dir / "private" / "secret", 65534, 3},
      {"into-private", dir / "private" / "new.opml", 65534, 3},
      {"my-own", dir / "mine.opml", 0, 0},  // the user's own link is followed
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.link);
    fs::create_symlink(c.pointsTo, shared / c.link);
    ASSERT_EQ(::lchown((shared / c.link).c_str(), c.owner, c.owner), 0);
    const Outcome r = run({"--database", kSample, "--export", qpath(shared / c.link)});
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    if (c.exitCode != 0) {
      EXPECT_TRUE(r.err.contains("belongs to another user")) << r.err.toStdString();
    }
    EXPECT_TRUE(fs::is_symlink(shared / c.link));
  }
  EXPECT_EQ(readFile(dir / "private" / "secret"), "root's own");
  EXPECT_EQ(namesIn(dir / "private"), std::vector<std::string>{"secret"});
  EXPECT_TRUE(fs::exists(dir / "mine.opml"));
}

TEST(ExportSafety, TemporaryFilesGoOnlyToAUsableTemporaryFolder) {
  TempDir dir;
  const fs::path db = dir / "Feeds";
  execSql(db, feedsOf(20));
  // A writer killed mid-transaction leaves a hot journal: the read needs a
  // private copy in the temporary folder.
  const fs::path hot = dir / "Hot";
  execSql(hot, feedsOf(20));
  auto writer = startWriter(hot, {"hot", "2000"});
  killWriter(*writer);
  ASSERT_TRUE(fs::exists(dir / "Hot-journal"));

  QProcessEnvironment missing = headless();
  missing.insert("TMPDIR", qpath(dir / "no-such-folder"));
  for (const char *database : {"Feeds", "Hot"}) {
    SCOPED_TRACE(database);
    const Outcome r = run({"--database", database, "--export", "-"}, dir.path(), missing);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count("<outline "), 20);
  }
  EXPECT_FALSE(fs::exists(dir / "no-such-folder"));

  // With no temporary folder at all (a read-only /tmp, in a mount namespace
  // of the test's own), a sentence says so.
  struct Case {
    const char *args;
    int exitCode;
  };
  // The program runs from the test's folder, which stays visible at /mnt:
  // a build under /tmp would be hidden with it.
  fs::copy_file(qEnvironmentVariable("ORVELLA_BINARY").toStdString(), dir / "orvella-exporter");
  // So do the sanitizers' suppression files that a clone under /tmp names.
  for (const char *name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "TSAN_OPTIONS"}) {
    QStringList options = missing.value(name).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (QString &option : options) {
      const QString file = option.section(QLatin1Char('='), 1);
      if (!option.startsWith(u"suppressions=") || !file.startsWith(u"/tmp/")) continue;
      const std::string copy = std::string(name) + ".supp";
      fs::copy_file(file.toStdString(), dir / copy, fs::copy_options::overwrite_existing);
      option = QStringLiteral("suppressions=/mnt/") + QString::fromStdString(copy);
    }
    if (!options.isEmpty()) missing.insert(name, options.join(QLatin1Char(':')));
  }
  for (const Case &c :
       {Case{"--database /mnt/Feeds --export -", 3}, Case{"--database /mnt/Hot --list", 1}}) {
    SCOPED_TRACE(c.args);
    QProcess process;
    process.setProcessEnvironment(missing);
    process.setWorkingDirectory(qpath(dir.path()));
    process.start("unshare", {"-m", "sh", "-c",
                              "mount --bind \"$PWD\" /mnt && mount -t tmpfs -o ro none /tmp || "
                              "exit 77; exec /mnt/orvella-exporter " +
                                  QString::fromLatin1(c.args)});
    ASSERT_TRUE(process.waitForFinished(60'000));
    if (process.exitCode() == 77) GTEST_SKIP() << "no mount namespace here";
    const QByteArray err = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), c.exitCode) << err.toStdString();
    EXPECT_TRUE(err.contains("There is no temporary folder")) << err.toStdString();
  }
}

TEST(ExportSafety, NoLeftoversWhereFilesCannotBeUnnamed) {
  // A FUSE file system (bindfs) knows no unnamed files: the export is written
  // under a temporary name, which an ending signal must take away.
  TempDir dir;
  fs::create_directory(dir / "real");
  fs::create_directory(dir / "fuse");
  QProcess mount;
  mount.start("bindfs", {qpath(dir / "real"), qpath(dir / "fuse")});
  if (!mount.waitForFinished(10'000) || mount.exitCode() != 0) {
    GTEST_SKIP() << "no FUSE file system here (bindfs): " << mount.readAllStandardError().data();
  }
  execSql(dir / "Feeds", kEndlessFeeds);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    QProcess process;
    process.setProcessEnvironment(headless());
    process.start(qEnvironmentVariable("ORVELLA_BINARY"),
                  {"--database", qpath(dir / "Feeds"), "--export", qpath(dir / "fuse" / "out")});
    ASSERT_TRUE(process.waitForStarted());
    // Once the temporary file has grown, the export is under way.
    EXPECT_TRUE(testsupport::waitUntil([&] {
      for (const auto &name : namesIn(dir / "real")) {
        std::error_code ec;
        if (fs::file_size(dir / "real" / name, ec) > 0 && !ec) return true;
      }
      return false;
    })) << "no temporary file appeared";
    ::kill(static_cast<pid_t>(process.processId()), signal);
    ASSERT_TRUE(process.waitForFinished());
    // A file removed while still open lives on as ".fuse_hidden…" until the
    // file system hears of the last close, which comes a moment after the
    // process has gone.
    testsupport::waitUntil([&] { return namesIn(dir / "real").empty(); });
    EXPECT_EQ(namesIn(dir / "real"), std::vector<std::string>{}) << "a temporary file was left";
  }
  // A private copy of a database in a temporary folder there: read through
  // files whose names could not go while they were open.
  execSql(dir / "Hot", feedsOf(20));
  auto writer = startWriter(dir / "Hot", {"hot", "200"});
  killWriter(*writer);
  QProcessEnvironment onFuse = headless();
  onFuse.insert("TMPDIR", qpath(dir / "fuse"));
  for (const QStringList &args : {QStringList{"--list"}, QStringList{"--export", "-"}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const Outcome r = run(QStringList{"--database", qpath(dir / "Hot")} + args, dir.path(), onFuse);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    testsupport::waitUntil([&] { return namesIn(dir / "real").empty(); });
    EXPECT_EQ(namesIn(dir / "real"), std::vector<std::string>{}) << "the private copy was left";
  }
  QProcess::execute("fusermount", {"-u", qpath(dir / "fuse")});
}

TEST(ExportSafety, ALiveWriterNeverTearsARead) {
  struct Case {
    const char *mode;
    int runs;
  };
  for (const Case &c : {Case{"rewrite", 8}, Case{"rewrite-wal-exclusive", 1}}) {
    SCOPED_TRACE(c.mode);
    TempDir dir;
    const fs::path db = dir / "Feeds";
    execSql(db, feedsOf(5000));
    auto writer = startWriter(db, {c.mode});
    int whole = 0;
    for (int i = 0; i < c.runs; ++i) {
      const Outcome r = run({"--database", qpath(db), "--list"});
      if (r.exitCode != 0) {
        // The one other answer a read may give: the writer kept its lock.
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains("is locked by another program")) << r.err.toStdString();
        continue;
      }
      QSet<QByteArray> generations;
      const QList<QByteArray> lines = r.out.split('\n');
      for (const QByteArray &line : lines) {
        if (!line.isEmpty()) generations.insert(line.left(line.indexOf('\t')));
      }
      EXPECT_EQ(lines.size() - 1, 5000);
      EXPECT_EQ(generations.size(), 1) << "rows of two states mixed in run " << i;
      ++whole;
    }
    killWriter(*writer);
    RecordProperty(c.mode, whole);
  }
}

// A writer writes the database file over with two committed states in turn.
// A log without its index beside it (the writer stands for one in exclusive
// locking mode, checkpointing under SQLite's exclusive lock) sends every
// read to a private copy, taken under a reader's shared lock. A database
// closed cleanly (the writer closes its connection after each state, which
// writes the log into the file and removes it) is read without locks and
// checked afterwards, and read again when it changed meanwhile. Without
// either rule, a read catches the file half-way and mixes the two states.
TEST(ExportSafety, AReadIsOneCommittedStateWhileTheDatabaseFileIsRewritten) {
  for (const bool logWithoutIndex : {true, false}) {
    SCOPED_TRACE(logWithoutIndex ? "a log without its index" : "closed cleanly");
    TempDir dir;
    const fs::path db = dir / "Feeds";
    for (const char *image : {"Gen-0", "Gen-1"}) {
      execSql(dir / image, "PRAGMA journal_mode=WAL;" + feedsOf(20000) +
                               "UPDATE FEEDS SET FEED_TITLE = '" + image + "';");
    }
    fs::copy_file(dir / "Gen-0", db);
    if (logWithoutIndex) writeFile(dir / "Feeds-wal", std::string(32, '\0'));
    auto writer = logWithoutIndex
                      ? startWriter(db, {"checkpoint", qpath(dir / "Gen-0"), qpath(dir / "Gen-1")})
                      : startWriter(db, {"rewrite-wal-reopening"});
    if (logWithoutIndex) {
      ASSERT_FALSE(fs::exists(dir / "Feeds-shm"));
    }
    int whole = 0;
    QSet<QString> seen;
    for (int i = 0; i < 30; ++i) {
      const Outcome r = run({"--database", qpath(db), "--export", "-"});
      if (r.exitCode != 0) {
        // The one other answer a read may give: the writer kept its lock.
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains("is locked by another program")) << r.err.toStdString();
        continue;
      }
      QSet<QString> generations;
      const std::vector<Outline> outlines = outlinesOf(r.out);
      for (const Outline &outline : outlines) generations.insert(outline.text);
      EXPECT_EQ(outlines.size(), 20000u);
      EXPECT_EQ(generations.size(), 1)
          << "rows of two states mixed in run " << i << ": "
          << QStringList(generations.values()).join(", ").toStdString();
      seen += generations;
      ++whole;
    }
    killWriter(*writer);
    EXPECT_GE(whole, 10) << "too few reads got past the writer to tell";
    EXPECT_EQ(seen.size(), 2) << "the writer never wrote during the reads";
    RecordProperty(logWithoutIndex ? "whole_with_log" : "whole_closed_cleanly", whole);
  }
}

TEST(ExportSafety, EveryFeedKeepsANameAndEveryCharacter) {
  TempDir dir;
  execSql(dir / "Feeds", std::string(kFeedsSchema) +
                             "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK)"
                             " VALUES ('https://a/', NULL, 1, 'https://a/feed'),"
                             " ('https://b/', '', 1, NULL),"
                             " ('https://c/', x'43616ff6', 1, 'https://c/f\xc3\xa9');");
  const Outcome r = run({"--database", "Feeds", "--export", "-"}, dir.path());
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  const std::vector<Outline> outlines = outlinesOf(r.out);
  ASSERT_EQ(outlines.size(), 3u);
  EXPECT_EQ(outlines[0].text, "https://a/feed") << "named by its feed address";
  EXPECT_EQ(outlines[1].text, "https://b/") << "no feed address: named by its site";
  EXPECT_EQ(outlines[2].text, QString("Cao") + QChar(0xFFFD))
      << "valid characters kept, invalid bytes replaced";
  EXPECT_EQ(outlines[2].xmlUrl, QString::fromUtf8("https://c/f\xc3\xa9"));
  EXPECT_TRUE(r.err.contains("1 of the feeds' texts held bytes that are not valid UTF-8"))
      << r.err.toStdString();
}

TEST(ExportSafety, SentencesNameTheRealCause) {
  TempDir dir;
  execSql(dir / "Refused",
          "CREATE VIEW FEEDS AS SELECT load_extension('x') AS FEED_URL,"
          " 1 AS FEED_TITLE, 1 AS CHANNEL_TYPE, 1 AS INTERNAL_LINK;");
  fs::copy_file(kSample.toStdString(), dir / "Feeds");
  QProcessEnvironment relativeHome = headless();
  relativeHome.remove("XDG_DATA_HOME");
  relativeHome.insert("HOME", "relative/home");
  struct Case {
    const char *what;
    QStringList args;
    QProcessEnvironment env;
    std::function<void()> inChild;
    int exitCode;
    const char *says;
  };
  const Case cases[] = {
      {"a view calling a refused function",
       {"--database", "Refused", "--list"},
       headless(),
       nullptr,
       1,
       "calls a function that SQLite refuses"},
      {"no file descriptors left",
       {"--database", "Feeds", "--list"},
       headless(),
       [] {
         // Enough for the program to start, too few to open the database.
         rlimit few{5, 5};
         setrlimit(RLIMIT_NOFILE, &few);
       },
       1,
       "too many files are open"},
      {"HOME set but relative",
       {"--list"},
       relativeHome,
       nullptr,
       1,
       "HOME is not an absolute path"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's own runtime needs descriptors of its own to report.
    if (c.inChild) continue;
#endif
    const Outcome r = run(c.args, dir.path(), c.env, c.inChild);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
  }
}

TEST(ExportSafety, ATargetUnderAWorkingFolderDeeperThanTheSystemSpellsIsWritten) {
  TempDir dir;
  // 40 levels of 200 bytes: far past PATH_MAX (4096) from the root.
  const std::string level(200, 'd');
  const Outcome r =
      run({"--database", kSample, "--export", "out.opml"}, dir.path(), headless(), [level] {
        for (int i = 0; i < 40; ++i) {
          if (::mkdir(level.c_str(), 0700) != 0 || ::chdir(level.c_str()) != 0) _exit(97);
        }
      });
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  fs::path deep = dir.path();
  int fd = ::open(deep.c_str(), O_RDONLY | O_DIRECTORY);
  for (int i = 0; i < 40 && fd >= 0; ++i) {
    const int next = ::openat(fd, level.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    fd = next;
  }
  ASSERT_GE(fd, 0);
  struct stat info {};
  EXPECT_EQ(::fstatat(fd, "out.opml", &info, 0), 0) << "the export is in the working folder";
  EXPECT_GT(info.st_size, 1000);
  ::close(fd);
  fs::remove_all(dir.path());  // TempDir's own removal may not reach that deep
}

TEST(ExportSafety, TheWindowQuitsAtOnceDuringAReadWithoutEnd) {
  TempDir dir;
  execSql(dir / "Feeds", kEndlessFeeds);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(qEnvironmentVariable("ORVELLA_BINARY"), {"--database", qpath(dir / "Feeds")});
  ASSERT_TRUE(process.waitForStarted());
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  ASSERT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().data();
  ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
  const auto asked = std::chrono::steady_clock::now();
  const bool ended = process.waitForFinished(10'000);
  const auto took = std::chrono::steady_clock::now() - asked;
  EXPECT_TRUE(ended) << "still running 10 s after SIGTERM";
  if (!ended) process.kill();
  process.waitForFinished();
  // Figures for the log, not a limit: the test only fails on a hang.
  RecordProperty(
      "quit_ms",
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
}

TEST(ExportSafety, AWindowThatCannotStartSaysWhyAndEnds) {
  TempDir dir;
  ::mkfifo((dir / "pipe.qss").c_str(), 0600);
  // A sparse 3 GiB file, which Qt would read whole while a signal to end waits.
  {
    std::ofstream huge(dir / "huge.qss");
    huge.seekp(3LL * 1024 * 1024 * 1024);
    huge << '}';
  }
  QProcessEnvironment offscreen = headless();
  offscreen.insert("QT_QPA_PLATFORM", "offscreen");
  struct Case {
    QStringList args;
    QProcessEnvironment env;
    int exitCode;
    const char *says;
  };
  const Case cases[] = {
      {{}, headless(), 7, "no display was found"},
      {{"-platform", "nosuch"}, headless(), 7, "no display platform \"nosuch\" installed"},
      {{"-stylesheet", "/dev/zero"}, offscreen, 2, "\"/dev/zero\" is not a file"},
      {{"-stylesheet=" + qpath(dir / "pipe.qss")}, offscreen, 2, "pipe.qss\" is not a file"},
      {{"-stylesheet", qpath(dir / "huge.qss")}, offscreen, 2, "huge.qss\" is 3072 MB, larger"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    QProcess process;
    process.setProcessEnvironment(c.env);
    process.start(qEnvironmentVariable("ORVELLA_BINARY"),
                  QStringList{"--database", kSample} + c.args);
    if (!process.waitForFinished(20'000)) {
      process.kill();
      process.waitForFinished();
      ADD_FAILURE() << "still running after 20 s";
      continue;
    }
    const QByteArray err = process.readAllStandardError();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(process.exitCode(), c.exitCode) << err.toStdString();
    EXPECT_TRUE(err.contains(c.says)) << err.toStdString();
  }
}

TEST(ExportSafety, NoSessionBusIsLeftRunningWhereThereWasNone) {
  // Without a session bus, libdbus would start one for the X display and
  // note it under ~/.dbus; it would outlive the exporter.
  QProcess xvfb;
  xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
  if (!xvfb.waitForStarted() || !xvfb.waitForReadyRead(10'000)) GTEST_SKIP() << "no Xvfb here";
  const QString display = ":" + QString::fromLatin1(xvfb.readLine().trimmed());
  TempDir home;
  fs::create_directory(home / "runtime");
  fs::permissions(home / "runtime", fs::perms::owner_all);
  QProcessEnvironment env = headless();
  env.remove("DBUS_SESSION_BUS_ADDRESS");
  env.insert("DISPLAY", display);
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.insert("HOME", qpath(home.path()));
  env.insert("XDG_RUNTIME_DIR", qpath(home / "runtime"));
  env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(qEnvironmentVariable("ORVELLA_BINARY"), {"--database", kSample});
  ASSERT_TRUE(process.waitForStarted());
  std::this_thread::sleep_for(std::chrono::seconds(2));
  ASSERT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().data();
  ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
  ASSERT_TRUE(process.waitForFinished());
  const fs::path buses = home / ".dbus" / "session-bus";
  std::vector<std::string> started;
  if (fs::exists(buses)) started = namesIn(buses);
  for (const auto &name : started) {
    // Ended here, so that a failure leaves nothing running either.
    const std::string text = readFile(buses / name);
    const auto at = text.find("DBUS_SESSION_BUS_PID=");
    if (at != std::string::npos) ::kill(std::stoi(text.substr(at + 21)), SIGTERM);
  }
  EXPECT_EQ(started, std::vector<std::string>{}) << "a session bus was started and left running";
  xvfb.terminate();
  xvfb.waitForFinished();
}

TEST(ExportSafety, AddressesThatCarrySecretsAreToldAndLeftOutOnRequest) {
  TempDir dir;
  execSql(
      dir / "Feeds",
      std::string(kFeedsSchema) +
          "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) VALUES"
          " ('https://a.example', 'A', 1, 'https://ann:pw@a.example/rss'),"
          " ('https://b.example/?X-Amz-Signature=1', 'B', 1, 'https://b.example/rss'),"
          " ('https://c.example', 'C', 1, 'https://c.example/rss?sort_key=date'),"
          " ('https://d.example', 'D', 1, 'https://d.example/u/8f14e45fceea167a5a36dedd4b/rss');");
  struct Case {
    QStringList args;
    const char *output;  // where the document is, in the folder; "" for standard output
    std::vector<const char *> said;
    std::vector<const char *> addresses;  // in the document
  };
  const char *kept[] = {"https://ann:pw@a.example/rss", "https://b.example/?X-Amz-Signature=1",
                        "https://c.example/rss?sort_key=date"};
  const std::vector<Case> cases = {
      {{"--export", "-"},
       "",
       {"Warning: 2 of the exported feeds carry", "Note: 1 of the exported feeds has",
        "4 feeds written to standard output and checked."},
       {kept[0], kept[1], kept[2]}},
      {{"--export", "out.opml"},
       "out.opml",
       {"Warning: 2 of the exported feeds carry", "4 feeds written to"},
       {kept[0], kept[1], kept[2]}},
      {{"--export", "-", "--without-secrets"},
       "",
       {"Left out 2 feeds whose address carries", "2 feeds written to standard output"},
       {kept[2]}},
      {{"--export", "out.opml", "--without-secrets"},
       "out.opml",
       {"Left out 2 feeds whose address carries", "2 feeds written to"},
       {kept[2]}},
      {{"--backup", "Backups", "--without-secrets"},
       "Backups/Orvella Feeds.opml",
       {"Left out 2 feeds whose address carries", "2 feeds backed up to"},
       {kept[2]}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const Outcome r = run(QStringList{"--database", qpath(dir / "Feeds")} + c.args, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (const char *sentence : c.said)
      EXPECT_TRUE(r.err.contains(sentence)) << r.err.toStdString();
    if (c.args.contains("--without-secrets")) {
      EXPECT_FALSE(r.err.contains("Warning"));
    }
    const std::string document =
        *c.output ? readFile(dir / c.output) : std::string(r.out.constData(), r.out.size());
    for (const char *address : kept) {
      const bool expected = std::find_if(c.addresses.begin(), c.addresses.end(), [&](auto *a) {
                              return std::string_view(a) == address;
                            }) != c.addresses.end();
      QByteArray escaped = QByteArray(address).replace("&", "&amp;");
      EXPECT_EQ(document.find(escaped.toStdString()) != std::string::npos, expected) << address;
    }
  }
  const Outcome plain = run({"--database", kSample, "--export", "-"});
  EXPECT_FALSE(plain.err.contains("Warning")) << plain.err.toStdString();
  const Outcome alone = run({"--database", kSample, "--list", "--without-secrets"});
  EXPECT_EQ(alone.exitCode, 2);
  EXPECT_TRUE(alone.err.startsWith("The option --without-secrets goes with --export or --backup."))
      << alone.err.toStdString();
}
