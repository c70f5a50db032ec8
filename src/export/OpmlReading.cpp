#include "OpmlReading.h"

#include <fcntl.h>
#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// An outline whose start was read and whose end was not yet.
struct OpenOutline {
  QString text;
  bool hasXmlUrl = false;
  QString xmlUrl;
  bool isFolder = false;
  QString title;
  bool hasType = false;
  QString type;
  QString otherCaseXmlUrlName;
  QString otherCaseXmlUrl;
  bool hasHtmlUrl = false;
  QString htmlUrl;
};

// What entity references may cost a document in all: how many are looked up,
// and how much replacement text they bring, counted again each time one is
// replaced. A feed list needs few if any; a document that declares entities
// which refer to each other in ten levels of ten (a "billion laughs") reaches
// the first limit in a fraction of a second instead of expanding to
// gigabytes.
constexpr long kMostEntityLookups = 1'000'000;
constexpr long kMostEntityText = 64L << 20;

struct Read {
  QIODevice *device = nullptr;
  // The document's own parser; an entity's content has a parser of its own.
  xmlParserCtxtPtr document = nullptr;
  const OpmlOutlineVisitor *onOutline = nullptr;
  OpmlReadOutcome outcome;
  std::vector<OpenOutline> open;
  bool inBody = false;
  bool inHead = false;
  bool inHeadTitle = false;
  int depth = 0;  // elements open
  // The first error, and the first fatal one, libxml2 reported.
  bool haveError = false;
  bool haveFatal = false;
  QString error;
  long errorLine = 0;
  long errorColumn = 0;
  // Set when a read of the device failed: the device's reason.
  QString deviceError;
  // Set when entity references went past the limits, and where.
  bool expansionStopped = false;
  long stopLine = 0;
  long stopColumn = 0;
  long entityLookups = 0;
  long entityText = 0;
};

Read &readOf(void *context) {
  return *static_cast<Read *>(static_cast<xmlParserCtxtPtr>(context)->_private);
}

bool isNamed(const xmlChar *name, const char *wanted) {
  return std::strcmp(reinterpret_cast<const char *>(name), wanted) == 0;
}

QString textOf(const xmlChar *text, int length) {
  return QString::fromUtf8(reinterpret_cast<const char *>(text), length);
}

// An attribute's value as an XML reader gives it back. Without entity
// substitution libxml2 hands over references to declared entities as they
// stand, and an escaped ampersand as "&#38;"; both are replaced here.
QString attributeValue(xmlParserCtxtPtr context, const xmlChar *value, const xmlChar *end) {
  const int length = int(end - value);
  if (std::memchr(value, '&', std::size_t(length)) == nullptr) return textOf(value, length);
  xmlChar *decoded =
      xmlStringLenDecodeEntities(context, value, length, XML_SUBSTITUTE_REF, 0, 0, 0);
  if (decoded == nullptr) return QString();
  QString text = QString::fromUtf8(reinterpret_cast<const char *>(decoded));
  xmlFree(decoded);
  return text;
}

// Whether text holds anything but white space.
bool isBlank(QStringView text) { return text.trimmed().isEmpty(); }

void startElement(void *context, const xmlChar *localName, const xmlChar *, const xmlChar *, int,
                  const xmlChar **, int attributeCount, int, const xmlChar **attributes) {
  Read &read = readOf(context);
  const auto parser = static_cast<xmlParserCtxtPtr>(context);
  ++read.depth;
  // Each attribute is five pointers: name, prefix, namespace, value, end.
  auto valueOf = [&](const xmlChar **attribute) {
    return attributeValue(parser, attribute[3], attribute[4]);
  };
  if (read.depth == 1) {
    read.outcome.rootName = QString::fromUtf8(reinterpret_cast<const char *>(localName));
    for (int i = 0; i < attributeCount; ++i) {
      const xmlChar **attribute = attributes + 5 * i;
      if (attribute[1] == nullptr && isNamed(attribute[0], "version")) {
        read.outcome.hasVersion = true;
        read.outcome.version = valueOf(attribute);
      }
    }
  } else if (read.depth == 2 && isNamed(localName, "body")) {
    read.inBody = true;
  } else if (read.depth == 2 && isNamed(localName, "head")) {
    read.inHead = true;
  } else if (read.inHead && read.depth == 3 && isNamed(localName, "title")) {
    read.inHeadTitle = true;
    if (read.outcome.headTitle == OpmlHeadTitle::Missing) {
      read.outcome.headTitle = OpmlHeadTitle::Blank;
    }
  } else if (read.inBody && isNamed(localName, "outline")) {
    if (!read.open.empty()) read.open.back().isFolder = true;
    OpenOutline outline;
    for (int i = 0; i < attributeCount; ++i) {
      const xmlChar **attribute = attributes + 5 * i;
      if (attribute[1] != nullptr) continue;
      if (isNamed(attribute[0], "text")) {
        outline.text = valueOf(attribute);
      } else if (isNamed(attribute[0], "xmlUrl")) {
        outline.hasXmlUrl = true;
        outline.xmlUrl = valueOf(attribute);
      } else if (isNamed(attribute[0], "title")) {
        outline.title = valueOf(attribute);
      } else if (isNamed(attribute[0], "htmlUrl")) {
        outline.hasHtmlUrl = true;
        outline.htmlUrl = valueOf(attribute);
      } else if (isNamed(attribute[0], "type")) {
        outline.hasType = true;
        outline.type = valueOf(attribute);
      } else if (outline.otherCaseXmlUrlName.isEmpty() &&
                 xmlStrcasecmp(attribute[0], reinterpret_cast<const xmlChar *>("xmlUrl")) == 0) {
        outline.otherCaseXmlUrlName =
            QString::fromUtf8(reinterpret_cast<const char *>(attribute[0]));
        outline.otherCaseXmlUrl = valueOf(attribute);
      }
    }
    read.open.push_back(std::move(outline));
  }
}

