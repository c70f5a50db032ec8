#pragma once

#include <QString>
#include <cstddef>
#include <filesystem>

#include "store/ReadResult.h"

struct sqlite3;
struct sqlite3_stmt;

// The one statement the exporter runs against the reader's database.
inline constexpr char kFeedsQuery[] =
    "SELECT FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK FROM FEEDS";

// The feeds query on one SQLite connection of its own, used on the calling
// thread only. Opening, preparing and stepping are steps of their own, so
// that a caller may act between them (a private copy's names go once the
// query is prepared). Locks are waited for, and a cancel honoured, as the
// options say; the options must outlive the query.
class FeedsQuery {
 public:
  explicit FeedsQuery(const ReadOptions &options) : options_(options) {}
  ~FeedsQuery();
  FeedsQuery(const FeedsQuery &) = delete;
  FeedsQuery &operator=(const FeedsQuery &) = delete;

  // Opens the file, never read as a URI of its own; uriParameters follow the
  // path (e.g. "?mode=ro"). On failure, the outcome a read gives.
  std::optional<ReadResult> open(const std::filesystem::path &absolute, const char *uriParameters,
                                 int flags, const std::filesystem::path &shownPath);
  bool prepare();
  // Steps through every row; stops early when onRow says so or on a cancel.
  void stepAll(const FeedRowVisitor &onRow);

  // SQLite's extended code of the failure; SQLITE_OK (0) while there is none.
  int failureCode() const { return code_; }
  std::size_t rowCount() const { return rowCount_; }
  // The outcome so far, naming the file as shownPath.
  ReadResult result(const std::filesystem::path &shownPath) const;

 private:
  void fail();

  const ReadOptions &options_;
  sqlite3 *db_ = nullptr;
  sqlite3_stmt *stmt_ = nullptr;
  int code_ = 0;
  bool prepared_ = false;
  bool stopped_ = false;  // the visitor asked to stop, or the read was cancelled
  QString sqliteMessage_;
  std::size_t rowCount_ = 0;
  std::size_t repairedValues_ = 0;
};
