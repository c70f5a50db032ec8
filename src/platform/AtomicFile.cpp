#include "AtomicFile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdlib>
#include <cstring>

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

QByteArray folderOf(const QByteArray &path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  if (slash == 0) return QByteArrayLiteral("/");
  return path.left(slash);
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

// Where a name leads once its symbolic links are followed, link by link, as
// the system follows them when it opens or creates a file through them.
struct Walk {
  enum Kind {
    Existing,       // `path` is the file (no link); `info` is its lstat
    New,            // nothing at `path` yet: the file is created there
    OwnDescriptor,  // a name for one of our descriptors (/dev/stdout, /dev/fd/N)
    Refused,        // a link in a shared folder that belongs to someone else
    Failed,         // errno says why
  } kind = Failed;
  QByteArray path;
  struct stat info {};
  int descriptor = -1;
};

// A link in a sticky folder that everyone may write is only followed when it
// belongs to the user or to the folder's owner: anyone could have planted it
// there, pointing at a file of the user's to be overwritten.
bool plantedLink(const QByteArray &link, const struct stat &linkInfo) {
  struct stat folder {};
  if (::stat(folderOf(link).constData(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folder.st_uid;
}

Walk followLinks(QByteArray path) {
  static const QByteArray prefixes[] = {QByteArrayLiteral("/proc/self/fd/"),
                                        QByteArrayLiteral("/dev/fd/"),
                                        "/proc/" + QByteArray::number(::getpid()) + "/fd/"};
  Walk walk;
  for (int hops = 0; hops < 40; ++hops) {
    for (const QByteArray &prefix : prefixes) {
      if (!path.startsWith(prefix)) continue;
      bool number = false;
      const int fd = path.mid(prefix.size()).toInt(&number);
      if (number && fd >= 0) {
        walk.kind = Walk::OwnDescriptor;
        walk.descriptor = fd;
        return walk;
      }
    }
    walk.path = path;
    if (::lstat(path.constData(), &walk.info) != 0) {
      walk.kind = errno == ENOENT ? Walk::New : Walk::Failed;
      return walk;
    }
    if (!S_ISLNK(walk.info.st_mode)) {
      walk.kind = Walk::Existing;
      return walk;
    }
    if (plantedLink(path, walk.info)) {
      walk.kind = Walk::Refused;
      return walk;
    }
    QByteArray target(static_cast<qsizetype>(walk.info.st_size > 0 ? walk.info.st_size : 4096) + 1,
                      '\0');
    const ssize_t size = ::readlink(path.constData(), target.data(), std::size_t(target.size()));
    if (size <= 0 || size >= target.size()) {
      if (size >= 0) errno = ENAMETOOLONG;
      walk.kind = Walk::Failed;
      return walk;
    }
    target.truncate(size);
    path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
  }
  errno = ELOOP;
  walk.kind = Walk::Failed;
  return walk;
}

// The name from the root with the folder's links resolved, for comparing
// with names that do not exist yet.
QByteArray canonicalName(const QByteArray &path) {
  const QByteArray folder = folderOf(path);
  char *resolved = ::realpath(folder.constData(), nullptr);
  if (resolved == nullptr) return path;
  QByteArray name(resolved);
  std::free(resolved);
  if (!name.endsWith('/')) name += '/';
  return name + path.mid(path.lastIndexOf('/') + 1);
}

bool sameFile(const struct stat &a, const struct stat &b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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

bool isAnyOf(int fd, const std::vector<std::string> &names) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return false;
  for (const std::string &name : names) {
    struct stat other {};
    if (::stat(name.c_str(), &other) == 0 && sameFile(info, other)) return true;
  }
  return false;
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

Sentence Writer::protectedReason() const {
  return options_.protectedReason.isEmpty()
             ? Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "the file may not be replaced"))
             : options_.protectedReason;
}

// Refuses a target that is one of the protected files or that the user may
// not write. `existing` is the target's stat when it exists.
bool Writer::refusedTarget(const struct stat *existing, const QByteArray &name) {
  const QByteArray canonical = existing ? QByteArray() : canonicalName(name);
  for (const std::string &file : options_.protectedFiles) {
    struct stat info {};
    const bool same = existing ? ::stat(file.c_str(), &info) == 0 && sameFile(*existing, info)
                               : canonical == QByteArray::fromStdString(file);
    if (same) {
      fail(protectedReason(), Failure::Protected);
      return true;
    }
  }
  if (existing && S_ISREG(existing->st_mode)) {
    // Editors and cp refuse to replace such a file, root included when the
    // file has no write bit at all.
    if ((existing->st_mode & 0222) == 0) {
      fail(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "no one may write to it")),
           Failure::WriteProtected);
      return true;
    }
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
      fail(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "you may not write to it")),
           Failure::WriteProtected);
      return true;
    }
  }
  return false;
}

