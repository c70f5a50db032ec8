#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>

// Reads an OPML document as it streams from a device, with libxml2, which
// holds it to XML 1.0 as strictly as any conforming reader, and hands over
// each outline once its end is seen. Nothing is loaded from outside the
// document, and entities declared in it are not left to expand without end.
// Nothing of the document is kept but the outlines still open (the folders
// around the one being read), so a file of any size reads in little memory.

// One outline, valid only during the call that receives it.
struct OpmlOutline {
  QStringView text;  // empty when the attribute is missing or empty
  bool hasXmlUrl = false;
  QStringView xmlUrl;
  bool isFolder = false;  // it holds outlines of its own
  int depth = 0;          // 0: a direct child of body
  QStringView title;      // the title attribute, empty when missing
  bool hasType = false;
  QStringView type;
  // The first attribute named xmlUrl in another case ("xmlurl", "XMLURL"),
  // which some importers take for the address and others skip: its name as
  // written and its value. The name is empty when there is none.
  QStringView otherCaseXmlUrlName;
  QStringView otherCaseXmlUrl;
  bool hasHtmlUrl = false;
  QStringView htmlUrl;  // the site's address
};

// What the document's head says of its title.
enum class OpmlHeadTitle {
  Missing,  // no <title> in <head>, or no <head>
  Blank,    // a <title> with nothing but white space in it
  Given,
};

struct OpmlReadOutcome {
  // Set when the file could not be opened or read: the system's reason.
  QString openError;
  // Set when the document is not well-formed XML: the reader's reason and
  // where it stopped. Outlines before that point were handed over.
  QString xmlError;
  qint64 errorLine = 0;
  qint64 errorColumn = 0;
  // The root element's name; "opml" for an OPML document.
  QString rootName;
  // The root element's version attribute, as written.
  bool hasVersion = false;
  QString version;
  OpmlHeadTitle headTitle = OpmlHeadTitle::Missing;
  std::size_t outlines = 0;

  bool opened() const { return openError.isEmpty(); }
  bool wellFormed() const { return opened() && xmlError.isEmpty(); }
  bool isOpml() const { return rootName == QLatin1String("opml"); }
};

using OpmlOutlineVisitor = std::function<void(const OpmlOutline &)>;

// Reads the device from where it stands to its end.
OpmlReadOutcome readOpmlOutlines(QIODevice &device, const OpmlOutlineVisitor &onOutline);
// Opens the file (a name in bytes, as the system takes it) and reads it.
OpmlReadOutcome readOpmlFile(const QByteArray &path, const OpmlOutlineVisitor &onOutline);

// The XML reader's reason without its final full stop, to go inside a sentence.
QString withoutFinalStop(const QString &reason);

// Opens the file for reading by its name's bytes; false with errno set when
// it cannot be opened.
bool openForReading(QFile &file, const QByteArray &path);

// Whether an xmlUrl makes its outline a feed: it holds something besides
// white space (and the controls XML cannot carry, which the writer leaves
// out). Every count of feeds, written or
// read, means outlines with such an address.
bool isFeedAddress(std::string_view utf8);
bool isFeedAddress(QStringView text);

// A 64-bit fingerprint of text as UTF-8, the same whether it comes
// as UTF-8 bytes or as UTF-16 from the reader.
std::uint64_t textFingerprint(std::string_view utf8);
std::uint64_t textFingerprint(QStringView text);
