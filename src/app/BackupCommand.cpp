#include <sys/stat.h>

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "app/BackupFolder.h"
#include "app/CommandLine.h"
#include "app/ExitStatus.h"
#include "app/ExportFilter.h"
#include "app/Reports.h"
#include "app/StandardStreams.h"
#include "export/ExportPass.h"
#include "export/OpmlReading.h"
#include "export/OpmlWriter.h"
#include "export/ReadBackCheck.h"
#include "platform/AtomicFile.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

// How long a backup waits for the reader to finish writing before it gives
// up; a window or an export waits a few seconds only.
constexpr std::chrono::seconds kBackupLockWait{60};

QString shown(const fs::path &path) { return QFile::decodeName(path.c_str()); }

// Compares bytes as they are written with a file's, without holding either;
// differences inside [ignoredFrom, ignoredTo) (the date a 2.0 head carries)
// do not count.
class SameAsFile {
 public:
  SameAsFile(const std::optional<fs::path> &path, qint64 ignoredFrom = 0, qint64 ignoredTo = 0)
      : ignoredFrom_(ignoredFrom), ignoredTo_(ignoredTo) {
    if (path && openForReading(file_, QByteArray(path->c_str()))) reset();
  }
  void reset() {
    same_ = file_.isOpen() && file_.seek(0);
    offset_ = 0;
  }
  void feed(const char *bytes, qsizetype size) {
    if (!same_) return;
    buffer_.resize(size);
    same_ = file_.read(buffer_.data(), size) == size;
    for (qint64 at = std::max(offset_, ignoredFrom_);
         same_ && at < std::min(offset_ + size, ignoredTo_); ++at) {
      buffer_[qsizetype(at - offset_)] = bytes[at - offset_];
    }
    same_ = same_ && std::memcmp(buffer_.constData(), bytes, std::size_t(size)) == 0;
    offset_ += size;
  }
  // Whether every byte was the file's, and the file has no more.
  bool same() {
    char extra;
    return same_ && file_.read(&extra, 1) == 0;
  }

 private:
  QFile file_;
  QByteArray buffer_;
  qint64 offset_ = 0;
  qint64 ignoredFrom_, ignoredTo_;
  bool same_ = false;
};

std::vector<std::uint64_t> addressesOf(const fs::path &backup) {
  std::vector<std::uint64_t> addresses;
  readOpmlFile(QByteArray(backup.c_str()),
               [&](const OpmlOutline &o) { addresses.push_back(textFingerprint(o.xmlUrl)); });
  return addresses;
}

QString vanishedText(std::size_t feeds, const QLocale &locale) {
  return feeds == 1 ? QStringLiteral("1 feed vanished")
                    : QStringLiteral("%1 feeds vanished").arg(locale.toString(qulonglong(feeds)));
}

std::int64_t nowInNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Replaces the name that always holds the newest backup with a copy of
// `source`; a link there is replaced, never followed.
std::optional<QString> keepAsNewest(const fs::path &source, const fs::path &newest) {
  AtomicFile::Options options;
  options.replaceLinkItself = true;
  AtomicFile::Writer writer(QByteArray(newest.c_str()), options);
  QFile file;
  if (!openForReading(file, QByteArray(source.c_str()))) {
    return QStringLiteral("Could not read the backup \"%1\" again: %2. Check the backup folder.")
        .arg(shown(source), QString::fromLocal8Bit(std::strerror(errno)));
  }
  QByteArray chunk(256 * 1024, Qt::Uninitialized);
  for (qint64 n; (n = file.read(chunk.data(), chunk.size())) > 0;) {
    if (!writer.append(chunk.constData(), n)) break;
  }
  if (auto failure = writer.commit()) return failure->english();
  return std::nullopt;
}

// Claims the dated name of the moment the backup is finished. Another run in
// the same second, or a name someone else made, already has that name: the
// next second's is tried, for a few seconds.
std::optional<QString> claimDatedName(AtomicFile::Writer &writer, const fs::path &folder,
                                      fs::path &claimed) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    claimed =
        folder / QFile::encodeName(backupFileName(QDateTime::currentDateTime())).toStdString();
    const std::optional<Sentence> failure = writer.commitAs(QByteArray(claimed.c_str()));
    if (!failure) return std::nullopt;
    if (writer.failure() != AtomicFile::Failure::Exists) return failure->english();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return QStringLiteral(
             "Could not save a backup in \"%1\": the names of the coming seconds are "
             "all taken by files or links that this program did not make, and a "
             "backup never replaces one. Look at what is in that folder, or name "
             "another after --backup.")
      .arg(shown(folder));
}

