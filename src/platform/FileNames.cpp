#include "FileNames.h"

#include <sys/stat.h>

namespace FileNames {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at bytes[i], or 0 when there is
// none (a stray continuation byte, an overlong or surrogate form, a sequence
// cut short, or a value above U+10FFFF).
int validSequenceAt(QByteArrayView bytes, qsizetype i) {
  const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = at(i);
  if (lead < 0x80) return 1;
  int length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  if (at(i + 1) < low || at(i + 1) > high) return 0;
  for (int k = 2; k < length; ++k) {
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

QString decode(QByteArrayView bytes) {
  QString name;
  name.reserve(bytes.size());
  qsizetype runStart = 0;
  qsizetype i = 0;
  while (i < bytes.size()) {
    const int length = validSequenceAt(bytes, i);
    if (length > 0) {
      i += length;
      continue;
    }
    name += QString::fromUtf8(bytes.sliced(runStart, i - runStart));
    name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
    runStart = ++i;
  }
  name += QString::fromUtf8(bytes.sliced(runStart));
  return name;
}

QByteArray encode(const QString &name) {
  QByteArray bytes;
  bytes.reserve(name.size());
  qsizetype runStart = 0;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i].unicode();
    // A pair of surrogates is one character; only a lone low surrogate in the
    // escape range stands for a byte.
    const bool pairedLow = i > 0 && name[i - 1].isHighSurrogate();
    if (unit < kEscapeBase + 0x80 || unit > kEscapeBase + 0xFF || pairedLow) continue;
    bytes += QStringView(name).sliced(runStart, i - runStart).toUtf8();
    bytes += static_cast<char>(unit - kEscapeBase);
    runStart = i + 1;
  }
  bytes += QStringView(name).sliced(runStart).toUtf8();
  return bytes;
}

bool isFile(const QString &name) {
  struct stat info {};
  return ::stat(encode(name).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace FileNames
