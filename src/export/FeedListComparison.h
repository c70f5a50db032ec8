#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <utility>
#include <vector>

#include "export/OpmlReading.h"
#include "platform/Sentence.h"
#include "store/FeedRowTable.h"

// The reader's feeds held against another reader's OPML export, to prove
// that a move took every feed. Addresses are matched as readers take them
// for one feed (see comparableFeedAddress); the file's folders, however
// deep, count like its top level.
struct FeedListComparison {
  // Set when the file cannot be compared: a sentence that says why and what
  // to do. Nothing else is set then.
  Sentence problem;
  std::size_t otherFeeds = 0;        // outlines with a feed address in the file
  std::size_t readerFeeds = 0;       // the reader's feeds compared, those with an address
  std::vector<std::size_t> missing;  // the reader's feeds (by index) that the file lacks
  // The file's feeds that the reader lacks: their text and address.
  std::vector<std::pair<QString, QString>> extra;

  bool ok() const { return problem.isEmpty(); }
};

// The form of a feed address in which two addresses that readers take for
// the same feed are equal: without a "feed:" prefix, http and https alike,
// the host in lower case and without its default port, no trailing slash,
// percent-escapes in upper case. Everything else counts as written.
QString comparableFeedAddress(QStringView address);

// Compares the reader's feed addresses (in the reader's order) with the
// feeds of the OPML file at path. Anything but a regular file, a file that
// is not well-formed XML or no OPML, and one without feeds, is a problem.
FeedListComparison compareWithOpmlFile(const std::vector<QString> &readerAddresses,
                                       const QByteArray &path, const QString &shownName);
// The same for the feeds of a table, those without an address left out:
// missing then holds positions in the table.
FeedListComparison compareWithOpmlFile(const FeedRowTable &feeds, const QByteArray &path,
                                       const QString &shownName);
