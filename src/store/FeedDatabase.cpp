#include "FeedDatabase.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>
#include <variant>

#include "platform/TemporaryFolder.h"
#include "store/PrivateCopy.h"

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path &path) { return QFile::decodeName(path.native().c_str()); }

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

class Connection {
 public:
  Connection() = default;
  ~Connection() { sqlite3_close(db_); }
  Connection(const Connection &) = delete;
  Connection &operator=(const Connection &) = delete;

  // query: the URI parameters after the path, e.g. "?mode=ro". A connection
  // lives on one thread only, so SQLite need not lock it on every call.
  int open(const fs::path &absolute, const char *query, int flags) {
    const int rc = sqlite3_open_v2(fileUri(absolute, query).c_str(), &db_,
                                   flags | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (db_ != nullptr) {
      sqlite3_extended_result_codes(db_, 1);
      // The last connection to close would otherwise fold the log into the
      // database file.
      sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    return rc;
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

Sentence describeOpenFailure(const fs::path &path, int systemErrno, const QString &sqliteMessage) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    return Sentence(QT_TRANSLATE_NOOP(
                        "CXInterfaceString",
                        "\"%1\" is a folder, not a database file. Name the Feeds file itself."))
        .arg(shown(path));
  }
  switch (systemErrno) {
    case ENOENT:
    case ENOTDIR:
      return Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                        "There is no database file at \"%1\". Check the path, or "
                                        "start Orvella once so "
                                        "that it creates its database."))
          .arg(shown(path));
    case EACCES:
    case EPERM:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be opened: permission denied. Make the file "
                          "readable for your user and try again."))
          .arg(shown(path));
    case EMFILE:
    case ENFILE:
      // Nothing is wrong with the file: the process or the system has run
      // out of open files.
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be opened because too many files are open "
                          "(%2). Close other programs, or raise the limit on open files, and try "
                          "again."))
          .arg(shown(path))
          .arg(QString::fromLocal8Bit(std::strerror(systemErrno)));
    default:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be opened (%2). Check the file and try "
                          "again."))
          .arg(shown(path))
          .arg(sqliteMessage);
  }
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

Sentence describeReadFailure(const fs::path &path, ReadStatus status, int code,
                             const QString &sqliteMessage, std::size_t rowsRead) {
  const QString file = shown(path);
  switch (status) {
    case ReadStatus::Locked:
      return Sentence(
                 QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "The database \"%1\" is locked by another program (%2). Quit Orvella, or wait "
                     "until it has finished writing, and try again."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::NotADatabase:
      return Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                        "\"%1\" is not an SQLite database (%2). Name the reader's "
                                        "Feeds database file."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::Damaged:
      return Sentence(
                 QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "The database \"%1\" is damaged (%2). Let Orvella repair it, or export from a "
                     "backup copy."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::NoFeedsTable:
      return Sentence(
                 QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "The database \"%1\" has no FEEDS table with the columns FEED_URL, "
                     "FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds "
                     "database file."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::QueryRefused:
      if (sqliteMessage.startsWith(QLatin1String("unsafe use of"))) {
        return Sentence(
                   QT_TRANSLATE_NOOP(
                       "CXInterfaceString",
                       "The FEEDS view of the database \"%1\" calls a function that SQLite refuses "
                       "to run from a database file (%2). Export from the reader's own Feeds "
                       "database, or from a copy without that view."))
            .arg(file)
            .arg(sqliteMessage);
      }
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The FEEDS table or view of the database \"%1\" cannot be queried (%2). "
                          "Export from the reader's own Feeds database, or let Orvella repair it."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::Stopped:
      return Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                        "Reading the database \"%1\" was stopped after %2 feeds."))
          .arg(file)
          .arg(rowsRead);
    case ReadStatus::StepFailed:
      if ((code & 0xff) == SQLITE_CORRUPT) {
        return Sentence(
                   QT_TRANSLATE_NOOP(
                       "CXInterfaceString",
                       "The database \"%1\" is damaged: reading stopped after %2 feeds (%3). Let "
                       "Orvella repair it, or export from a backup copy."))
            .arg(file)
            .arg(rowsRead)
            .arg(sqliteMessage);
      }
      return Sentence(
                 QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "Reading the database \"%1\" stopped after %2 feeds (%3). Check the file and "
                     "try again."))
          .arg(file)
          .arg(rowsRead)
          .arg(sqliteMessage);
    default:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be read (%2). Check the file and try again."))
          .arg(file)
          .arg(sqliteMessage);
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

std::optional<QString> toText(const std::optional<std::string_view> &utf8) {
  if (!utf8) {
    return std::nullopt;
  }
  return QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size()));
}

