#pragma once

#include <QString>
#include <optional>

// The command-line mode of orvella-exporter, for scripts and for machines
// without a display. It needs no window system.
namespace ExitStatus {
inline constexpr int kOk = 0;
inline constexpr int kNoDatabase = 1;    // no readable reader database
inline constexpr int kUsage = 2;         // bad options
inline constexpr int kWriteFailed = 3;   // the output could not be written
inline constexpr int kOutOfMemory = 4;   // memory ran out
inline constexpr int kNotAsWritten = 6;  // the written file, read back, differs
// --check: the file holds something that would trouble importers.
inline constexpr int kCheckFoundProblems = 1;
}  // namespace ExitStatus

// Runs what the options ask for and returns the exit status; returns nothing
// when the options ask for no command-line action, so that the window opens
// instead. Qt's own options are accepted and left for QApplication. Memory
// running out ends in a sentence and kOutOfMemory, never in an uncaught
// exception.
std::optional<int> runCommandLine(int argc, char **argv);

// For the window, once runCommandLine() has found that the options ask for
// it: a --database PATH becomes the database path of
// CXExportStorage::defaultManager().
void useDatabaseOption(int argc, char **argv);

// The help text that --help prints.
QString commandLineHelp();

// Prints the help on standard output and returns the exit status for it
// (kWriteFailed, with a sentence on standard error, when it cannot be written).
int printCommandLineHelp();