// A backup that holds far fewer feeds than the newest one before it (see
// isDrop) is written, but replaces and removes nothing: kFeedsDropped.
int runBackup(const Arguments &arguments, const fs::path &database) {
  const std::optional<QByteArray> folderOption = arguments.value("backup"),
                                  keepText = arguments.value("keep");
  const int keep = keepText ? keepText->toInt() : kDefaultBackupsKept;
  const ExportChoices choices = exportChoices(arguments);
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
  if (AtomicFile::throughPlantedFolderLink(QByteArray((*folder / kNewestBackupName).c_str()))) {
    printLine(stderr, QStringLiteral("Could not use the backup folder \"%1\": a folder on its way "
                                     "is a link in a folder that everyone may write to, and the "
                                     "link belongs to another user, so it is not followed. Name "
                                     "a folder of your own after --backup.")
                          .arg(shown(*folder)));
    return ExitStatus::kWriteFailed;
  }
  std::error_code error;
  fs::create_directories(*folder, error);
  std::vector<BackupFile> backups;
  if (!error) backups = ownBackupsIn(*folder, error, nowInNanoseconds());
  if (error) {
    printLine(stderr, QStringLiteral("Could not use the backup folder \"%1\": %2. Check the name "
                                     "and that you may write there.")
                          .arg(shown(*folder), QString::fromLocal8Bit(error.message())));
    return ExitStatus::kWriteFailed;
  }
  std::optional<BackupFile> newest;
  if (!backups.empty()) newest = backups.back();
  std::optional<fs::path> newestPath;
  if (newest) newestPath = *folder / newest->name;
  const fs::path stable = *folder / kNewestBackupName;

  AtomicFile::Options claimOptions = sparingDatabaseFiles(database);
  claimOptions.claimNewName = true;
  AtomicFile::Writer writer(QByteArray((*folder / "new").c_str()), claimOptions);
  if (!writer.open()) return writeFailed(writer, *writer.commit());
  // A 2.0 head says when it was made: that alone is no change.
  const qint64 dateAt = opmlDocumentStart().size() + qint64(std::strlen(kOpml2DateAt));
  SameAsFile previous(newestPath, choices.opml2 ? dateAt : 0,
                      choices.opml2 ? dateAt + kOpml2DateLength : 0);
  // The read-back looks for secrets on its thread.
  ReadBackCheck check(true);
  auto sink = [&](const char *bytes, qsizetype size) {
    previous.feed(bytes, size);
    check.feed(bytes, size);
    return writer.append(bytes, size);
  };
  ExportPass pass(sink, OpmlFormat{choices.opml2, {}, choices.importableTitles});
  ExportFilter filter(choices, true);
  ReadOptions options;
  // No one waits for a backup that a timer started: it waits for the
  // reader to finish writing far longer than a window would.
  options.busyTimeout = kBackupLockWait;
  options.onRestart = [&] {
    writer.rewind();  // a new file in a folder: always possible
    previous.reset();
    check.restart();
    pass.restart();
    filter.restart();
  };
  const ReadResult read = forEachFeedRowAt(
      database, [&](const FeedRow &row) { return !filter.takes(row) || pass.add(row); }, options);
  if (read.status != ReadStatus::Stopped && !read.ok()) {
    QString consequence = QStringLiteral(" No backup was made.");
    if (read.status == ReadStatus::Locked) {
      consequence =
          QStringLiteral(" Waited %1 seconds; no backup was made.")
              .arg(std::chrono::duration_cast<std::chrono::seconds>(kBackupLockWait).count());
    }
    return readFailed(read, consequence);
  }
  const WrittenFeeds written = pass.written();
  std::move(pass).finish();
  const std::size_t count = written.feeds();
  const QString feeds = feedCountText(count, locale);
  const BackupFile *reference = backupToCompareWith(backups);
  const bool drop = reference && isDrop(reference->feeds, count);
  auto warnOfDrop = [&] {
    const std::size_t vanished = reference->feeds - count;
    const QString good = shown(*folder / reference->name);
    printLine(stderr,
              QStringLiteral("Warning: %1 since the backup \"%2\", which holds %3. No older "
                             "backup was removed, and \"%4\" was left as it was. If the feeds "
                             "were removed on purpose, remove the older backups yourself; if "
                             "not, import \"%2\" into the reader again.")
                  .arg(vanishedText(vanished, locale), good,
                       feedCountText(reference->feeds, locale), shown(stable)));
    return ExitStatus::kFeedsDropped;
  };
  if (previous.same()) {
    // The writer, never committed, leaves nothing behind.
    printLine(stderr, QStringLiteral("The newest backup, \"%1\", already holds these %2; no "
                                     "backup was made.")
                          .arg(shown(*newestPath), feeds));
    if (drop) return warnOfDrop();
    if (!fs::exists(fs::symlink_status(stable, error))) {
      if (auto failure = keepAsNewest(*newestPath, stable)) {
        printLine(stderr, *failure);
        return ExitStatus::kWriteFailed;
      }
    }
    return ExitStatus::kOk;
  }
  const std::int64_t moment = momentAfter(backups, nowInNanoseconds());
  if (!writer.setModificationTime({time_t(moment / 1'000'000'000), long(moment % 1'000'000'000)})) {
    return writeFailed(writer, *writer.commit());
  }
  fs::path target;
  if (auto sentence = claimDatedName(writer, *folder, target)) {
    printLine(stderr, *sentence);
    return ExitStatus::kWriteFailed;
  }
  const QString shownTarget = shown(target);
  if (auto mismatch = check.verify(QByteArray(target.c_str()),
                                   QStringLiteral("The backup \"%1\"").arg(shownTarget), written)) {
    printLine(stderr, *mismatch);
    return ExitStatus::kNotAsWritten;
  }
  QString summary = QStringLiteral("%1 backed up to %2 and checked").arg(feeds, shownTarget);
  if (newest) {
    summary += QStringLiteral("; since the previous backup: %1.")
                   .arg(feedChangesText(
                       feedChanges(addressesOf(*newestPath), written.fingerprints()), locale));
  } else {
    summary += QStringLiteral("; it is the first backup in this folder.");
  }
  if (!drop) {
    if (auto failure = keepAsNewest(target, stable)) {
      printLine(stderr, QStringLiteral("The backup \"%1\" was written and checked, but the copy "
                                       "beside it could not be: %2")
                            .arg(shownTarget, *failure));
      return ExitStatus::kWriteFailed;
    }
  }
  printLine(stderr, summary);
  filter.say(check.secrets(QByteArray(target.c_str())));
  if (drop) return warnOfDrop();

  // The new backup is the newest: the folder need not be read again.
  backups.push_back({target.filename().string(), moment, count});
  int removed = 0;
  for (const std::string &old : backupsToRemove(backups, keep)) {
    if (!fs::remove(*folder / old, error)) break;
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

static_assert(kDefaultBackupsKept == 10, "as the help of --keep says");
constexpr Option kBackupOptions[] = {
    {.name = "keep",
     .value = "N",
     .help = "keep the newest N backups (default 10); only your own files that this program "
             "wrote are removed.",
     .refuse =
         [](const QByteArray &n) {
           bool number = false;
           return n.toInt(&number) >= 1 && number ? nullptr
                                                  : "needs a whole number of backups, 1 or more";
         }},
    kExportChoiceOptions[0],
    kExportChoiceOptions[1],
    kExportChoiceOptions[2]};

}  // namespace

extern const Command kBackupCommand{
    .option = {.name = "backup",
               .value = "[FOLDER]",
               .help = "Write every feed to \"FOLDER/Orvella Feeds YYYY-MM-DD HHMMSS.opml\" (local "
                       "time), and check it, unless the newest backup there already holds the "
                       "same; says what changed since it, and keeps a copy as \"FOLDER/Orvella "
                       "Feeds.opml\". FOLDER is made when missing; without it, \"Orvella Backups\" "
                       "in the documents folder. The reader may go on running; a backup waits up "
                       "to a minute for its lock. A backup with no feeds, or fewer than three "
                       "quarters of the newest backup's, removes and replaces nothing and exits "
                       "with 8."},
    .options = kBackupOptions,
    .run = runBackup,
    .readsDatabase = true};
