#include "BackupFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>
#include <iterator>

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

std::vector<std::string> backupsIn(const fs::path &folder, std::error_code &error) {
  std::vector<std::string> names;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code ignored;
    if (isBackupFileName(name) && it->is_regular_file(ignored)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> backupsBeyond(const std::vector<std::string> &backups, int keep,
                                       const std::string &spare) {
  std::vector<std::string> beyond;
  const auto kept = static_cast<std::size_t>(std::max(keep, 0));
  if (backups.size() <= kept) return beyond;
  for (std::size_t i = 0; i < backups.size() - kept; ++i) {
    if (backups[i] != spare) beyond.push_back(backups[i]);
  }
  return beyond;
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
