#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// The files of a backup folder: their names, which of them to keep, and
// what changed from one backup to the next.

inline constexpr int kDefaultBackupsKept = 10;

// "Orvella Feeds 2026-12-09 051200.opml" for that local time.
QString backupFileName(const QDateTime &localTime);
// Whether a name (the bytes of one folder entry) is one that
// backupFileName() makes; only such files are ever removed.
bool isBackupFileName(const std::string &name);

// The backups in the folder, by name, oldest first: the names sort as the
// times they carry. Only regular files count.
std::vector<std::string> backupsIn(const std::filesystem::path &folder, std::error_code &error);

// Of backups (oldest first), those beyond the newest `keep`, never `spare`.
std::vector<std::string> backupsBeyond(const std::vector<std::string> &backups, int keep,
                                       const std::string &spare);

// $XDG_DOCUMENTS_DIR, else the documents folder of user-dirs.dirs (which
// falls back to ~/Documents), with "Orvella Backups" in it; nothing when not
// even the home folder is known.
std::optional<std::filesystem::path> defaultBackupFolder();

struct FeedChanges {
  std::size_t added = 0;
  std::size_t removed = 0;
};

// The feeds whose addresses (by fingerprint, each counted as often as it
// appears) are in `now` but not in `before`, and the other way round.
FeedChanges feedChanges(std::vector<std::uint64_t> before, std::vector<std::uint64_t> now);

// "4 added, 1 removed".
QString feedChangesText(const FeedChanges &changes, const QLocale &locale = QLocale());
