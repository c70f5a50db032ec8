#pragma once

#include <QByteArray>
#include <filesystem>
#include <optional>

// --backup [FOLDER] [--keep N]: writes every feed to a new dated file in the
// folder (the default one when none is given) unless the newest backup there
// already holds the same document, checks it, and removes the backups beyond
// the newest `keep`. The database is read as any export reads it, so the
// reader may go on running. Returns the exit status.
int runBackup(const std::filesystem::path &database, const std::optional<QByteArray> &folder,
              int keep);
