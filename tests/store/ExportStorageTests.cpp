#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QtGlobal>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <set>
#include <thread>

#include "TestSupport.h"
#include "WriterProcess.h"
#include "platform/MainQueue.h"
#include "store/CXExportStorage.h"

using testsupport::execSql;
using testsupport::TempDir;
using testsupport::waitUntil;
namespace fs = std::filesystem;

namespace {

// Collects the lines of the "orvella" logging category.
class LogCapture {
 public:
  LogCapture() {
    instance_ = this;
    previous_ = qInstallMessageHandler(&LogCapture::handle);
  }
  ~LogCapture() {
    qInstallMessageHandler(previous_);
    instance_ = nullptr;
  }
  QStringList lines() {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  static void handle(QtMsgType, const QMessageLogContext &context, const QString &message) {
    if (instance_ != nullptr && qstrcmp(context.category, "orvella") == 0) {
      std::lock_guard lock(instance_->mutex_);
      instance_->lines_ << message;
    }
  }
  static inline LogCapture *instance_ = nullptr;
  QtMessageHandler previous_ = nullptr;
  std::mutex mutex_;
  QStringList lines_;
};

// Holds the database queue until released, to see what waits behind it.
class QueueGate {
 public:
  explicit QueueGate(SerialQueue &queue) {
    queue.async([this] {
      std::unique_lock lock(mutex_);
      open_.wait(lock, [this] { return released_; });
    });
  }
  ~QueueGate() { release(); }
  void release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    open_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable open_;
  bool released_ = false;
};

// Waits until every task queued on the database queue so far, and every
// main-queue delivery they made, has run.
void drain(CXExportStorage &storage) {
  std::atomic<bool> done{false};
  storage.databaseQueue().async([&done] { MainQueue::async([&done] { done = true; }); });
  ASSERT_TRUE(waitUntil([&done] { return done.load(); }));
}

fs::path makeDatabase(const TempDir &dir, int rows) {
  const auto db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) +
                  "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < " +
                  std::to_string(rows) +
                  ") INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK)"
                  " SELECT 'https://s/' || v, 'Feed ' || v, v % 3, 'https://s/f' || v FROM n;");
  return db;
}

}  // namespace

TEST(CXExportStorage, SharedStoreIsMadeOnceEvenWhenThreadsRace) {
  std::vector<std::thread> threads;
  std::mutex mutex;
  std::set<CXExportStorage *> seen;
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([&] {
      CXExportStorage *store = &CXExportStorage::defaultManager();
      std::lock_guard lock(mutex);
      seen.insert(store);
    });
  }
  for (auto &t : threads) {
    t.join();
  }
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(CXExportStorage::defaultManager().databaseQueue().label(),
            "com.corvanex.OrvellaExporter.database");
}

TEST(CXExportStorage, DatabaseLivesInTheGroupContainerUnlessOverridden) {
  ASSERT_NE(std::getenv("XDG_DATA_HOME"), nullptr) << "run through ctest";
  const fs::path data = std::getenv("XDG_DATA_HOME");
  CXExportStorage storage;
  EXPECT_EQ(CXExportStorage::groupContainerURL().value(), data / "QM4T8ZK2WR.com.Corvanex.Orvella");
  EXPECT_EQ(storage.databasePath().value(),
            data / "QM4T8ZK2WR.com.Corvanex.Orvella" / "Documents" / "Feeds");
  storage.setDatabasePathOverride(fs::path("/elsewhere/db"));
  EXPECT_EQ(storage.databasePath().value(), fs::path("/elsewhere/db"));
  storage.setDatabasePathOverride(std::nullopt);
  EXPECT_EQ(storage.databasePath().value().filename(), "Feeds");
}

TEST(CXExportStorage, ProbeAnswersZeroOnlyForAFileThatOpens) {
  TempDir dir;
  CXExportStorage storage;
  storage.setDatabasePathOverride(makeDatabase(dir, 1));
  EXPECT_EQ(storage.openDatabase(), 0);

  fs::create_directory(dir / "Documents");
  storage.setDatabasePathOverride(dir / "Documents" / "Feeds");
  EXPECT_EQ(storage.openDatabase(), -1000);
  EXPECT_FALSE(fs::exists(dir / "Documents" / "Feeds")) << "the probe must not create the file";
  storage.setDatabasePathOverride(dir / "NoDocuments" / "Feeds");
  EXPECT_EQ(storage.openDatabase(), -1000);
}

