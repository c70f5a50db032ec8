#include "FeedDatabase.h"

#include <sqlite3.h>

#include <QByteArrayView>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// SQLite treats a name that starts with "file:" as a URI when URI names are
// enabled (as in Debian's build), so every name handed to it is made absolute.
fs::path absolutePath(const fs::path &path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  return ec ? path : absolute.lexically_normal();
}

QString shown(const fs::path &path) { return QFile::decodeName(path.native().c_str()); }

QString sqliteText(sqlite3 *db) {
  return db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db))
                       : QStringLiteral("out of memory while opening the database");
}

class Connection {
 public:
  Connection() = default;
  ~Connection() { sqlite3_close(db_); }
  Connection(const Connection &) = delete;
  Connection &operator=(const Connection &) = delete;

  // flags: SQLITE_OPEN_READONLY or SQLITE_OPEN_READWRITE, never CREATE. A
  // connection lives on one thread only, so SQLite need not lock it on every
  // call.
  int open(const fs::path &path, int flags) {
    return sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  }
  sqlite3 *get() const { return db_; }

 private:
  sqlite3 *db_ = nullptr;
};

class Statement {
 public:
  ~Statement() { sqlite3_finalize(stmt_); }
  sqlite3_stmt **out() { return &stmt_; }
  sqlite3_stmt *get() const { return stmt_; }

 private:
  sqlite3_stmt *stmt_ = nullptr;
};

QString describeOpenFailure(const fs::path &path, int systemErrno, const QString &sqliteMessage) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    return QStringLiteral("\"%1\" is a folder, not a database file. Name the Feeds file itself.")
        .arg(shown(path));
  }
  switch (systemErrno) {
    case ENOENT:
    case ENOTDIR:
      return QStringLiteral(
                 "There is no database file at \"%1\". Check the path, or start Orvella once so "
                 "that it creates its database.")
          .arg(shown(path));
    case EACCES:
    case EPERM:
      return QStringLiteral(
                 "The database \"%1\" cannot be opened: permission denied. Make the file "
                 "readable for your user and try again.")
          .arg(shown(path));
    default:
      return QStringLiteral(
                 "The database \"%1\" cannot be opened (%2). Check the file and try "
                 "again.")
          .arg(shown(path), sqliteMessage);
  }
}

QString describeReadFailure(const fs::path &path, int code, const QString &sqliteMessage,
                            std::size_t rowsRead) {
  const QString file = shown(path);
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return QStringLiteral(
                 "The database \"%1\" is locked by another program (%2). Quit Orvella, or wait "
                 "until it has finished writing, and try again.")
          .arg(file, sqliteMessage);
    case SQLITE_NOTADB:
      return QStringLiteral(
                 "\"%1\" is not an SQLite database (%2). Name the reader's Feeds database file.")
          .arg(file, sqliteMessage);
    case SQLITE_CORRUPT:
      if (rowsRead > 0) {
        return QStringLiteral(
                   "The database \"%1\" is damaged: reading stopped after %2 feeds (%3). Let "
                   "Orvella repair it, or export from a backup copy.")
            .arg(file)
            .arg(rowsRead)
            .arg(sqliteMessage);
      }
      return QStringLiteral(
                 "The database \"%1\" is damaged (%2). Let Orvella repair it, or export from a "
                 "backup copy.")
          .arg(file, sqliteMessage);
    case SQLITE_ERROR:
      if (rowsRead == 0) {
        return QStringLiteral(
                   "The database \"%1\" has no FEEDS table with the columns FEED_URL, "
                   "FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds "
                   "database file.")
            .arg(file, sqliteMessage);
      }
      break;
    default:
      break;
  }
  if (rowsRead > 0) {
    return QStringLiteral(
               "Reading the database \"%1\" stopped after %2 feeds (%3). Check the file and try "
               "again.")
        .arg(file)
        .arg(rowsRead)
        .arg(sqliteMessage);
  }
  return QStringLiteral("The database \"%1\" cannot be read (%2). Check the file and try again.")
      .arg(file, sqliteMessage);
}

