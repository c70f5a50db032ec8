#pragma once

#include <QByteArray>
#include <filesystem>

#include "app/ProgramOptions.h"

// --export FILE (or "-" for standard output): writes every feed of the
// database as an OPML document, reads it back and says how many feeds were
// written and checked. Returns the exit status.
int runExport(const std::filesystem::path &database, const QByteArray &target,
              const ExportChoices &choices = {});
