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

// The name beside the dated backups that always holds the newest one, for
// sync tools and readers that follow one file.
inline constexpr char kNewestBackupName[] = "Orvella Feeds.opml";

// "Orvella Feeds 2026-12-09 051200.opml" for that local time.
QString backupFileName(const QDateTime &localTime);
// Whether a name (the bytes of one folder entry) is one that
// backupFileName() makes; only such files are ever removed.
bool isBackupFileName(const std::string &name);

// One backup in a folder.
struct BackupFile {
  std::string name;
  // When it was written: its modification time in nanoseconds since the
  // epoch, which no change of the clocks' zone or summer time moves.
  std::int64_t moment = 0;
  std::size_t feeds = 0;  // outlines with a feed address
};

// The backups in the folder that this user wrote with this program, oldest
// first: regular files (never links) of this user, named as
// backupFileName() names them, whose document starts as our documents do.
// Anyone else's file, whatever its name, is no backup of ours. They are
// ordered by their moment; one more than a day ahead of the clock counts as
// the oldest, as no backup can have been written then.
std::vector<BackupFile> ownBackupsIn(const std::filesystem::path &folder, std::error_code &error,
                                     std::int64_t now);

// Whether a backup of `now` feeds after one of `before` is a drop: none
// left, or fewer than three quarters. A reader that lost its subscriptions
// must not rotate the good backups away.
bool isDrop(std::size_t before, std::size_t now);

// What a new backup's count of feeds is held against (see isDrop): the
// newest good copy that a drop followed, where no later backup holds as
// many feeds again, so that the days after a drop still count as one;
// else the newest backup. Nothing when there is none.
const BackupFile *backupToCompareWith(const std::vector<BackupFile> &backups);

// Of backups (oldest first), those to remove so that the newest `keep`
// stay. A backup that a drop followed stays too, until a later backup
// holds as many feeds again.
std::vector<std::string> backupsToRemove(const std::vector<BackupFile> &backups, int keep);

// The moment a new backup gets: now, or just after the newest backup where
// the clock was set back behind it, so that it still sorts as the newest.
std::int64_t momentAfter(const std::vector<BackupFile> &backups, std::int64_t now);

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
