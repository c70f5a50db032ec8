#pragma once

#include <QString>

// --help and --version, on standard output; each returns the exit status
// (kWriteFailed, with a sentence on standard error, when it cannot be written).
int runHelp();
int runVersion();

// The text that --help prints.
QString commandLineHelp();
