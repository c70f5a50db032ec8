#pragma once

// Starting a program from a benchmark: standard error to /dev/null, standard
// output to /dev/null or to a pipe the benchmark reads.
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char **environ;

namespace bench {

// Starts args[0] with args; -1 when it cannot start. With stdoutRead, the
// program's standard output goes to a pipe whose reading end lands there (the
// caller closes it); otherwise to /dev/null.
inline pid_t spawnQuiet(const std::vector<std::string> &args, int *stdoutRead = nullptr) {
  std::vector<char *> argv;
  for (const auto &a : args) argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  int pipeFds[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdoutRead && pipe(pipeFds) == 0) {
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  if (pipeFds[1] >= 0) close(pipeFds[1]);
  if (stdoutRead) {
    if (pid < 0 && pipeFds[0] >= 0) {
      close(pipeFds[0]);
      pipeFds[0] = -1;
    }
    *stdoutRead = pipeFds[0];
  }
  return pid;
}

}  // namespace bench
