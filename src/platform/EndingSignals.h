#pragma once

#include <filesystem>

// What SIGTERM, SIGINT and SIGHUP must do before they end the process,
// whatever the process is busy with: remove the temporary files and folders
// that must not outlive it, and let a wait that would hold the quit up (a
// write to a pipe nobody reads) see that the end was asked for. The handler
// then lets the signal take its course: a handler that was there before ours
// runs (an orderly quit goes on), else the signal's default action ends the
// process.
//
// The handler only reads a fixed table, sets a flag and calls unlink and
// rmdir, as a signal handler may. It is installed on first use.
namespace EndingSignals {

enum class Kind { File, Folder };

// Registers a name; returns a ticket for forget(), or -1 when the name is too
// long or the table is full (the name is then not removed on a signal).
int remember(const std::filesystem::path &path, Kind kind);

// Takes a name off the table once it has been removed or renamed.
void forget(int ticket);

// Installs the handler, so that arrived() can tell.
void watch();

// Whether one of the signals has arrived since watch().
bool arrived();

}  // namespace EndingSignals
