#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Sentence.h"

namespace AtomicFile {

// What a name given to a Writer leads to, its symbolic links followed as the
// system follows them, and whether the rules of AtomicFile.h let it be
// written. Only looks: nothing is opened, created or changed.
struct Target {
  enum Kind {
    Replace,        // a new file takes the place of `path`
    Node,           // `path` is a terminal, pipe, socket or other device, written as it is
    OwnDescriptor,  // a name for one of our descriptors (/dev/stdout, /dev/fd/N)
    Refused,        // `reason`, the sentence's end, says why; `failure` of what kind
    Failed,         // the system gave `error`
  } kind = Failed;
  QByteArray path;                  // links resolved
  std::optional<struct stat> file;  // what is at `path` now, where anything is
  int descriptor = -1;
  Sentence reason;
  Failure failure = Failure::Other;
  int error = 0;

  static Target of(const QByteArray &path, const Options &options);
};

// Whether the file is one of names (device and inode compared).
bool isAnyOf(const struct stat &file, const std::vector<std::string> &names);

// The folder a name is in: "." for a bare name.
QByteArray folderOf(const QByteArray &path);

}  // namespace AtomicFile