// True for failures that mean SQLite could not do, through a read-only
// connection, the recovery that the files next to the database call for: a
// write-ahead log whose shared-memory index we may not write, or a hot
// rollback journal left by a writer that died.
bool needsPrivateRecovery(int extendedCode) {
  return (extendedCode & 0xff) == SQLITE_CANTOPEN || extendedCode == SQLITE_READONLY_ROLLBACK ||
         extendedCode == SQLITE_READONLY_RECOVERY || extendedCode == SQLITE_READONLY_CANTINIT ||
         extendedCode == SQLITE_READONLY_DIRECTORY;
}

struct QueryOutcome {
  int code = SQLITE_OK;  // extended code of the failure, SQLITE_OK when all rows were read
  bool prepared = false;
  bool stopped = false;  // the visitor asked to stop, or the read was cancelled
  QString sqliteMessage;
  std::size_t repairedValues = 0;
};

bool cancelled(const ReadOptions &options) {
  return options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed);
}

// SQLite's own wait for a lock, but one that a cancel ends at once.
struct BusyWait {
  std::chrono::milliseconds timeout;
  const std::atomic<bool> *cancel;
};

int onBusy(void *context, int attempts) {
  const auto *wait = static_cast<const BusyWait *>(context);
  constexpr std::chrono::milliseconds kStep{10};
  if (wait->cancel != nullptr && wait->cancel->load()) return 0;
  if (kStep * attempts >= wait->timeout) return 0;
  std::this_thread::sleep_for(kStep);
  return 1;
}

int onProgress(void *cancel) { return static_cast<const std::atomic<bool> *>(cancel)->load(); }

// Waits for locks as options say, and lets options.cancel interrupt the
// query. `wait` must outlive the connection's use.
void configure(sqlite3 *db, const ReadOptions &options, BusyWait &wait) {
  wait = BusyWait{options.busyTimeout, options.cancel};
  sqlite3_busy_handler(db, onBusy, &wait);
  if (options.cancel != nullptr) {
    sqlite3_progress_handler(db, 1000, onProgress,
                             const_cast<void *>(static_cast<const void *>(options.cancel)));
  }
}

QueryOutcome prepare(sqlite3 *db, Statement &stmt) {
  QueryOutcome outcome;
  const int rc = sqlite3_prepare_v2(db, kFeedsQuery, -1, stmt.out(), nullptr);
  if (rc != SQLITE_OK || stmt.get() == nullptr) {
    outcome.code = sqlite3_extended_errcode(db);
    outcome.sqliteMessage = sqliteText(db);
    return outcome;
  }
  outcome.prepared = true;
  return outcome;
}

void stepAll(sqlite3 *db, Statement &stmt, const FeedRowVisitor &onRow, std::size_t &rowCount,
             QueryOutcome &outcome, const ReadOptions &options) {
  int rc = SQLITE_OK;
  std::string scratch[3];
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    FeedRowView row;
    row.feedUrl = textColumn(stmt.get(), 0, scratch[0], outcome.repairedValues);
    row.feedTitle = textColumn(stmt.get(), 1, scratch[1], outcome.repairedValues);
    row.channelType = static_cast<std::int32_t>(sqlite3_column_int(stmt.get(), 2));
    row.internalLink = textColumn(stmt.get(), 3, scratch[2], outcome.repairedValues);
    ++rowCount;
    if (!onRow(row) || cancelled(options)) {
      outcome.stopped = true;
      return;
    }
  }
  if ((rc & 0xff) == SQLITE_INTERRUPT && cancelled(options)) {
    outcome.stopped = true;
  } else if (rc != SQLITE_DONE) {
    outcome.code = sqlite3_extended_errcode(db);
    outcome.sqliteMessage = sqliteText(db);
  }
}

ReadResult finish(const fs::path &path, const QueryOutcome &outcome, std::size_t rowCount) {
  ReadResult result;
  result.rowCount = rowCount;
  result.repairedValues = outcome.repairedValues;
  if (outcome.stopped) {
    result.status = ReadStatus::Stopped;
  } else if (outcome.code == SQLITE_OK) {
    return result;
  } else {
    result.status = statusOf(outcome.code, outcome.prepared, rowCount, outcome.sqliteMessage);
  }
  result.sqliteMessage = outcome.sqliteMessage;
  result.message =
      describeReadFailure(path, result.status, outcome.code, outcome.sqliteMessage, rowCount);
  return result;
}

