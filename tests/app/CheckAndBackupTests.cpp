#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <filesystem>

#include "ProgramRun.h"
#include "TestSupport.h"
#include "WriterProcess.h"

using namespace programrun;

namespace {

const QString kSample = QStringLiteral(ORVELLA_SAMPLE_DATABASE);

// The backups of a folder: the files named as --backup names them.
std::vector<std::string> backupsIn(const fs::path &folder) {
  static const QRegularExpression pattern(
      QStringLiteral("^Orvella Feeds \\d{4}-\\d{2}-\\d{2} \\d{6}\\.opml$"));
  std::vector<std::string> found;
  for (const std::string &name : namesIn(folder)) {
    if (pattern.match(QString::fromStdString(name)).hasMatch()) found.push_back(name);
  }
  return found;
}

std::string outline(const std::string &attributes) { return "<outline " + attributes + "/>\n"; }

std::string opml(const std::string &body) {
  return "<?xml version=\"1.0\"?>\n<opml version=\"2.0\"><head/><body>\n" + body + "</body></opml>";
}

}  // namespace

TEST(CheckOption, CountsFeedsInFoldersAndEachKindOfTrouble) {
  TempDir dir;
  ASSERT_EQ(run({"--database", kSample, "--export", "ours.opml"}, dir.path()).exitCode, 0);
  writeFile(dir / "troubled.opml",
            opml("<outline text=\"Folder\">\n" + outline("text=\"A\" xmlUrl=\"https://a/f\"") +
                 outline("text=\" \" xmlUrl=\"https://b/f\"") +
                 outline("text=\"A again\" xmlUrl=\"https://a/f\"") + "<outline text=\"Inner\">" +
                 outline("text=\"G\" xmlUrl=\"gopher://c/\"") + "</outline></outline>\n" +
                 outline("text=\"No address\"") + outline("text=\"Blank address\" xmlUrl=\"\"") +
                 outline("text=\"Top\" xmlUrl=\"HTTP://d/rss\"")));
  writeFile(dir / "broken.opml",
            opml(outline("text=\"ok\" xmlUrl=\"https://a/f\"") + "<outline text=\"a & b\"/>"));
  writeFile(dir / "feed.xml", "<rss version=\"2.0\"><channel/></rss>");
  struct Case {
    const char *file;
    int exitCode;
    std::vector<const char *> sentences;  // each line of standard output starts so
  };
  const std::vector<Case> cases = {
      {"ours.opml", 0, {"\"ours.opml\" holds 45 feeds."}},
      {"troubled.opml",
       1,
       {"\"troubled.opml\" holds 5 feeds.", "2 outlines that are no folders have no feed address",
        "1 outline has an empty text", "1 feed repeats the address",
        "1 feed address does not start with http:// or https://"}},
      {"broken.opml", 1, {"\"broken.opml\" is not well-formed XML at line 4, column 19"}},
      {"feed.xml", 1, {"\"feed.xml\" is XML but no OPML document: its outermost element is <rss>"}},
      {"missing.opml", 1, {"\"missing.opml\" could not be read: No such file or directory."}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.file);
    const Outcome r = run({"--check", c.file}, dir.path());
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(static_cast<std::size_t>(lines.size()), c.sentences.size()) << r.out.toStdString();
    for (std::size_t i = 0; i < c.sentences.size(); ++i) {
      EXPECT_TRUE(lines[qsizetype(i)].startsWith(c.sentences[i]))
          << lines[qsizetype(i)].toStdString();
      EXPECT_TRUE(lines[qsizetype(i)].endsWith('.')) << lines[qsizetype(i)].toStdString();
    }
  }
}

