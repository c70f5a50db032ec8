#pragma once

#include <QByteArray>
#include <chrono>
#include <filesystem>
#include <optional>

#include "app/ProgramOptions.h"

// How long a backup waits for the reader to finish writing before it gives
// up; a window or an export waits a few seconds only.
inline constexpr std::chrono::seconds kBackupLockWait{60};

// --backup [FOLDER] [--keep N]: writes every feed to a new dated file in the
// folder (the default one when none is given) unless the newest backup there
// already holds the same document, checks it, keeps a copy of it as
// "Orvella Feeds.opml" and removes the backups beyond the newest `keep`. A
// backup that holds far fewer feeds than the newest one before it (see
// isDrop) is written, but replaces and removes nothing, and ends with
// kFeedsDropped. The choices are --export's. The database is read as any export reads it, so the
// reader may go on running. Returns the exit status.
int runBackup(const std::filesystem::path &database, const std::optional<QByteArray> &folder,
              int keep, const ExportChoices &choices = {});
