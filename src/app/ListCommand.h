#pragma once

#include <filesystem>

// --list: prints every feed of the database on standard output, one a line:
// title, site address and feed address, separated by tabs. Returns the exit
// status.
int runList(const std::filesystem::path &database);
