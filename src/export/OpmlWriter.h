#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "store/FeedRow.h"

// The address of the product's home page, named in the document's second
// comment line.
inline constexpr char kProductWebAddress[] = "https://www.corvanex.com/orvella/";

// How every document of ours starts, of either version: the XML
// declaration and the two comment lines.
QByteArray opmlDocumentStart();

// Which OPML a document is: 1.0, as this program has always written it, or
// 2.0 on request, whose head also says when it was made and where its
// format is described. The outlines are the same.
// Where a 2.0 document's date stands: after opmlDocumentStart() and this
// text, in this many bytes ("Wed, 09 Dec 2026 05:12:00 +0000").
inline constexpr char kOpml2DateAt[] =
    "<opml version=\"2.0\">\n<head>\n<title>Orvella Subscriptions</title>\n<dateCreated>";
inline constexpr qint64 kOpml2DateLength = 31;

struct OpmlFormat {
  bool version2 = false;
  QDateTime created;  // dateCreated of a 2.0 document; now where not valid
  // Titles made safe for any reader's import (see ExportPass::add): line
  // breaks and tabs become spaces, a repeated title is numbered.
  bool importableTitles = false;
};

// The OPML 1.0 document of this builder as OPML 2.0: the same outlines under
// the 2.0 head, made at `created` (now where not valid).
QByteArray opml2Document(const QByteArray &opml1, const QDateTime &created = {});

// Builds an OPML 1.0 document line by line, straight into UTF-8. Attribute
// values are escaped so that any text comes back unchanged from an XML
// parser: & < > " as entities, tab, line feed and carriage return as
// character references; characters XML 1.0 cannot carry (other C0 controls,
// U+FFFE, U+FFFF) are left out. A missing value gives an empty attribute, but text and title are
// never empty while the feed has an address: a feed without a title is named by its feed address
// (xmlUrl), else by its site address (htmlUrl).
class OpmlBuilder {
 public:
  // Takes finished bytes; returns false when it could not take them.
  using Sink = std::function<bool(const char *bytes, qsizetype size)>;

  // Builds the document in memory; expectedFeeds only sizes the buffer.
  explicit OpmlBuilder(std::size_t expectedFeeds = 0, const OpmlFormat &format = {});
  // Hands the document to sink in pieces of about chunkBytes as it grows, so
  // that a large export never sits in memory whole.
  explicit OpmlBuilder(Sink sink, qsizetype chunkBytes = 256 * 1024, const OpmlFormat &format = {});

  // One outline line from a row's UTF-8 bytes, which must be valid UTF-8 (as
  // the database reader guarantees).
  void addOutline(const FeedRow &row);

  // The finished document; it ends in "</opml>" with no line feed after it.
  // With a sink, the rest goes to the sink and the result is empty.
  QByteArray finish() &&;

  // False once the sink has refused bytes; nothing more is handed to it then.
  bool sinkOk() const { return sinkOk_; }

 private:
  // Sizes the buffer to initialBytes and writes the document's head.
  OpmlBuilder(Sink sink, qsizetype chunkBytes, qsizetype initialBytes, const OpmlFormat &format);

  // Room for `more` bytes after the written ones; returns where they go.
  char *room(qsizetype more);
  void append(const char *bytes, qsizetype size);
  void appendValue(const std::optional<std::string_view> &utf8);
  void drain();

  // Written bytes are [0, used_); the rest is spare room, so that appending
  // never has to resize the array.
  QByteArray buffer_;
  qsizetype used_ = 0;
  Sink sink_;
  qsizetype chunkBytes_ = 0;
  bool sinkOk_ = true;
};

// The chosen feeds (positions in the feed list), each once, in the list's
// order: outlines follow the feed list whatever order the positions come in,
// and positions outside the list are ignored.
std::vector<std::size_t> exportedFeedIndexes(std::size_t feedCount,
                                             const std::vector<int> &chosenFeeds);
