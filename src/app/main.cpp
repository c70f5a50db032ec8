#include "app/CommandLine.h"
#include "app/ProgramOptions.h"
#include "app/WindowModule.h"

int main(int argc, char **argv) {
  const ParsedOptions parsed = parseProgramOptions(argc, argv);
  using Command = ProgramOptions::Command;
  // The notification needs the session bus, which only the module links.
  if (parsed.error.isEmpty() && (parsed.options.command == Command::Window ||
                                 parsed.options.command == Command::NotifyBackupFailure)) {
    return runWindowModule(argc, argv, parsed.options);
  }
  // The command-line modes run without a display and return a status. They
  // never look for the reader: a script that exports must not quit it.
  return runCommandLine(parsed, argv[0]);
}
