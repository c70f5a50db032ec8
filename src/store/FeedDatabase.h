#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Sentence.h"
#include "store/FeedRecord.h"
#include "store/FeedRowTable.h"
#include "store/FeedRowView.h"

// Read-only access to a reader database file. Every call opens a connection of
// its own and closes it before returning. Nothing here writes to the database,
// its log or its journal, or creates a file beside it: a database that needs
// recovery is read from a private copy. The one file that may change is an
// existing shared-memory index (-shm), as SQLite's readers keep it current.
// Names are taken as bytes and never read as SQLite URIs.

// The one statement the exporter runs against the reader's database.
inline constexpr char kFeedsQuery[] =
    "SELECT FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK FROM FEEDS";

enum class ReadStatus {
  Ok,            // every row was read
  OpenFailed,    // the file could not be opened: missing, unreadable, not a regular
                 // file, no path
  NotADatabase,  // the file is not an SQLite database
  NoFeedsTable,  // no FEEDS table, or one of its four columns is missing
  QueryRefused,  // the FEEDS table or view exists but the query cannot run on it,
                 // e.g. a view that calls a function SQLite refuses there
  Locked,        // another program still held its lock after the wait
  Damaged,       // the database is damaged where the query starts
  Unreadable,    // the query could not start for another reason (I/O error, memory)
  StepFailed,    // reading stopped part-way; the rows before the failure were kept
  Stopped,       // the visitor asked to stop; the rows before were handed over
};

struct ReadResult {
  ReadStatus status = ReadStatus::Ok;
  // Every row on Ok, the rows read before the failure on StepFailed, else
  // empty. Stays empty when the rows were handed to a visitor instead.
  FeedList feeds;
  // The same rows as UTF-8 when the read was asked for compact rows (then
  // `feeds` stays empty).
  FeedRowTable compact;
  // Rows read, also when they went to a visitor.
  std::size_t rowCount = 0;
  // SQLite's own text for the failure (what the log line carries).
  QString sqliteMessage;
  // On OpenFailed, the system's error number when one is known (ENOENT: there
  // is no file of that name), else 0.
  int systemErrno = 0;
  // A sentence for the user that names the file, says what went wrong and
  // what to do about it. Empty on Ok.
  Sentence message;
  // Values whose bytes were not valid UTF-8: each invalid sequence was
  // replaced with U+FFFD, every valid character kept.
  std::size_t repairedValues = 0;

  bool ok() const { return status == ReadStatus::Ok; }
};

struct ReadOptions {
  // How long to wait for another program's lock on the file before giving up.
  std::chrono::milliseconds busyTimeout{3000};
  // Keep the rows as UTF-8 in ReadResult::compact instead of as FeedRecords.
  bool compactRows = false;
  // Set from another thread to stop the read as soon as SQLite notices (the
  // result is then Stopped): a query without end must not outlive a quit.
  const std::atomic<bool> *cancel = nullptr;
  // Called when rows already handed to the visitor must be forgotten because
  // the read starts over (the file changed under a read that took no lock);
  // the rows then come again from the first. A visitor that keeps rows
  // needs it: without one, such a read fails instead of starting over.
  std::function<void()> onRestart;
};

// True when the name leads to a regular file that can be opened for reading;
// a FIFO, socket, device or folder is answered at once with false. Opens
// nothing for longer than the call and never creates the file.
bool canOpenDatabaseAt(const std::filesystem::path &path);

// What opening the file would give, without reading it: Ok when it can be
// opened, else the OpenFailed outcome a read would give, sentence included.
ReadResult probeDatabaseAt(const std::filesystem::path &path);

// Runs the feeds query and collects every row.
ReadResult readFeedsAt(const std::filesystem::path &path, const ReadOptions &options = {});

// Runs the feeds query and hands each row to onFeed as it is read, so that a
// caller that only streams the rows never holds all of them at once.
ReadResult forEachFeedAt(const std::filesystem::path &path,
                         const std::function<void(FeedRecord &&)> &onFeed,
                         const ReadOptions &options = {});

// Takes one row; returns false to stop the read there (the result is then
// Stopped), e.g. because the place the rows go to failed.
using FeedRowVisitor = std::function<bool(const FeedRowView &)>;

// Like forEachFeedAt, without making strings of the values: for a caller that
// turns the rows straight into bytes.
ReadResult forEachFeedRowAt(const std::filesystem::path &path, const FeedRowVisitor &onRow,
                            const ReadOptions &options = {});

// The row's values as a FeedRecord.
FeedRecord toRecord(const FeedRowView &row);

// The names of the database's own files, links resolved: the file itself
// and the -wal, -shm and -journal that SQLite keeps beside it (whether they
// exist or not). An export must never replace any of them.
std::vector<std::string> databaseFileNames(const std::filesystem::path &database);
