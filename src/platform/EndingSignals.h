#pragma once

#include <filesystem>

// The program's one handler for SIGTERM, SIGINT and SIGHUP. Whatever the
// process is busy with, it removes the temporary files and folders that must
// not outlive it, and lets a wait that would hold the quit up (a write to a
// pipe nobody reads) see that the end was asked for. Then, where an orderly
// quit was asked for (quitThrough), it writes the signal's number to that
// descriptor and the event loop ends the program; else the signal's default
// action ends the process.
//
// The handler only reads fixed tables, sets a flag and calls unlink, rmdir,
// write, signal and raise, as a signal handler may. It is installed on first
// use, and only for a signal whose action is the default one: a signal the
// process was started ignoring (nohup) stays ignored.
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

// Installs the handler; from now on a signal writes its number (one byte) to
// fd instead of ending the process at once. -1 goes back to ending it.
void quitThrough(int fd);

}  // namespace EndingSignals
