#include "app/CommandLine.h"
#include "app/WindowModule.h"

int main(int argc, char **argv) {
  const Arguments arguments = parseArguments(argc, argv);
  // The window and the notification run in the module: Widgets, Gui, DBus.
  if (arguments.error.isEmpty() && arguments.command->moduleEntry) {
    return runWindowModule(argc, argv, arguments);
  }
  // The command-line modes run without a display and return a status. They
  // never look for the reader: a script that exports must not quit it.
  return runCommandLine(arguments, argv[0]);
}
