#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Writes whole files or nothing. A regular file (or a name that does not exist
// yet) is replaced atomically: the bytes go to an unnamed file in the target's
// folder, which takes the target's place only once everything was written. A
// symbolic link is written through: the file it points to is replaced and the
// link stays a link. A character device, FIFO or socket that exists is opened
// and written in place, as `cat > node` would. A folder or block device is
// refused.
//
// Names are bytes, as the system takes them; the QString forms encode the
// name with the local 8-bit encoding first.
namespace AtomicFile {

// Writes bytes to path. Returns nothing on success, else a sentence for the
// user that names the path, gives the system's reason and says what to do.
// A failed write leaves a replaced target as it was (absent or with its old
// content) and no temporary file behind.
std::optional<QString> write(const QByteArray &nativePath, const QByteArray &bytes);
std::optional<QString> write(const QString &path, const QByteArray &bytes);

// The same, for content that arrives piece by piece. Nothing is visible at a
// replaced target until commit() succeeds; a writer destroyed without a
// successful commit leaves nothing behind.
class Writer {
 public:
  explicit Writer(const QByteArray &nativePath);
  explicit Writer(const QString &path);
  ~Writer();
  Writer(const Writer &) = delete;
  Writer &operator=(const Writer &) = delete;

  // Appends bytes; false once anything has failed (the first reason is kept
  // for commit()). Opens the target or the temporary file on first use.
  bool append(const char *data, qint64 size);

  // Replaces the target with everything appended (or, for a node written in
  // place, finishes the write). Returns nothing on success, else the
  // sentence for the first failure.
  std::optional<QString> commit();

 private:
  bool ensureOpen();
  void fail(const QString &reason);
  void failWithErrno(int error);
  void discard();

  QByteArray path_;       // as given
  QByteArray finalPath_;  // what gets replaced: the path with links resolved
  QByteArray namedTemp_;  // a temporary file that has a name, when unnamed ones are unsupported
  int fd_ = -1;
  bool inPlace_ = false;
  bool keepMode_ = false;
  unsigned modeToKeep_ = 0;
  std::optional<QString> error_;
};

}  // namespace AtomicFile
