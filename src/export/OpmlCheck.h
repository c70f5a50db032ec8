#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstddef>

#include "export/OpmlReading.h"

// What a reader's import would make of an OPML file, ours or another
// program's: the feeds it holds and what would trouble an importer. Outlines
// inside folders count like the others.
// What a name given to --check stands for, when it is no file to read.
enum class NotAFile {
  No,  // a regular file, or a name that could not be looked at
  Folder,
  Pipe,    // a named pipe (FIFO)
  Device,  // a character or block device
  Socket,
  DanglingLink,  // a symbolic link to nothing
  Terminal,      // standard input, when it is a terminal
};

struct OpmlCheckReport {
  // Set when the name stands for something that is no regular file; nothing
  // was read from it then (a pipe without a writer, a folder or a terminal
  // would have kept the check waiting or turning for ever).
  NotAFile notAFile = NotAFile::No;
  QByteArray linkTarget;  // for a dangling link: where it points
  OpmlReadOutcome read;
  // Outlines with a feed address: xmlUrl, or the attribute in another case
  // when xmlUrl is missing or empty.
  std::size_t feeds = 0;
  std::size_t withoutAddress = 0;   // outlines that are no folder and have no feed address
  std::size_t otherCaseXmlUrl = 0;  // feeds whose address is named "xmlurl" or the like
  QString otherCaseXmlUrlName;      // the first of those names, as written
  std::size_t notRss = 0;           // feeds whose type is missing or not "rss"
  std::size_t emptyText = 0;        // outlines whose text is missing or blank
  std::size_t titleBreaks = 0;      // outlines whose text or title holds a line break or tab
  // Feeds whose title an earlier feed's has, once case, punctuation and
  // spaces are set aside (as the export's warnings compare them).
  std::size_t repeatedTitles = 0;
  std::size_t duplicates = 0;  // feeds whose address an earlier feed has
  // Feeds whose address an earlier feed has only once both are folded as
  // comparableFeedAddress folds them ("HTTPS://Host/f/" and "http://host/f").
  std::size_t nearDuplicates = 0;
  std::size_t notHttp = 0;  // addresses that are not http:// or https://

  // Troubles of the document as a whole, for a well-formed OPML document.
  bool isReadOpml() const { return notAFile == NotAFile::No && read.wellFormed() && read.isOpml(); }
  bool badVersion() const {
    return isReadOpml() && (!read.hasVersion || (read.version != QLatin1String("1.0") &&
                                                 read.version != QLatin1String("2.0")));
  }
  bool noHeadTitle() const { return isReadOpml() && read.headTitle != OpmlHeadTitle::Given; }
  bool noFeeds() const { return isReadOpml() && feeds == 0; }

  // Clean: no importer we know of would lose a feed of the file.
  bool clean() const {
    return isReadOpml() && !badVersion() && !noHeadTitle() && !noFeeds() && withoutAddress == 0 &&
           otherCaseXmlUrl == 0 && notRss == 0 && emptyText == 0 && titleBreaks == 0 &&
           repeatedTitles == 0 && duplicates == 0 && nearDuplicates == 0 && notHttp == 0;
  }
};

// Checks the file a name stands for; anything but a regular file (or a link
// to one) is refused unread.
OpmlCheckReport checkOpmlFile(const QByteArray &path);
// Checks what a descriptor holds, read to its end: standard input, a file or
// a pipe; a terminal is refused unread.
OpmlCheckReport checkOpmlDescriptor(int fd);

// The report as sentences: first how many feeds the file holds, then one
// sentence per kind of problem, with its count. Each sentence starts with
// shownName, e.g. a file's name in quotes.
QStringList checkReportSentences(const OpmlCheckReport &report, const QString &shownName,
                                 const QLocale &locale = QLocale());