// SQLite's own words for a file it cannot open, for the log line.
QString cantOpenText() { return QString::fromUtf8(sqlite3_errstr(SQLITE_CANTOPEN)); }

ReadResult openFailure(const fs::path &path, int systemErrno, const QString &reason) {
  ReadResult result;
  result.status = ReadStatus::OpenFailed;
  result.sqliteMessage = reason;
  result.systemErrno = systemErrno;
  result.message = describeOpenFailure(path, systemErrno, reason);
  return result;
}

ReadResult lockedResult(const fs::path &path, const QString &why) {
  ReadResult result;
  result.status = ReadStatus::Locked;
  result.sqliteMessage = why;
  result.message = describeReadFailure(path, ReadStatus::Locked, SQLITE_BUSY, why, 0);
  return result;
}

// Reads a private copy of the database and its log or journal, on which SQLite
// may do the recovery that it must not do in place. The copy is taken under a
// reader's shared lock, so that it is one committed state even while a writer
// is at work. Nothing when the copy cannot be made for want of room.
std::optional<ReadResult> readPrivateCopy(const fs::path &file, const fs::path &path,
                                          const FeedRowVisitor &onRow, const ReadOptions &options) {
  PrivateCopy::Failure failure = PrivateCopy::Failure::NoCopy;
  std::unique_ptr<PrivateCopy> copy = PrivateCopy::make(file, options.busyTimeout, &failure);
  if (!copy) {
    if (failure == PrivateCopy::Failure::Locked) {
      return lockedResult(path, QStringLiteral("a writer holds its lock"));
    }
    if (failure == PrivateCopy::Failure::NoTemporaryFolder) {
      ReadResult result;
      result.status = ReadStatus::Unreadable;
      result.sqliteMessage = QStringLiteral("no temporary folder");
      result.message = TemporaryFolder::unavailableSentence();
      return result;
    }
    return std::nullopt;
  }
  Connection connection;
  if (connection.open(copy->database(), "", SQLITE_OPEN_READWRITE) != SQLITE_OK) {
    return std::nullopt;
  }
  BusyWait wait{};
  configure(connection.get(), options, wait);
  Statement stmt;
  QueryOutcome outcome = prepare(connection.get(), stmt);
  if (!outcome.prepared) {
    return finish(path, outcome, 0);
  }
  // Preparing read the schema, so the recovery is done and SQLite holds
  // every file of the copy open: the names can go.
  copy->release();
  std::size_t rowCount = 0;
  stepAll(connection.get(), stmt, onRow, rowCount, outcome, options);
  return finish(path, outcome, rowCount);
}

fs::path withSuffix(const fs::path &path, const char *suffix) {
  fs::path side = path;
  side += suffix;
  return side;
}

bool fileExists(const fs::path &path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// The file's size when it exists, else -1.
off_t sizeOf(const fs::path &path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_size : -1;
}

// Where the database is and how it may be read without creating or changing
// anything in the reader's folder.
struct Access {
  enum Kind {
    Shared,       // with the usual locks; nothing is created (a rollback database,
                  // its journal live or not, or a log whose index exists)
    Immutable,    // every row is in the database file: a write-ahead database
                  // closed cleanly, which SQLite would otherwise give a new log
                  // and index; read without locks, so checked afterwards
    PrivateCopy,  // a log without its index: recovery is due
  } kind = Shared;
  fs::path file;  // absolute, symbolic links resolved
};

// What a read without locks relies on staying the same: the database file
// and the absence of a log with frames in it.
struct Stamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  timespec modified{};
  timespec changed{};
  off_t walSize = -1;

  bool operator==(const Stamp &other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec &&
           walSize == other.walSize;
  }
};