// Text is only looked at inside the head's title, and only until it is
// known not to be blank.
void characters(void *context, const xmlChar *text, int length) {
  Read &read = readOf(context);
  if (!read.inHeadTitle || read.outcome.headTitle == OpmlHeadTitle::Given) return;
  if (!isBlank(textOf(text, length))) read.outcome.headTitle = OpmlHeadTitle::Given;
}

// A reference to an entity declared in the document stays unexpanded in
// text; in the head's title it counts as text when the entity's own text is
// not blank.
void reference(void *context, const xmlChar *name) {
  Read &read = readOf(context);
  if (read.inHeadTitle && read.outcome.headTitle != OpmlHeadTitle::Given) {
    const xmlEntityPtr entity = xmlSAX2GetEntity(context, name);
    if (entity != nullptr && entity->content != nullptr &&
        !isBlank(textOf(entity->content, entity->length))) {
      read.outcome.headTitle = OpmlHeadTitle::Given;
    }
  }
  xmlSAX2Reference(context, name);
}

void endElement(void *context, const xmlChar *localName, const xmlChar *, const xmlChar *) {
  Read &read = readOf(context);
  if (read.inBody && read.depth == 2) {
    read.inBody = false;
  } else if (read.inHead && read.depth == 2) {
    read.inHead = false;
  } else if (read.inHeadTitle && read.depth == 3) {
    read.inHeadTitle = false;
  } else if (read.inBody && isNamed(localName, "outline") && !read.open.empty()) {
    const OpenOutline &done = read.open.back();
    ++read.outcome.outlines;
    (*read.onOutline)(OpmlOutline{done.text, done.hasXmlUrl, done.xmlUrl, done.isFolder,
                                  static_cast<int>(read.open.size()) - 1, done.title, done.hasType,
                                  done.type, done.otherCaseXmlUrlName, done.otherCaseXmlUrl,
                                  done.hasHtmlUrl, done.htmlUrl});
    read.open.pop_back();
  }
  --read.depth;
}

// Looks an entity up for a reference, counting what references cost; past
// the limits the read stops with a reason of its own.
xmlEntityPtr counted(void *context, xmlEntityPtr entity) {
  Read &read = readOf(context);
  const auto parser = static_cast<xmlParserCtxtPtr>(context);
  if (!read.expansionStopped) {
    ++read.entityLookups;
    if (entity != nullptr) read.entityText += entity->length;
    if (read.entityLookups <= kMostEntityLookups && read.entityText <= kMostEntityText) {
      return entity;
    }
    read.expansionStopped = true;
    // Where the document stands, not where in an entity's content.
    read.stopLine = xmlSAX2GetLineNumber(read.document);
    read.stopColumn = xmlSAX2GetColumnNumber(read.document);
  }
  // An entity's content is read by a parser of its own, which shares our
  // state: each parser that asks after the limit stops, the document's
  // own among them.
  if (parser->instate != XML_PARSER_EOF) xmlStopParser(parser);
  return nullptr;
}

xmlEntityPtr getEntity(void *context, const xmlChar *name) {
  return counted(context, xmlSAX2GetEntity(context, name));
}

xmlEntityPtr getParameterEntity(void *context, const xmlChar *name) {
  return counted(context, xmlSAX2GetParameterEntity(context, name));
}

// Nothing is ever loaded from outside the document: no external document
// type, no external entity, from the disk or the network.
xmlParserInputPtr refuseOutsideEntity(void *, const xmlChar *, const xmlChar *) { return nullptr; }

void onError(void *context, xmlErrorPtr error) {
  Read &read = readOf(context);
  const bool fatal = error->level == XML_ERR_FATAL;
  // What follows a stop only tells of the stop.
  if (read.expansionStopped || read.haveFatal || (read.haveError && !fatal)) return;
  read.haveError = true;
  read.haveFatal = fatal;
  read.error = QString::fromUtf8(error->message ? error->message : "").trimmed();
  read.errorLine = error->line;
  read.errorColumn = error->int2;
}

int readDevice(void *context, char *buffer, int length) {
  Read &read = *static_cast<Read *>(context);
  const qint64 n = read.device->read(buffer, length);
  if (n < 0) {
    read.deviceError = read.device->errorString();
    return -1;
  }
  return int(n);
}

