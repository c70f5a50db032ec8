#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>

#include "platform/SerialQueue.h"
#include "store/FeedDatabase.h"
#include "store/FeedRecord.h"
#include "store/ReaderContainer.h"

// The exporter's only access to the reader's data: finds the reader's
// database in the shared application-group container, probes it and reads
// every feed on a serial queue. Never writes to the database nor creates it.
class CXExportStorage {
 public:
  static constexpr const char *kGroupIdentifier = ReaderContainer::kGroupIdentifier;
  static constexpr char kDatabaseQueueLabel[] = "com.corvanex.OrvellaExporter.database";
  static constexpr std::int64_t kDatabaseUnavailable = -1000;
  // What a read for the window holds at the most: far more than any reader
  // keeps (a few thousand feeds is a large list), far less than the memory
  // a FEEDS view without end would take.
  static constexpr std::size_t kMostFeedsHeld = 2'000'000;
  static constexpr std::size_t kMostFeedBytesHeld = std::size_t(512) * 1024 * 1024;

  // The shared store, made on the first call (safe from several threads).
  static CXExportStorage &defaultManager();

  // The container folder that the exporter shares with the reader, or nothing
  // when it cannot be located.
  static std::optional<std::filesystem::path> groupContainerURL();

  // A store of its own with its own queue; the application uses defaultManager().
  CXExportStorage();
  CXExportStorage(const CXExportStorage &) = delete;
  CXExportStorage &operator=(const CXExportStorage &) = delete;

  // The reader's own database: Documents/Feeds in the group container;
  // nothing when the container cannot be located.
  static std::optional<std::filesystem::path> defaultDatabasePath();

  // What a read gives when defaultDatabasePath() has no answer: OpenFailed,
  // with a sentence that says which environment variable to set.
  static ReadResult containerNotFound();

  // The database file: the override when one is set, else the reader's own.
  std::optional<std::filesystem::path> databasePath() const;
  bool hasDatabasePathOverride() const;
  void setDatabasePathOverride(std::optional<std::filesystem::path> path);

  // Kept because the design names it (the program probes with
  // probeDatabase): 0 when the database file can be opened,
  // kDatabaseUnavailable (-1000) when not. Runs on the caller's thread.
  std::int64_t openDatabase() const;
  // The same probe with its outcome: Ok, or OpenFailed with the sentence a
  // read would give (also when the container cannot be located).
  ReadResult probeDatabase() const;

  // Kept because the design names it (the program reads with
  // readFeedsWithOutcome): reads every feed on databaseQueue() and calls
  // completion on the main queue with them, in the order SQLite returns
  // them. When the database cannot be opened it logs "Database error:
  // <reason>" and never calls completion. A database whose query cannot be
  // run gives an empty list; a read that fails part-way gives the rows read
  // before the failure.
  void readFeedsFromDatabaseWithCompletionHandler(std::function<void(FeedList)> completion);

  // The whole outcome of reading every feed of databasePath(): the status,
  // the sentence for the user (the one the command line prints), the rows
  // read (also those before a failure part-way) and whether the read was
  // complete. Runs on the caller's thread.
  ReadResult readFeeds(const ReadOptions &options = {}) const;

  // readFeeds() on databaseQueue(); completion is called on the main queue
  // exactly once, whatever the outcome.
  void readFeedsWithOutcome(std::function<void(ReadResult)> completion,
                            const ReadOptions &options = {});

  SerialQueue &databaseQueue() { return queue_; }

  // Stops the read under way and every later one (they end as Stopped), so
  // that a quit never waits for a query without end. For the end of the
  // program: there is no taking it back.
  void cancelReads() { cancelled_.store(true); }

 private:
  std::atomic<bool> cancelled_{false};
  mutable std::mutex mutex_;
  std::optional<std::filesystem::path> override_;
  SerialQueue queue_;
};