void Writer::failWithErrno(int error) { fail(QString::fromLocal8Bit(std::strerror(error))); }

bool Writer::ensureOpen() {
  if (error_) return false;
  if (fd_ >= 0) return true;
  if (path_.isEmpty()) {
    fail(QString());
    return false;
  }
  // A name that leads nowhere (a link the kernel refuses to follow, a
  // folder we may not search) is not followed by hand.
  struct stat followed {};
  if (::stat(path_.constData(), &followed) != 0 && errno != ENOENT) {
    failWithErrno(errno);
    return false;
  }
  const Walk walk = followLinks(path_);
  switch (walk.kind) {
    case Walk::Refused:
      fail(Sentence(QT_TRANSLATE_NOOP(
               "CXInterfaceString",
               "it is a link in a folder that everyone may write to, and it belongs to another "
               "user, so it is not followed")),
           Failure::PlantedLink);
      return false;
    case Walk::Failed:
      failWithErrno(errno ? errno : ELOOP);
      return false;
    case Walk::OwnDescriptor: {
      // Never replaced: the file behind the descriptor may be opened for
      // appending, or be a pipe, and the redirection holds it open.
      if (isAnyOf(walk.descriptor, options_.protectedFiles)) {
        fail(protectedReason(), Failure::Protected);
        return false;
      }
      fd_ = ::fcntl(walk.descriptor, F_DUPFD_CLOEXEC, 0);
      if (fd_ < 0) {
        failWithErrno(errno);
        return false;
      }
      inPlace_ = true;
      return true;
    }
    case Walk::New:
      // A link to a file that does not exist yet is written through too, so
      // that the link stays a link and its file is created.
      if (refusedTarget(nullptr, walk.path)) return false;
      finalPath_ = walk.path;
      break;
    case Walk::Existing: {
      const struct stat &info = walk.info;
      if (S_ISDIR(info.st_mode)) {
        fail(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "it is a folder")));
        return false;
      }
      if (S_ISBLK(info.st_mode)) {
        fail(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "it is a disk device")));
        return false;
      }
      if (refusedTarget(&info, walk.path)) return false;
      if (!S_ISREG(info.st_mode)) {
        // A terminal, pipe, socket or other device: written as it is, never
        // replaced by a file. Without waiting, a pipe that no program reads
        // is an error at once instead of a hang.
        const int wait = options_.mayWait ? 0 : O_NONBLOCK;
        fd_ = ::open(walk.path.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | wait);
        if (fd_ < 0) {
          if (errno == ENXIO && S_ISFIFO(info.st_mode)) {
            fail(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                            "it is a pipe that no program is reading from")));
          } else {
            failWithErrno(errno == ENXIO ? ENOTSUP : errno);
          }
          return false;
        }
        inPlace_ = true;
        return true;
      }
      // The link stays a link; the file it leads to is replaced.
      finalPath_ = walk.path;
      keepMode_ = true;
      modeToKeep_ = info.st_mode & 07777;
      break;
    }
  }
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
  if (keepMode_) ::fchmod(fd_, modeToKeep_);
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

std::optional<Sentence> Writer::commit() {
  if (!ensureOpen()) return error_;
  if (inPlace_) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) {
      failWithErrno(errno);
      return error_;
    }
    return std::nullopt;
  }
  if (::fdatasync(fd_) != 0 && errno != EINVAL) {
    failWithErrno(errno);
    return error_;
  }
  if (namedTemp_.isEmpty()) {
    // Give the unnamed file a short name, then move it over the target.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
    const QByteArray folder = folderOf(finalPath_);
    for (int attempt = 0; attempt < 16 && namedTemp_.isEmpty(); ++attempt) {
      const QByteArray name = shortTemporaryName(folder);
      if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) ==
              0 ||
          ::linkat(fd_, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0) {
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
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) {
    failWithErrno(errno);
    return error_;
  }
  if (::rename(namedTemp_.constData(), finalPath_.constData()) != 0) {
    failWithErrno(errno);
    return error_;
  }
  namedTemp_.clear();
  EndingSignals::forget(tempTicket_);
  tempTicket_ = -1;
  return std::nullopt;
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
