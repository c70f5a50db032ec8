/* Preloaded into the exporter to stand for storage that fails: the system
 * call named by ORVELLA_FAIL_CALL (open, write, fdatasync, linkat, rename,
 * close or fchmod) fails with the error named by ORVELLA_FAIL_ERRNO (EIO,
 * ENOSPC, EDQUOT), but only for names in the folder ORVELLA_FAIL_UNDER (the
 * folder itself included) and for descriptors opened there, so that SQLite's
 * and Qt's own files elsewhere are left alone. openat and renameat count as
 * open and rename.
 *
 * With ORVELLA_CALL_LOG set, every call of those on such a name or
 * descriptor is appended to that file as one line ("open 5 /f",
 * "fdatasync 5", "rename /f/.orvella-x /f/out.opml"), in the order the
 * program made them. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#define MAX_FDS 4096

static char tracked[MAX_FDS];

static void *real(const char *name) { return dlsym(RTLD_NEXT, name); }

/* Whether path (as the program spelt it) is the chosen folder or in it. */
static int inFolder(const char *path) {
  const char *folder = getenv("ORVELLA_FAIL_UNDER");
  if (!folder || !*folder || !path) return 0;
  char absolute[8192];
  if (path[0] != '/') {
    if (!getcwd(absolute, sizeof absolute - 1)) return 0;
    const size_t used = strlen(absolute);
    snprintf(absolute + used, sizeof absolute - used, "/%s", path);
    path = absolute;
  }
  const size_t n = strlen(folder);
  return strncmp(path, folder, n) == 0 && (path[n] == '\0' || path[n] == '/');
}

static int isTracked(int fd) { return fd >= 0 && fd < MAX_FDS && tracked[fd]; }

