#include <gtest/gtest.h>

#include <QBuffer>
#include <string>
#include <vector>

#include "ReaderDatabase.h"
#include "export/ExportPass.h"
#include "export/OpmlReading.h"
#include "export/PlainOpmlReader.h"

namespace {

struct Verdict {
  bool accepted = false;
  std::size_t outlines = 0;
  std::vector<std::string> addresses;
};

Verdict plainReading(const std::string &document) {
  QByteArray bytes = QByteArray::fromStdString(document);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  Verdict verdict;
  const auto count = readPlainOpmlAddresses(
      buffer, [&](std::string_view address) { verdict.addresses.emplace_back(address); });
  verdict.accepted = count.has_value();
  verdict.outlines = count.value_or(0);
  return verdict;
}

Verdict fullReading(const std::string &document) {
  QByteArray bytes = QByteArray::fromStdString(document);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  Verdict verdict;
  const OpmlReadOutcome read = readOpmlOutlines(buffer, [&](const OpmlOutline &outline) {
    verdict.addresses.push_back(outline.xmlUrl.toString().toStdString());
  });
  verdict.accepted = read.wellFormed();
  verdict.outlines = read.outlines;
  return verdict;
}

std::string body(const std::string &outlines) {
  return "<?xml version=\"1.0\"?>\n<opml version=\"1.0\"><head/><body>" + outlines +
         "</body></opml>";
}

readerdb::Feed feed(const QString &title, const QString &address) {
  return {title.toStdString(), "https://site/", address.toStdString()};
}

}  // namespace

// Whatever the plain reader accepts, the full reader accepts too and gives the
// same outlines; our own documents, of any size, it accepts.
TEST(PlainOpmlReader, AcceptsOnlyWellFormedDocumentsAndReadsThemAsTheFullReaderDoes) {
  std::vector<readerdb::Feed> ours = {
      feed(QStringLiteral("A & B <C> \"D\""), QStringLiteral("https://a/?x=1&y=\"2\"")),
      feed(QStringLiteral("tab\tline\nend"), QStringLiteral("https://b/\t\r\n")),
      feed(QStringLiteral("日本語 Медуза"), QStringLiteral("https://c/日本\uFFFE")),
      feed(QString(), QString()),
  };
  // Enough feeds, and one long address, that tokens straddle the reader's
  // pieces.
  for (int i = 0; i < 3000; ++i) {
    ours.push_back(feed(QStringLiteral("Feed %1").arg(i), QStringLiteral("https://s/%1").arg(i)));
  }
  ours.push_back(
      feed(QStringLiteral("long"), QStringLiteral("https://l/") + QString(300'000, 'x')));
  const std::string ourDocument =
      std::move(exportOfFeeds(readerdb::rows(ours), readerdb::allFeeds(ours.size())))
          .finish()
          .toStdString();

  struct Case {
    const char *what;
    std::string document;
    bool plainAccepts;
  };
  const std::vector<Case> cases = {
      {"ours", ourDocument, true},
      {"other quoting and references",
       body("<outline text = 'it&apos;s' xmlUrl='https://x/&#x41;&#66;'/>\n<outline text=\"n\"/>"),
       true},
      {"a literal tab in a value", body("<outline text=\"t\" xmlUrl=\"https://x/\ta\"/>"), true},
      {"a line end of two characters in a value",
       body("<outline text=\"t\" xmlUrl=\"https://x/\r\na\r\"/>"), true},
      {"no declaration", "<opml><body><outline xmlUrl=\"u\"/></body></opml>\n", true},
      {"repeated attribute", body("<outline xmlUrl=\"a\" xmlUrl=\"b\"/>"), false},
      {"bare ampersand", body("<outline xmlUrl=\"a&b\"/>"), false},
      {"undeclared entity", body("<outline xmlUrl=\"&nbsp;\"/>"), false},
      {"reference to no character", body("<outline xmlUrl=\"&#0;\"/>"), false},
      {"reference to a surrogate", body("<outline xmlUrl=\"&#xD800;\"/>"), false},
      {"less-than in a value", body("<outline xmlUrl=\"a<b\"/>"), false},
      {"tags that do not match", "<opml><body></opml>", false},
      {"two roots", "<opml/><opml/>", false},
      {"text after the root", "<opml/>x", false},
      {"unclosed", "<opml><body>", false},
      {"control character", body("<outline text=\"a\x01\"/>"), false},
      {"invalid UTF-8", body("<outline text=\"\xC3\x28\"/>"), false},
      {"overlong UTF-8", body("<outline text=\"\xC0\xAF\"/>"), false},
      {"encoded surrogate", body("<outline text=\"\xED\xA0\x80\"/>"), false},
      {"U+FFFF", body("<outline text=\"\xEF\xBF\xBF\"/>"), false},
      {"double dash in a comment", "<!-- a -- b --><opml/>", false},
      {"attributes without space", body("<outline text=\"a\"xmlUrl=\"b\"/>"), false},
      {"attribute without value", body("<outline checked/>"), false},
      {"]]> in text", "<opml>a]]>b</opml>", false},
      {"undeclared prefix", "<x:opml/>", false},
      {"document type", "<!DOCTYPE opml><opml><body><outline xmlUrl=\"u\"/></body></opml>", false},
      {"folder", body("<outline text=\"F\"><outline xmlUrl=\"u\"/></outline>"), false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const Verdict plain = plainReading(c.document);
    EXPECT_EQ(plain.accepted, c.plainAccepts);
    if (!plain.accepted) continue;
    const Verdict full = fullReading(c.document);
    EXPECT_TRUE(full.accepted);
    EXPECT_EQ(plain.outlines, full.outlines);
    EXPECT_EQ(plain.addresses, full.addresses);
  }
}