TEST(CXExportStorage, UnresolvedContainerCountsAsNoDatabase) {
  ASSERT_NE(std::getenv("HOME"), nullptr) << "run through ctest";
  ASSERT_NE(std::getenv("XDG_DATA_HOME"), nullptr) << "run through ctest";
  const std::string home = std::getenv("HOME");
  const std::string data = std::getenv("XDG_DATA_HOME");
  unsetenv("HOME");
  unsetenv("XDG_DATA_HOME");
  CXExportStorage storage;
  const auto path = storage.databasePath();
  const auto probe = storage.openDatabase();
  LogCapture log;
  bool called = false;
  storage.readFeedsFromDatabaseWithCompletionHandler([&called](FeedList) { called = true; });
  drain(storage);
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_DATA_HOME", data.c_str(), 1);

  EXPECT_FALSE(path);
  EXPECT_EQ(probe, -1000);
  EXPECT_FALSE(called);
  ASSERT_EQ(log.lines().size(), 1);
  EXPECT_TRUE(log.lines()[0].startsWith("Database error: ")) << log.lines()[0].toStdString();
}

TEST(CXExportStorage, ReadRunsOnTheQueueAndDeliversOnTheMainThread) {
  TempDir dir;
  CXExportStorage storage;
  storage.setDatabasePathOverride(makeDatabase(dir, 3));
  QueueGate gate(storage.databaseQueue());

  std::optional<FeedList> delivered;
  bool onMainThread = false;
  storage.readFeedsFromDatabaseWithCompletionHandler([&](FeedList feeds) {
    onMainThread = MainQueue::isMainThread();
    delivered = std::move(feeds);
  });
  testsupport::pump(std::chrono::milliseconds(100));
  EXPECT_FALSE(delivered) << "the read must wait its turn on the database queue";

  gate.release();
  ASSERT_TRUE(waitUntil([&] { return delivered.has_value(); }));
  EXPECT_TRUE(onMainThread);
  ASSERT_EQ(delivered->size(), 3u);
  EXPECT_EQ((*delivered)[2].title, QString("Feed 3"));
  EXPECT_EQ((*delivered)[2].channelType, 0);
}

TEST(CXExportStorage, ReadsAreServedInOrderEachWithItsOwnSnapshot) {
  TempDir dir;
  CXExportStorage storage;
  const auto db = makeDatabase(dir, 2);
  storage.setDatabasePathOverride(db);

  std::vector<std::size_t> sizes;
  storage.readFeedsFromDatabaseWithCompletionHandler(
      [&sizes](FeedList feeds) { sizes.push_back(feeds.size()); });
  storage.databaseQueue().async(
      [db] { execSql(db, "INSERT INTO FEEDS (FEED_TITLE) VALUES ('added between reads');"); });
  storage.readFeedsFromDatabaseWithCompletionHandler(
      [&sizes](FeedList feeds) { sizes.push_back(feeds.size()); });

  ASSERT_TRUE(waitUntil([&sizes] { return sizes.size() == 2; }));
  EXPECT_EQ(sizes, (std::vector<std::size_t>{2, 3}));
}

TEST(CXExportStorage, UnopenableDatabaseLogsAndNeverCallsBack) {
  TempDir dir;
  CXExportStorage storage;
  storage.setDatabasePathOverride(dir / "Documents" / "Feeds");
  LogCapture log;
  bool called = false;
  storage.readFeedsFromDatabaseWithCompletionHandler([&called](FeedList) { called = true; });
  drain(storage);
  EXPECT_FALSE(called);
  EXPECT_EQ(log.lines(), QStringList{"Database error: unable to open database file"});
  EXPECT_FALSE(fs::exists(dir / "Documents"));
}

