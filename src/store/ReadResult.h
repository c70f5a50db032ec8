#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>

#include "platform/Sentence.h"
#include "store/FeedRow.h"
#include "store/FeedRowTable.h"

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

// The outcome of a read of the reader's database, with the sentence that
// tells the user about it.
struct ReadResult {
  ReadStatus status = ReadStatus::Ok;
  // Every row on Ok, the rows read before the failure on StepFailed, else
  // empty. Stays empty when the rows were handed to a visitor instead.
  FeedRowTable rows;
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

  // The file could not be opened; systemErrno picks the sentence.
  static ReadResult openFailed(const std::filesystem::path &path, int systemErrno,
                               const QString &reason);
  // The query failed with SQLite's (extended) code after rowsRead rows; the
  // status says how (Locked, NotADatabase, Damaged, NoFeedsTable, QueryRefused,
  // Stopped, StepFailed, Unreadable).
  static ReadResult failed(ReadStatus status, const std::filesystem::path &path, int sqliteCode,
                           const QString &sqliteMessage, std::size_t rowsRead);
  // Anything else that keeps the rows from being read, said by `message`.
  static ReadResult unreadable(const QString &why, Sentence message);
};

// Takes one row, whose bytes live only during the call; returns false to
// stop the read there (the result is then Stopped), e.g. because the place
// the rows go to failed.
using FeedRowVisitor = std::function<bool(const FeedRow &)>;

struct ReadOptions {
  // How long to wait for another program's lock on the file before giving up.
  std::chrono::milliseconds busyTimeout{3000};
  // Set from another thread to stop the read as soon as SQLite notices (the
  // result is then Stopped): a query without end must not outlive a quit.
  const std::atomic<bool> *cancel = nullptr;
  // Called when rows already handed to the visitor must be forgotten because
  // the read starts over (the file changed under a read that took no lock);
  // the rows then come again from the first. A visitor that keeps rows
  // needs it: without one, such a read fails instead of starting over.
  std::function<void()> onRestart;
  // For a read that keeps its rows (readFeedsAt): it stops once it holds
  // this many rows, or this many bytes of their texts (0: no limit), and
  // keeps those it has, as a read that failed part-way does.
  std::size_t mostRows = 0;
  std::size_t mostBytes = 0;
};
