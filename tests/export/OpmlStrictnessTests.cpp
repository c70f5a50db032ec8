#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <QBuffer>
#include <algorithm>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "export/OpmlCheck.h"
#include "export/OpmlReading.h"
#include "export/PlainOpmlReader.h"

using namespace std::literals;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

// libxml2's verdict on its own, building a tree as most programs read XML:
// no entity substitution, nothing from the network, values of any length.
bool libxml2Accepts(const std::string &document) {
  xmlDocPtr tree =
      xmlReadMemory(document.data(), int(document.size()), "fuzzed.opml", nullptr,
                    XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (tree == nullptr) return false;
  xmlFreeDoc(tree);
  return true;
}

OpmlReadOutcome checkRead(const std::string &document, std::vector<std::string> *addresses) {
  QByteArray bytes = QByteArray::fromStdString(document);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return readOpmlOutlines(buffer, [&](const OpmlOutline &outline) {
    if (addresses) addresses->push_back(outline.xmlUrl.toString().toStdString());
  });
}

std::optional<std::size_t> plainRead(const std::string &document,
                                     std::vector<std::string> *addresses) {
  QByteArray bytes = QByteArray::fromStdString(document);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return readPlainOpmlAddresses(buffer, [&](std::string_view address) {
    if (addresses) addresses->emplace_back(address);
  });
}

std::string opml(const std::string &prolog, const std::string &outlines) {
  return prolog + "<opml version=\"1.0\"><head><title>T</title></head><body>\n" + outlines +
         "</body></opml>\n";
}

OpmlCheckReport checkText(const TempDir &dir, const std::string &document) {
  writeFile(dir / "checked.opml", document);
  return checkOpmlFile(QByteArray((dir / "checked.opml").c_str()));
}

}  // namespace

// Documents that a lax reader called well-formed, each a fault of XML 1.0.
TEST(OpmlStrictness, RefusesWhatXmlForbidsInNamesAndDocumentTypes) {
  const std::string feed = "<outline text=\"A\" xmlUrl=\"https://a/f\"/>\n";
  const std::string nul(1, '\0');
  const struct {
    const char *what;
    std::string document;
  } cases[] = {
      {"NUL in an attribute name", opml("", "<outline te" + nul + "xt=\"A\" xmlUrl=\"u\"/>")},
      {"U+0001 in an attribute name", opml("", "<outline te\x01xt=\"A\" xmlUrl=\"u\"/>")},
      {"U+000B in an attribute name", opml("", "<outline te\x0Bxt=\"A\" xmlUrl=\"u\"/>")},
      {"U+FFFE in an attribute name", opml("", "<outline te\xEF\xBF\xBExt=\"A\" xmlUrl=\"u\"/>")},
      {"U+00B7 starting an attribute name", opml("", "<outline \xC2\xB7t=\"A\" xmlUrl=\"u\"/>")},
      {"U+00B7 starting an element name", opml("", "<\xC2\xB7outline xmlUrl=\"u\"/>")},
      {"two document types", opml("<!DOCTYPE opml>\n<!DOCTYPE opml>\n", feed)},
      {"a document type after the root", opml("", feed) + "<!DOCTYPE opml>\n"},
      {"a control character in the document type's name", opml("<!DOCTYPE op\x01ml>\n", feed)},
      {"a control character in an entity's name",
       opml("<!DOCTYPE opml [<!ENTITY e\x02 \"x\">]>\n", feed)},
  };
  TempDir dir;
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(libxml2Accepts(c.document));
    const OpmlCheckReport report = checkText(dir, c.document);
    EXPECT_FALSE(report.read.wellFormed());
    EXPECT_FALSE(report.clean());
    EXPECT_GT(report.read.errorLine, 0);
    EXPECT_FALSE(plainRead(c.document, nullptr).has_value());
  }
}

