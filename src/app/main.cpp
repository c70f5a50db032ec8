#include "app/CommandLine.h"

int main(int argc, char **argv) {
  if (std::optional<int> status = runCommandLine(argc, argv)) {
    return *status;
  }
  // No command-line action was asked for: show what the program can do.
  return printCommandLineHelp();
}