std::optional<std::string_view> textColumn(sqlite3_stmt *stmt, int column) {
  if (sqlite3_column_type(stmt, column) == SQLITE_NULL) {
    return std::nullopt;
  }
  const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
  if (text == nullptr) {
    return std::nullopt;  // out of memory while converting; treated as no value
  }
  const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt, column));
  if (!QByteArrayView(text, static_cast<qsizetype>(size)).isValidUtf8()) {
    return std::nullopt;
  }
  return std::string_view(text, size);
}

std::optional<QString> toText(const std::optional<std::string_view> &utf8) {
  if (!utf8) {
    return std::nullopt;
  }
  return QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size()));
}

// True for failures that mean SQLite could not do, through a read-only
// connection, the recovery that the files next to the database call for: a
// write-ahead log without its shared-memory index in a folder we may not
// write, or a hot rollback journal left by a writer that died.
bool needsPrivateRecovery(int extendedCode) {
  return (extendedCode & 0xff) == SQLITE_CANTOPEN || extendedCode == SQLITE_READONLY_ROLLBACK ||
         extendedCode == SQLITE_READONLY_RECOVERY || extendedCode == SQLITE_READONLY_CANTINIT;
}

struct QueryOutcome {
  int code = SQLITE_OK;  // extended code of the failure, SQLITE_OK when all rows were read
  bool prepared = false;
  QString sqliteMessage;
};

QueryOutcome runQuery(sqlite3 *db, const std::function<void(const FeedRowView &)> &onRow,
                      std::size_t &rowCount) {
  QueryOutcome outcome;
  Statement stmt;
  int rc = sqlite3_prepare_v2(db, kFeedsQuery, -1, stmt.out(), nullptr);
  if (rc != SQLITE_OK || stmt.get() == nullptr) {
    outcome.code = sqlite3_extended_errcode(db);
    outcome.sqliteMessage = sqliteText(db);
    return outcome;
  }
  outcome.prepared = true;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    FeedRowView row;
    row.feedUrl = textColumn(stmt.get(), 0);
    row.feedTitle = textColumn(stmt.get(), 1);
    row.channelType = static_cast<std::int32_t>(sqlite3_column_int(stmt.get(), 2));
    row.internalLink = textColumn(stmt.get(), 3);
    ++rowCount;
    onRow(row);
  }
  if (rc != SQLITE_DONE) {
    outcome.code = sqlite3_extended_errcode(db);
    outcome.sqliteMessage = sqliteText(db);
  }
  return outcome;
}

ReadResult finish(const fs::path &path, const QueryOutcome &outcome, std::size_t rowCount) {
  ReadResult result;
  result.rowCount = rowCount;
  if (outcome.code == SQLITE_OK) {
    return result;
  }
  result.status = outcome.prepared ? ReadStatus::StepFailed : ReadStatus::QueryFailed;
  result.sqliteMessage = outcome.sqliteMessage;
  result.message = describeReadFailure(path, outcome.code, outcome.sqliteMessage, rowCount);
  return result;
}

