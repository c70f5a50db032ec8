#include <gtest/gtest.h>
#include <unistd.h>

#include <QString>
#include <map>
#include <string>

#include "TestSupport.h"
#include "WriterProcess.h"
#include "store/FeedDatabase.h"
#include "store/FeedRecord.h"

using testsupport::execSql;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;
namespace fs = std::filesystem;

namespace {

// Names and contents of every file in a folder, to show that reading changed
// and created nothing.
std::map<std::string, std::string> folderState(const fs::path &folder) {
  std::map<std::string, std::string> state;
  for (const auto &entry : fs::directory_iterator(folder)) {
    state[entry.path().filename().string()] = readFile(entry.path());
  }
  return state;
}

std::optional<QString> text(const char *utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TEST(FeedDatabase, ReadsEveryRowInTableOrderWithTheFourColumns) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) +
                  "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) VALUES"
                  " ('https://b.example/', 'Bravo', 2, 'https://b.example/rss'),"
                  " ('https://a.example/', NULL, NULL, 'https://a.example/atom'),"
                  " (NULL, 'Ünïcødé 日本 🎉', 7, NULL),"
                  " ('', '', 0, '');");
  const auto before = folderState(dir.path());

  const ReadResult result = readFeedsAt(db);

  ASSERT_TRUE(result.ok()) << result.message.english().toStdString();
  EXPECT_TRUE(result.message.english().isEmpty());
  const FeedList feeds = recordsOf(result.rows);
  ASSERT_EQ(feeds.size(), 4u);
  EXPECT_EQ(result.rowCount, 4u);
  EXPECT_EQ(feeds[0], (FeedRecord{text("https://b.example/"), text("Bravo"), 2,
                                  text("https://b.example/rss")}));
  EXPECT_EQ(feeds[1], (FeedRecord{text("https://a.example/"), std::nullopt, 0,
                                  text("https://a.example/atom")}));
  EXPECT_EQ(feeds[2], (FeedRecord{std::nullopt, text("Ünïcødé 日本 🎉"), 7, std::nullopt}));
  // An empty text is a value, not a missing one.
  EXPECT_EQ(feeds[3], (FeedRecord{text(""), text(""), 0, text("")}));
  EXPECT_EQ(folderState(dir.path()), before) << "reading must not touch the folder";
}

