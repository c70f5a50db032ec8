// A stand-in for the reader in tests: a real process that carries whatever
// application id the test put in its environment and waits until its standard
// input closes (so it ends with the test program) or it is killed. It ignores
// SIGTERM, SIGINT and SIGHUP, so only a forced quit ends it early.
//
//   --own-launch   re-executes itself with GIO_LAUNCHED_DESKTOP_FILE_PID set to
//                  its own pid, as gio records the process it launched
//   --helper       starts one more stand-in as its child (a descendant that
//                  inherits the environment) and prints "helper <pid>"
//
// Prints "ready <pid>" once set up (the helper prints its own).
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char **argv) {
  bool ownLaunch = false;
  bool helper = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--own-launch") == 0) ownLaunch = true;
    if (std::strcmp(argv[i], "--helper") == 0) helper = true;
  }
  if (ownLaunch && std::getenv("GIO_LAUNCHED_DESKTOP_FILE_PID") == nullptr) {
    setenv("GIO_LAUNCHED_DESKTOP_FILE_PID", std::to_string(getpid()).c_str(), 1);
    execv("/proc/self/exe", argv);
    std::perror("stand-in reader: re-exec");
    return 127;
  }
  signal(SIGTERM, SIG_IGN);
  signal(SIGINT, SIG_IGN);
  signal(SIGHUP, SIG_IGN);
  if (helper) {
    pid_t child = fork();
    if (child == 0) {
      execl("/proc/self/exe", argv[0], static_cast<char *>(nullptr));
      _exit(127);
    }
    std::printf("helper %d\n", static_cast<int>(child));
  }
  std::printf("ready %d\n", static_cast<int>(getpid()));
  std::fflush(stdout);
  char buffer[256];
  while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
  }
  return 0;
}