TEST(CXExportStorage, DatabaseWithoutUsableFeedsTableGivesAnEmptyListQuietly) {
  TempDir dir;
  const auto db = dir / "Feeds";
  testsupport::writeFile(db, "not a database at all");
  CXExportStorage storage;
  storage.setDatabasePathOverride(db);
  LogCapture log;
  std::optional<FeedList> delivered;
  storage.readFeedsFromDatabaseWithCompletionHandler(
      [&delivered](FeedList feeds) { delivered = std::move(feeds); });
  ASSERT_TRUE(waitUntil([&] { return delivered.has_value(); }));
  EXPECT_TRUE(delivered->empty());
  EXPECT_TRUE(log.lines().isEmpty());
}

TEST(CXExportStorage, SampleDatabaseHoldsTheAdvertisedOddities) {
  CXExportStorage storage;
  storage.setDatabasePathOverride(fs::path(ORVELLA_SAMPLE_DATABASE));
  ASSERT_EQ(storage.openDatabase(), 0);
  std::optional<FeedList> feeds;
  storage.readFeedsFromDatabaseWithCompletionHandler(
      [&feeds](FeedList list) { feeds = std::move(list); });
  ASSERT_TRUE(waitUntil([&] { return feeds.has_value(); }));
  ASSERT_GE(feeds->size(), 30u);
  ASSERT_LE(feeds->size(), 60u);
  int withAmpersand = 0, nonLatin = 0, withoutTitle = 0;
  for (const auto &feed : *feeds) {
    if (!feed.title) {
      ++withoutTitle;
      continue;
    }
    withAmpersand += feed.title->contains('&');
    nonLatin += std::any_of(feed.title->begin(), feed.title->end(),
                            [](QChar c) { return c.unicode() > 0x24F; });
  }
  EXPECT_GE(withAmpersand, 1);
  EXPECT_GE(nonLatin, 1);
  EXPECT_EQ(withoutTitle, 1);
}

TEST(CXExportStorage, ReadWithOutcomeAlwaysAnswersWithStatusSentenceAndRows) {
  TempDir dir;
  testsupport::writeFile(dir / "text", "not a database at all");
  execSql(dir / "other", "CREATE TABLE NOTES (BODY TEXT);");
  struct Case {
    fs::path database;
    ReadStatus status;
    std::size_t rows;
    const char *sentence;
  };
  const std::vector<Case> cases = {
      {fs::path(ORVELLA_SAMPLE_DATABASE), ReadStatus::Ok, 45, ""},
      {dir / "missing", ReadStatus::OpenFailed, 0, "There is no database file at"},
      {dir / "text", ReadStatus::NotADatabase, 0, "is not an SQLite database"},
      {dir / "other", ReadStatus::NoFeedsTable, 0, "has no FEEDS table"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.database.string());
    CXExportStorage storage;
    storage.setDatabasePathOverride(c.database);
    std::optional<ReadResult> outcome;
    storage.readFeedsWithOutcome([&outcome](ReadResult r) { outcome = std::move(r); });
    ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
    EXPECT_EQ(outcome->status, c.status);
    EXPECT_EQ(outcome->rows.size(), c.rows);
    EXPECT_TRUE(outcome->message.english().contains(c.sentence))
        << outcome->message.english().toStdString();
    EXPECT_EQ(outcome->message.english().isEmpty(), c.status == ReadStatus::Ok);
  }
}

TEST(CXExportStorage, ProbeAnswersAtOnceForNamesThatAreNoDatabaseFile) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);  // an open() of it would block
  fs::create_directory(dir / "folder");
  std::vector<std::string> names{"fifo", "folder"};
  if (::mknod((dir / "device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    names.push_back("device");
  }
  for (const auto &name : names) {
    SCOPED_TRACE(name);
    CXExportStorage storage;
    storage.setDatabasePathOverride(dir / name);
    EXPECT_EQ(storage.openDatabase(), CXExportStorage::kDatabaseUnavailable);
    const ReadResult read = storage.readFeeds();
    EXPECT_EQ(read.status, ReadStatus::OpenFailed);
    EXPECT_TRUE(read.message.english().contains(QString::fromStdString((dir / name).string())))
        << read.message.english().toStdString();
  }
}
