#include "export/FeedListComparison.h"

#include <sys/stat.h>

#include <QLocale>
#include <cerrno>
#include <cstring>
#include <unordered_set>

QString comparableFeedAddress(QStringView address) {
  QString text = address.trimmed().toString();
  // "feed://host/x" is "http://host/x"; "feed:https://host/x" is the https one.
  if (text.startsWith(u"feed:", Qt::CaseInsensitive)) {
    text.remove(0, 5);
    if (text.startsWith(u"//")) text.prepend(u"http:");
  }
  qsizetype rest = 0;
  if (text.startsWith(u"http://", Qt::CaseInsensitive)) {
    rest = 7;
  } else if (text.startsWith(u"https://", Qt::CaseInsensitive)) {
    rest = 8;
  } else {
    return text;  // not a web address: compared as written
  }
  const bool https = rest == 8;
  text.remove(0, rest);
  // Where the first of these characters is, or the end.
  const auto firstOf = [](const QString &in, QStringView characters) {
    for (qsizetype i = 0; i < in.size(); ++i) {
      if (characters.contains(in[i])) return i;
    }
    return in.size();
  };
  const qsizetype authorityEnd = firstOf(text, u"/?#");
  QString authority = text.left(authorityEnd);
  QString tail = text.mid(authorityEnd);
  // The host's case, and the port a scheme has anyway; a user part stays.
  const qsizetype at = authority.lastIndexOf(QLatin1Char('@'));
  QString host = authority.mid(at + 1).toLower();
  if (host.endsWith(https ? u":443" : u":80")) host.chop(https ? 4 : 3);
  if (host.endsWith(u'.')) host.chop(1);
  authority = authority.left(at + 1) + host;
  // A trailing slash of the path, before any query.
  const qsizetype pathEnd = firstOf(tail, u"?#");
  if (pathEnd > 0 && tail[pathEnd - 1] == u'/') tail.remove(pathEnd - 1, 1);
  // %2f and %2F are one character.
  for (qsizetype i = 0; i + 2 < tail.size(); ++i) {
    if (tail[i] == u'%' && isxdigit(tail[i + 1].unicode()) && isxdigit(tail[i + 2].unicode())) {
      tail[i + 1] = tail[i + 1].toUpper();
      tail[i + 2] = tail[i + 2].toUpper();
    }
  }
  return authority + tail;
}

FeedListComparison compareWithOpmlFile(const std::vector<QString> &readerAddresses,
                                       const QByteArray &path, const QString &shownName) {
  FeedListComparison comparison;
  const QString &name = shownName;
  struct stat info {};
  if (::stat(path.constData(), &info) != 0) {
    comparison.problem = Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                                    "\"%1\" could not be read: %2. Check the name "
                                                    "and that you may read it."))
                             .arg(name)
                             .arg(QString::fromLocal8Bit(std::strerror(errno)));
    return comparison;
  }
  if (!S_ISREG(info.st_mode)) {
    comparison.problem =
        Sentence(S_ISDIR(info.st_mode)
                     ? QT_TRANSLATE_NOOP("CXInterfaceString",
                                         "\"%1\" is a folder. Choose the OPML file that the other "
                                         "reader exported.")
                     : QT_TRANSLATE_NOOP("CXInterfaceString",
                                         "\"%1\" is a pipe, socket or device, not a file. Choose "
                                         "the OPML file that the other reader exported."))
            .arg(name);
    return comparison;
  }
  std::vector<QString> keys;
  keys.reserve(readerAddresses.size());
  for (const QString &address : readerAddresses) keys.push_back(comparableFeedAddress(address));
  const std::unordered_set<QString> wanted(keys.begin(), keys.end());
  std::unordered_set<QString> found;
  const OpmlReadOutcome read = readOpmlFile(path, [&](const OpmlOutline &outline) {
    const QStringView address = outline.xmlUrl.trimmed();
    if (address.isEmpty()) return;
    ++comparison.otherFeeds;
    const QString key = comparableFeedAddress(address);
    if (wanted.count(key)) {
      found.insert(key);
    } else {
      comparison.extra.emplace_back(outline.text.toString(), address.toString());
    }
  });
  if (!read.opened()) {
    comparison.problem = Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                                    "\"%1\" could not be read: %2. Check the name "
                                                    "and that you may read it."))
                             .arg(name)
                             .arg(read.openError);
  } else if (!read.wellFormed()) {
    comparison.problem =
        Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                   "\"%1\" is not well-formed XML at line %2, column %3 (%4), so "
                                   "it cannot be compared. Export it from the other reader again."))
            .arg(name)
            .arg(std::size_t(read.errorLine))
            .arg(std::size_t(read.errorColumn))
            .arg(withoutFinalStop(read.xmlError));
  } else if (!read.isOpml()) {
    comparison.problem =
        Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                   "\"%1\" is no OPML document: its outermost element is <%2>. "
                                   "Choose the OPML file that the other reader exported."))
            .arg(name)
            .arg(read.rootName);
  } else if (comparison.otherFeeds == 0) {
    comparison.problem =
        Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                   "\"%1\" holds no feeds, so nothing can be compared. Check "
                                   "that it is the other reader's export of its subscriptions."))
            .arg(name);
  }
  if (!comparison.ok()) {
    comparison.otherFeeds = 0;
    comparison.extra.clear();
    return comparison;
  }
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (!found.count(keys[i])) comparison.missing.push_back(i);
  }
  comparison.readerFeeds = readerAddresses.size();
  return comparison;
}

FeedListComparison compareWithOpmlFile(const FeedRowTable &feeds, const QByteArray &path,
                                       const QString &shownName) {
  std::vector<QString> addresses;
  std::vector<std::size_t> positions;  // the feed of each address
  for (std::size_t k = 0; k < feeds.size(); ++k) {
    QString address = textOf(feeds.row(k).xmlUrl).trimmed();
    if (address.isEmpty()) continue;
    addresses.push_back(std::move(address));
    positions.push_back(k);
  }
  FeedListComparison comparison = compareWithOpmlFile(addresses, path, shownName);
  for (std::size_t &i : comparison.missing) i = positions[i];
  return comparison;
}
