#pragma once

#include "app/ProgramOptions.h"

// The command-line modes of orvella-exporter, for scripts and for machines
// without a display: --export, --list, --check, --backup, --help and
// --version, and the usage error of arguments that cannot be used. They need
// no window system, never look for the reader and never quit it. Returns the
// exit status; memory running out ends in a sentence and kOutOfMemory, never
// in an uncaught exception. program: argv[0].
int runCommandLine(const ParsedOptions &parsed, char *program);
