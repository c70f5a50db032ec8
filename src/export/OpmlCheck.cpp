#include "OpmlCheck.h"

#include <unordered_set>

namespace {

bool isWeb(QStringView address) {
  return address.startsWith(u"http://", Qt::CaseInsensitive) ||
         address.startsWith(u"https://", Qt::CaseInsensitive);
}

QString counted(std::size_t count, const char *one, const char *many, const QLocale &locale) {
  return QString::fromLatin1(count == 1 ? one : many).arg(locale.toString(qulonglong(count)));
}

}  // namespace

OpmlCheckReport checkOpmlFile(const QByteArray &path) {
  OpmlCheckReport report;
  // Fingerprints stand for the addresses: 8 bytes a feed, and two different
  // addresses share one about once in 10^19 pairs.
  std::unordered_set<std::uint64_t> seen;
  report.read = readOpmlFile(path, [&](const OpmlOutline &outline) {
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
  return report;
}

QStringList checkReportSentences(const OpmlCheckReport &report, const QString &shownName,
                                 const QLocale &locale) {
  const QString name = QStringLiteral("\"%1\"").arg(shownName);
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
