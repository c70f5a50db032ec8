#include "BackupFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <tuple>

#include "export/OpmlReading.h"
#include "export/OpmlWriter.h"

namespace fs = std::filesystem;

namespace {

constexpr char kPrefix[] = "Orvella Feeds ";
constexpr char kSuffix[] = ".opml";

// Where a name has a digit and where a fixed character: "YYYY-MM-DD HHMMSS".
constexpr char kStampShape[] = "dddd-dd-dd dddddd";

}  // namespace

QString backupFileName(const QDateTime &localTime) {
  return QLatin1String(kPrefix) + localTime.toString(QStringLiteral("yyyy-MM-dd HHmmss")) +
         QLatin1String(kSuffix);
}

bool isBackupFileName(const std::string &name) {
  const std::string_view prefix(kPrefix);
  const std::string_view suffix(kSuffix);
  const std::string_view shape(kStampShape);
  if (name.size() != prefix.size() + shape.size() + suffix.size() || !name.starts_with(prefix) ||
      !name.ends_with(suffix)) {
    return false;
  }
  for (std::size_t i = 0; i < shape.size(); ++i) {
    const char c = name[prefix.size() + i];
    if (shape[i] == 'd' ? (c < '0' || c > '9') : c != shape[i]) return false;
  }
  return true;
}

namespace {

constexpr std::int64_t kNanosecondsPerDay = 86'400'000'000'000;

// Whether the file starts as every document of ours starts.
bool startsAsOurs(const QByteArray &path) {
  const QByteArray start = opmlDocumentStart();
  QFile file;
  if (!openForReading(file, path)) return false;
  return file.read(start.size()) == start;
}

}  // namespace

std::vector<BackupFile> ownBackupsIn(const fs::path &folder, std::error_code &error,
                                     std::int64_t now) {
  std::vector<BackupFile> backups;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    BackupFile backup;
    backup.name = it->path().filename().string();
    if (!isBackupFileName(backup.name)) continue;
    const QByteArray path(it->path().c_str());
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid() || !startsAsOurs(path)) {
      continue;
    }
    backup.moment = std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    readOpmlFile(path, [&backup](const OpmlOutline &outline) {
      if (outline.hasXmlUrl && isFeedAddress(outline.xmlUrl)) ++backup.feeds;
    });
    backups.push_back(std::move(backup));
  }
  auto key = [now](const BackupFile &b) {
    const bool ahead = b.moment > now + kNanosecondsPerDay;
    return std::tuple(!ahead, ahead ? 0 : b.moment, b.name);
  };
  std::sort(backups.begin(), backups.end(),
            [&key](const BackupFile &a, const BackupFile &b) { return key(a) < key(b); });
  return backups;
}

bool isDrop(std::size_t before, std::size_t now) {
  return before > 0 && (now == 0 || now * 4 < before * 3);
}

namespace {

// Whether a drop followed the backup, and no later backup holds as many
// feeds again.
bool isGoodCopyBeforeADrop(const std::vector<BackupFile> &backups, std::size_t i) {
  if (i + 1 >= backups.size() || !isDrop(backups[i].feeds, backups[i + 1].feeds)) return false;
  for (std::size_t later = i + 1; later < backups.size(); ++later) {
    if (backups[later].feeds >= backups[i].feeds) return false;
  }
  return true;
}

}  // namespace

const BackupFile *backupToCompareWith(const std::vector<BackupFile> &backups) {
  for (std::size_t i = backups.size(); i-- > 0;) {
    if (isGoodCopyBeforeADrop(backups, i)) return &backups[i];
  }
  return backups.empty() ? nullptr : &backups.back();
}

std::vector<std::string> backupsToRemove(const std::vector<BackupFile> &backups, int keep) {
  std::vector<std::string> remove;
  const auto kept = static_cast<std::size_t>(std::max(keep, 1));
  for (std::size_t i = 0; i + kept < backups.size(); ++i) {
    if (!isGoodCopyBeforeADrop(backups, i)) remove.push_back(backups[i].name);
  }
  return remove;
}

std::int64_t momentAfter(const std::vector<BackupFile> &backups, std::int64_t now) {
  if (backups.empty() || backups.back().moment > now + kNanosecondsPerDay) return now;
  return std::max(now, backups.back().moment + 1'000);
}

std::optional<fs::path> defaultBackupFolder() {
  const char *fromEnvironment = std::getenv("XDG_DOCUMENTS_DIR");
  fs::path documents;
  if (fromEnvironment && fromEnvironment[0] == '/') {
    documents = fromEnvironment;
  } else {
    const QString location = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (location.isEmpty() || !QDir::isAbsolutePath(location)) return std::nullopt;
    documents = QFile::encodeName(location).toStdString();
  }
  return documents / "Orvella Backups";
}

FeedChanges feedChanges(std::vector<std::uint64_t> before, std::vector<std::uint64_t> now) {
  std::sort(before.begin(), before.end());
  std::sort(now.begin(), now.end());
  std::vector<std::uint64_t> difference;
  FeedChanges changes;
  std::set_difference(now.begin(), now.end(), before.begin(), before.end(),
                      std::back_inserter(difference));
  changes.added = difference.size();
  difference.clear();
  std::set_difference(before.begin(), before.end(), now.begin(), now.end(),
                      std::back_inserter(difference));
  changes.removed = difference.size();
  return changes;
}

QString feedChangesText(const FeedChanges &changes, const QLocale &locale) {
  return QStringLiteral("%1 added, %2 removed")
      .arg(locale.toString(qulonglong(changes.added)),
           locale.toString(qulonglong(changes.removed)));
}
