#include "OpmlReading.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QXmlStreamReader>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

inline std::uint64_t mix(std::uint64_t hash, unsigned char byte) {
  return (hash ^ byte) * kFnvPrime;
}

// An outline whose start was read and whose end was not yet.
struct OpenOutline {
  QString text;
  bool hasXmlUrl = false;
  QString xmlUrl;
  bool isFolder = false;
};

}  // namespace

OpmlReadOutcome readOpmlOutlines(QIODevice &device, const OpmlOutlineVisitor &onOutline) {
  OpmlReadOutcome outcome;
  QXmlStreamReader xml(&device);
  // Entities declared in a document type are not expanded beyond this; a
  // file cannot make the reader build gigabytes from a few lines.
  xml.setEntityExpansionLimit(4096);
  std::vector<OpenOutline> open;
  bool inBody = false;
  int depth = 0;  // elements open
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement: {
        ++depth;
        const QStringView name = xml.name();
        if (depth == 1) {
          outcome.rootName = name.toString();
        } else if (depth == 2 && name == u"body") {
          inBody = true;
        } else if (inBody && name == u"outline") {
          if (!open.empty()) open.back().isFolder = true;
          const QXmlStreamAttributes attributes = xml.attributes();
          OpenOutline outline;
          outline.text = attributes.value(QLatin1String("text")).toString();
          outline.hasXmlUrl = attributes.hasAttribute(QLatin1String("xmlUrl"));
          if (outline.hasXmlUrl) {
            outline.xmlUrl = attributes.value(QLatin1String("xmlUrl")).toString();
          }
          open.push_back(std::move(outline));
        }
        break;
      }
      case QXmlStreamReader::EndElement:
        if (inBody && depth == 2) {
          inBody = false;
        } else if (inBody && xml.name() == u"outline" && !open.empty()) {
          const OpenOutline &done = open.back();
          ++outcome.outlines;
          onOutline(OpmlOutline{done.text, done.hasXmlUrl, done.xmlUrl, done.isFolder,
                                static_cast<int>(open.size()) - 1});
          open.pop_back();
        }
        --depth;
        break;
      default:
        break;
    }
  }
  if (xml.hasError()) {
    outcome.xmlError = xml.errorString();
    outcome.errorLine = xml.lineNumber();
    outcome.errorColumn = xml.columnNumber();
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
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    errno = EIO;
    return false;
  }
  return true;
}

std::uint64_t textFingerprint(std::string_view utf8) {
  std::uint64_t hash = kFnvOffset;
  for (const char c : utf8) hash = mix(hash, static_cast<unsigned char>(c));
  return hash;
}

std::uint64_t textFingerprint(QStringView text) {
  std::uint64_t hash = kFnvOffset;
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text[++i].unicode());
    }
    if (c < 0x80) {
      hash = mix(hash, static_cast<unsigned char>(c));
    } else if (c < 0x800) {
      hash = mix(hash, static_cast<unsigned char>(0xC0 | (c >> 6)));
      hash = mix(hash, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      hash = mix(hash, static_cast<unsigned char>(0xE0 | (c >> 12)));
      hash = mix(hash, static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)));
      hash = mix(hash, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else {
      hash = mix(hash, static_cast<unsigned char>(0xF0 | (c >> 18)));
      hash = mix(hash, static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F)));
      hash = mix(hash, static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)));
      hash = mix(hash, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    }
  }
  return hash;
}