static void note(const char *call, const char *detail) {
  const char *log = getenv("ORVELLA_CALL_LOG");
  if (!log) return;
  static int (*realOpen)(const char *, int, ...);
  static ssize_t (*realWrite)(int, const void *, size_t);
  static int (*realClose)(int);
  if (!realOpen) realOpen = (int (*)(const char *, int, ...))real("open");
  if (!realWrite) realWrite = (ssize_t(*)(int, const void *, size_t))real("write");
  if (!realClose) realClose = (int (*)(int))real("close");
  char line[8400];
  const int size = snprintf(line, sizeof line, "%s %s\n", call, detail);
  const int fd = realOpen(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (size > 0) realWrite(fd, line, (size_t)size < sizeof line ? (size_t)size : sizeof line - 1);
  realClose(fd);
}

static void noteFd(const char *call, int fd) {
  char number[16];
  snprintf(number, sizeof number, "%d", fd);
  note(call, number);
}

/* Whether the chosen call is this one; sets errno to the chosen error. */
static int failing(const char *call) {
  const char *chosen = getenv("ORVELLA_FAIL_CALL");
  const char *error = getenv("ORVELLA_FAIL_ERRNO");
  if (!chosen || !error || strcmp(chosen, call) != 0) return 0;
  if (strcmp(error, "EIO") == 0) {
    errno = EIO;
  } else if (strcmp(error, "ENOSPC") == 0) {
    errno = ENOSPC;
  } else if (strcmp(error, "EDQUOT") == 0) {
    errno = EDQUOT;
  } else {
    errno = atoi(error);
  }
  return 1;
}

static int needsMode(int flags) { return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE; }

static int opened(const char *path, int fd) {
  if (fd >= 0 && fd < MAX_FDS) tracked[fd] = 1;
  char detail[8400];
  snprintf(detail, sizeof detail, "%d %s", fd, path);
  note("open", detail);
  return fd;
}

static int openIn(int dirfd, const char *path, int flags, mode_t mode, const char *name) {
  int (*next)(int, const char *, int, ...) = (int (*)(int, const char *, int, ...))real(name);
  const int mine = (dirfd == AT_FDCWD || path[0] == '/') && inFolder(path);
  if (mine && failing("open")) return -1;
  const int fd = next(dirfd, path, flags, mode);
  if (mine) opened(path, fd);
  return fd;
}

/* The mode that follows the flags where they ask for one (O_CREAT,
 * O_TMPFILE); it may be read only then. */
#define TAKE_MODE(flags, mode)       \
  do {                               \
    if (needsMode(flags)) {          \
      va_list args;                  \
      va_start(args, flags);         \
      mode = va_arg(args, mode_t);   \
      va_end(args);                  \
    }                                \
  } while (0)

int open(const char *path, int flags, ...) {
  mode_t mode = 0;
  TAKE_MODE(flags, mode);
  return openIn(AT_FDCWD, path, flags, mode, "openat");
}

int open64(const char *path, int flags, ...) {
  mode_t mode = 0;
  TAKE_MODE(flags, mode);
  return openIn(AT_FDCWD, path, flags, mode, "openat64");
}

int openat(int dirfd, const char *path, int flags, ...) {
  mode_t mode = 0;
  TAKE_MODE(flags, mode);
  return openIn(dirfd, path, flags, mode, "openat");
}

int openat64(int dirfd, const char *path, int flags, ...) {
  mode_t mode = 0;
  TAKE_MODE(flags, mode);
  return openIn(dirfd, path, flags, mode, "openat64");
}

/* What _FORTIFY_SOURCE turns open(path, flags) into. */
int __open_2(const char *path, int flags) { return openIn(AT_FDCWD, path, flags, 0, "openat"); }
int __open64_2(const char *path, int flags) { return openIn(AT_FDCWD, path, flags, 0, "openat64"); }

ssize_t write(int fd, const void *data, size_t size) {
  static ssize_t (*next)(int, const void *, size_t);
  if (!next) next = (ssize_t(*)(int, const void *, size_t))real("write");
  if (isTracked(fd) && failing("write")) return -1;
  return next(fd, data, size);
}

int fdatasync(int fd) {
  static int (*next)(int);
  if (!next) next = (int (*)(int))real("fdatasync");
  if (!isTracked(fd)) return next(fd);
  noteFd("fdatasync", fd);
  if (failing("fdatasync")) return -1;
  return next(fd);
}

int fchmod(int fd, mode_t mode) {
  static int (*next)(int, mode_t);
  if (!next) next = (int (*)(int, mode_t))real("fchmod");
  if (!isTracked(fd)) return next(fd, mode);
  noteFd("fchmod", fd);
  if (failing("fchmod")) return -1;
  return next(fd, mode);
}

int close(int fd) {
  static int (*next)(int);
  if (!next) next = (int (*)(int))real("close");
  if (!isTracked(fd)) return next(fd);
  tracked[fd] = 0;
  noteFd("close", fd);
  /* As on Linux, the descriptor is gone even when close reports an error. */
  const int result = next(fd);
  if (failing("close")) return -1;
  return result;
}

int linkat(int olddirfd, const char *oldpath, int newdirfd, const char *newpath, int flags) {
  static int (*next)(int, const char *, int, const char *, int);
  if (!next) next = (int (*)(int, const char *, int, const char *, int))real("linkat");
  if (newdirfd != AT_FDCWD || !inFolder(newpath)) {
    return next(olddirfd, oldpath, newdirfd, newpath, flags);
  }
  note("linkat", newpath);
  if (failing("linkat")) return -1;
  return next(olddirfd, oldpath, newdirfd, newpath, flags);
}

static int renameIn(int olddirfd, const char *oldpath, int newdirfd, const char *newpath) {
  static int (*next)(int, const char *, int, const char *);
  if (!next) next = (int (*)(int, const char *, int, const char *))real("renameat");
  const int mine =
      (olddirfd == AT_FDCWD && inFolder(oldpath)) || (newdirfd == AT_FDCWD && inFolder(newpath));
  if (!mine) return next(olddirfd, oldpath, newdirfd, newpath);
  char detail[8400];
  snprintf(detail, sizeof detail, "%s %s", oldpath, newpath);
  note("rename", detail);
  if (failing("rename")) return -1;
  return next(olddirfd, oldpath, newdirfd, newpath);
}

int rename(const char *oldpath, const char *newpath) {
  return renameIn(AT_FDCWD, oldpath, AT_FDCWD, newpath);
}

int renameat(int olddirfd, const char *oldpath, int newdirfd, const char *newpath) {
  return renameIn(olddirfd, oldpath, newdirfd, newpath);
}
