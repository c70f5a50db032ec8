// Runs Workspace as another user, to show what it does with processes that are
// not ours. Started by the tests as root; drops to the given uid first.
//
//   workspace-probe UID list             prints "self <pid>", then one pid a line
//   workspace-probe UID kill PID START   prints "gone" or "refused"
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Workspace.h"

int main(int argc, char **argv) {
  if (argc < 3) return 2;
  uid_t uid = static_cast<uid_t>(std::strtoul(argv[1], nullptr, 10));
  if (getuid() != uid && (setgid(uid) != 0 || setuid(uid) != 0)) {
    std::perror("workspace-probe: setuid");
    return 3;
  }
  // Changing the uid makes the process undumpable, which hands its /proc entry
  // to root; an ordinary program of this user is dumpable.
  prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
  if (std::strcmp(argv[2], "list") == 0) {
    std::printf("self %d\n", static_cast<int>(getpid()));
    for (const auto &app : Workspace::sharedWorkspace().runningApplications()) {
      std::printf("%d\n", static_cast<int>(app.processIdentifier()));
    }
    return 0;
  }
  if (std::strcmp(argv[2], "kill") == 0 && argc == 5) {
    RunningApplication app(static_cast<pid_t>(std::atoi(argv[3])),
                           std::strtoull(argv[4], nullptr, 10), std::nullopt, std::nullopt);
    std::puts(app.forceTerminate() ? "gone" : "refused");
    return 0;
  }
  return 2;
}