TEST(FeedDatabase, TextColumnsKeepValidUtf8AndRepairEverythingElse) {
  TempDir dir;
  const auto db = dir / "Feeds";
  const std::string huge(3'000'000, 'x');
  execSql(db, std::string(kFeedsSchema) +
                  "INSERT INTO FEEDS (FEED_ID, FEED_URL, FEED_TITLE, INTERNAL_LINK) VALUES"
                  " (1, 42, 1.5, x'68747470733a2f2f782f'),"  // numbers as text, UTF-8 blob
                  " (2, x'c328', x'c0af', x'eda080'),"       // bad byte, overlong, surrogate
                  " (3, x'f4908080', x'e282', x'ff'),"       // > U+10FFFF, truncated, stray byte
                  " (4, CAST(x'610062' AS TEXT), 'ok', '" +
                  huge + "');");

  const ReadResult result = readFeedsAt(db);

  ASSERT_TRUE(result.ok());
  const FeedList feeds = recordsOf(result.rows);
  ASSERT_EQ(feeds.size(), 4u);
  EXPECT_EQ(feeds[0].htmlUrl, text("42"));
  EXPECT_EQ(feeds[0].title, text("1.5"));
  EXPECT_EQ(feeds[0].xmlUrl, text("https://x/"));
  // Every valid character stays; each invalid byte becomes U+FFFD, and the
  // read counts the values it repaired.
  const QString bad(QChar(0xFFFD));
  EXPECT_EQ(feeds[1].htmlUrl, bad + "(");
  EXPECT_EQ(feeds[1].title, bad.repeated(2));
  EXPECT_EQ(feeds[1].xmlUrl, bad.repeated(3));
  EXPECT_EQ(feeds[2].htmlUrl, bad.repeated(4));
  EXPECT_EQ(feeds[2].title, bad.repeated(2));
  EXPECT_EQ(feeds[2].xmlUrl, bad);
  EXPECT_EQ(result.repairedValues, 6u);
  // A NUL inside a text is still valid UTF-8 and arrives whole.
  EXPECT_EQ(feeds[3].htmlUrl, QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
  ASSERT_TRUE(feeds[3].xmlUrl);
  EXPECT_EQ(feeds[3].xmlUrl->size(), static_cast<qsizetype>(huge.size()));
}

// A read keeps its rows in a FeedRowTable, as the window holds them; they must
// come back as the read handed them out one by one, absent and empty texts
// told apart.
TEST(FeedDatabase, KeptRowsComeBackAsTheyWereRead) {
  const std::string huge(3'000'000, 'x');  // larger than one of the table's blocks
  const struct {
    const char *what;
    std::string rows;
  } cases[] = {
      {"no bytes at all first",
       "VALUES (NULL, NULL, NULL, NULL), ('', '', 0, ''), ('u', NULL, 1, '')"},
      {"invalid UTF-8",
       "VALUES (x'c328', 'ok', 1, x'eda080'), ('a', x'ff', 2, CAST(x'610062' AS TEXT))"},
      {"non-Latin", "VALUES ('https://例え.jp/', 'Ünïcødé 日本 🎉 Кириллица', 3, NULL)"},
      {"a value larger than a block",
       "VALUES ('a', 't', 1, 'l'), ('" + huge + "', '" + huge + "', 2, NULL), ('b', NULL, 3, 'm')"},
      {"rows filling several blocks",
       "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < 6000)"
       " SELECT 'https://s/' || v, v || hex(randomblob(200)), v, 'https://s/f' || v FROM n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const auto db = dir / "Feeds";
    execSql(db, std::string(kFeedsSchema) +
                    "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) " +
                    c.rows + ";");
    FeedList streamed;
    ASSERT_TRUE(forEachFeedRowAt(db, [&streamed](const FeedRow &row) {
                  streamed.push_back(toRecord(row));
                  return true;
                }).ok());
    const ReadResult kept = readFeedsAt(db);
    ASSERT_TRUE(kept.ok()) << kept.message.english().toStdString();
    EXPECT_EQ(recordsOf(kept.rows), streamed);
  }
}

TEST(FeedDatabase, ChannelTypeFollowsSqliteIntegerConversion) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) +
                  "INSERT INTO FEEDS (FEED_ID, CHANNEL_TYPE) VALUES"
                  " (1, NULL), (2, -3), (3, '12'), (4, 'rss'), (5, 3.9), (6, 2147483647),"
                  " (7, x'00');");
  const ReadResult result = readFeedsAt(db);
  ASSERT_TRUE(result.ok());
  std::vector<std::int32_t> types;
  for (std::size_t k = 0; k < result.rows.size(); ++k) {
    types.push_back(result.rows.row(k).channelType);
  }
  EXPECT_EQ(types, (std::vector<std::int32_t>{0, -3, 12, 0, 3, 2147483647, 0}));
}

TEST(FeedDatabase, MissingFileIsNeverCreated) {
  TempDir dir;
  fs::create_directory(dir / "Documents");
  for (const fs::path &db : {dir / "Documents" / "Feeds", dir / "Nowhere" / "Feeds"}) {
    EXPECT_FALSE(canOpenDatabaseAt(db));
    const ReadResult result = readFeedsAt(db);
    EXPECT_EQ(result.status, ReadStatus::OpenFailed);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_TRUE(result.message.english().contains(QString::fromStdString(db.string())))
        << result.message.english().toStdString();
    EXPECT_TRUE(result.message.english().contains("no database file"))
        << result.message.english().toStdString();
    EXPECT_FALSE(fs::exists(db));
  }
  EXPECT_TRUE(fs::is_empty(dir / "Documents"));
  EXPECT_FALSE(canOpenDatabaseAt(fs::path()));
  EXPECT_EQ(readFeedsAt(fs::path()).status, ReadStatus::OpenFailed);
}

