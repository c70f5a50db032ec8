#pragma once

#include "app/ProgramOptions.h"

// The export window lives in a module of its own, loaded only when the window
// opens, so that the command-line modes start without Qt Widgets, Gui, DBus,
// Svg and the libraries that these bring.

// The module's file name. The program finds it through its run path: next to
// the program in the build tree, in the program's library folder once
// installed.
inline constexpr char kWindowModuleFile[] = "orvella-exporter-window.so";

// The module's one entry point: runs the application with its window on the
// options the program parsed, and returns the exit status. argc stays alive
// for as long as the call lasts, as QApplication requires; Qt takes its own
// options from argv.
// The name changes with the entry's arguments, so that a module and a program
// that do not fit fail to load, with a message, instead of crashing.
inline constexpr char kWindowEntryName[] = "orvellaExporterWindowMainWithOptions";
using WindowEntry = int(int &argc, char **argv, const ProgramOptions &options);

// Loads the module and runs the window; when the module cannot be loaded,
// says so on standard error and returns ExitStatus::kModuleMissing.
int runWindowModule(int &argc, char **argv, const ProgramOptions &options);