std::variant<Access, ReadResult> chooseAccess(const fs::path &rawPath) {
  std::error_code ec;
  fs::path absolute = fs::absolute(rawPath, ec);
  if (ec) absolute = rawPath;
  struct stat info {};
  if (::stat(absolute.c_str(), &info) != 0) {
    return openFailure(absolute, errno, cantOpenText());
  }
  if (S_ISDIR(info.st_mode)) {
    return openFailure(absolute, EISDIR, cantOpenText());
  }
  if (!S_ISREG(info.st_mode)) {
    ReadResult result = openFailure(absolute, 0, cantOpenText());
    result.message =
        Sentence(QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "\"%1\" is not a database file but a pipe, socket or device. Name the "
                     "Feeds database file itself."))
            .arg(shown(absolute));
    return result;
  }
  Access access;
  char *resolved = ::realpath(absolute.c_str(), nullptr);
  access.file = resolved != nullptr ? fs::path(resolved) : absolute;
  std::free(resolved);

  // The header says whether the database uses a write-ahead log (bytes 18
  // and 19 both 2).
  unsigned char header[20] = {};
  const int fd = ::open(access.file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return openFailure(absolute, errno, cantOpenText());
  }
  const bool walMode =
      ::pread(fd, header, sizeof header, 0) == sizeof header && header[18] == 2 && header[19] == 2;
  ::close(fd);

  const off_t walSize = sizeOf(withSuffix(access.file, "-wal"));
  const bool shm = fileExists(withSuffix(access.file, "-shm"));
  if (fileExists(withSuffix(access.file, "-journal"))) {
    // SQLite itself tells a live writer's journal from one left behind (by
    // the writer's lock); only the latter sends the read to a private copy.
    access.kind = Access::Shared;
  } else if (walSize >= 32 && shm) {
    access.kind = Access::Shared;  // perhaps a live writer: share its index
  } else if (walSize >= 32) {
    access.kind = Access::PrivateCopy;  // committed rows may wait in the log
  } else if (walMode || walSize >= 0) {
    // No log, or one without a single frame: the database file holds it all.
    access.kind = Access::Immutable;
  }
  return access;
}

Stamp stampOf(const fs::path &file) {
  Stamp stamp;
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0) {
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified = info.st_mtim;
    stamp.changed = info.st_ctim;
  }
  stamp.walSize = sizeOf(withSuffix(file, "-wal"));
  return stamp;
}

// One read of the database in the reader's folder, with the usual locks or
// (immutable) without any.
ReadResult readInPlace(const Access &access, const fs::path &shownPath, const FeedRowVisitor &onRow,
                       const ReadOptions &options) {
  Connection connection;
  const char *query = access.kind == Access::Shared ? "?mode=ro" : "?mode=ro&immutable=1";
  if (connection.open(access.file, query, SQLITE_OPEN_READONLY) != SQLITE_OK) {
    const int systemErrno = connection.get() ? sqlite3_system_errno(connection.get()) : 0;
    return openFailure(shownPath, systemErrno, sqliteText(connection.get()));
  }
  BusyWait wait{};
  configure(connection.get(), options, wait);
  Statement stmt;
  QueryOutcome outcome = prepare(connection.get(), stmt);
  std::size_t rowCount = 0;
  if (outcome.prepared) {
    stepAll(connection.get(), stmt, onRow, rowCount, outcome, options);
  }
  if (access.kind == Access::Shared && outcome.code != SQLITE_OK && rowCount == 0 &&
      needsPrivateRecovery(outcome.code)) {
    if (auto recovered = readPrivateCopy(access.file, shownPath, onRow, options)) {
      return std::move(*recovered);
    }
  }
  return finish(shownPath, outcome, rowCount);
}

}  // namespace

std::vector<std::string> databaseFileNames(const fs::path &database) {
  std::error_code ec;
  fs::path file = fs::absolute(database, ec);
  if (ec) file = database;
  if (char *resolved = ::realpath(file.c_str(), nullptr)) {
    file = resolved;
    std::free(resolved);
  } else if (char *folder = ::realpath(file.parent_path().c_str(), nullptr)) {
    file = fs::path(folder) / file.filename();
    std::free(folder);
  }
  std::vector<std::string> names;
  for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
    names.push_back(file.native() + suffix);
  }
  return names;
}

namespace {

ReadResult noPathResult() {
  ReadResult result;
  result.status = ReadStatus::OpenFailed;
  result.sqliteMessage = QStringLiteral("no database path");
  result.message = Sentence(QT_TRANSLATE_NOOP(
      "CXInterfaceString", "No database file was named. Name the Feeds database file."));
  return result;
}

}  // namespace

