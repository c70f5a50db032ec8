#pragma once

#include <QByteArray>
#include <filesystem>

// --export FILE (or "-" for standard output) and --list, of every feed of
// the database; each returns the exit status.
int runExport(const std::filesystem::path &database, const QByteArray &target);
int runList(const std::filesystem::path &database);
