#include "store/FeedsQuery.h"

#include <sqlite3.h>

#include <QByteArrayView>
#include <chrono>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

QString sqliteText(sqlite3 *db) {
  return db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db))
                       : QStringLiteral("out of memory while opening the database");
}

// The path as an SQLite URI, so that no name is ever read as a URI of its
// own (a name starting with "file:" would be, in SQLite builds that allow
// URI names): every byte but the plainest is percent-encoded.
std::string fileUri(const fs::path &absolute, const char *query) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (const char c : absolute.native()) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '/' ||
        b == '-' || b == '.' || b == '_' || b == '~') {
      uri += c;
    } else {
      uri += '%';
      uri += hex[b >> 4];
      uri += hex[b & 0xf];
    }
  }
  uri += query;
  return uri;
}

ReadStatus statusOf(int code, bool prepared, std::size_t rowsRead, const QString &sqliteMessage) {
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return rowsRead == 0 ? ReadStatus::Locked : ReadStatus::StepFailed;
    case SQLITE_NOTADB:
      return ReadStatus::NotADatabase;
    case SQLITE_CORRUPT:
      return prepared ? ReadStatus::StepFailed : ReadStatus::Damaged;
    case SQLITE_ERROR:
      if (prepared) return ReadStatus::StepFailed;
      // Only a missing table or column means the file is not the reader's;
      // anything else is a FEEDS view or table the query cannot run on.
      return sqliteMessage.startsWith(QLatin1String("no such table")) ||
                     sqliteMessage.startsWith(QLatin1String("no such column"))
                 ? ReadStatus::NoFeedsTable
                 : ReadStatus::QueryRefused;
    default:
      return prepared ? ReadStatus::StepFailed : ReadStatus::Unreadable;
  }
}

// A column's UTF-8 bytes. Invalid bytes are repaired into `scratch`: each
// invalid sequence becomes U+FFFD and every valid character stays, so that no
// value is lost as a whole for one bad byte.
std::optional<std::string_view> textColumn(sqlite3_stmt *stmt, int column, std::string &scratch,
                                           std::size_t &repaired) {
  if (sqlite3_column_type(stmt, column) == SQLITE_NULL) {
    return std::nullopt;
  }
  const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
  if (text == nullptr) {
    return std::nullopt;  // out of memory while converting; treated as no value
  }
  const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt, column));
  const QByteArrayView bytes(text, static_cast<qsizetype>(size));
  if (!bytes.isValidUtf8()) {
    ++repaired;
    scratch = QString::fromUtf8(bytes).toUtf8().toStdString();
    return std::string_view(scratch);
  }
  return std::string_view(text, size);
}

bool cancelled(const ReadOptions &options) {
  return options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed);
}

// SQLite's own wait for a lock, but one that a cancel ends at once.
int onBusy(void *context, int attempts) {
  const auto *options = static_cast<const ReadOptions *>(context);
  constexpr std::chrono::milliseconds kStep{10};
  if (options->cancel != nullptr && options->cancel->load()) return 0;
  if (kStep * attempts >= options->busyTimeout) return 0;
  std::this_thread::sleep_for(kStep);
  return 1;
}

int onProgress(void *cancel) { return static_cast<const std::atomic<bool> *>(cancel)->load(); }

}  // namespace

FeedsQuery::~FeedsQuery() {
  sqlite3_finalize(stmt_);
  sqlite3_close(db_);
}

std::optional<ReadResult> FeedsQuery::open(const fs::path &absolute, const char *uriParameters,
                                           int flags, const fs::path &shownPath) {
  // The connection lives on one thread only, so SQLite need not lock it on
  // every call.
  if (sqlite3_open_v2(fileUri(absolute, uriParameters).c_str(), &db_,
                      flags | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    return ReadResult::openFailed(shownPath, db_ ? sqlite3_system_errno(db_) : 0, sqliteText(db_));
  }
  sqlite3_extended_result_codes(db_, 1);
  // The last connection to close would otherwise fold the log into the
  // database file.
  sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  sqlite3_busy_handler(db_, onBusy, const_cast<ReadOptions *>(&options_));
  if (options_.cancel != nullptr) {
    sqlite3_progress_handler(db_, 1000, onProgress,
                             const_cast<void *>(static_cast<const void *>(options_.cancel)));
  }
  return std::nullopt;
}

void FeedsQuery::fail() {
  code_ = sqlite3_extended_errcode(db_);
  sqliteMessage_ = sqliteText(db_);
}

bool FeedsQuery::prepare() {
  if (sqlite3_prepare_v2(db_, kFeedsQuery, -1, &stmt_, nullptr) != SQLITE_OK || stmt_ == nullptr) {
    fail();
    return false;
  }
  prepared_ = true;
  return true;
}

void FeedsQuery::stepAll(const FeedRowVisitor &onRow) {
  int rc = SQLITE_OK;
  std::string scratch[3];
  while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {
    FeedRow row;
    row.htmlUrl = textColumn(stmt_, 0, scratch[0], repairedValues_);
    row.title = textColumn(stmt_, 1, scratch[1], repairedValues_);
    row.channelType = static_cast<std::int32_t>(sqlite3_column_int(stmt_, 2));
    row.xmlUrl = textColumn(stmt_, 3, scratch[2], repairedValues_);
    ++rowCount_;
    if (!onRow(row) || cancelled(options_)) {
      stopped_ = true;
      return;
    }
  }
  if ((rc & 0xff) == SQLITE_INTERRUPT && cancelled(options_)) {
    stopped_ = true;
  } else if (rc != SQLITE_DONE) {
    fail();
  }
}

ReadResult FeedsQuery::result(const fs::path &shownPath) const {
  ReadResult result;
  if (stopped_) {
    result = ReadResult::failed(ReadStatus::Stopped, shownPath, code_, sqliteMessage_, rowCount_);
  } else if (code_ != SQLITE_OK) {
    result = ReadResult::failed(statusOf(code_, prepared_, rowCount_, sqliteMessage_), shownPath,
                                code_, sqliteMessage_, rowCount_);
  }
  result.rowCount = rowCount_;
  result.repairedValues = repairedValues_;
  return result;
}