ReadResult probeDatabaseAt(const fs::path &path) {
  if (path.empty()) {
    return noPathResult();
  }
  auto access = chooseAccess(path);
  if (auto *failure = std::get_if<ReadResult>(&access)) {
    return std::move(*failure);
  }
  return {};
}

bool canOpenDatabaseAt(const fs::path &path) { return probeDatabaseAt(path).ok(); }

ReadResult forEachFeedRowAt(const fs::path &rawPath, const FeedRowVisitor &onRow,
                            const ReadOptions &options) {
  if (rawPath.empty()) {
    return noPathResult();
  }
  auto chosen = chooseAccess(rawPath);
  if (auto *failure = std::get_if<ReadResult>(&chosen)) {
    return std::move(*failure);
  }
  Access access = std::get<Access>(chosen);
  std::error_code ec;
  fs::path shownPath = fs::absolute(rawPath, ec);
  if (ec) shownPath = rawPath;

  if (access.kind == Access::Immutable) {
    // Nothing stops a writer during a read without locks: if the file or its
    // log changed meanwhile, the rows may mix two states, so the read starts
    // over with the usual locks.
    const Stamp before = stampOf(access.file);
    ReadResult result = readInPlace(access, shownPath, onRow, options);
    if (result.status == ReadStatus::Stopped || stampOf(access.file) == before) {
      return result;
    }
    if (result.rowCount > 0) {
      if (!options.onRestart) {
        ReadResult changed;
        changed.status = ReadStatus::Unreadable;
        changed.sqliteMessage = QStringLiteral("changed during the read");
        changed.message =
            Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                       "The database \"%1\" changed while it was read. Try again."))
                .arg(shown(shownPath));
        return changed;
      }
      options.onRestart();
    }
    auto again = chooseAccess(rawPath);
    if (auto *failure = std::get_if<ReadResult>(&again)) {
      return std::move(*failure);
    }
    access = std::get<Access>(again);
    if (access.kind == Access::Immutable) access.kind = Access::Shared;
  }
  if (access.kind == Access::PrivateCopy) {
    if (auto recovered = readPrivateCopy(access.file, shownPath, onRow, options)) {
      return std::move(*recovered);
    }
    // Reading in place would mean recovery in the reader's folder, or pages
    // of an unfinished transaction.
    ReadResult result;
    result.status = ReadStatus::Unreadable;
    result.sqliteMessage = QStringLiteral("no private copy");
    result.message =
        Sentence(
            QT_TRANSLATE_NOOP("CXInterfaceString",
                              "The database \"%1\" was left unfinished by a program that stopped, "
                              "and no private copy of it could be made in the temporary folder "
                              "\"%2\" to read it. Make room there, or set TMPDIR to a folder with "
                              "room, and try again."))
            .arg(shown(shownPath))
            .arg(TemporaryFolder::shown());
    return result;
  }
  return readInPlace(access, shownPath, onRow, options);
}

FeedRecord toRecord(const FeedRowView &row) {
  return FeedRecord{toText(row.feedUrl), toText(row.feedTitle), row.channelType,
                    toText(row.internalLink)};
}

ReadResult forEachFeedAt(const fs::path &path, const std::function<void(FeedRecord &&)> &onFeed,
                         const ReadOptions &options) {
  return forEachFeedRowAt(
      path,
      [&onFeed](const FeedRowView &row) {
        onFeed(toRecord(row));
        return true;
      },
      options);
}

ReadResult readFeedsAt(const fs::path &path, const ReadOptions &options) {
  ReadOptions withRestart = options;
  if (options.compactRows) {
    FeedRowTable rows;
    withRestart.onRestart = [&rows, &options] {
      rows = FeedRowTable();
      if (options.onRestart) options.onRestart();
    };
    ReadResult result = forEachFeedRowAt(
        path,
        [&rows](const FeedRowView &row) {
          rows.append(row);
          return true;
        },
        withRestart);
    if (result.status == ReadStatus::Ok || result.status == ReadStatus::StepFailed) {
      result.compact = std::move(rows);
    }
    return result;
  }
  FeedList feeds;
  withRestart.onRestart = [&feeds, &options] {
    feeds.clear();
    if (options.onRestart) options.onRestart();
  };
  ReadResult result = forEachFeedAt(
      path, [&feeds](FeedRecord &&record) { feeds.push_back(std::move(record)); }, withRestart);
  if (result.status == ReadStatus::Ok || result.status == ReadStatus::StepFailed) {
    result.feeds = std::move(feeds);
  }
  return result;
}