// References to entities declared in the document are replaced in the
// addresses; nothing named outside the document is read; entities that would
// expand to gigabytes in a value stop the read instead.
TEST(OpmlStrictness, EntitiesExpandWithinLimitsAndNothingIsLoadedFromOutside) {
  TempDir dir;
  writeFile(dir / "leak.xml", "<outline text=\"Leak\" xmlUrl=\"https://leak/\"/>");
  writeFile(dir / "leak.dtd", "<!ENTITY site \"https://leak/\">");
  const std::string leak = "file://" + (dir / "leak.xml").string();
  const std::string leakDtd = "file://" + (dir / "leak.dtd").string();
  std::string laughs = "<!ENTITY l0 \"lol\">\n";
  for (int i = 1; i < 10; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) laughs += "&l" + std::to_string(i - 1) + ";";
    laughs += "\">\n";
  }
  const struct {
    const char *what;
    std::string document;
    bool wellFormed;
    std::vector<std::string> addresses;
  } cases[] = {
      {"an internal entity and escaped ampersands",
       opml("<!DOCTYPE opml [<!ENTITY site \"https://e/?a=1&#38;amp;\">]>\n",
            "<outline text=\"A\" xmlUrl=\"&site;b=2&amp;c=&#38;\"/>"),
       true,
       {"https://e/?a=1&b=2&c=&"}},
      {"an external entity in text",
       opml("<!DOCTYPE opml [<!ENTITY e SYSTEM \"" + leak + "\">]>\n",
            "<outline text=\"A\" xmlUrl=\"https://a/\"/>&e;"),
       true,
       {"https://a/"}},
      {"an external entity in an address",
       opml("<!DOCTYPE opml [<!ENTITY e SYSTEM \"" + leak + "\">]>\n",
            "<outline text=\"A\" xmlUrl=\"&e;\"/>"),
       false,
       {}},
      {"an external document type",
       opml("<!DOCTYPE opml SYSTEM \"" + leakDtd + "\">\n",
            "<outline text=\"A\" xmlUrl=\"&site;\"/>"),
       true,
       {""}},
      // Well-formed, and read without the references in text expanded.
      {"a billion laughs in text",
       opml("<!DOCTYPE opml [" + laughs + "]>\n", "<outline text=\"A\" xmlUrl=\"u\"/>&l9;"),
       true,
       {"u"}},
      {"a billion laughs in an address",
       opml("<!DOCTYPE opml [" + laughs + "]>\n", "<outline text=\"A\" xmlUrl=\"&l9;\"/>"),
       false,
       {}},
      {"a billion laughs in an entity's element",
       opml("<!DOCTYPE opml [" + laughs + "<!ENTITY o \"<outline text='&l9;'/>\">]>\n", "&o;"),
       false,
       {}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> addresses;
    writeFile(dir / "checked.opml", c.document);
    const OpmlReadOutcome read = readOpmlFile(
        QByteArray((dir / "checked.opml").c_str()),
        [&](const OpmlOutline &o) { addresses.push_back(o.xmlUrl.toString().toStdString()); });
    EXPECT_EQ(read.wellFormed(), c.wellFormed) << read.xmlError.toStdString();
    if (c.wellFormed) {
      EXPECT_EQ(addresses, c.addresses);
    } else {
      // The line of the outlines, in the document, even when the fault is
      // met inside an entity's content.
      const std::size_t body = c.document.find("<body>");
      EXPECT_EQ(
          read.errorLine,
          qint64(std::count(c.document.begin(), c.document.begin() + qsizetype(body), '\n')) + 2);
    }
    for (const std::string &address : addresses) EXPECT_NE(address, "https://leak/");
  }
}

