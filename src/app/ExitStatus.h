#pragma once

// The program's exit statuses, as its help and manual page list them.
namespace ExitStatus {
inline constexpr int kOk = 0;
inline constexpr int kNoDatabase = 1;     // no readable reader database
inline constexpr int kUsage = 2;          // bad options
inline constexpr int kWriteFailed = 3;    // the output could not be written
inline constexpr int kOutOfMemory = 4;    // memory ran out
inline constexpr int kModuleMissing = 5;  // the window's module cannot be loaded
inline constexpr int kNotAsWritten = 6;   // the written file, read back, differs
inline constexpr int kNoDisplay = 7;      // no display to open the window on
inline constexpr int kFeedsDropped = 8;   // --backup: far fewer feeds than the newest backup
// --check: the file holds something that would trouble importers.
inline constexpr int kCheckFoundProblems = 1;
// --compare: a feed of the reader's is missing from the file, or the file
// cannot be compared.
inline constexpr int kCompareFoundMissing = 1;
}  // namespace ExitStatus
