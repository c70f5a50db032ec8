#include "AtomicFile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/AtomicFileTarget.h"
#include "platform/EndingSignals.h"

namespace AtomicFile {

namespace {

QString shownName(const QByteArray &path) { return QFile::decodeName(absoluteName(path)); }

// The sentence for a failure of kind at path; its reason is the next value.
Sentence sentence(const QByteArray &path, Failure kind) {
  const QString name = QDir::toNativeSeparators(shownName(path));
  switch (kind) {
    case Failure::Protected:
    case Failure::PlantedLink:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "Could not save \"%1\": %2. Choose another file name for the export."))
          .arg(name);
    case Failure::WriteProtected:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "Could not save \"%1\": the file is write-protected (%2). Choose another "
                          "file name, or make the file writable first if it is meant to be "
                          "replaced."))
          .arg(name);
    default:
      return Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                        "Could not save \"%1\": %2. Choose a folder you may write "
                                        "to that has room for the file, and try again."))
          .arg(name);
  }
}

// The system's words for a failure, without the full stop that the sentence
// brings.
QString plainReason(const QString &reason) {
  QString why = reason.trimmed();
  while (why.endsWith(QLatin1Char('.'))) {
    why.chop(1);
  }
  return why;
}

// A name short enough for any folder, so that a target whose own name is at
// the system's limit can still be replaced.
QByteArray shortTemporaryName(const QByteArray &folder) {
  static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray name = folder + "/.orvella-";
  for (int i = 0; i < 8; ++i) {
    name.append(letters[QRandomGenerator::global()->bounded(36)]);
  }
  return name;
}

// Waits until the descriptor can take more; with waitForEver false, only
// until an ending signal arrives.
bool waitWritable(int fd, bool waitForEver) {
  pollfd p{fd, POLLOUT, 0};
  for (;;) {
    if (!waitForEver && EndingSignals::arrived()) {
      errno = ECANCELED;
      return false;
    }
    const int n = ::poll(&p, 1, waitForEver ? -1 : 100);
    if (n > 0) return true;
    if (n < 0 && errno != EINTR) return false;
  }
}

}  // namespace

QByteArray absoluteName(const QByteArray &path) {
  if (path.startsWith('/')) return path;
  char *cwd = ::getcwd(nullptr, 0);
  if (cwd == nullptr) return path;
  QByteArray absolute(cwd);
  std::free(cwd);
  if (!absolute.endsWith('/')) absolute += '/';
  return absolute + path;
}

Writer::Writer(const QByteArray &nativePath, Options options)
    : path_(nativePath), options_(std::move(options)) {
  if (!options_.mayWait) EndingSignals::watch();
}
Writer::Writer(const QString &path, Options options)
    : Writer(QFile::encodeName(path), std::move(options)) {}

Writer::~Writer() { discard(); }

void Writer::discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!namedTemp_.isEmpty()) {
    ::unlink(namedTemp_.constData());
    namedTemp_.clear();
  }
  EndingSignals::forget(tempTicket_);
  tempTicket_ = -1;
}

void Writer::fail(const QString &reason, Failure kind) {
  if (!error_) setError(sentence(path_, kind).arg(plainReason(reason)), kind);
  discard();
}

void Writer::fail(const Sentence &reason, Failure kind) {
  if (!error_) setError(sentence(path_, kind).arg(reason), kind);
  discard();
}

void Writer::setError(Sentence error, Failure kind) {
  failure_ = kind;
  error_ = path_.isEmpty() ? Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                                        "Could not save the file: no file name was "
                                                        "given. Choose a file name and try again."))
                           : std::move(error);
}

void Writer::failWithErrno(int error) { fail(QString::fromLocal8Bit(std::strerror(error))); }

bool Writer::ensureOpen() {
  if (error_) return false;
  if (fd_ >= 0) return true;
  if (path_.isEmpty()) {
    fail(QString());
    return false;
  }
  const Target target = Target::of(path_, options_);
  switch (target.kind) {
    case Target::Refused:
      fail(target.reason, target.failure);
      return false;
    case Target::Failed:
      failWithErrno(target.error);
      return false;
    case Target::OwnDescriptor:
      fd_ = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 0);
      break;
    case Target::Node:
      // Without waiting, a pipe that no program reads is an error at once
      // instead of a hang.
      fd_ = ::open(target.path.constData(),
                   O_WRONLY | O_CLOEXEC | O_NOCTTY | (options_.mayWait ? 0 : O_NONBLOCK));
      if (fd_ < 0 && errno == ENXIO) {
        if (S_ISFIFO(target.file->st_mode)) {
          fail(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                          "it is a pipe that no program is reading from")));
          return false;
        }
        errno = ENOTSUP;
      }
      break;
    case Target::Replace:
      return openTemporary(target);
  }
  if (fd_ < 0) {
    failWithErrno(errno);
    return false;
  }
  inPlace_ = true;
  return true;
}

