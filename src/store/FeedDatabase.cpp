#include "FeedDatabase.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <system_error>
#include <variant>

#include "platform/FileStamp.h"
#include "platform/TemporaryFolder.h"
#include "store/FeedsQuery.h"
#include "store/PrivateCopy.h"
#include "store/ReaderContainer.h"

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path &path) { return QFile::decodeName(path.native().c_str()); }

// True for failures that mean SQLite could not do, through a read-only
// connection, the recovery that the files next to the database call for: a
// write-ahead log whose shared-memory index we may not write, or a hot
// rollback journal left by a writer that died.
bool needsPrivateRecovery(int extendedCode) {
  return (extendedCode & 0xff) == SQLITE_CANTOPEN || extendedCode == SQLITE_READONLY_ROLLBACK ||
         extendedCode == SQLITE_READONLY_RECOVERY || extendedCode == SQLITE_READONLY_CANTINIT ||
         extendedCode == SQLITE_READONLY_DIRECTORY;
}

// SQLite's own words for a file it cannot open, for the log line.
QString cantOpenText() { return QString::fromUtf8(sqlite3_errstr(SQLITE_CANTOPEN)); }

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
      return ReadResult::failed(ReadStatus::Locked, path, SQLITE_BUSY,
                                QStringLiteral("a writer holds its lock"), 0);
    }
    if (failure == PrivateCopy::Failure::NoTemporaryFolder) {
      return ReadResult::unreadable(QStringLiteral("no temporary folder"),
                                    TemporaryFolder::unavailableSentence());
    }
    return std::nullopt;
  }
  FeedsQuery query(options);
  if (query.open(copy->database(), "", SQLITE_OPEN_READWRITE, path)) return std::nullopt;
  if (query.prepare()) {
    // Preparing read the schema, so the recovery is done and SQLite holds
    // every file of the copy open: the names can go.
    copy->release();
    query.stepAll(onRow);
  }
  return query.result(path);
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
  FileStamp file;
  off_t walSize = -1;

  bool operator==(const Stamp &) const = default;
};

std::variant<Access, ReadResult> chooseAccess(const fs::path &rawPath) {
  std::error_code ec;
  fs::path absolute = fs::absolute(rawPath, ec);
  if (ec) absolute = rawPath;
  struct stat info {};
  if (::stat(absolute.c_str(), &info) != 0) {
    return ReadResult::openFailed(absolute, errno, cantOpenText());
  }
  if (S_ISDIR(info.st_mode)) {
    return ReadResult::openFailed(absolute, EISDIR, cantOpenText());
  }
  if (!S_ISREG(info.st_mode)) {
    ReadResult result = ReadResult::openFailed(absolute, 0, cantOpenText());
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
    return ReadResult::openFailed(absolute, errno, cantOpenText());
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
  return {FileStamp::of(file.c_str()), sizeOf(withSuffix(file, "-wal"))};
}

// One read of the database in the reader's folder, with the usual locks or
// (immutable) without any.
ReadResult readInPlace(const Access &access, const fs::path &shownPath, const FeedRowVisitor &onRow,
                       const ReadOptions &options) {
  FeedsQuery query(options);
  const char *uriParameters = access.kind == Access::Shared ? "?mode=ro" : "?mode=ro&immutable=1";
  if (auto failure = query.open(access.file, uriParameters, SQLITE_OPEN_READONLY, shownPath)) {
    return std::move(*failure);
  }
  if (query.prepare()) query.stepAll(onRow);
  if (access.kind == Access::Shared && query.failureCode() != SQLITE_OK && query.rowCount() == 0 &&
      needsPrivateRecovery(query.failureCode())) {
    if (auto recovered = readPrivateCopy(access.file, shownPath, onRow, options)) {
      return std::move(*recovered);
    }
  }
  return query.result(shownPath);
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

std::vector<std::string> readersDatabaseFileNames() {
  const std::optional<fs::path> own = ReaderContainer::databasePath();
  return own ? databaseFileNames(*own) : std::vector<std::string>();
}

AtomicFile::Options sparingDatabaseFiles(const fs::path &database) {
  AtomicFile::Options options;
  // The database that is read, whatever its name, and the reader's own one
  // too: a copy may be read while the reader's database is one link away
  // from the chosen target.
  if (!database.empty()) options.protectedFiles = databaseFileNames(database);
  for (std::string &name : readersDatabaseFileNames()) {
    options.protectedFiles.push_back(std::move(name));
  }
  options.protectedReason = Sentence(
      QT_TRANSLATE_NOOP("CXInterfaceString", "it is the reader's database or one of its files"));
  return options;
}

namespace {

ReadResult noPathResult() {
  ReadResult result = ReadResult::openFailed({}, 0, QStringLiteral("no database path"));
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
        return ReadResult::unreadable(
            QStringLiteral("changed during the read"),
            Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                       "The database \"%1\" changed while it was read. Try again."))
                .arg(shown(shownPath)));
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
    return ReadResult::unreadable(
        QStringLiteral("no private copy"),
        Sentence(
            QT_TRANSLATE_NOOP("CXInterfaceString",
                              "The database \"%1\" was left unfinished by a program that stopped, "
                              "and no private copy of it could be made in the temporary folder "
                              "\"%2\" to read it. Make room there, or set TMPDIR to a folder with "
                              "room, and try again."))
            .arg(shown(shownPath))
            .arg(TemporaryFolder::shown()));
  }
  return readInPlace(access, shownPath, onRow, options);
}

ReadResult readFeedsAt(const fs::path &path, const ReadOptions &options) {
  FeedRowTable rows;
  std::size_t bytes = 0;
  bool full = false;
  ReadOptions withRestart = options;
  withRestart.onRestart = [&rows, &bytes, &options] {
    rows = FeedRowTable();
    bytes = 0;
    if (options.onRestart) options.onRestart();
  };
  ReadResult result = forEachFeedRowAt(
      path,
      [&](const FeedRow &row) {
        rows.append(row);
        for (const auto *text : {&row.htmlUrl, &row.title, &row.xmlUrl}) {
          bytes += *text ? (*text)->size() : 0;
        }
        full = (options.mostRows > 0 && rows.size() >= options.mostRows) ||
               (options.mostBytes > 0 && bytes >= options.mostBytes);
        return !full;
      },
      withRestart);
  if (full && result.status == ReadStatus::Stopped) {
    // More feeds than any reader keeps: a table or view without end, or a
    // damaged one. What was read is kept, marked as not the whole list.
    result.status = ReadStatus::StepFailed;
    result.message =
        Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                   "Reading the database \"%1\" stopped after %2 feeds, more than "
                                   "any reader keeps: its FEEDS table or view may be damaged or "
                                   "without end. Export from a copy of the reader's own database."))
            .arg(shown(path))
            .arg(result.rowCount);
  }
  if (result.status == ReadStatus::Ok || result.status == ReadStatus::StepFailed) {
    result.rows = std::move(rows);
  }
  return result;
}