// Documents made by changing a valid OPML document at random: the check calls
// well-formed exactly what libxml2 calls well-formed, and the plain reader
// accepts nothing that libxml2 refuses and reads what it accepts as the
// check does.
TEST(OpmlStrictness, AgreesWithLibxml2OnMutatedDocuments) {
  const std::vector<std::string> bases = {
      opml("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n",
           "<outline text=\"A\" xmlUrl=\"https://a/f\"/>\n"
           "<outline text=\"B &amp; C\" xmlUrl=\"https://b/f?x=1&amp;y=2\" type=\"rss\"/>\n"),
      opml("<?xml version=\"1.0\"?>\n<!DOCTYPE opml [\n<!ENTITY site \"https://e/\">\n"
           "<!ELEMENT opml ANY>\n<!ATTLIST outline text CDATA #IMPLIED>\n]>\n",
           "<outline text=\"F\"><outline text=\"&#x41;\" xmlUrl=\"&site;f\"/></outline>\n"
           "<!-- note --><?pi data?>\n"),
  };
  // Pieces put in at random.
  // Characters XML forbids, or allows only in some places; broken UTF-8.
  const std::string_view characters[] = {"\0"sv,           "\x01"sv,         "\x08"sv,
                                         "\x0B"sv,         "\x0C"sv,         "\x1F"sv,
                                         "\x7F"sv,         "\xC2\x80"sv,     "\xEF\xBF\xBE"sv,
                                         "\xEF\xBF\xBF"sv, "\xC2\xB7"sv,     "\xCC\x80"sv,
                                         "\xE2\x80\x8C"sv, "\xCD\xBE"sv,     "\xF0\x90\x80\x80"sv,
                                         "\xC0\xAF"sv,     "\xED\xA0\x80"sv, "\xF4\x90\x80\x80"sv,
                                         "\xC3"sv};
  // References, to characters and to entities declared or not.
  const std::string_view references[] = {"&"sv,        "&amp;"sv,      "&#0;"sv,  "&#x1F;"sv,
                                         "&#xFFFE;"sv, "&#x10FFFF;"sv, "&#65;"sv, "&e;"sv,
                                         "&site;"sv,   "&#38;"sv};
  // Declarations and larger markup, wherever they land.
  const std::string_view declarations[] = {"<!DOCTYPE opml>"sv,
                                           "<!DOCTYPE opml [<!ENTITY e \"x\">]>"sv,
                                           "<!DOCTYPE opml SYSTEM \"x.dtd\">"sv,
                                           "<!ENTITY e \"v\">"sv,
                                           "<!ENTITY % p \"v\">"sv,
                                           "%p;"sv,
                                           "<?pi x?>"sv,
                                           "<?xml version=\"1.0\"?>"sv,
                                           "<![CDATA[x]]>"sv,
                                           " a=\"1\""sv,
                                           " text=\"2\""sv,
                                           " xmlns:p=\"u\""sv,
                                           " p:a=\"1\""sv,
                                           "<outline xmlUrl=\"https://m/\"/>"sv,
                                           "</outline>"sv,
                                           "<body>"sv,
                                           "</opml>"sv};
  // The parts of markup.
  const std::string_view markup[] = {
      "<!--"sv, "-->"sv, "--"sv, "]]>"sv, "<"sv, ">"sv,  "</"sv, "/>"sv, "\""sv, "'"sv,    "="sv,
      "p:"sv,   ":"sv,   "-"sv,  "."sv,   "1"sv, "\t"sv, "\r"sv, "\n"sv, " "sv,  "\r\n"sv, "x"sv};
  std::vector<std::string_view> pieces;
  using Group = std::span<const std::string_view>;
  for (Group group : {Group(characters), Group(references), Group(declarations), Group(markup)}) {
    pieces.insert(pieces.end(), group.begin(), group.end());
  }
  std::mt19937 random(20261209);
  auto below = [&](std::size_t n) { return std::size_t(random() % n); };
  std::size_t disagreements = 0, plainAccepted = 0, refused = 0;
  constexpr int kDocuments = 4000;
  for (int n = 0; n < kDocuments; ++n) {
    std::string document = bases[below(bases.size())];
    const std::size_t changes = below(3) == 0 ? 2 : 1;
    for (std::size_t k = 0; k < changes; ++k) {
      const std::size_t at = below(document.size() + 1);
      switch (below(4)) {
        case 0:  // a byte taken out
          if (at < document.size()) document.erase(at, 1);
          break;
        case 1:  // a byte replaced
          if (at < document.size()) document[at] = pieces[below(pieces.size())].front();
          break;
        default:  // a piece put in
          document.insert(at, std::string(pieces[below(pieces.size())]));
      }
    }
    const bool libxml2 = libxml2Accepts(document);
    std::vector<std::string> checkAddresses, plainAddresses;
    const OpmlReadOutcome check = checkRead(document, &checkAddresses);
    const std::optional<std::size_t> plain = plainRead(document, &plainAddresses);
    refused += libxml2 ? 0 : 1;
    if (check.wellFormed() != libxml2 || (plain && !libxml2)) {
      if (++disagreements <= 10) {
        ADD_FAILURE() << "libxml2 " << (libxml2 ? "accepts" : "refuses") << ", the check "
                      << (check.wellFormed() ? "accepts" : "refuses") << ", the plain reader "
                      << (plain ? "accepts" : "refuses") << ":\n"
                      << document;
      }
      continue;
    }
    if (plain) {
      ++plainAccepted;
      EXPECT_EQ(*plain, check.outlines) << document;
      EXPECT_EQ(plainAddresses, checkAddresses) << document;
    }
  }
  EXPECT_EQ(disagreements, 0u);
  // The mutations reach both sides of every reader.
  EXPECT_GT(refused, std::size_t(kDocuments) / 4);
  EXPECT_LT(refused, std::size_t(kDocuments) * 9 / 10);
  EXPECT_GT(plainAccepted, std::size_t(kDocuments) / 20);
}
