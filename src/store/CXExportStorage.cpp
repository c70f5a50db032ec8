#include "CXExportStorage.h"

#include <QFile>
#include <memory>
#include <new>

#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "store/FeedDatabase.h"

CXExportStorage &CXExportStorage::defaultManager() {
  static CXExportStorage shared;
  return shared;
}

std::optional<std::filesystem::path> CXExportStorage::groupContainerURL() {
  return ReaderContainer::folder();
}

CXExportStorage::CXExportStorage() : queue_(kDatabaseQueueLabel) {}

std::optional<std::filesystem::path> CXExportStorage::defaultDatabasePath() {
  return ReaderContainer::databasePath();
}

std::optional<std::filesystem::path> CXExportStorage::databasePath() const {
  {
    std::lock_guard lock(mutex_);
    if (override_) {
      return override_;
    }
  }
  return defaultDatabasePath();
}

bool CXExportStorage::hasDatabasePathOverride() const {
  std::lock_guard lock(mutex_);
  return override_.has_value();
}

void CXExportStorage::setDatabasePathOverride(std::optional<std::filesystem::path> path) {
  std::lock_guard lock(mutex_);
  override_ = std::move(path);
}

ReadResult CXExportStorage::containerNotFound() {
  ReadResult result;
  result.status = ReadStatus::OpenFailed;
  result.sqliteMessage =
      QStringLiteral("no application-group container for %1").arg(QLatin1String(kGroupIdentifier));
  // Which of the two variables is wrong, and how.
  const QByteArray home = qgetenv("HOME");
  if (!home.isEmpty() && !home.startsWith('/')) {
    result.message =
        Sentence(
            QT_TRANSLATE_NOOP("CXInterfaceString",
                              "No reader database: the application-group folder cannot be located "
                              "because HOME is not an absolute path (\"%1\") and XDG_DATA_HOME is "
                              "not set to one either. Set HOME to your home folder, or name the "
                              "database file with --database."))
            .arg(QFile::decodeName(home));
  } else {
    result.message = Sentence(
        QT_TRANSLATE_NOOP("CXInterfaceString",
                          "No reader database: the application-group folder cannot be located "
                          "because neither XDG_DATA_HOME nor HOME is set. Name the database file "
                          "with --database."));
  }
  return result;
}

std::int64_t CXExportStorage::openDatabase() const {
  auto path = databasePath();
  if (!path || !canOpenDatabaseAt(*path)) {
    return kDatabaseUnavailable;
  }
  return 0;
}

ReadResult CXExportStorage::probeDatabase() const {
  auto path = databasePath();
  return path ? probeDatabaseAt(*path) : containerNotFound();
}

ReadResult CXExportStorage::readFeeds(const ReadOptions &options) const {
  auto path = databasePath();
  if (!path) {
    return containerNotFound();
  }
  ReadOptions cancellable = options;
  if (cancellable.cancel == nullptr) cancellable.cancel = &cancelled_;
  // The window holds every row: a FEEDS view without end must not take all
  // the memory there is.
  if (cancellable.mostRows == 0) cancellable.mostRows = kMostFeedsHeld;
  if (cancellable.mostBytes == 0) cancellable.mostBytes = kMostFeedBytesHeld;
  try {
    return readFeedsAt(*path, cancellable);
  } catch (const std::bad_alloc &) {
    return ReadResult::unreadable(
        QStringLiteral("out of memory"),
        Sentence(QT_TRANSLATE_NOOP(
            "CXInterfaceString",
            "There was not enough memory to read the feeds. Close other programs and try again.")));
  }
}

void CXExportStorage::readFeedsWithOutcome(std::function<void(ReadResult)> completion,
                                           const ReadOptions &options) {
  queue_.async([this, completion = std::move(completion), options]() mutable {
    auto result = std::make_shared<ReadResult>(readFeeds(options));
    MainQueue::async([completion = std::move(completion), result]() mutable {
      if (completion) {
        completion(std::move(*result));
      }
    });
  });
}

void CXExportStorage::readFeedsFromDatabaseWithCompletionHandler(
    std::function<void(FeedList)> completion) {
  queue_.async([this, completion = std::move(completion)]() mutable {
    ReadResult result = readFeeds();
    if (result.status == ReadStatus::OpenFailed) {
      Log::line(QStringLiteral("Database error: %1").arg(result.sqliteMessage));
      return;
    }
    // A query that cannot run yields an empty list and a failed step the rows
    // read so far; memory running out, as in the read itself, an empty list.
    auto feeds = std::make_shared<FeedList>();
    try {
      *feeds = recordsOf(result.rows);
    } catch (const std::bad_alloc &) {
      feeds->clear();
    }
    MainQueue::async([completion = std::move(completion), feeds]() mutable {
      if (completion) completion(std::move(*feeds));
    });
  });
}
