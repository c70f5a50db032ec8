#include "Task.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/FileNames.h"
#include "platform/Log.h"
#include "platform/SessionBus.h"

extern char **environ;

namespace {

// Spawn attributes and file actions, prepared before the fork so that the
// forked child only calls posix_spawn and _exit.
class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawnattr_init(&attr_);
    posix_spawn_file_actions_init(&actions_);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attr_);
  }
  SpawnSetup(const SpawnSetup &) = delete;
  SpawnSetup &operator=(const SpawnSetup &) = delete;

  int prepare() {
    // A new session: no controlling terminal, and neither a hang-up of our
    // terminal nor a signal to our process group reaches the program.
    // Every signal back to its default and none blocked, whatever our threads
    // had set up.
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    if (int err = posix_spawnattr_setflags(
            &attr_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK)) {
      return err;
    }
    if (int err = posix_spawnattr_setsigdefault(&attr_, &all)) return err;
    if (int err = posix_spawnattr_setsigmask(&attr_, &none)) return err;
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
      int flags = fd == STDIN_FILENO ? O_RDONLY : O_WRONLY;
      if (int err = posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", flags, 0)) {
        return err;
      }
    }
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    // Descriptors that someone opened without close-on-exec stay ours.
    if (int err = posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1)) {
      return err;
    }
#endif
    return 0;
  }

  const posix_spawnattr_t *attr() const { return &attr_; }
  const posix_spawn_file_actions_t *actions() const { return &actions_; }

 private:
  posix_spawnattr_t attr_;
  posix_spawn_file_actions_t actions_;
};

QString resolveProgram(const QString &path) {
  if (path.contains(QLatin1Char('/'))) {
    return path;
  }
  return QStandardPaths::findExecutable(path);
}

void logFailure(const QString &path, int err) {
  Log::line(QStringLiteral("Could not start %1: %2. Check that the program is installed and "
                           "executable.")
                .arg(path, QString::fromLocal8Bit(std::strerror(err))));
}

}  // namespace

bool Task::launchDetached(const QString &path, const QStringList &args) {
  const QString program = resolveProgram(path);
  if (program.isEmpty() || path.contains(QChar(0))) {
    logFailure(path, ENOENT);
    return false;
  }
  std::vector<QByteArray> words;
  words.reserve(static_cast<std::size_t>(args.size()) + 1);
  words.push_back(FileNames::encode(program));
  for (const QString &arg : args) {
    if (arg.contains(QChar(0))) {
      logFailure(path, EINVAL);
      return false;
    }
    words.push_back(FileNames::encode(arg));
  }
  std::vector<char *> argv;
  argv.reserve(words.size() + 1);
  for (QByteArray &word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);

  // The environment as the program was started with it: an address that we
  // disabled for ourselves is not the started program's to inherit.
  std::vector<char *> environment;
  const QByteArray disabled =
      QByteArray("DBUS_SESSION_BUS_ADDRESS=") + SessionBus::kDisabledAddress;
  for (char **entry = environ; *entry != nullptr; ++entry) {
    if (SessionBus::autolaunchPrevented() && disabled == *entry) continue;
    environment.push_back(*entry);
  }
  environment.push_back(nullptr);

  SpawnSetup setup;
  if (int err = setup.prepare()) {
    logFailure(path, err);
    return false;
  }

  // A posix_spawn child of ours would stay a zombie from its end until we
  // collected it, and we do not want to watch it. So an intermediate child
  // spawns the program and exits at once; we collect only the intermediate,
  // and the program, orphaned, is adopted by init (or the session's
  // subreaper), which collects it when it ends, long after we are gone.
  // The intermediate reports posix_spawn's error (exec failures included)
  // through its exit status.
  const pid_t intermediate = ::fork();
  if (intermediate < 0) {
    logFailure(path, errno);
    return false;
  }
  if (intermediate == 0) {
    pid_t pid = 0;
    int err = ::posix_spawn(&pid, argv[0], setup.actions(), setup.attr(), argv.data(),
                            environment.data());
    ::_exit(err == 0 ? 0 : (err & 0xff ? err & 0xff : EIO));
  }

  int status = 0;
  pid_t waited;
  do {
    waited = ::waitpid(intermediate, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited < 0) {
    logFailure(path, errno);
    return false;
  }
  if (!WIFEXITED(status)) {
    logFailure(path, EIO);
    return false;
  }
  if (int err = WEXITSTATUS(status)) {
    logFailure(path, err);
    return false;
  }
  return true;
}
