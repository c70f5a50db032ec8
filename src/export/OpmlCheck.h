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
struct OpmlCheckReport {
  OpmlReadOutcome read;
  std::size_t feeds = 0;           // outlines with a feed address (xmlUrl)
  std::size_t withoutAddress = 0;  // outlines that are no folder and have no xmlUrl
  std::size_t emptyText = 0;       // outlines whose text is missing or blank
  std::size_t duplicates = 0;      // feeds whose address an earlier feed has
  std::size_t notHttp = 0;         // addresses that are not http:// or https://

  bool clean() const {
    return read.wellFormed() && read.isOpml() && withoutAddress == 0 && emptyText == 0 &&
           duplicates == 0 && notHttp == 0;
  }
};

OpmlCheckReport checkOpmlFile(const QByteArray &path);

// The report as sentences: first how many feeds the file holds, then one
// sentence per kind of problem, with its count.
QStringList checkReportSentences(const OpmlCheckReport &report, const QString &shownName,
                                 const QLocale &locale = QLocale());