int closeDevice(void *) { return 0; }

}  // namespace

OpmlReadOutcome readOpmlOutlines(QIODevice &device, const OpmlOutlineVisitor &onOutline) {
  // libxml2 sets up its globals once, before any thread reads with it.
  static const bool initialised = (xmlInitParser(), true);
  (void)initialised;
  Read read;
  read.device = &device;
  read.onOutline = &onOutline;
  xmlSAXHandler sax;
  std::memset(&sax, 0, sizeof sax);
  // libxml2's own handlers keep the declarations of the internal subset, so
  // that references to the entities declared there can be replaced.
  xmlSAXVersion(&sax, 2);
  sax.startElementNs = startElement;
  sax.endElementNs = endElement;
  // Text matters only in the head's title.
  sax.characters = characters;
  sax.ignorableWhitespace = nullptr;
  sax.cdataBlock = characters;
  sax.comment = nullptr;
  sax.processingInstruction = nullptr;
  // libxml2's own handler of references to entities in text stays, called
  // by ours once it has looked at the head's title: the reference nodes it
  // makes inside an entity's content are what tells libxml2 that the content
  // was read; without them every reference reads it again, and a "billion
  // laughs" would be read through whole.
  sax.reference = reference;
  sax.getEntity = getEntity;
  sax.getParameterEntity = getParameterEntity;
  sax.resolveEntity = refuseOutsideEntity;
  sax.externalSubset = nullptr;
  sax.warning = nullptr;
  sax.error = nullptr;
  sax.fatalError = nullptr;
  sax.serror = onError;
  xmlParserCtxtPtr parser =
      xmlCreateIOParserCtxt(&sax, nullptr, readDevice, closeDevice, &read, XML_CHAR_ENCODING_NONE);
  if (parser == nullptr) {
    read.outcome.openError = QString::fromLocal8Bit(std::strerror(ENOMEM));
    return read.outcome;
  }
  parser->_private = &read;
  read.document = parser;
  // No entity substitution (XML_PARSE_NOENT would also load external ones),
  // no document type loaded, nothing from the network; values and texts of
  // any length, as our own documents may hold titles of many megabytes (the
  // limits above then stand for libxml2's own, which XML_PARSE_HUGE lifts).
  xmlCtxtUseOptions(parser, XML_PARSE_NONET | XML_PARSE_HUGE);
  xmlParseDocument(parser);
  const bool wellFormed = parser->wellFormed != 0 && !read.expansionStopped;
  if (parser->myDoc != nullptr) xmlFreeDoc(parser->myDoc);
  xmlFreeParserCtxt(parser);

  OpmlReadOutcome &outcome = read.outcome;
  if (!read.deviceError.isEmpty()) {
    outcome.openError = read.deviceError;
  } else if (!wellFormed) {
    if (read.expansionStopped && !read.haveFatal) {
      outcome.xmlError =
          QStringLiteral("its entity references expand to more text than a feed list holds");
      outcome.errorLine = read.stopLine;
      outcome.errorColumn = read.stopColumn;
    } else {
      outcome.xmlError = read.haveError ? read.error : QStringLiteral("the document ends early");
      outcome.errorLine = read.errorLine;
      outcome.errorColumn = read.errorColumn;
    }
  }
  return outcome;
}

OpmlReadOutcome readOpmlFile(const QByteArray &path, const OpmlOutlineVisitor &onOutline) {
  QFile file;
  if (!openForReading(file, path)) {
    OpmlReadOutcome outcome;
    outcome.openError = QString::fromLocal8Bit(std::strerror(errno));
    return outcome;
  }
  return readOpmlOutlines(file, onOutline);
}

QString withoutFinalStop(const QString &reason) {
  return reason.endsWith(QLatin1Char('.')) ? reason.chopped(1) : reason;
}

bool openForReading(QFile &file, const QByteArray &path) {
  // The name's bytes go to the system as they are; a decoded QString might
  // not spell them again.
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    errno = EIO;
    return false;
  }
  return true;
}

bool isFeedAddress(std::string_view utf8) {
  for (const char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80) return isFeedAddress(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    if (b > ' ') return true;  // not white space, nor a control the writer leaves out
  }
  return false;
}

bool isFeedAddress(QStringView text) { return !text.trimmed().isEmpty(); }

std::uint64_t textFingerprint(std::string_view utf8) {
  // Eight bytes a step, each step mixed by a multiplication and a shift.
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = 0x2545F4914F6CDD1Dull ^ utf8.size();
  const char *p = utf8.data();
  std::size_t left = utf8.size();
  for (; left >= 8; p += 8, left -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  std::uint64_t last = 0;
  if (left > 0) std::memcpy(&last, p, left);
  hash = (hash ^ last) * kMultiplier;
  hash ^= hash >> 32;
  return hash * kMultiplier;
}

std::uint64_t textFingerprint(QStringView text) {
  const QByteArray utf8 = text.toUtf8();
  return textFingerprint(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}