bool Writer::openTemporary(const Target &target) {
  finalPath_ = target.path;
  const QByteArray folder = folderOf(finalPath_);
  fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    // No unnamed files here: a short named one in the same folder.
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
      namedTemp_ = shortTemporaryName(folder);
      fd_ = ::open(namedTemp_.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
      namedTemp_.clear();
    } else {
      tempTicket_ = EndingSignals::remember(namedTemp_.toStdString(), EndingSignals::Kind::File);
    }
  }
  if (fd_ < 0) {
    failWithErrno(errno);
    return false;
  }
  // A file that is replaced keeps its permissions; one that would take its
  // place with others (those of the temporary file, readable by everyone
  // the umask lets in) is not written at all.
  if (target.file && ::fchmod(fd_, target.file->st_mode & 07777) != 0) {
    failWithErrno(errno);
    return false;
  }
  return true;
}

bool Writer::append(const char *data, qint64 size) {
  if (!ensureOpen()) return false;
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, static_cast<std::size_t>(size));
    if (written < 0) {
      if (errno == EINTR) continue;
      if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitWritable(fd_, options_.mayWait)) {
        continue;
      }
      failWithErrno(errno);
      return false;
    }
    if (written == 0) {
      failWithErrno(ENOSPC);
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

bool Writer::rewind() {
  if (error_) return false;
  if (fd_ < 0) return true;
  if (inPlace_) return false;
  if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) != 0) {
    failWithErrno(errno);
    return false;
  }
  return true;
}

bool Writer::sync() {
  if (synced_) return true;
  if (::fdatasync(fd_) != 0 && errno != EINVAL) {
    failWithErrno(errno);
    return false;
  }
  synced_ = true;
  return true;
}

bool Writer::setModificationTime(const struct timespec &time) {
  if (!ensureOpen()) return false;
  const struct timespec times[2] = {{0, UTIME_OMIT}, time};
  if (::futimens(fd_, times) != 0) {
    failWithErrno(errno);
    return false;
  }
  return true;
}

std::optional<Sentence> Writer::commitAs(const QByteArray &name) {
  if (!ensureOpen()) return error_;
  if (!options_.claimNewName || inPlace_) return commit();
  if (!sync()) return error_;
  return claim(name);
}

int Writer::linkUnnamed(const QByteArray &name) const {
  const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
  if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
    return 0;
  }
  if (errno == EEXIST) return -1;
  return ::linkat(fd_, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH);
}

void Writer::forgetNamedTemp() {
  namedTemp_.clear();
  EndingSignals::forget(tempTicket_);
  tempTicket_ = -1;
}

// Gives the finished file the name, in one step that fails where the name
// exists (a link included, which is never followed).
std::optional<Sentence> Writer::claim(const QByteArray &name) {
  int result = -1;
  if (namedTemp_.isEmpty()) {
    result = linkUnnamed(name);
  } else {
    result =
        ::renameat2(AT_FDCWD, namedTemp_.constData(), AT_FDCWD, name.constData(), RENAME_NOREPLACE);
    if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
      // A file system that cannot refuse in the rename: a hard link can.
      result = ::link(namedTemp_.constData(), name.constData());
      if (result == 0) ::unlink(namedTemp_.constData());
    }
    if (result == 0) forgetNamedTemp();
  }
  if (result != 0) {
    if (errno == EEXIST) {
      // Kept open for another name.
      failure_ = Failure::Exists;
      return sentence(name, Failure::Other)
          .arg(plainReason(QString::fromLocal8Bit(std::strerror(EEXIST))));
    }
    failWithErrno(errno);
    return error_;
  }
  finalPath_ = name;
  if (!close()) {
    ::unlink(name.constData());
    return error_;
  }
  failure_ = Failure::None;
  return std::nullopt;
}

std::optional<Sentence> Writer::commit() {
  if (!ensureOpen()) return error_;
  if (inPlace_) return close() ? std::nullopt : error_;
  if (!sync()) return error_;
  if (options_.claimNewName) return claim(finalPath_);
  if (namedTemp_.isEmpty()) {
    // Give the unnamed file a short name, then move it over the target.
    const QByteArray folder = folderOf(finalPath_);
    for (int attempt = 0; attempt < 16 && namedTemp_.isEmpty(); ++attempt) {
      const QByteArray name = shortTemporaryName(folder);
      if (linkUnnamed(name) == 0) {
        namedTemp_ = name;
        tempTicket_ = EndingSignals::remember(name.toStdString(), EndingSignals::Kind::File);
      } else if (errno != EEXIST) {
        failWithErrno(errno);
        return error_;
      }
    }
    if (namedTemp_.isEmpty()) {
      failWithErrno(EEXIST);
      return error_;
    }
  }
  if (!close()) return error_;
  if (::rename(namedTemp_.constData(), finalPath_.constData()) != 0) {
    failWithErrno(errno);
    return error_;
  }
  forgetNamedTemp();
  return std::nullopt;
}

bool Writer::close() {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) {
    failWithErrno(errno);
    return false;
  }
  return true;
}

std::optional<Sentence> write(const QByteArray &nativePath, const QByteArray &bytes,
                              const Options &options) {
  Writer writer(nativePath, options);
  writer.append(bytes.constData(), bytes.size());
  return writer.commit();
}

std::optional<Sentence> write(const QString &path, const QByteArray &bytes,
                              const Options &options) {
  return write(QFile::encodeName(path), bytes, options);
}

}  // namespace AtomicFile
