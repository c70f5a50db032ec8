#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "platform/AtomicFileTarget.h"
#include "platform/Sentence.h"

// Writes whole files or nothing. A regular file (or a name that does not exist
// yet) is replaced atomically: the bytes go to an unnamed file in the target's
// folder, which takes the target's place only once everything was written. A
// symbolic link is written through: the file it points to is replaced and the
// link stays a link. A character device, FIFO or socket that exists is opened
// and written in place, as `cat > node` would. A folder or block device is
// refused.
//
// Names are bytes, as the system takes them; the QString forms encode the
// name with the local 8-bit encoding first. A relative name stays relative
// in every system call, so that a name too long to spell from the root
// still works from the working folder.
//
// Never replaced, whoever asks: a file the user may not write (mode 0444,
// or another user's file in the user's folder; for root, a file without any
// write bit), a file in `protectedFiles`, and, where a symbolic link lives in
// a sticky folder that everyone may write (/tmp), a link that belongs to
// someone else than the user and the folder's owner: such a link is not
// followed at all, as the kernel's protected_symlinks rule has it.
namespace AtomicFile {

// The name from the root, for messages (the system calls keep the name as
// given); the name itself when the working folder cannot be spelt.
QByteArray absoluteName(const QByteArray &path);

// Writes bytes to path. Returns nothing on success, else a sentence for the
// user that names the path, gives the system's reason and says what to do.
// A failed write leaves a replaced target as it was (absent or with its old
// content) and no temporary file behind.
std::optional<Sentence> write(const QByteArray &nativePath, const QByteArray &bytes,
                              const Options &options = {});
std::optional<Sentence> write(const QString &path, const QByteArray &bytes,
                              const Options &options = {});

struct Target;

// The same, for content that arrives piece by piece. Nothing is visible at a
// replaced target until commit() succeeds; a writer destroyed without a
// successful commit leaves nothing behind.
class Writer {
 public:
  explicit Writer(const QByteArray &nativePath, Options options = {});
  explicit Writer(const QString &path, Options options = {});
  ~Writer();
  Writer(const Writer &) = delete;
  Writer &operator=(const Writer &) = delete;

  // Checks the target and opens it or the temporary file; false when that
  // fails (commit() then gives the sentence). append() opens on first use
  // too; opening first tells a refused target before any work is done.
  bool open() { return ensureOpen(); }

  // Appends bytes; false once anything has failed (the first reason is kept
  // for commit()). Opens the target or the temporary file on first use.
  bool append(const char *data, qint64 size);

  // Forgets everything appended so far, for content that starts over; false
  // when the bytes already went out (a pipe or device written in place).
  bool rewind();

  // Replaces the target with everything appended (or, for a node written in
  // place, finishes the write). Returns nothing on success, else the
  // sentence for the first failure.
  std::optional<Sentence> commit();

  // With Options::claimNewName: claims `name` (in the same folder as the
  // name the writer was made with) instead. On Failure::Exists nothing is
  // lost, and another name may be tried.
  std::optional<Sentence> commitAs(const QByteArray &name);

  // Gives the file this modification time before it is committed.
  bool setModificationTime(const struct timespec &time);

  // What kind of failure the sentence tells of.
  Failure failure() const { return failure_; }

 private:
  bool ensureOpen();
  bool openTemporary(const Target &target);
  bool close();
  bool sync();
  // Gives the unnamed temporary file the name (which must not exist); 0, or
  // -1 with errno set.
  int linkUnnamed(const QByteArray &name) const;
  void forgetNamedTemp();
  std::optional<Sentence> claim(const QByteArray &name);
  void fail(const QString &reason, Failure kind = Failure::Other);
  void fail(const Sentence &reason, Failure kind = Failure::Other);
  void setError(Sentence error, Failure kind);
  void failWithErrno(int error);
  void discard();

  QByteArray path_;  // as given
  Options options_;
  QByteArray finalPath_;  // what gets replaced: the path with links resolved
  QByteArray namedTemp_;  // a temporary file that has a name, when unnamed ones are unsupported
  int tempTicket_ = -1;   // namedTemp_ on the list of names removed on a signal
  Failure failure_ = Failure::None;
  int fd_ = -1;
  bool inPlace_ = false;
  bool synced_ = false;
  std::optional<Sentence> error_;
};

}  // namespace AtomicFile
