#include "WrittenFileCheck.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "OpmlReading.h"
#include "PlainOpmlReader.h"

namespace {

// Whether any byte is below 0x20 or is 0xEF (where U+FFFE and U+FFFF
// start), eight bytes a step.
bool hasControlOrEF(std::string_view bytes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    // A byte below 0x20 keeps its top bit clear and gains it once 0x20 is
    // taken away (a borrow only ever starts at such a byte); a byte is 0xEF
    // when it is zero after an exclusive or with 0xEF.
    const std::uint64_t low = word - 0x20 * kOnes;
    const std::uint64_t ef = word ^ (0xEF * kOnes);
    if ((low & ~word & kHighs) != 0 || ((ef - kOnes) & ~ef & kHighs) != 0) return true;
  }
  for (; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x20 || b == 0xEF) return true;
  }
  return false;
}

}  // namespace

void WrittenFeeds::add(const std::optional<std::string_view> &xmlUrl) {
  if (!xmlUrl) {
    fingerprints_.push_back(textFingerprint(std::string_view()));
    return;
  }
  // The writer leaves out the C0 controls that XML cannot carry (it keeps
  // tab, line feed and carriage return as references) and U+FFFE, U+FFFF.
  const std::string_view bytes = *xmlUrl;
  const bool plain = !hasControlOrEF(bytes);
  if (plain) {
    fingerprints_.push_back(textFingerprint(bytes));
    feeds_ += isFeedAddress(bytes);
    return;
  }
  kept_.clear();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') continue;
    if (b == 0xEF && i + 2 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) == 0xBF &&
        (static_cast<unsigned char>(bytes[i + 2]) & 0xFE) == 0xBE) {
      i += 2;
      continue;
    }
    kept_.push_back(static_cast<char>(b));
  }
  fingerprints_.push_back(textFingerprint(std::string_view(kept_)));
  feeds_ += isFeedAddress(kept_);
}

namespace {

QString lastWords() {
  return QStringLiteral(
      " The disk or the file system may have failed; export again, to another place if it "
      "happens again.");
}

}  // namespace

std::optional<QString> checkWrittenDocument(QIODevice &device, const QString &shownName,
                                            const WrittenFeeds &written) {
  const std::vector<std::uint64_t> &expected = written.fingerprints();
  std::size_t index = 0;
  std::optional<std::size_t> firstDifferent;
  auto compare = [&](std::uint64_t fingerprint) {
    if (!firstDifferent && (index >= expected.size() || fingerprint != expected[index])) {
      firstDifferent = index;
    }
    ++index;
  };
  // The plain reader takes our own documents; anything it leaves, or finds
  // fault with, is read again by libxml2's, which also says what is wrong.
  OpmlReadOutcome read;
  const std::optional<std::size_t> plain = readPlainOpmlAddresses(
      device, [&](std::string_view address) { compare(textFingerprint(address)); });
  if (plain) {
    read.rootName = QStringLiteral("opml");
    read.outlines = *plain;
  } else {
    index = 0;
    firstDifferent.reset();
    if (!device.seek(0)) {
      read.openError = device.errorString();
    } else {
      read = readOpmlOutlines(
          device, [&](const OpmlOutline &outline) { compare(textFingerprint(outline.xmlUrl)); });
    }
  }
  const QString &name = shownName;
  if (!read.opened()) {
    return QStringLiteral("%1 was written but could not be read back to check it: %2.%3")
        .arg(name, read.openError, lastWords());
  }
  if (!read.wellFormed()) {
    return QStringLiteral(
               "%1 was written, but reading it back found no well-formed XML at line %2, "
               "column %3 (%4).%5")
        .arg(name)
        .arg(read.errorLine)
        .arg(read.errorColumn)
        .arg(withoutFinalStop(read.xmlError), lastWords());
  }
  if (read.outlines != expected.size()) {
    return QStringLiteral("%1 was written with %2, but reading it back found %3.%4")
        .arg(name, feedCountText(expected.size()), feedCountText(read.outlines), lastWords());
  }
  if (firstDifferent) {
    return QStringLiteral(
               "%1 was written, but reading it back found a different feed address in "
               "feed %2 of %3.%4")
        .arg(name)
        .arg(*firstDifferent + 1)
        .arg(expected.size())
        .arg(lastWords());
  }
  return std::nullopt;
}

std::optional<QString> checkWrittenFile(const QByteArray &path, const QString &shownName,
                                        const WrittenFeeds &written) {
  QFile file;
  if (!openForReading(file, path)) {
    return QStringLiteral("%1 was written but could not be read back to check it: %2.%3")
        .arg(shownName, QString::fromLocal8Bit(std::strerror(errno)), lastWords());
  }
  return checkWrittenDocument(file, shownName, written);
}

QString feedCountText(std::size_t feeds, const QLocale &locale) {
  const QString number = locale.toString(static_cast<qulonglong>(feeds));
  return feeds == 1 ? QStringLiteral("%1 feed").arg(number)
                    : QStringLiteral("%1 feeds").arg(number);
}

QString writtenAndCheckedSentence(std::size_t feeds, const QString &shownName,
                                  const QLocale &locale) {
  return QStringLiteral("%1 written to %2 and checked.")
      .arg(feedCountText(feeds, locale), shownName);
}
