/* Preloaded into the exporter to stand for a disk or file system that
 * changes what it is given: the first write that holds the marker named by
 * ORVELLA_MANGLE_FROM has it replaced with ORVELLA_MANGLE_TO (same length),
 * once per process. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

ssize_t write(int fd, const void *data, size_t size) {
  static ssize_t (*real)(int, const void *, size_t);
  static int done;
  if (!real) real = (ssize_t(*)(int, const void *, size_t))dlsym(RTLD_NEXT, "write");
  const char *from = getenv("ORVELLA_MANGLE_FROM");
  const char *to = getenv("ORVELLA_MANGLE_TO");
  if (done || !from || !to || strlen(from) != strlen(to) || size == 0) return real(fd, data, size);
  const char *at = memmem(data, size, from, strlen(from));
  if (!at) return real(fd, data, size);
  char *copy = malloc(size);
  if (!copy) return real(fd, data, size);
  memcpy(copy, data, size);
  memcpy(copy + (at - (const char *)data), to, strlen(to));
  done = 1;
  const ssize_t n = real(fd, copy, size);
  free(copy);
  return n;
}
