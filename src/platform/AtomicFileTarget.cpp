#include "AtomicFileTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <QtGlobal>
#include <cerrno>

namespace AtomicFile {

namespace {

Target failed(int error) {
  Target target;
  target.error = error;
  return target;
}

Target refused(Sentence reason, Failure failure = Failure::Other) {
  Target target;
  target.kind = Target::Refused;
  target.reason = std::move(reason);
  target.failure = failure;
  return target;
}

// A link in a sticky folder that everyone may write is only followed when it
// belongs to the user or to the folder's owner: anyone could have planted it
// there, pointing at a file of the user's to be overwritten.
bool plantedLink(const QByteArray &link, const struct stat &linkInfo) {
  struct stat folder {};
  if (::stat(folderOf(link).constData(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folder.st_uid;
}

Target plantedLinkRefusal(bool folder) {
  return refused(folder ? Sentence(QT_TRANSLATE_NOOP(
                              "CXInterfaceString",
                              "a folder on its way is a link in a folder that everyone may write "
                              "to, and the link belongs to another user, so it is not followed"))
                        : Sentence(QT_TRANSLATE_NOOP(
                              "CXInterfaceString",
                              "it is a link in a folder that everyone may write to, and it "
                              "belongs to another user, so it is not followed")),
                 Failure::PlantedLink);
}

}  // namespace

bool throughPlantedFolderLink(const QByteArray &path) {
  for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1)) {
    const QByteArray folder = path.left(slash);
    struct stat info {};
    if (::lstat(folder.constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
        plantedLink(folder, info)) {
      return true;
    }
  }
  return false;
}

namespace {

// Follows the links one by one, as the system does when it opens or creates
// a file through them, up to what is not a link: a Replace target (with
// `file` where something exists there), one of our descriptors, a planted
// link, or a failure. A link to a file that does not exist yet is written
// through too, so that the link stays a link and its file is created.
Target followLinks(QByteArray path) {
  static const QByteArray prefixes[] = {QByteArrayLiteral("/proc/self/fd/"),
                                        QByteArrayLiteral("/dev/fd/"),
                                        "/proc/" + QByteArray::number(::getpid()) + "/fd/"};
  for (int hops = 0; hops < 40; ++hops) {
    Target target;
    for (const QByteArray &prefix : prefixes) {
      if (!path.startsWith(prefix)) continue;
      bool number = false;
      const int fd = path.mid(prefix.size()).toInt(&number);
      if (number && fd >= 0) {
        target.kind = Target::OwnDescriptor;
        target.descriptor = fd;
        return target;
      }
    }
    target.kind = Target::Replace;
    target.path = path;
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
      return errno == ENOENT ? target : failed(errno);
    }
    if (!S_ISLNK(info.st_mode)) {
      target.file = info;
      return target;
    }
    if (plantedLink(path, info)) return plantedLinkRefusal(false);
    QByteArray next(static_cast<qsizetype>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
    const ssize_t size = ::readlink(path.constData(), next.data(), std::size_t(next.size()));
    if (size <= 0 || size >= next.size()) return failed(size >= 0 ? ENAMETOOLONG : errno);
    next.truncate(size);
    path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
  }
  return failed(ELOOP);
}

// The last part of a name.
QByteArray leafOf(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

// A file that exists is compared by device and inode, so that no other
// spelling of it gets past (a hard link, a bind mount, /proc/self/fd). A name
// that does not exist yet is one of the protected ones when it has the same
// last part and its folder is the same folder, by device and inode too.
bool isProtected(const Target &target, const std::vector<std::string> &protectedFiles) {
  if (target.file) return isAnyOf(*target.file, protectedFiles);
  struct stat folder {};
  if (::stat(folderOf(target.path).constData(), &folder) != 0) return false;
  const QByteArray leaf = leafOf(target.path);
  for (const std::string &name : protectedFiles) {
    const QByteArray protectedName = QByteArray::fromStdString(name);
    struct stat other {};
    if (leafOf(protectedName) == leaf && ::stat(folderOf(protectedName).constData(), &other) == 0 &&
        folder.st_dev == other.st_dev && folder.st_ino == other.st_ino) {
      return true;
    }
  }
  return false;
}

Target refusedAsProtected(const Options &options) {
  return refused(
      options.protectedReason.isEmpty()
          ? Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "the file may not be replaced"))
          : options.protectedReason,
      Failure::Protected);
}

}  // namespace

QByteArray folderOf(const QByteArray &path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  if (slash == 0) return QByteArrayLiteral("/");
  return path.left(slash);
}

bool isAnyOf(int fd, const std::vector<std::string> &names) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && isAnyOf(info, names);
}

bool isAnyOf(const struct stat &file, const std::vector<std::string> &names) {
  for (const std::string &name : names) {
    struct stat other {};
    if (::stat(name.c_str(), &other) == 0 && file.st_dev == other.st_dev &&
        file.st_ino == other.st_ino) {
      return true;
    }
  }
  return false;
}

Target Target::of(const QByteArray &path, const Options &options) {
  if (throughPlantedFolderLink(path)) return plantedLinkRefusal(true);
  if (options.claimNewName) {
    // Whatever has the name when the file is done makes the claim fail then.
    Target target;
    target.kind = Replace;
    target.path = path;
    return target;
  }
  // A name that leads nowhere (a link the kernel refuses to follow, a
  // folder we may not search) is not followed by hand.
  struct stat followed {};
  if (::stat(path.constData(), &followed) != 0 && errno != ENOENT && !options.replaceLinkItself) {
    return failed(errno);
  }
  struct stat own {};
  if (options.replaceLinkItself && ::lstat(path.constData(), &own) == 0 && S_ISLNK(own.st_mode)) {
    Target target;  // the link goes, with nothing of it kept
    target.kind = Replace;
    target.path = path;
    return target;
  }
  Target target = followLinks(path);
  if (target.kind == OwnDescriptor) {
    // Never replaced: the file behind the descriptor may be opened for
    // appending, or be a pipe, and the redirection holds it open.
    return AtomicFile::isAnyOf(target.descriptor, options.protectedFiles)
               ? refusedAsProtected(options)
               : target;
  }
  if (target.kind != Replace) return target;
  const mode_t mode = target.file ? target.file->st_mode : 0;
  if (target.file && S_ISDIR(mode)) {
    return refused(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "it is a folder")));
  }
  if (target.file && S_ISBLK(mode)) {
    return refused(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "it is a disk device")));
  }
  if (isProtected(target, options.protectedFiles)) return refusedAsProtected(options);
  if (target.file && S_ISREG(mode)) {
    // Editors and cp refuse to replace such a file, root included when the
    // file has no write bit at all.
    if ((mode & 0222) == 0) {
      return refused(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "no one may write to it")),
                     Failure::WriteProtected);
    }
    if (::faccessat(AT_FDCWD, target.path.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
      return refused(Sentence(QT_TRANSLATE_NOOP("CXInterfaceString", "you may not write to it")),
                     Failure::WriteProtected);
    }
  }
  // A terminal, pipe, socket or other device is written as it is, never
  // replaced by a file.
  if (target.file && !S_ISREG(mode)) target.kind = Node;
  return target;
}

}  // namespace AtomicFile
