#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "platform/Sentence.h"

namespace AtomicFile {

// What a write is told besides its name and bytes.
struct Options {
  // Names (links resolved) of files that must never be written: a target
  // that is one of them, by device and inode or, where it does not exist
  // yet, by its last part and its folder's device and inode, is refused with
  // Failure::Protected.
  std::vector<std::string> protectedFiles;
  // The sentence's end for such a target, e.g. "it is the reader's database".
  Sentence protectedReason;
  // false: a pipe, socket or device is opened without waiting for a reader,
  // and a write that cannot go on waits only until an ending signal arrives
  // (see EndingSignals), so that a window never hangs on it.
  bool mayWait = true;
  // true: the name itself is replaced, never the file a link there points
  // to (a link in a folder others may write to could have been planted).
  bool replaceLinkItself = false;
  // true: the name must not exist. commit() claims it in one step that
  // fails where anything, a link included, already has it (Failure::Exists),
  // so no one else's file is ever replaced; commitAs() may then try another.
  bool claimNewName = false;
};

// Why a write was refused or failed.
enum class Failure {
  None,
  Protected,       // one of Options::protectedFiles
  WriteProtected,  // the user may not write the file
  PlantedLink,     // a link in a shared folder that belongs to someone else
  Exists,          // Options::claimNewName, and the name was taken
  Other,
};

// Whether the open file is one of names (device and inode compared).
bool isAnyOf(int fd, const std::vector<std::string> &names);

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

// Whether a folder on the way to the name is a link in a sticky folder that
// everyone may write to, and belongs neither to the user nor to that
// folder's owner: someone may have planted it to lead a write elsewhere.
bool throughPlantedFolderLink(const QByteArray &path);

// The folder a name is in: "." for a bare name.
QByteArray folderOf(const QByteArray &path);

}  // namespace AtomicFile