TEST(FeedDatabase, FilesThatAreNoFeedDatabaseGiveQueryFailureAndStayUntouched) {
  TempDir dir;
  struct Case {
    std::string name;
    std::string setupSql;  // empty: written as raw bytes instead
    std::string bytes;
    ReadStatus status;
    QString expected;
  };
  const std::vector<Case> cases = {
      {"empty", "", "", ReadStatus::NoFeedsTable, "no FEEDS table"},
      {"text", "", "This is a plain text file, not a database.\n", ReadStatus::NotADatabase,
       "not an SQLite database"},
      {"no-feeds-table", "CREATE TABLE OTHER (A);", "", ReadStatus::NoFeedsTable, "no FEEDS table"},
      {"missing-column", "CREATE TABLE FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE);", "",
       ReadStatus::NoFeedsTable, "no FEEDS table"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const auto db = dir / c.name;
    if (c.setupSql.empty()) {
      writeFile(db, c.bytes);
    } else {
      execSql(db, c.setupSql);
    }
    const std::string before = readFile(db);

    EXPECT_TRUE(canOpenDatabaseAt(db));  // opening alone does not look inside
    const ReadResult result = readFeedsAt(db);
    EXPECT_EQ(result.status, c.status);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_FALSE(result.sqliteMessage.isEmpty());
    EXPECT_TRUE(result.message.english().contains(c.expected))
        << result.message.english().toStdString();
    EXPECT_TRUE(result.message.english().contains(QString::fromStdString(db.string())));
    EXPECT_EQ(readFile(db), before);
  }
  // A folder in place of the file.
  const ReadResult folder = readFeedsAt(dir.path());
  EXPECT_NE(folder.status, ReadStatus::Ok);
  EXPECT_TRUE(folder.message.english().contains("folder"))
      << folder.message.english().toStdString();
}

TEST(FeedDatabase, DamagedPagesStopTheReadAndKeepTheRowsBefore) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string("PRAGMA page_size=4096;") + kFeedsSchema + kThreeThousandFeeds);
  // Overwrite a leaf page in the middle of the table with garbage.
  std::string bytes = readFile(db);
  ASSERT_GT(bytes.size(), 100u * 4096);
  std::fill(bytes.begin() + 60 * 4096, bytes.begin() + 61 * 4096, '\xA5');
  writeFile(db, bytes);

  const ReadResult result = readFeedsAt(db);

  EXPECT_EQ(result.status, ReadStatus::StepFailed);
  EXPECT_GT(result.rowCount, 0u);
  EXPECT_LT(result.rowCount, 3000u);
  EXPECT_EQ(result.rows.size(), result.rowCount) << "the rows before the damage are kept";
  EXPECT_TRUE(result.message.english().contains("damaged"))
      << result.message.english().toStdString();
  EXPECT_EQ(readFile(db), bytes);
}

TEST(FeedDatabase, LockHeldByAnotherProgramFailsAfterTheWaitInsteadOfHanging) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) + "INSERT INTO FEEDS (FEED_TITLE) VALUES ('one');");
  auto writer = startWriter(db, {"exclusive"});

  ReadOptions briefWait;
  briefWait.busyTimeout = std::chrono::milliseconds(200);
  const ReadResult locked = readFeedsAt(db, briefWait);
  EXPECT_EQ(locked.status, ReadStatus::Locked);
  EXPECT_TRUE(locked.message.english().contains("locked by another program"))
      << locked.message.english().toStdString();

  killWriter(*writer);
  const ReadResult freed = readFeedsAt(db);
  ASSERT_TRUE(freed.ok()) << freed.message.english().toStdString();
  EXPECT_EQ(freed.rows.size(), 1u);
}