// The exporter's own writes, changed on their way to the disk: the read-back
// must notice each change, for a file and for standard output alike.
TEST(ReadBack, AnExportThatDoesNotReadBackAsWrittenFailsWithSix) {
  TempDir dir;
  execSql(dir / "Feeds", std::string(kFeedsSchema) + kThreeThousandFeeds);
  struct Case {
    const char *what;
    const char *from;
    const char *to;
    const char *said;
  };
  const std::vector<Case> cases = {
      {"one address changed", "s/f17\"", "s/g17\"", "a different feed address in feed 17 of 3000"},
      {"one outline lost", "<outline ", "<Outline ",
       "was written with 3000 feeds, but reading it back found 2999 feeds"},
      {"broken XML", "xmlUrl=\"https://s/f5\"", "xmlUrl='https://s/f5\"", "no well-formed XML"},
      // The plain reader leaves it to the full one, which must refuse it too.
      {"a control character in a name", "htmlUrl=\"https://s/5\"", "htm\x01Url=\"https://s/5\"",
       "no well-formed XML"},
  };
  for (const Case &c : cases) {
    for (const char *target : {"out.opml", "-"}) {
      SCOPED_TRACE(std::string(c.what) + " to " + target);
      QProcessEnvironment env = headless();
      env.insert("LD_PRELOAD", ORVELLA_MANGLED_WRITE);
      env.insert("ASAN_OPTIONS",
                 qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
      env.insert("ORVELLA_MANGLE_FROM", c.from);
      env.insert("ORVELLA_MANGLE_TO", c.to);
      const Outcome r = run({"--database", "Feeds", "--export", target}, dir.path(), env);
      EXPECT_EQ(r.exitCode, 6) << r.err.toStdString();
      EXPECT_TRUE(r.err.contains(c.said)) << r.err.toStdString();
      EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
      EXPECT_TRUE(r.out.isEmpty());
    }
  }
  // Unchanged, the same export is checked and says so, its count grouped
  // as the locale groups digits.
  QProcessEnvironment english = headless();
  english.insert("LC_ALL", "en_US.UTF-8");
  const Outcome fine = run({"--database", "Feeds", "--export", "out.opml"}, dir.path(), english);
  EXPECT_EQ(fine.exitCode, 0);
  EXPECT_EQ(
      QString::fromUtf8(fine.err),
      QStringLiteral("3,000 feeds written to %1 and checked.\n").arg(qpath(dir / "out.opml")));
}

TEST(BackupOption, WritesOnlyWhatChangedKeepsTheNewestAndSaysWhatChanged) {
  TempDir dir;
  const fs::path db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) +
                  "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES ('a', 'https://a/f'),"
                  " ('b', 'https://b/f'), ('c', 'https://c/f');");
  const fs::path folder = dir / "new" / "Backups";
  auto backup = [&](const QStringList &more = {}) {
    return run(QStringList{"--database", qpath(db), "--backup", qpath(folder)} + more, dir.path());
  };

  const Outcome first = backup();
  EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
  ASSERT_EQ(backupsIn(folder).size(), 1u) << "the folder is made when missing";
  EXPECT_TRUE(
      first.err.contains("3 feeds backed up to " + qpath(folder).toUtf8() + "/Orvella Feeds "))
      << first.err.toStdString();
  EXPECT_TRUE(first.err.contains("first backup")) << first.err.toStdString();
  const std::string firstBackup = backupsIn(folder).front();

  const Outcome same = backup();
  EXPECT_EQ(same.exitCode, 0);
  EXPECT_TRUE(same.err.contains("already holds these 3 feeds")) << same.err.toStdString();
  EXPECT_EQ(backupsIn(folder), std::vector<std::string>{firstBackup});

  // Older backups, and files that only look like them, which stay.
  for (const char *name :
       {"Orvella Feeds 2020-01-01 000000.opml", "Orvella Feeds 2020-01-02 000000.opml"}) {
    writeFile(folder / name, "old");
  }
  const std::vector<std::string> strangers = {"Orvella Feeds 2020-01-01 000000.opml.bak",
                                              "Orvella Feeds 2020-1-1 000000.opml", "notes.txt"};
  for (const std::string &name : strangers) writeFile(folder / name, "mine");

  execSql(db,
          "DELETE FROM FEEDS WHERE FEED_TITLE = 'b';"
          "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES ('d', 'https://d/f'),"
          " ('e', 'https://e/f'), ('f', 'https://f/f'), ('g', 'https://g/f');");
  const Outcome changed = backup({"--keep", "2"});
  EXPECT_EQ(changed.exitCode, 0) << changed.err.toStdString();
  EXPECT_TRUE(changed.err.contains("6 feeds backed up")) << changed.err.toStdString();
  EXPECT_TRUE(changed.err.contains("since the previous backup: 4 added, 1 removed."))
      << changed.err.toStdString();
  EXPECT_TRUE(changed.err.contains("Removed 2 older backups, keeping the newest 2."))
      << changed.err.toStdString();
  const std::vector<std::string> left = backupsIn(folder);
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left.front(), firstBackup);
  EXPECT_EQ(run({"--check", qpath(folder / left.back())}).exitCode, 0);
  for (const std::string &name : strangers) EXPECT_EQ(readFile(folder / name), "mine") << name;
}

TEST(BackupOption, DefaultFolderAndFoldersThatCannotBeUsed) {
  TempDir dir;
  QProcessEnvironment env = headless();
  env.insert("XDG_DOCUMENTS_DIR", qpath(dir / "Papers"));
  const Outcome byDefault = run({"--database", kSample, "--backup"}, dir.path(), env);
  EXPECT_EQ(byDefault.exitCode, 0) << byDefault.err.toStdString();
  EXPECT_EQ(backupsIn(dir / "Papers" / "Orvella Backups").size(), 1u);

  writeFile(dir / "file", "x");
  const Outcome underAFile = run({"--database", kSample, "--backup", "file/Backups"}, dir.path());
  EXPECT_EQ(underAFile.exitCode, 3);
  EXPECT_TRUE(underAFile.err.startsWith("Could not use the backup folder \"" +
                                        qpath(dir / "file" / "Backups").toUtf8()))
      << underAFile.err.toStdString();

  const Outcome notTogether = run({"--database", kSample, "--keep", "3", "--list"}, dir.path());
  EXPECT_EQ(notTogether.exitCode, 2);
  EXPECT_TRUE(notTogether.err.startsWith("The option --keep goes with --backup."))
      << notTogether.err.toStdString();
}

// The reader goes on writing while the timer's backups run: each backup is
// one state of the database, never two mixed.
TEST(BackupOption, BacksUpOneStateWhileTheReaderRewritesItsFeeds) {
  TempDir dir;
  const fs::path db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) +
                  "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < 5000)"
                  " INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) SELECT 'Feed', 'https://s/' || v"
                  " FROM n;");
  auto writer = startWriter(db, {"rewrite"});
  static const QRegularExpression title(QStringLiteral(" text=\"([^\"]*)\""));
  int made = 0;
  for (int i = 0; i < 3; ++i) {
    const Outcome r = run({"--database", qpath(db), "--backup", qpath(dir / "Backups")});
    if (r.exitCode == 1) {  // the one other answer: the writer kept its lock
      EXPECT_TRUE(r.err.contains("is locked by another program")) << r.err.toStdString();
      continue;
    }
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString newest =
        QString::fromStdString(readFile(dir / "Backups" / backupsIn(dir / "Backups").back()));
    QSet<QString> generations;
    for (const auto &match : title.globalMatch(newest)) generations.insert(match.captured(1));
    EXPECT_EQ(generations.size(), 1) << "rows of two states mixed in backup " << i;
    ++made;
  }
  killWriter(*writer);
  EXPECT_GT(made, 0);
}
