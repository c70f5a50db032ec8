#include "OpmlReading.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QXmlStreamReader>
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
  if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    errno = EIO;
    return false;
  }
  return true;
}

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
