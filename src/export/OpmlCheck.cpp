#include "OpmlCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "export/FeedListComparison.h"
#include "export/ImporterTroubles.h"

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

bool hasBreakOrTab(QStringView text) {
  return text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t');
}

// A version as written, on one line and not too long to read in a sentence.
QString shownVersion(const QString &version) {
  constexpr qsizetype kLongest = 24;
  QString line = version.left(kLongest);
  for (QChar &c : line) {
    if (c.unicode() < 0x20) c = u' ';
  }
  return version.size() <= kLongest ? line : line + QChar(0x2026);
}

// How many different fingerprints there are among these (sorted on the way).
std::size_t distinct(std::vector<std::uint64_t> &fingerprints) {
  std::sort(fingerprints.begin(), fingerprints.end());
  return std::size_t(std::unique(fingerprints.begin(), fingerprints.end()) - fingerprints.begin());
}

void readInto(OpmlCheckReport &report, QIODevice &device) {
  // Fingerprints stand for the addresses and titles: 8 bytes each a feed,
  // and two different texts share one about once in 10^19 pairs. A repeat is
  // a feed whose fingerprint an earlier one has, so the repeats are counted
  // once all are read, as fingerprints less those that differ.
  std::vector<std::uint64_t> addresses, foldedAddresses, titles;
  report.read = readOpmlOutlines(device, [&](const OpmlOutline &outline) {
    if (outline.text.trimmed().isEmpty()) ++report.emptyText;
    if (hasBreakOrTab(outline.text) || hasBreakOrTab(outline.title)) ++report.titleBreaks;
    // An address under another case of xmlUrl counts as the feed's address,
    // as the importers that take it read it: the outline stands for a feed
    // whoever wrote it, and the rules of addresses hold for it as for any.
    // It is a trouble of its own, since other importers skip it.
    QStringView address = outline.xmlUrl.trimmed();
    const QStringView otherCase = outline.otherCaseXmlUrl.trimmed();
    if (!otherCase.isEmpty() && otherCase != address) {
      if (report.otherCaseXmlUrl++ == 0) {
        report.otherCaseXmlUrlName = outline.otherCaseXmlUrlName.toString();
      }
      if (address.isEmpty()) address = otherCase;
    }
    if (address.isEmpty()) {
      if (!outline.isFolder) ++report.withoutAddress;
      return;
    }
    ++report.feeds;
    // Some readers take only outlines of type "rss", as written, for feeds.
    if (!outline.hasType || outline.type != u"rss") ++report.notRss;
    addresses.push_back(textFingerprint(address));
    foldedAddresses.push_back(textFingerprint(comparableFeedAddress(address)));
    if (!isWeb(address)) ++report.notHttp;
    // The name an importer gives the feed: its text, or else its title.
    const QStringView name = outline.text.trimmed().isEmpty() ? outline.title : outline.text;
    const QByteArray utf8 = name.toUtf8();
    const std::uint64_t title = ImporterTroubles::foldedTitleFingerprint(
        std::string_view(utf8.constData(), std::size_t(utf8.size())));
    if (title != 0) titles.push_back(title);
  });
  // Every feed whose folded address is new has a new address too.
  const std::size_t differentAddresses = distinct(addresses);
  report.duplicates = addresses.size() - differentAddresses;
  report.nearDuplicates = differentAddresses - distinct(foldedAddresses);
  report.repeatedTitles = titles.size() - distinct(titles);
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
  } else if (report.noFeeds()) {
    lines << QStringLiteral(
                 "%1 holds no feeds: some readers refuse such a file, and as a backup it brings "
                 "nothing back. Check that it is the export of a reader's subscriptions.")
                 .arg(name);
  } else {
    lines << QStringLiteral("%1 holds %2.").arg(name, feeds);
  }
  // What some readers do with a whole file they refuse, and its feeds.
  const QString refused =
      report.feeds == 0 ? QStringLiteral("some readers refuse such a file.")
                        : QStringLiteral("some readers refuse such a file, and with it %1.")
                              .arg(counted(report.feeds, "its %1 feed", "its %1 feeds", locale));
  if (report.badVersion()) {
    lines << (read.hasVersion
                  ? QStringLiteral("The <opml> element's version is \"%1\", neither 1.0 nor 2.0; ")
                        .arg(shownVersion(read.version))
                  : QStringLiteral("The <opml> element has no version; ")) +
                 refused;
  }
  if (report.noHeadTitle()) {
    lines << (read.headTitle == OpmlHeadTitle::Blank ? QStringLiteral("The head's title is empty; ")
                                                     : QStringLiteral("The head has no title; ")) +
                 refused;
  }
  // Each kind of trouble an importer would have with outlines, with its count.
  const struct {
    std::size_t count;
    const char *one;
    const char *many;
    const QString *named;  // what %2 stands for, if the sentence has it
  } troubles[] = {
      {report.withoutAddress,
       "%1 outline that is no folder has no feed address (xmlUrl); importers may skip it, or add "
       "an empty feed or folder.",
       "%1 outlines that are no folders have no feed address (xmlUrl); importers may skip them, "
       "or add empty feeds or folders.",
       nullptr},
      {report.otherCaseXmlUrl,
       "%1 feed has its address in \"%2\", not in xmlUrl; some importers take it, others skip "
       "the feed.",
       "%1 feeds have their addresses in another case of xmlUrl (as \"%2\"); some importers "
       "take them, others skip those feeds.",
       &report.otherCaseXmlUrlName},
      {report.notRss,
       "%1 feed has no type=\"rss\" (its type is missing or another); some readers turn it into "
       "a folder or refuse it.",
       "%1 feeds have no type=\"rss\" (their type is missing or another); some readers turn them "
       "into folders or refuse them.",
       nullptr},
      {report.emptyText, "%1 outline has an empty text; some importers skip it or refuse the file.",
       "%1 outlines have an empty text; some importers skip them or refuse the file.", nullptr},
      {report.titleBreaks,
       "%1 outline has a line break or tab in its title; some readers cannot import it, or change "
       "its title.",
       "%1 outlines have a line break or tab in their titles; some readers cannot import them, or "
       "change their titles.",
       nullptr},
      {report.repeatedTitles,
       "%1 feed repeats the title of a feed before it (case, punctuation and spaces aside); some "
       "readers stop the whole import, or drop the feed.",
       "%1 feeds repeat the titles of feeds before them (case, punctuation and spaces aside); "
       "some readers stop the whole import, or drop those feeds.",
       nullptr},
      {report.duplicates,
       "%1 feed repeats the address of a feed before it; importers subscribe to it twice or "
       "drop it.",
       "%1 feeds repeat the address of a feed before them; importers subscribe to them twice or "
       "drop them.",
       nullptr},
      {report.nearDuplicates,
       "%1 feed has the address of a feed before it but for http or https, the host's case, a "
       "default port, a trailing slash, a feed: prefix or the case of escapes; some readers drop "
       "it as the same feed, others subscribe to both.",
       "%1 feeds have the addresses of feeds before them but for http or https, the host's case, "
       "a default port, a trailing slash, a feed: prefix or the case of escapes; some readers "
       "drop them as the same feeds, others subscribe to both.",
       nullptr},
      {report.notHttp,
       "%1 feed address does not start with http:// or https://; most readers cannot fetch it.",
       "%1 feed addresses do not start with http:// or https://; most readers cannot fetch "
       "them.",
       nullptr},
  };
  for (const auto &trouble : troubles) {
    if (trouble.count == 0) continue;
    QString line = counted(trouble.count, trouble.one, trouble.many, locale);
    if (trouble.named != nullptr) line = line.arg(*trouble.named);
    lines << line;
  }
  return lines;
}
