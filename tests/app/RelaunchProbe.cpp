// Does what the exporter does when it quits after a hand-off: starts the
// relaunch of the path given as the only argument, with the opener from
// ORVELLA_OPENER, and exits at once. Prints "launched" when the start worked.
#include <QCoreApplication>
#include <cstdio>

#include "app/RelaunchCommand.h"
#include "platform/Task.h"

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) return 2;
  auto command = RelaunchCommand::build(QString::fromLocal8Bit(argv[1]),
                                        RelaunchCommand::openerFromEnvironment());
  if (!command || !Task::launchDetached(command->program, command->args)) return 1;
  std::puts("launched");
  return 0;
}
