#include "app/CommandLine.h"
#include "app/WindowModule.h"

int main(int argc, char **argv) {
  // The command-line modes run without a display; they return a status.
  // They never look for the reader: a script that exports must not quit it.
  if (std::optional<int> status = runCommandLine(argc, argv)) {
    return *status;
  }
  return runWindowModule(argc, argv);
}
