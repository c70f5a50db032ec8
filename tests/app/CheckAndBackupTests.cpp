#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
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

constexpr std::int64_t kYear2020 = 1'577'880'000;  // 2020-01-01, in seconds since the epoch

void setModified(const fs::path &file, std::int64_t seconds) {
  const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(seconds), 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << file;
}

std::int64_t modifiedAt(const fs::path &file) {
  struct stat info {};
  EXPECT_EQ(::lstat(file.c_str(), &info), 0) << file;
  return std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

// A file of backup bytes under a backup's name, written at `seconds`.
void placeBackup(const fs::path &file, const std::string &bytes, std::int64_t seconds) {
  writeFile(file, bytes);
  setModified(file, seconds);
}

// The number of feeds in a document of ours: one outline a line.
int feedsIn(const fs::path &file) {
  return QByteArray::fromStdString(readFile(file)).count("<outline ");
}

// A database of the feeds 1 to n, made anew.
void fillFeeds(const fs::path &db, int n) {
  execSql(db, "DROP TABLE IF EXISTS FEEDS;" + std::string(kFeedsSchema) +
                  "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < " +
                  std::to_string(n) +
                  ") INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) SELECT 'Feed ' || v, "
                  "'https://s/f' || v FROM n WHERE " +
                  std::to_string(n) + " > 0;");
}

std::string outline(const std::string &attributes) { return "<outline " + attributes + "/>\n"; }

std::string opml(const std::string &body) {
  return "<?xml version=\"1.0\"?>\n<opml version=\"2.0\"><head/><body>\n" + body + "</body></opml>";
}

// An OPML 2.0 document as most readers write theirs, around these outlines.
std::string typical(const std::string &outlines) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<opml version=\"2.0\">\n  <head>\n"
         "    <title>Subscriptions</title>\n"
         "    <dateCreated>Wed, 09 Dec 2026 10:00:00 GMT</dateCreated>\n  </head>\n  <body>\n" +
         outlines + "  </body>\n</opml>\n";
}

// A feed's outline as most readers write it.
std::string rss(const std::string &text, const std::string &address) {
  return "    <outline type=\"rss\" text=\"" + text + "\" title=\"" + text + "\" xmlUrl=\"" +
         address + "\" htmlUrl=\"https://site.example/\"/>\n";
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
       {"\"troubled.opml\" holds 5 feeds.", "The head has no title",
        "2 outlines that are no folders have no feed address", "5 feeds have no type=\"rss\"",
        "1 outline has an empty text", "1 feed repeats the address",
        "1 feed address does not start with http:// or https://"}},
      {"broken.opml",
       1,
       {"\"broken.opml\" is not well-formed XML at line 4, column 19",
        "1 feed has no type=\"rss\""}},
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

