#include "OpmlCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstring>
#include <unordered_set>

namespace {

bool isWeb(QStringView address) {
  return address.startsWith(u"http://", Qt::CaseInsensitive) ||
         address.startsWith(u"https://", Qt::CaseInsensitive);
}

QString counted(std::size_t count, const char *one, const char *many, const QLocale &locale) {
  return QString::fromLatin1(count == 1 ? one : many).arg(locale.toString(qulonglong(count)));
}

NotAFile kindOf(mode_t mode) {
  if (S_ISREG(mode)) return NotAFile::No;
  if (S_ISDIR(mode)) return NotAFile::Folder;
  if (S_ISFIFO(mode)) return NotAFile::Pipe;
  if (S_ISSOCK(mode)) return NotAFile::Socket;
  return NotAFile::Device;
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

void readInto(OpmlCheckReport &report, QIODevice &device) {
  // Fingerprints stand for the addresses: 8 bytes a feed, and two different
  // addresses share one about once in 10^19 pairs.
  std::unordered_set<std::uint64_t> seen;
  report.read = readOpmlOutlines(device, [&](const OpmlOutline &outline) {
    if (outline.text.trimmed().isEmpty()) ++report.emptyText;
    const QStringView address = outline.xmlUrl.trimmed();
    if (address.isEmpty()) {
      if (!outline.isFolder) ++report.withoutAddress;
      return;
    }
    ++report.feeds;
    if (!seen.insert(textFingerprint(address)).second) ++report.duplicates;
    if (!isWeb(address)) ++report.notHttp;
  });
}

}  // namespace

OpmlCheckReport checkOpmlFile(const QByteArray &path) {
  OpmlCheckReport report;
  struct stat status;
  if (::stat(path.constData(), &status) != 0) {
    const int error = errno;
    struct stat link;
    if (error == ENOENT && ::lstat(path.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
      report.notAFile = NotAFile::DanglingLink;
      char target[PATH_MAX];
      const ssize_t n = ::readlink(path.constData(), target, sizeof target);
      if (n > 0) report.linkTarget = QByteArray(target, n);
      return report;
    }
    report.read.openError = systemReason(error);
    return report;
  }
  report.notAFile = kindOf(status.st_mode);
  if (report.notAFile != NotAFile::No) return report;
  // Opened without waiting, in case a pipe took the file's place meanwhile,
  // and looked at again once open.
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    report.read.openError = systemReason(errno);
    return report;
  }
  if (::fstat(fd, &status) != 0 || (report.notAFile = kindOf(status.st_mode)) != NotAFile::No) {
    ::close(fd);
    return report;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    report.read.openError = file.errorString();
    return report;
  }
  readInto(report, file);
  return report;
}

OpmlCheckReport checkOpmlDescriptor(int fd) {
  OpmlCheckReport report;
  if (::isatty(fd)) {
    report.notAFile = NotAFile::Terminal;
    return report;
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
    report.read.openError = file.errorString();
    return report;
  }
  readInto(report, file);
  return report;
}

QStringList checkReportSentences(const OpmlCheckReport &report, const QString &shownName,
                                 const QLocale &locale) {
  const QString &name = shownName;
  switch (report.notAFile) {
    case NotAFile::No:
      break;
    case NotAFile::Folder:
      return {QStringLiteral("%1 is a folder, not a file. Name an OPML file in it.").arg(name)};
    case NotAFile::Pipe:
      return {QStringLiteral(
                  "%1 is a named pipe, not a file, and is left unread: a pipe without a writer "
                  "would keep the check waiting. Check a file, or pipe the document in with "
                  "--check -.")
                  .arg(name)};
    case NotAFile::Device:
      return {QStringLiteral(
                  "%1 is a device, not a file, and is left unread. Name an OPML file, or pipe "
                  "the document in with --check -.")
                  .arg(name)};
    case NotAFile::Socket:
      return {QStringLiteral(
                  "%1 is a socket, not a file, and is left unread. Name an OPML file, or pipe "
                  "the document in with --check -.")
                  .arg(name)};
    case NotAFile::DanglingLink:
      return {QStringLiteral("%1 is a symbolic link to \"%2\", which does not exist. Name the file "
                             "itself, or make the link point to it.")
                  .arg(name, QFile::decodeName(report.linkTarget))};
    case NotAFile::Terminal:
      return {
          QStringLiteral("%1 is a terminal, and --check - reads a whole document from it. Pipe the "
                         "document in, as in: --check - < \"My Feeds.opml\".")
              .arg(name)};
  }
  const OpmlReadOutcome &read = report.read;
  if (!read.opened()) {
    return {QStringLiteral("%1 could not be read: %2. Check the name and that you may read it.")
                .arg(name, read.openError)};
  }
  const QString feeds = counted(report.feeds, "%1 feed", "%1 feeds", locale);
  QStringList lines;
  if (!read.wellFormed()) {
    lines << QStringLiteral(
                 "%1 is not well-formed XML at line %2, column %3 (%4): importers reject such a "
                 "file, most of them whole. Before that point it holds %5.")
                 .arg(name)
                 .arg(read.errorLine)
                 .arg(read.errorColumn)
                 .arg(withoutFinalStop(read.xmlError), feeds);
  } else if (!read.isOpml()) {
    lines << QStringLiteral(
                 "%1 is XML but no OPML document: its outermost element is <%2>, not <opml>, "
                 "so importers will not read it.")
                 .arg(name, read.rootName);
  } else {
    lines << QStringLiteral("%1 holds %2.").arg(name, feeds);
  }
  // Each kind of trouble an importer would have, with its count.
  const struct {
    std::size_t count;
    const char *one;
    const char *many;
  } troubles[] = {
      {report.withoutAddress,
       "%1 outline that is no folder has no feed address (xmlUrl); importers skip it.",
       "%1 outlines that are no folders have no feed address (xmlUrl); importers skip them."},
      {report.emptyText, "%1 outline has an empty text; some importers skip it or refuse the file.",
       "%1 outlines have an empty text; some importers skip them or refuse the file."},
      {report.duplicates,
       "%1 feed repeats the address of a feed before it; importers subscribe to it twice or "
       "drop it.",
       "%1 feeds repeat the address of a feed before them; importers subscribe to them twice or "
       "drop them."},
      {report.notHttp,
       "%1 feed address does not start with http:// or https://; most readers cannot fetch it.",
       "%1 feed addresses do not start with http:// or https://; most readers cannot fetch "
       "them."},
  };
  for (const auto &trouble : troubles) {
    if (trouble.count > 0) lines << counted(trouble.count, trouble.one, trouble.many, locale);
  }
  return lines;
}
