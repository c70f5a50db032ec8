#include "BackupCommand.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <chrono>
#include <cstring>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "app/BackupFolder.h"
#include "app/ExitStatus.h"
#include "app/Reports.h"
#include "app/StandardStreams.h"
#include "export/ExportPass.h"
#include "export/OpmlReading.h"
#include "platform/AtomicFile.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path &path) { return QFile::decodeName(path.c_str()); }

// Compares bytes as they are written with a file's, without holding either.
class SameAsFile {
 public:
  explicit SameAsFile(const std::optional<fs::path> &path) {
    if (path && openForReading(file_, QByteArray(path->c_str()))) reset();
  }
  void reset() { same_ = file_.isOpen() && file_.seek(0); }
  void feed(const char *bytes, qsizetype size) {
    if (!same_) return;
    buffer_.resize(size);
    same_ = file_.read(buffer_.data(), size) == size &&
            std::memcmp(buffer_.constData(), bytes, std::size_t(size)) == 0;
  }
  // Whether every byte was the file's, and the file has no more.
  bool same() {
    char extra;
    return same_ && file_.read(&extra, 1) == 0;
  }

 private:
  QFile file_;
  QByteArray buffer_;
  bool same_ = false;
};

std::vector<std::uint64_t> addressesOf(const fs::path &backup) {
  std::vector<std::uint64_t> addresses;
  readOpmlFile(QByteArray(backup.c_str()),
               [&](const OpmlOutline &o) { addresses.push_back(textFingerprint(o.xmlUrl)); });
  return addresses;
}

}  // namespace

int runBackup(const fs::path &database, const std::optional<QByteArray> &folderOption, int keep) {
  const QLocale locale = QLocale();
  // Named from the root in every message, so that a timer's log says where.
  std::optional<fs::path> folder =
      folderOption ? std::optional(fs::path(AtomicFile::absoluteName(*folderOption).toStdString()))
                   : defaultBackupFolder();
  if (!folder) {
    printLine(stderr, QStringLiteral("There is no documents folder to keep backups in, as HOME "
                                     "is not set. Name a folder after --backup."));
    return ExitStatus::kUsage;
  }
  std::error_code error;
  fs::create_directories(*folder, error);
  std::vector<std::string> backups;
  if (!error) backups = backupsIn(*folder, error);
  if (error) {
    printLine(stderr, QStringLiteral("Could not use the backup folder \"%1\": %2. Check the name "
                                     "and that you may write there.")
                          .arg(shown(*folder), QString::fromLocal8Bit(error.message())));
    return ExitStatus::kWriteFailed;
  }
  std::optional<fs::path> newest;
  if (!backups.empty()) newest = *folder / backups.back();

  // A name is one second long: a backup made in the same second as the one
  // before waits for the next, so that it never takes the other's place.
  auto nameNow = [] {
    return QFile::encodeName(backupFileName(QDateTime::currentDateTime())).toStdString();
  };
  std::string name = nameNow();
  for (int waited = 0; fs::exists(*folder / name, error) && waited < 40; ++waited) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    name = nameNow();
  }
  const fs::path target = *folder / name;
  AtomicFile::Writer writer(QByteArray(target.c_str()), sparingDatabaseFiles(database));
  if (!writer.open()) return writeFailed(writer, *writer.commit());
  SameAsFile previous(newest);
  auto sink = [&](const char *bytes, qsizetype size) {
    previous.feed(bytes, size);
    return writer.append(bytes, size);
  };
  ExportPass pass(sink);
  ReadOptions options;
  options.onRestart = [&] {
    writer.rewind();  // a new file in a folder: always possible
    previous.reset();
    pass.restart();
  };
  const ReadResult read = forEachFeedRowAt(
      database, [&pass](const FeedRow &row) { return pass.add(row); }, options);
  if (read.status != ReadStatus::Stopped && !read.ok()) {
    return readFailed(read, QStringLiteral(" No backup was made."));
  }
  const WrittenFeeds written = pass.written();
  std::move(pass).finish();
  const QString feeds = feedCountText(read.rowCount, locale);
  if (previous.same()) {
    // The writer, never committed, leaves nothing behind.
    printLine(stderr, QStringLiteral("The newest backup, \"%1\", already holds these %2; no "
                                     "backup was made.")
                          .arg(shown(*newest), feeds));
    return ExitStatus::kOk;
  }
  if (auto sentence = writer.commit()) return writeFailed(writer, *sentence);
  const QString shownTarget = shown(target);
  if (auto mismatch =
          checkWrittenFile(QByteArray(target.c_str()),
                           QStringLiteral("The backup \"%1\"").arg(shownTarget), written)) {
    printLine(stderr, *mismatch);
    return ExitStatus::kNotAsWritten;
  }
  QString summary = QStringLiteral("%1 backed up to %2 and checked").arg(feeds, shownTarget);
  if (newest && *newest != target) {
    summary += QStringLiteral("; since the previous backup: %1.")
                   .arg(feedChangesText(feedChanges(addressesOf(*newest), written.fingerprints()),
                                        locale));
  } else {
    summary += QStringLiteral("; it is the first backup in this folder.");
  }
  printLine(stderr, summary);

  backups = backupsIn(*folder, error);
  int removed = 0;
  for (const std::string &old : backupsBeyond(backups, keep, name)) {
    if (error || !fs::remove(*folder / old, error)) break;
    ++removed;
  }
  if (error) {
    printLine(stderr, QStringLiteral("Could not remove the older backups beyond the newest %1 in "
                                     "\"%2\": %3. Check that you may change that folder.")
                          .arg(keep)
                          .arg(shown(*folder), QString::fromLocal8Bit(error.message())));
    return ExitStatus::kWriteFailed;
  }
  if (removed > 0) {
    printLine(stderr, QStringLiteral("Removed %1, keeping the newest %2.")
                          .arg(removed == 1 ? QStringLiteral("1 older backup")
                                            : QStringLiteral("%1 older backups").arg(removed))
                          .arg(keep));
  }
  return ExitStatus::kOk;
}