// Files as other readers write them, each with the traps their importers
// fall into: --check says each with its count, and exits with 0 only when no
// importer would lose a feed. Every line of the output is compared whole.
TEST(CheckOption, NamesWhatOtherReadersImportersStumbleOn) {
  const std::string head1 =
      "<?xml version=\"1.0\"?>\n<opml version=\"1.0\">\n<head><title>My "
      "feeds</title></head>\n<body>\n";
  const std::string tail = "</body>\n</opml>\n";
  const std::string refused = "some readers refuse such a file, and with it its ";
  const std::string noRss =
      "have no type=\"rss\" (their type is missing or another); some readers turn them into "
      "folders or refuse them.";
  struct Case {
    const char *what;
    std::string document;
    int exitCode;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"folders in folders, OPML 2.0, every feed typed",
       typical("    <outline text=\"Tech\" title=\"Tech\">\n" + rss("Ars", "https://a.example/f") +
               "      <outline text=\"Deep\">\n" + rss("Bits", "https://b.example/f") +
               "      </outline>\n    </outline>\n" + rss("Cats", "https://c.example/f") +
               rss("Dogs", "https://d.example/f")),
       0,
       {"\"other.opml\" holds 4 feeds."}},
      {"feeds without type, or of another type, in a folder without one",
       head1 + "<outline text=\"News\">\n<outline text=\"One\" xmlUrl=\"https://a/f\"/>\n" +
           "<outline text=\"Two\" xmlUrl=\"https://b/f\"/>\n</outline>\n" +
           "<outline text=\"Three\" type=\"RSS\" xmlUrl=\"https://c/f\"/>\n" +
           "<outline text=\"Four\" type=\"atom\" xmlUrl=\"https://d/f\"/>\n" +
           "<outline text=\"Five\" type=\"rss\" xmlUrl=\"https://e/f\"/>\n" + tail,
       1,
       {"\"other.opml\" holds 5 feeds.", "4 feeds " + noRss}},
      {"no version, one feed without type, one outline without address",
       "<opml>\n<head><title>Feeds</title></head>\n<body>\n<outline text=\"One\" "
       "xmlUrl=\"https://a/f\"/>\n<outline text=\"Note\"/>\n</body>\n</opml>\n",
       1,
       {"\"other.opml\" holds 1 feed.", "The <opml> element has no version; " + refused + "1 feed.",
        "1 outline that is no folder has no feed address (xmlUrl); importers may skip it, or add "
        "an empty feed or folder.",
        "1 feed has no type=\"rss\" (its type is missing or another); some readers turn it into a "
        "folder or refuse it."}},
      {"version 1.1",
       "<opml version=\"1.1\"><head><title>Feeds</title></head><body>\n" +
           rss("One", "https://a/f") + rss("Two", "https://b/f") + "</body></opml>",
       1,
       {"\"other.opml\" holds 2 feeds.",
        "The <opml> element's version is \"1.1\", neither 1.0 nor 2.0; " + refused + "2 feeds."}},
      // Another reader's version, however odd, stays within its one line.
      {"a version with a line break, longer than a version is",
       "<opml version=\"1.0&#10;draft of the third "
       "kind\"><head><title>Feeds</title></head><body>\n" +
           rss("One", "https://a/f") + "</body></opml>",
       1,
       {"\"other.opml\" holds 1 feed.",
        "The <opml> element's version is \"1.0 draft of the third k\xE2\x80\xA6\", neither 1.0 "
        "nor 2.0; " +
            refused + "1 feed."}},
      {"a head without title",
       "<opml version=\"2.0\"><head><dateCreated>Wed, 09 Dec 2026 10:00:00 "
       "GMT</dateCreated></head><body>\n" +
           rss("One", "https://a/f") + "</body></opml>",
       1,
       {"\"other.opml\" holds 1 feed.", "The head has no title; " + refused + "1 feed."}},
      {"no head at all",
       "<opml version=\"2.0\"><body>\n" + rss("One", "https://a/f") + rss("Two", "https://b/f") +
           "</body></opml>",
       1,
       {"\"other.opml\" holds 2 feeds.", "The head has no title; " + refused + "2 feeds."}},
      {"a head title of white space",
       "<opml version=\"1.0\"><head><title> \n\t </title></head><body>\n" +
           rss("One", "https://a/f") + "</body></opml>",
       1,
       {"\"other.opml\" holds 1 feed.", "The head's title is empty; " + refused + "1 feed."}},
      {"a head title in a CDATA section",
       "<opml version=\"2.0\"><head><title><![CDATA[Ann's feeds]]></title></head><body>\n" +
           rss("One", "https://a/f") + "</body></opml>",
       0,
       {"\"other.opml\" holds 1 feed."}},
      {"a head title that is an entity declared in the file",
       "<!DOCTYPE opml [<!ENTITY who \"Ann\">]>\n<opml version=\"2.0\"><head><title>&who;</title>"
       "</head><body>\n" +
           rss("One", "https://a/f") + "</body></opml>",
       0,
       {"\"other.opml\" holds 1 feed."}},
      {"xmlUrl in other cases",
       head1 + "<outline text=\"One\" type=\"rss\" xmlurl=\"https://a/f\"/>\n" +
           "<outline text=\"Two\" type=\"rss\" XMLURL=\"https://b/f\"/>\n" +
           "<outline text=\"Three\" type=\"rss\" xmlUrl=\"https://c/f\" "
           "xmlurl=\"https://c/f\"/>\n" +
           "<outline text=\"Four\" type=\"rss\" xmlUrl=\"https://d/f\" XmlUrl=\"https://x/f\"/>\n" +
           tail,
       1,
       {"\"other.opml\" holds 4 feeds.",
        "3 feeds have their addresses in another case of xmlUrl (as \"xmlurl\"); some importers "
        "take them, others skip those feeds."}},
      {"one xmlUrl in another case, repeating an address",
       typical(rss("One", "https://a/f") +
               "    <outline type=\"rss\" text=\"Two\" XmlUrl=\"https://a/f\"/>\n"),
       1,
       {"\"other.opml\" holds 2 feeds.",
        "1 feed has its address in \"XmlUrl\", not in xmlUrl; some importers take it, others skip "
        "the feed.",
        "1 feed repeats the address of a feed before it; importers subscribe to it twice or drop "
        "it."}},
      {"addresses that readers take for one feed",
       typical(rss("A", "https://example.com/feed/") + rss("B", "http://example.com/feed") +
               rss("C", "HTTPS://EXAMPLE.COM:443/feed") + rss("D", "feed://example.com/feed") +
               rss("E", "feed:https://example.com/feed/") + rss("F", "https://example.com/feed/") +
               rss("G", "https://example.com/a%2fb") + rss("H", "https://example.com/a%2Fb") +
               rss("I", "https://example.com/Feed")),
       1,
       {"\"other.opml\" holds 9 feeds.",
        "1 feed repeats the address of a feed before it; importers subscribe to it twice or drop "
        "it.",
        "5 feeds have the addresses of feeds before them but for http or https, the host's case, "
        "a default port, a trailing slash, a feed: prefix or the case of escapes; some readers "
        "drop them as the same feeds, others subscribe to both.",
        "2 feed addresses do not start with http:// or https://; most readers cannot fetch "
        "them."}},
      {"one near-duplicate",
       typical(rss("A", "https://example.com/feed") + rss("B", "http://example.com/feed/")),
       1,
       {"\"other.opml\" holds 2 feeds.",
        "1 feed has the address of a feed before it but for http or https, the host's case, a "
        "default port, a trailing slash, a feed: prefix or the case of escapes; some readers drop "
        "it as the same feed, others subscribe to both."}},
      {"empty texts, of feeds and of a folder",
       typical("    <outline type=\"rss\" text=\"\" title=\"One\" xmlUrl=\"https://a/f\"/>\n"
               "    <outline type=\"rss\" text=\"   \" title=\"Two\" xmlUrl=\"https://b/f\"/>\n"
               "    <outline type=\"rss\" title=\"Three\" xmlUrl=\"https://c/f\"/>\n"
               "    <outline text=\"\">\n" +
               rss("Four", "https://d/f") + "    </outline>\n"),
       1,
       {"\"other.opml\" holds 4 feeds.",
        "4 outlines have an empty text; some importers skip them or refuse the file."}},
      {"line breaks and tabs in texts, titles and a folder's name",
       typical(
           "    <outline text=\"Folder&#10;name\">\n" +
           rss("Line one&#10;Line two", "https://a/f") + "    </outline>\n" +
           rss("Tab&#9;bed", "https://b/f") +
           "    <outline type=\"rss\" text=\"Return\" title=\"Carriage&#13;return\" "
           "xmlUrl=\"https://c/f\"/>\n" +
           // A line break written as it is becomes a space in an attribute.
           "    <outline type=\"rss\" text=\"Written\nacross lines\" xmlUrl=\"https://d/f\"/>\n"),
       1,
       {"\"other.opml\" holds 4 feeds.",
        "4 outlines have a line break or tab in their titles; some readers cannot import them, or "
        "change their titles."}},
      {"one title with a line break",
       typical(rss("Line one&#10;Line two", "https://a/f")),
       1,
       {"\"other.opml\" holds 1 feed.",
        "1 outline has a line break or tab in its title; some readers cannot import it, or change "
        "its title."}},
      {"titles that repeat, case, punctuation and spaces aside",
       typical("    <outline text=\"Tom &amp; Jerry\">\n" + rss("Tom &amp; Jerry", "https://a/f") +
               rss("Tom: Jerry", "https://b/f") + rss("Tom and Jerry", "https://c/f") +
               "    </outline>\n" + rss("The Verge", "https://d/f") +
               rss("The Verge", "https://e/f") + rss("the verge!", "https://f/f") +
               rss("\xD0\x9C\xD0\xB5\xD0\xB4\xD1\x83\xD0\xB7\xD0\xB0", "https://g/f") +
               rss("\xD0\x9C\xD0\x95\xD0\x94\xD0\xA3\xD0\x97\xD0\x90", "https://h/f") +
               rss(":-)", "https://i/f") + rss(":)", "https://j/f")),
       1,
       {"\"other.opml\" holds 10 feeds.",
        "4 feeds repeat the titles of feeds before them (case, punctuation and spaces aside); "
        "some readers stop the whole import, or drop those feeds."}},
      {"one repeated title, named by its title attribute",
       typical(rss("DEFAULT", "https://a/f") +
               "    <outline type=\"rss\" text=\"\" title=\"Default\" xmlUrl=\"https://b/f\"/>\n"),
       1,
       {"\"other.opml\" holds 2 feeds.",
        "1 outline has an empty text; some importers skip it or refuse the file.",
        "1 feed repeats the title of a feed before it (case, punctuation and spaces aside); some "
        "readers stop the whole import, or drop the feed."}},
      {"an empty body",
       typical(""),
       1,
       {"\"other.opml\" holds no feeds: some readers refuse such a file, and as a backup it brings "
        "nothing back. Check that it is the export of a reader's subscriptions."}},
      {"folders and outlines without an address only",
       "<opml version=\"1.1\"><head/><body><outline text=\"Empty folder\"/><outline "
       "text=\"Folder\"><outline text=\"Note\" xmlUrl=\" \"/></outline></body></opml>",
       1,
       {"\"other.opml\" holds no feeds: some readers refuse such a file, and as a backup it brings "
        "nothing back. Check that it is the export of a reader's subscriptions.",
        "The <opml> element's version is \"1.1\", neither 1.0 nor 2.0; some readers refuse such "
        "a file.",
        "The head has no title; some readers refuse such a file.",
        "2 outlines that are no folders have no feed address (xmlUrl); importers may skip them, "
        "or add empty feeds or folders."}},
  };
  TempDir dir;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dir / "other.opml", c.document);
    const Outcome r = run({"--check", "other.opml"}, dir.path());
    EXPECT_EQ(r.exitCode, c.exitCode) << r.out.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    std::vector<std::string> said;
    for (const QByteArray &line : lines) said.push_back(line.toStdString());
    EXPECT_EQ(said, c.lines);
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
  // A change that leaves every address and the XML as they were: the file's
  // bytes are not those written, which the read-back's digest sees.
  for (const QStringList &mode :
       {QStringList{"--export", "out.opml"}, QStringList{"--backup", "Backups"}}) {
    SCOPED_TRACE(mode.join(' ').toStdString());
    QProcessEnvironment env = headless();
    env.insert("LD_PRELOAD", ORVELLA_MANGLED_WRITE);
    env.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    env.insert("ORVELLA_MANGLE_FROM", "htmlUrl=\"https://s/17\"");
    env.insert("ORVELLA_MANGLE_TO", "htmlUrl=\"https://s/71\"");
    const Outcome r = run(QStringList{"--database", "Feeds"} + mode, dir.path(), env);
    EXPECT_EQ(r.exitCode, 6) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("reading it back found other bytes than were written"))
        << r.err.toStdString();
  }
  // Unchanged, the same export is checked and says so, its counts grouped
  // as the locale groups digits (the feeds' titles are all the same).
  QProcessEnvironment english = headless();
  english.insert("LC_ALL", "en_US.UTF-8");
  const Outcome fine = run({"--database", "Feeds", "--export", "out.opml"}, dir.path(), english);
  EXPECT_EQ(fine.exitCode, 0);
  EXPECT_EQ(
      QString::fromUtf8(fine.err),
      QStringLiteral("Warning: 2,999 titles repeat earlier ones (case, punctuation and spaces "
                     "aside); some readers stop the whole import, or drop those feeds. "
                     "--importable-titles numbers them.\n"
                     "3,000 feeds written to %1 and checked.\n")
          .arg(qpath(dir / "out.opml")));
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

  // Older backups, and files that only look like them, which stay: one
  // named as a backup holds no document of ours.
  const std::string firstBytes = readFile(folder / firstBackup);
  placeBackup(folder / "Orvella Feeds 2020-01-01 000000.opml", firstBytes, kYear2020);
  placeBackup(folder / "Orvella Feeds 2020-01-02 000000.opml", firstBytes, kYear2020 + 86'400);
  const std::vector<std::string> strangers = {"Orvella Feeds 2020-01-01 000000.opml.bak",
                                              "Orvella Feeds 2020-1-1 000000.opml",
                                              "Orvella Feeds 2019-01-01 000000.opml", "notes.txt"};
  for (const std::string &name : strangers) writeFile(folder / name, "mine");
  setModified(folder / "Orvella Feeds 2019-01-01 000000.opml", kYear2020 - 86'400);

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
  std::vector<std::string> left = backupsIn(folder);
  left.erase(std::remove(left.begin(), left.end(), "Orvella Feeds 2019-01-01 000000.opml"),
             left.end());
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left.front(), firstBackup);
  EXPECT_EQ(run({"--check", qpath(folder / left.back())}).exitCode, 0);
  for (const std::string &name : strangers) EXPECT_EQ(readFile(folder / name), "mine") << name;
  EXPECT_EQ(readFile(folder / "Orvella Feeds.opml"), readFile(folder / left.back()))
      << "the stable name holds the newest backup";
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
// one state of the database, never two mixed, and none gives up while the
// reader takes its turns with the lock.
TEST(BackupOption, BacksUpOneStateWhileTheReaderRewritesItsFeeds) {
  TempDir dir;
  const fs::path db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) +
                  "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < 5000)"
                  " INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) SELECT 'Feed', 'https://s/' || v"
                  " FROM n;");
  auto writer = startWriter(db, {"rewrite", "20"});
  static const QRegularExpression title(QStringLiteral(" text=\"([^\"]*)\""));
  for (int i = 0; i < 3; ++i) {
    const Outcome r = run({"--database", qpath(db), "--backup", qpath(dir / "Backups")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString newest = QString::fromStdString(readFile(dir / "Backups" / "Orvella Feeds.opml"));
    QSet<QString> generations;
    for (const auto &match : title.globalMatch(newest)) generations.insert(match.captured(1));
    EXPECT_EQ(generations.size(), 1) << "rows of two states mixed in backup " << i;
  }
  killWriter(*writer);
}

// A reader that loses its subscriptions must not take the good backups with
// it: each step's database, what the run ends with, and the counts of the
// backups left, oldest first.
TEST(BackupOption, ADropStopsTheRotationUntilTheFeedsComeBack) {
  TempDir dir;
  const fs::path db = dir / "Feeds";
  const fs::path folder = dir / "Backups";
  struct Step {
    int feeds;
    int exitCode;
    std::vector<int> left;  // feeds in each backup left, oldest first
    int newest;             // feeds in "Orvella Feeds.opml"
  };
  const std::vector<Step> steps = {
      {45, 0, {45}, 45},
      {0, 8, {45, 0}, 45},        // all gone: written, nothing removed or replaced
      {0, 8, {45, 0}, 45},        // the same again: still a drop, day after day
      {1, 8, {45, 0, 1}, 45},     // one feed back is still a drop against the good copy
      {40, 0, {45, 1, 40}, 40},   // most back: the rotation goes on, the good copy stays
      {45, 0, {40, 45}, 45},      // as many as before: the good copy may go
      {33, 8, {40, 45, 33}, 45},  // under three quarters of the newest
      {34, 0, {45, 33, 34}, 34},  // three quarters or more; the good copy stays
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step &step = steps[i];
    SCOPED_TRACE("step " + std::to_string(i) + ": " + std::to_string(step.feeds) + " feeds");
    fillFeeds(db, step.feeds);
    const Outcome r =
        run({"--database", qpath(db), "--backup", qpath(folder), "--keep", "2"}, dir.path());
    EXPECT_EQ(r.exitCode, step.exitCode) << r.err.toStdString();
    if (step.exitCode == 8) {
      EXPECT_TRUE(r.err.contains("feeds vanished since the backup") ||
                  r.err.contains("feed vanished since the backup"))
          << r.err.toStdString();
      EXPECT_FALSE(r.err.contains("Removed")) << r.err.toStdString();
    }
    std::vector<int> left;
    for (const std::string &name : backupsIn(folder)) left.push_back(feedsIn(folder / name));
    EXPECT_EQ(left, step.left);
    EXPECT_EQ(feedsIn(folder / "Orvella Feeds.opml"), step.newest);
  }
}

// Which backups are the newest is told by when they were written: the
// autumn's repeated hour and a clock set back give names out of order.
TEST(BackupOption, TheNewestIsTheLastWrittenWhateverItsNameSays) {
  TempDir dir;
  const fs::path db = dir / "Feeds";
  const fs::path scratch = dir / "scratch";
  const fs::path folder = dir / "Backups";
  fs::create_directory(folder);
  auto backupOf = [&](int feeds) {
    fillFeeds(db, feeds);
    fs::remove_all(scratch);
    EXPECT_EQ(run({"--database", qpath(db), "--backup", qpath(scratch)}, dir.path()).exitCode, 0);
    return readFile(scratch / backupsIn(scratch).front());
  };
  // 01:50 summer time, then 01:10 winter time twenty minutes later.
  const std::int64_t fallBack = 1'792'889'400;  // 2026-10-25 01:50 CEST
  placeBackup(folder / "Orvella Feeds 2026-10-25 015000.opml", backupOf(3), fallBack);
  placeBackup(folder / "Orvella Feeds 2026-10-25 011000.opml", backupOf(4), fallBack + 1'200);
  fillFeeds(db, 4);
  const Outcome same = run({"--database", qpath(db), "--backup", qpath(folder)}, dir.path());
  EXPECT_EQ(same.exitCode, 0) << same.err.toStdString();
  EXPECT_TRUE(same.err.contains("2026-10-25 011000.opml\", already holds these 4 feeds"))
      << same.err.toStdString();

  // The clock set back an hour behind the newest backup.
  const std::int64_t now = std::chrono::duration_cast<std::chrono::seconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
  setModified(folder / "Orvella Feeds 2026-10-25 011000.opml", now + 3'600);
  fillFeeds(db, 5);
  const Outcome later = run({"--database", qpath(db), "--backup", qpath(folder)}, dir.path());
  ASSERT_EQ(later.exitCode, 0) << later.err.toStdString();
  std::string made;
  for (const std::string &name : backupsIn(folder)) {
    if (name.find("2026-10-25") == std::string::npos) made = name;
  }
  ASSERT_FALSE(made.empty());
  EXPECT_GT(modifiedAt(folder / made), modifiedAt(folder / "Orvella Feeds 2026-10-25 011000.opml"));
  const Outcome again = run({"--database", qpath(db), "--backup", qpath(folder)}, dir.path());
  EXPECT_TRUE(
      again.err.contains(QByteArray::fromStdString(made + "\", already holds these 5 feeds")))
      << again.err.toStdString();

  // A file dated far ahead counts as the oldest, and goes first.
  setModified(folder / "Orvella Feeds 2026-10-25 015000.opml", now + 40 * 86'400);
  fillFeeds(db, 6);
  const Outcome pruned =
      run({"--database", qpath(db), "--backup", qpath(folder), "--keep", "3"}, dir.path());
  EXPECT_EQ(pruned.exitCode, 0) << pruned.err.toStdString();
  EXPECT_FALSE(fs::exists(folder / "Orvella Feeds 2026-10-25 015000.opml"));
  EXPECT_TRUE(fs::exists(folder / "Orvella Feeds 2026-10-25 011000.opml"));
}

// Another user's files in a shared folder are none of ours, whatever their
// names and contents, and links there are never followed.
TEST(BackupOption, WhatOthersPutIntoASharedFolderIsNeverRemovedNorFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to plant another user's files";
  TempDir dir;
  const fs::path db = dir / "Feeds";
  fillFeeds(db, 3);
  const fs::path shared = dir / "shared";
  fs::create_directory(shared);
  fs::permissions(shared, fs::perms(01777));
  const fs::path folder = shared / "Backups";
  ASSERT_EQ(run({"--database", qpath(db), "--backup", qpath(folder)}, dir.path()).exitCode, 0);
  fs::permissions(folder, fs::perms(01777));
  const std::string ours = readFile(folder / backupsIn(folder).front());
  for (int day = 1; day <= 10; ++day) {
    const fs::path planted = folder / ("Orvella Feeds 2099-01-" + std::string(day < 10 ? "0" : "") +
                                       std::to_string(day) + " 000000.opml");
    placeBackup(planted, ours, 4'070'908'800 + day);
    ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);
  }
  for (int day = 1; day <= 4; ++day) {
    placeBackup(folder / ("Orvella Feeds 2020-01-0" + std::to_string(day) + " 000000.opml"), ours,
                kYear2020 + day * 86'400);
  }
  // Names of the coming seconds, taken by links to a file of root's and to
  // a place where no file is.
  writeFile(dir / "roots", "root's own");
  const QDateTime now = QDateTime::currentDateTime();
  for (int second = 1; second <= 3; ++second) {
    const QString name =
        QStringLiteral("Orvella Feeds %1.opml")
            .arg(now.addSecs(second).toString(QStringLiteral("yyyy-MM-dd HHmmss")));
    fs::create_symlink(second == 2 ? dir / "nowhere" : dir / "roots", folder / name.toStdString());
    ASSERT_EQ(::lchown((folder / name.toStdString()).c_str(), 65534, 65534), 0);
  }
  fs::remove(folder / "Orvella Feeds.opml");
  fs::create_symlink(dir / "roots", folder / "Orvella Feeds.opml");
  ASSERT_EQ(::lchown((folder / "Orvella Feeds.opml").c_str(), 65534, 65534), 0);

  fillFeeds(db, 4);
  const Outcome r =
      run({"--database", qpath(db), "--backup", qpath(folder), "--keep", "2"}, dir.path());
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("Removed 4 older backups, keeping the newest 2."))
      << r.err.toStdString();
  EXPECT_EQ(readFile(dir / "roots"), "root's own");
  EXPECT_FALSE(fs::exists(dir / "nowhere"));
  std::size_t planted = 0;
  for (const std::string &name : namesIn(folder)) {
    struct stat info {};
    ASSERT_EQ(::lstat((folder / name).c_str(), &info), 0);
    if (info.st_uid == 65534) ++planted;
  }
  EXPECT_EQ(planted, 13u) << "ten files and three links of another user's";
  EXPECT_FALSE(fs::is_symlink(folder / "Orvella Feeds.opml"));
  EXPECT_EQ(feedsIn(folder / "Orvella Feeds.opml"), 4);

  // A folder link another user planted in the shared folder leads nowhere.
  fs::create_directory(dir / "victim");
  fs::create_directory_symlink(dir / "victim", shared / "Planted");
  ASSERT_EQ(::lchown((shared / "Planted").c_str(), 65534, 65534), 0);
  for (const QStringList &args :
       {QStringList{"--backup", qpath(shared / "Planted")},
        QStringList{"--export", qpath(shared / "Planted" / "out.opml")}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const Outcome refused = run(QStringList{"--database", qpath(db)} + args, dir.path());
    EXPECT_EQ(refused.exitCode, 3) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("so it is not followed")) << refused.err.toStdString();
  }
  EXPECT_EQ(namesIn(dir / "victim"), std::vector<std::string>{});
}

// Two backups into one folder at the same moment each keep a file of their
// own, and each says the name it has.
TEST(BackupOption, BackupsInTheSameSecondKeepAFileEach) {
  TempDir dir;
  const fs::path folder = dir / "Backups";
  static const QRegularExpression said(QStringLiteral("backed up to (.*) and checked"));
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int which = 0; which < 2; ++which) {
      const fs::path db = dir / ("Feeds" + std::to_string(which));
      fillFeeds(db, 10 + round * 2 + which);
      auto process = std::make_unique<QProcess>();
      process->setProcessEnvironment(headless());
      process->start(qEnvironmentVariable("ORVELLA_BINARY"),
                     {"--database", qpath(db), "--backup", qpath(folder), "--keep", "100"});
      runs.push_back(std::move(process));
    }
    for (int which = 0; which < 2; ++which) {
      QProcess &process = *runs[std::size_t(which)];
      ASSERT_TRUE(process.waitForFinished(60'000));
      const QString err = QString::fromUtf8(process.readAllStandardError());
      EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
      const QString file = said.match(err).captured(1);
      ASSERT_FALSE(file.isEmpty()) << err.toStdString();
      EXPECT_EQ(feedsIn(file.toStdString()), 10 + round * 2 + which) << file.toStdString();
    }
    EXPECT_EQ(backupsIn(folder).size(), std::size_t(2 * (round + 1)));
  }
}

// --compare through the program: the reader's feeds that the other file
// lacks, the other way round, a line of counts, and 0 only when none is
// missing; a file that cannot be compared is a sentence and 1.
TEST(CompareOption, ListsWhatEachSideLacksAndExitsOneWhileAFeedIsMissing) {
  TempDir dir;
  ASSERT_EQ(run({"--database", kSample, "--export", "ours.opml"}, dir.path()).exitCode, 0);
  const std::string ours = readFile(dir / "ours.opml");
  // The other reader took all but the first feed, in a folder, and has one of its own.
  const std::size_t first = ours.find("<outline ");
  const std::size_t second = ours.find("<outline ", first + 1);
  std::string other = ours;
  other.erase(first, second - first);
  other.replace(other.find("<body>\n"), 7,
                "<body>\n<outline text=\"Folder\">\n<outline text=\"Mine\" "
                "xmlUrl=\"https://mine.example/feed\"/>\n");
  other.replace(other.find("</body>"), 7, "</outline>\n</body>");
  writeFile(dir / "other.opml", other);
  const Outcome r = run({"--database", kSample, "--compare", "other.opml"}, dir.path());
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  const QList<QByteArray> lines = r.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 5) << r.out.toStdString();
  EXPECT_EQ(lines[0], "Missing from \"other.opml\" (1):");
  EXPECT_TRUE(lines[1].startsWith("\tBBC News - Home\thttps://")) << lines[1].toStdString();
  EXPECT_EQ(lines[2], "In \"other.opml\" but not in the reader (1):");
  EXPECT_EQ(lines[3], "\tMine\thttps://mine.example/feed");
  EXPECT_TRUE(
      lines[4].startsWith("1 of 45 feeds is missing from \"other.opml\"; 1 feed in it is "
                          "not in the reader."))
      << lines[4].toStdString();

  const Outcome whole = run({"--database", kSample, "--compare", "ours.opml"}, dir.path());
  EXPECT_EQ(whole.exitCode, 0);
  EXPECT_EQ(whole.out.trimmed(),
            "All 45 feeds of the reader are in \"ours.opml\"; it holds no feed that the reader "
            "lacks.");
  fs::create_directory(dir / "folder");
  for (const char *bad : {"folder", "missing.opml"}) {
    SCOPED_TRACE(bad);
    const Outcome refused = run({"--database", kSample, "--compare", bad}, dir.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.startsWith(QByteArray("\"") + bad + "\"")) << refused.err.toStdString();
  }
}

// Rows that other readers' importers stumble on: the export says so before
// anyone imports the file, and --importable-titles makes the titles safe.
TEST(ImporterTroubles, TheExportWarnsOfThemAndImportableTitlesMendTheTitles) {
  TempDir dir;
  execSql(dir / "Feeds",
          std::string(kFeedsSchema) +
              "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES ('Tom & Jerry', 'https://a/f'),"
              " ('Tom: Jerry', 'https://b/f'), ('Line one' || char(10) || char(9) || 'Line two',"
              " 'https://c/f'), ('The Verge', 'https://a/f'), ('the verge', 'https://d/f'),"
              " ('No address', NULL), ('Local', 'file:///home/ann/feed.xml'), ('TOM & JERRY',"
              " 'https://e/f');");
  const Outcome plain = run({"--database", "Feeds", "--export", "plain.opml"}, dir.path());
  EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
  for (const char *said : {"Warning: 1 entry has no feed address, so it is not counted as a feed",
                           "Warning: 1 feed address does not start with http:// or https://",
                           "Warning: 1 feed repeats the address of an earlier one",
                           "Warning: 1 title holds a line break or tab",
                           "Warning: 3 titles repeat earlier ones", "7 feeds written to"}) {
    EXPECT_TRUE(plain.err.contains(said)) << said << " in " << plain.err.toStdString();
  }
  EXPECT_NE(readFile(dir / "plain.opml").find("text=\"Line one&#10;&#9;Line two\""),
            std::string::npos);
  // --check of the same file counts what the warnings counted.
  const Outcome checked = run({"--check", "plain.opml"}, dir.path());
  EXPECT_EQ(checked.exitCode, 1);
  const std::vector<QByteArray> plainSays = {
      "\"plain.opml\" holds 7 feeds.",
      "1 outline that is no folder has no feed address (xmlUrl)",
      "1 outline has a line break or tab in its title",
      "3 feeds repeat the titles of feeds before them",
      "1 feed repeats the address of a feed before it",
      "1 feed address does not start with http:// or https://"};
  const QList<QByteArray> plainLines = checked.out.trimmed().split('\n');
  ASSERT_EQ(std::size_t(plainLines.size()), plainSays.size()) << checked.out.toStdString();
  for (std::size_t i = 0; i < plainSays.size(); ++i) {
    EXPECT_TRUE(plainLines[qsizetype(i)].startsWith(plainSays[i])) << checked.out.toStdString();
  }

  for (const QStringList &mode :
       {QStringList{"--export", "safe.opml"}, QStringList{"--backup", "Backups"}}) {
    SCOPED_TRACE(mode.join(' ').toStdString());
    const Outcome safe =
        run(QStringList{"--database", "Feeds", "--importable-titles"} + mode, dir.path());
    EXPECT_EQ(safe.exitCode, 0) << safe.err.toStdString();
    EXPECT_FALSE(safe.err.contains("title holds")) << safe.err.toStdString();
    EXPECT_TRUE(safe.err.contains("4 titles were made safe for any reader"))
        << safe.err.toStdString();
    const Outcome safeChecked =
        run({"--check", mode[0] == "--export" ? "safe.opml" : "Backups/Orvella Feeds.opml"},
            dir.path());
    EXPECT_FALSE(safeChecked.out.contains("title")) << safeChecked.out.toStdString();
    EXPECT_TRUE(safeChecked.out.contains("1 feed repeats the address"))
        << safeChecked.out.toStdString();
    const std::string document =
        readFile(dir / (mode[0] == "--export" ? "safe.opml" : "Backups/Orvella Feeds.opml"));
    const std::string body = document.substr(document.find("<body>\n") + 7);
    EXPECT_EQ(body,
              "<outline text=\"Tom &amp; Jerry\" title=\"Tom &amp; Jerry\" type=\"rss\" "
              "htmlUrl=\"\" xmlUrl=\"https://a/f\"/>\n"
              "<outline text=\"Tom: Jerry (2)\" title=\"Tom: Jerry (2)\" type=\"rss\" htmlUrl=\"\" "
              "xmlUrl=\"https://b/f\"/>\n"
              "<outline text=\"Line one Line two\" title=\"Line one Line two\" type=\"rss\" "
              "htmlUrl=\"\" xmlUrl=\"https://c/f\"/>\n"
              "<outline text=\"The Verge\" title=\"The Verge\" type=\"rss\" htmlUrl=\"\" "
              "xmlUrl=\"https://a/f\"/>\n"
              "<outline text=\"the verge (2)\" title=\"the verge (2)\" type=\"rss\" htmlUrl=\"\" "
              "xmlUrl=\"https://d/f\"/>\n"
              "<outline text=\"No address\" title=\"No address\" type=\"rss\" htmlUrl=\"\" "
              "xmlUrl=\"\"/>\n"
              "<outline text=\"Local\" title=\"Local\" type=\"rss\" htmlUrl=\"\" "
              "xmlUrl=\"file:///home/ann/feed.xml\"/>\n"
              "<outline text=\"TOM &amp; JERRY (3)\" title=\"TOM &amp; JERRY (3)\" type=\"rss\" "
              "htmlUrl=\"\" xmlUrl=\"https://e/f\"/>\n"
              "</body>\n</opml>");
  }
  const Outcome alone = run({"--database", "Feeds", "--list", "--importable-titles"}, dir.path());
  EXPECT_EQ(alone.exitCode, 2);
}

// A title with a break that also repeats an earlier one is one title made
// safe, not two.
TEST(ImporterTroubles, ATitleMadeSafeForTwoReasonsIsCountedOnce) {
  TempDir dir;
  execSql(dir / "Feeds", std::string(kFeedsSchema) +
                             "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES"
                             " ('A' || char(10) || 'B', 'https://a/1'), ('A B', 'https://a/2'),"
                             " ('A' || char(9) || 'B', 'https://a/3'), ('C', 'https://a/4');");
  const Outcome safe =
      run({"--database", "Feeds", "--importable-titles", "--export", "out.opml"}, dir.path());
  EXPECT_EQ(safe.exitCode, 0) << safe.err.toStdString();
  EXPECT_TRUE(safe.err.contains("3 titles were made safe for any reader"))
      << safe.err.toStdString();
  const std::string document = readFile(dir / "out.opml");
  for (const char *title :
       {"title=\"A B\"", "title=\"A B (2)\"", "title=\"A B (3)\"", "title=\"C\""})
    EXPECT_NE(document.find(title), std::string::npos) << title << " in " << document;
}

// A feed is an outline with a feed address in every sentence: the export,
// the backup and --check of the file say the same count.
TEST(ImporterTroubles, TheExportBackupAndCheckCountTheSameFeeds) {
  TempDir dir;
  execSql(dir / "Feeds",
          std::string(kFeedsSchema) +
              "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES ('A', 'https://a/f'),"
              " ('A again', 'https://a/f'), ('None', NULL), ('Blank', ' ' || char(9)),"
              " ('Control', char(1)), ('Local', 'file:///home/ann/feed.xml');");
  const Outcome exported = run({"--database", "Feeds", "--export", "out.opml"}, dir.path());
  EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
  EXPECT_TRUE(
      exported.err.contains("Warning: 3 entries have no feed address, so they are not "
                            "counted as feeds"))
      << exported.err.toStdString();
  EXPECT_TRUE(exported.err.contains("3 feeds written to")) << exported.err.toStdString();
  const Outcome backup = run({"--database", "Feeds", "--backup", "Backups"}, dir.path());
  EXPECT_TRUE(backup.err.contains("3 feeds backed up to")) << backup.err.toStdString();
  const Outcome checked = run({"--check", "out.opml"}, dir.path());
  EXPECT_TRUE(checked.out.startsWith("\"out.opml\" holds 3 feeds.")) << checked.out.toStdString();
}

// Titles are compared the same way whether they are ASCII, of another
// script or longer than a short title: a repeat and a break are found in each.
TEST(ImporterTroubles, TitlesCompareAlikeWhateverTheirScriptOrLength) {
  TempDir dir;
  execSql(dir / "Feeds",
          std::string(kFeedsSchema) +
              "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES"
              " ('Tom & Jerry', 'https://a/1'), ('Tom \u2019 Jerry', 'https://a/2'),"
              " ('Caf\u00e9', 'https://a/3'), ('CAF\u00c9', 'https://a/4'),"
              " (printf('%.300c', 'a'), 'https://a/5'), (printf('%.300c', 'A'), 'https://a/6'),"
              " ('\u00dcn\u00ef' || char(9) || 'x', 'https://a/7'),"
              " (printf('%.300c', 'b') || char(10), 'https://a/8'),"
              " ('Feed 1', 'https://a/9'), ('Feed 2', 'https://a/10');");
  const Outcome out = run({"--database", "Feeds", "--export", "out.opml"}, dir.path());
  EXPECT_EQ(out.exitCode, 0) << out.err.toStdString();
  EXPECT_TRUE(out.err.contains("Warning: 3 titles repeat earlier ones")) << out.err.toStdString();
  EXPECT_TRUE(out.err.contains("Warning: 2 titles hold a line break or tab"))
      << out.err.toStdString();
}