// Reads a private copy of the database and its log or journal, on which SQLite
// may do the recovery that it cannot do in place. Only reached when no live
// writer shares the files (a writer would hold the index or the lock whose
// absence brought us here), so the copy is the state the last writer left.
std::optional<ReadResult> readPrivateCopy(const fs::path &path,
                                          const std::function<void(const FeedRowView &)> &onRow,
                                          const ReadOptions &options) {
  QTemporaryDir dir;
  if (!dir.isValid()) {
    return std::nullopt;
  }
  const fs::path folder(QFile::encodeName(dir.path()).toStdString());
  const fs::path copy = folder / "Feeds";
  std::error_code ec;
  if (!fs::copy_file(path, copy, ec)) {
    return std::nullopt;
  }
  for (const char *suffix : {"-wal", "-journal"}) {
    fs::path side = path;
    side += suffix;
    if (fs::exists(side, ec)) {
      fs::path sideCopy = copy;
      sideCopy += suffix;
      if (!fs::copy_file(side, sideCopy, ec)) {
        return std::nullopt;
      }
    }
  }
  for (const auto &entry : fs::directory_iterator(folder, ec)) {
    fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
  }

  Connection connection;
  if (connection.open(copy, SQLITE_OPEN_READWRITE) != SQLITE_OK) {
    return std::nullopt;
  }
  sqlite3_extended_result_codes(connection.get(), 1);
  sqlite3_busy_timeout(connection.get(), static_cast<int>(options.busyTimeout.count()));
  std::size_t rowCount = 0;
  QueryOutcome outcome = runQuery(connection.get(), onRow, rowCount);
  if (!outcome.prepared) {
    return std::nullopt;  // the copy did not help; report the original failure
  }
  return finish(path, outcome, rowCount);
}

}  // namespace

std::optional<QString> textFromUtf8(const char *bytes, std::size_t size) {
  const QByteArrayView view(bytes, static_cast<qsizetype>(size));
  if (!view.isValidUtf8()) {
    return std::nullopt;
  }
  return QString::fromUtf8(view);
}

bool canOpenDatabaseAt(const fs::path &path) {
  if (path.empty()) {
    return false;
  }
  Connection connection;
  return connection.open(absolutePath(path), SQLITE_OPEN_READONLY) == SQLITE_OK;
}

ReadResult forEachFeedRowAt(const fs::path &rawPath,
                            const std::function<void(const FeedRowView &)> &onRow,
                            const ReadOptions &options) {
  const fs::path path = absolutePath(rawPath);
  if (rawPath.empty()) {
    ReadResult result;
    result.status = ReadStatus::OpenFailed;
    result.sqliteMessage = QStringLiteral("no database path");
    result.message = QStringLiteral("No database file was named. Name the Feeds database file.");
    return result;
  }

  Connection connection;
  if (connection.open(path, SQLITE_OPEN_READONLY) != SQLITE_OK) {
    ReadResult result;
    result.status = ReadStatus::OpenFailed;
    result.sqliteMessage = sqliteText(connection.get());
    const int systemErrno = connection.get() ? sqlite3_system_errno(connection.get()) : 0;
    result.message = describeOpenFailure(path, systemErrno, result.sqliteMessage);
    return result;
  }
  sqlite3_extended_result_codes(connection.get(), 1);
  sqlite3_busy_timeout(connection.get(), static_cast<int>(options.busyTimeout.count()));

  std::size_t rowCount = 0;
  QueryOutcome outcome = runQuery(connection.get(), onRow, rowCount);
  if (outcome.code != SQLITE_OK && rowCount == 0 && needsPrivateRecovery(outcome.code)) {
    if (auto recovered = readPrivateCopy(path, onRow, options)) {
      return std::move(*recovered);
    }
  }
  return finish(path, outcome, rowCount);
}

FeedRecord toRecord(const FeedRowView &row) {
  return FeedRecord{toText(row.feedUrl), toText(row.feedTitle), row.channelType,
                    toText(row.internalLink)};
}

ReadResult forEachFeedAt(const fs::path &path, const std::function<void(FeedRecord &&)> &onFeed,
                         const ReadOptions &options) {
  return forEachFeedRowAt(
      path, [&onFeed](const FeedRowView &row) { onFeed(toRecord(row)); }, options);
}

ReadResult readFeedsAt(const fs::path &path, const ReadOptions &options) {
  FeedList feeds;
  ReadResult result = forEachFeedAt(
      path, [&feeds](FeedRecord &&record) { feeds.push_back(std::move(record)); }, options);
  if (result.status == ReadStatus::Ok || result.status == ReadStatus::StepFailed) {
    result.feeds = std::move(feeds);
  }
  return result;
}