TEST(FeedDatabase, CommittedRowsInTheLogOfAKilledWalWriterAreRead) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string("PRAGMA journal_mode=WAL;") + kFeedsSchema +
                  "INSERT INTO FEEDS (FEED_TITLE) VALUES ('checkpointed');");
  auto writer = startWriter(db, {"wal", "500"});
  // While the writer lives, its committed rows are visible.
  EXPECT_EQ(readFeedsAt(db).rows.size(), 501u);
  killWriter(*writer);

  fs::path wal = db;
  wal += "-wal";
  fs::path shm = db;
  shm += "-shm";
  ASSERT_GT(fs::file_size(wal), 0u) << "the rows must still be in the log";
  const std::string mainBefore = readFile(db);

  ReadResult result = readFeedsAt(db);
  ASSERT_TRUE(result.ok()) << result.message.english().toStdString();
  ASSERT_EQ(result.rows.size(), 501u);
  EXPECT_EQ(textOf(result.rows.row(500).htmlUrl), "https://site/500");
  EXPECT_EQ(readFile(db), mainBefore) << "a reader must not checkpoint into the database";

  // Without the shared-memory index, which a writable folder lets SQLite rebuild.
  fs::remove(shm);
  result = readFeedsAt(db);
  ASSERT_TRUE(result.ok()) << result.message.english().toStdString();
  EXPECT_EQ(result.rows.size(), 501u);
  EXPECT_EQ(readFile(db), mainBefore);
}

TEST(FeedDatabase, LogWithoutIndexInAFolderWeMayNotWriteIsReadFromAPrivateCopy) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "folder permissions do not bind root; the command-line tests cover this "
                    "case as an unprivileged user";
  }
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string("PRAGMA journal_mode=WAL;") + kFeedsSchema);
  auto writer = startWriter(db, {"wal", "50"});
  killWriter(*writer);
  fs::path shm = db;
  shm += "-shm";
  fs::remove(shm);
  const auto before = folderState(dir.path());
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);

  const ReadResult result = readFeedsAt(db);

  fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::replace);
  ASSERT_TRUE(result.ok()) << result.message.english().toStdString();
  EXPECT_EQ(result.rows.size(), 50u);
  EXPECT_EQ(folderState(dir.path()), before);
}

TEST(FeedDatabase, HotJournalOfAKilledWriterIsRolledBackOnAPrivateCopyOnly) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string("PRAGMA journal_mode=DELETE;") + kFeedsSchema +
                  "INSERT INTO FEEDS (FEED_TITLE) VALUES ('committed 1'), ('committed 2');");
  auto writer = startWriter(db, {"hot", "2000"});
  killWriter(*writer);
  fs::path journal = db;
  journal += "-journal";
  ASSERT_TRUE(fs::exists(journal));
  const auto before = folderState(dir.path());

  const ReadResult result = readFeedsAt(db);

  ASSERT_TRUE(result.ok()) << result.message.english().toStdString();
  ASSERT_EQ(result.rows.size(), 2u) << "the unfinished transaction must not show";
  EXPECT_EQ(textOf(result.rows.row(1).title), "committed 2");
  EXPECT_EQ(folderState(dir.path()), before) << "the reader's files stay as the writer left them";
}

TEST(FeedDatabase, VisitorSeesRowsAsTheyAreReadAndNothingIsCollected) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db,
          std::string(kFeedsSchema) + "INSERT INTO FEEDS (FEED_TITLE) VALUES ('a'), ('b'), ('c');");
  QStringList titles;
  const ReadResult result = forEachFeedRowAt(db, [&titles](const FeedRow &feed) {
    titles << (feed.title ? textOf(feed.title) : "?");
    return true;
  });
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.rowCount, 3u);
  EXPECT_TRUE(result.rows.empty());
  EXPECT_EQ(titles, (QStringList{"a", "b", "c"}));
}

