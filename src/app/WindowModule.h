#pragma once

#include "app/CommandLine.h"

// The export window lives in a module of its own, loaded only when the window
// opens, so that the command-line modes start without Qt Widgets, Gui, DBus,
// Svg and the libraries that these bring.

// The module's file name. The program finds it through its run path: next to
// the program in the build tree, in the program's library folder once
// installed.
inline constexpr char kWindowModuleFile[] = "orvella-exporter-window.so";

// The module's entry points, one for each command it runs (Command::moduleEntry):
// each runs its command on the arguments the program parsed, and returns the
// exit status. argc stays alive for as long as the call lasts, as QApplication
// requires; Qt takes its own options from argv.
// The names change with the entries' arguments, so that a module and a
// program that do not fit fail to load, with a message, instead of crashing.
using ModuleEntry = int(int &argc, char **argv, const Arguments &arguments);

// Loads the module and runs the command's entry; when the module cannot be
// loaded, says so on standard error and returns ExitStatus::kModuleMissing.
int runWindowModule(int &argc, char **argv, const Arguments &arguments);
