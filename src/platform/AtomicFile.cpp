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

namespace AtomicFile {

namespace {

QString failure(const QByteArray &path, const QString &reason) {
  QString why = reason.trimmed();
  while (why.endsWith(QLatin1Char('.'))) {
    why.chop(1);
  }
  return QStringLiteral(
             "Could not save \"%1\": %2. Choose a folder you may write to that has room for "
             "the file, and try again.")
      .arg(QDir::toNativeSeparators(QFile::decodeName(path)), why);
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

// Where a link that leads to no file yet points, followed link by link as the
// system follows it when a file is created through the link; the path itself
// when it is no link. Nothing when the links loop or cannot be read.
std::optional<QByteArray> endOfLinks(QByteArray path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    QByteArray target(static_cast<qsizetype>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
    const ssize_t size = ::readlink(path.constData(), target.data(), std::size_t(target.size()));
    if (size < 0 || size >= target.size()) return std::nullopt;
    target.truncate(size);
    path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
  }
  errno = ELOOP;
  return std::nullopt;
}

// The descriptor of this process that a name stands for (/dev/stdout,
// /dev/fd/N, /proc/self/fd/N, or a link that leads to one), or nothing.
// Such a name is what the shell redirected somewhere; it is written through
// that descriptor, where the redirection put it.
std::optional<int> ownDescriptorNamed(QByteArray path) {
  static const QByteArray prefixes[] = {QByteArrayLiteral("/proc/self/fd/"),
                                        QByteArrayLiteral("/dev/fd/"),
                                        "/proc/" + QByteArray::number(::getpid()) + "/fd/"};
  for (int hops = 0; hops < 40; ++hops) {
    for (const QByteArray &prefix : prefixes) {
      if (!path.startsWith(prefix)) continue;
      bool number = false;
      const int fd = path.mid(prefix.size()).toInt(&number);
      if (number && fd >= 0) return fd;
    }
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) return std::nullopt;
    char target[4096];
    const ssize_t size = ::readlink(path.constData(), target, sizeof target);
    if (size <= 0 || size >= ssize_t(sizeof target)) return std::nullopt;
    const QByteArray next(target, size);
    path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
  }
  return std::nullopt;
}

// Waits until a descriptor that was opened or set non-blocking can take more.
bool waitWritable(int fd) {
  pollfd p{fd, POLLOUT, 0};
  for (;;) {
    const int n = ::poll(&p, 1, -1);
    if (n > 0) return true;
    if (n < 0 && errno != EINTR) return false;
  }
}

}  // namespace

Writer::Writer(const QByteArray &nativePath) : path_(nativePath) {}
Writer::Writer(const QString &path) : path_(QFile::encodeName(path)) {}

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
}

void Writer::fail(const QString &reason) {
  if (!error_) {
    error_ = path_.isEmpty() ? QStringLiteral(
                                   "Could not save the file: no file name was given. Choose "
                                   "a file name and try again.")
                             : failure(path_, reason);
  }
  discard();
}

void Writer::failWithErrno(int error) { fail(QString::fromLocal8Bit(std::strerror(error))); }

bool Writer::ensureOpen() {
  if (error_) return false;
  if (fd_ >= 0) return true;
  if (path_.isEmpty()) {
    fail(QString());
    return false;
  }
  if (const std::optional<int> own = ownDescriptorNamed(path_)) {
    // Never replaced: the file behind the descriptor may be opened for
    // appending, or be a pipe, and the redirection holds it open.
    fd_ = ::fcntl(*own, F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0) {
      failWithErrno(errno);
      return false;
    }
    inPlace_ = true;
    return true;
  }
  struct stat info {};
  if (::stat(path_.constData(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) {
      fail(QStringLiteral("it is a folder"));
      return false;
    }
    if (S_ISBLK(info.st_mode)) {
      fail(QStringLiteral("it is a disk device"));
      return false;
    }
    if (!S_ISREG(info.st_mode)) {
      // A terminal, pipe, socket or other device: written as it is, never
      // replaced by a file.
      fd_ = ::open(path_.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
      if (fd_ < 0) {
        failWithErrno(errno == ENXIO ? ENOTSUP : errno);
        return false;
      }
      inPlace_ = true;
      return true;
    }
    // Links resolved, so that a link stays a link and its file is replaced.
    char *resolved = ::realpath(path_.constData(), nullptr);
    finalPath_ = resolved ? QByteArray(resolved) : path_;
    std::free(resolved);
    keepMode_ = true;
    modeToKeep_ = info.st_mode & 07777;
  } else {
    // A link to a file that does not exist yet is written through too, so
    // that the link stays a link and its file is created.
    const std::optional<QByteArray> end = endOfLinks(path_);
    if (!end) {
      failWithErrno(errno ? errno : ELOOP);
      return false;
    }
    finalPath_ = *end;
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
    if (fd_ < 0) namedTemp_.clear();
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
      if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitWritable(fd_)) continue;
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

std::optional<QString> Writer::commit() {
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
  return std::nullopt;
}

std::optional<QString> write(const QByteArray &nativePath, const QByteArray &bytes) {
  Writer writer(nativePath);
  writer.append(bytes.constData(), bytes.size());
  return writer.commit();
}

std::optional<QString> write(const QString &path, const QByteArray &bytes) {
  return write(QFile::encodeName(path), bytes);
}

}  // namespace AtomicFile