// A write-ahead database closed cleanly is read without locks; a writer that
// changes it meanwhile must not leave a read of two states: the read starts
// over with the usual locks, and a visitor that cannot start over gets a
// failure instead of mixed rows.
TEST(FeedDatabase, ALockFreeReadThatAWriterOvertookStartsOver) {
  for (const bool canRestart : {true, false}) {
    SCOPED_TRACE(canRestart ? "restartable" : "not restartable");
    TempDir dir;
    const auto db = dir / "Feeds";
    execSql(db, std::string("PRAGMA journal_mode=WAL;") + kFeedsSchema + kThreeThousandFeeds);
    ASSERT_FALSE(fs::exists(dir / "Feeds-wal")) << "closed cleanly";
    std::vector<std::string> seen;
    int restarts = 0;
    bool written = false;
    ReadOptions options;
    if (canRestart) {
      options.onRestart = [&] {
        ++restarts;
        seen.clear();
      };
    }
    const ReadResult result = forEachFeedRowAt(
        db,
        [&](const FeedRow &row) {
          seen.emplace_back(row.htmlUrl.value_or(""));
          if (seen.size() == 10 && !written) {
            written = true;
            execSql(db, "INSERT INTO FEEDS (FEED_URL) VALUES ('https://late/');");
          }
          return true;
        },
        options);
    if (canRestart) {
      EXPECT_TRUE(result.ok()) << result.message.english().toStdString();
      EXPECT_EQ(restarts, 1);
      EXPECT_EQ(seen.size(), 3001u) << "every row of the new state, once";
      EXPECT_EQ(seen.back(), "https://late/");
    } else {
      EXPECT_EQ(result.status, ReadStatus::Unreadable);
      EXPECT_TRUE(result.message.english().contains("changed while it was read"))
          << result.message.english().toStdString();
    }
  }
}

// A read that keeps its rows stops at its limits, keeping what it has as a
// list that is not whole, so that a FEEDS view without end cannot take all
// memory; a table within the limits reads whole.
TEST(FeedDatabase, AReadThatKeepsItsRowsStopsAtItsLimits) {
  TempDir dir;
  const auto endless = dir / "Endless";
  execSql(endless,
          "CREATE VIEW FEEDS AS WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n)"
          " SELECT 'https://s/' || v AS FEED_URL, 'Feed ' || v AS FEED_TITLE, 1 AS CHANNEL_TYPE,"
          " 'https://s/f' || v AS INTERNAL_LINK FROM n;");
  const auto small = dir / "Small";
  execSql(small, std::string(kFeedsSchema) +
                     "INSERT INTO FEEDS (FEED_TITLE, INTERNAL_LINK) VALUES ('a', 'https://a/f'),"
                     " ('b', 'https://b/f');");
  struct Case {
    fs::path database;
    std::size_t mostRows, mostBytes;
    ReadStatus status;
    std::size_t rows;
  };
  const std::vector<Case> cases = {
      {endless, 1000, 0, ReadStatus::StepFailed, 1000},
      // The view's rows hold 29 bytes of text each up to 9, 32 up to 99, then 35.
      {endless, 0, 4000, ReadStatus::StepFailed, 124},
      {small, 2, 0, ReadStatus::StepFailed, 2},
      {small, 3, 100, ReadStatus::Ok, 2},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.database.filename().string() + " " + std::to_string(c.mostRows) + " " +
                 std::to_string(c.mostBytes));
    ReadOptions options;
    options.mostRows = c.mostRows;
    options.mostBytes = c.mostBytes;
    const ReadResult read = readFeedsAt(c.database, options);
    EXPECT_EQ(read.status, c.status);
    EXPECT_EQ(read.rows.size(), c.rows);
    EXPECT_EQ(read.rowCount, c.rows);
    if (c.status == ReadStatus::StepFailed) {
      EXPECT_TRUE(read.message.english().contains(
          QStringLiteral("stopped after %1 feeds, more than any reader keeps").arg(c.rows)))
          << read.message.english().toStdString();
    }
  }
}
