#include "PlainOpmlReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr qint64 kPieceBytes = 256 * 1024;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
// ASCII names without a namespace prefix: a prefix must be declared, which
// is the full reader's to check.
bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

bool isXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(std::string &out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

// Checks that bytes [from, end) are UTF-8 of characters XML allows. Returns
// where checking stopped: end, or the start of a character cut off at the
// end of the piece; -1 on a fault.
qsizetype checkCharacters(const char *p, qsizetype from, qsizetype end) {
  qsizetype i = from;
  while (i < end) {
    // Eight ASCII bytes at a time, none of them a control character: no
    // high bit set, and no byte whose top three bits are all clear.
    if (end - i >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      const std::uint64_t top = word & 0xE0E0E0E0E0E0E0E0ull;
      const std::uint64_t zeroByte = (top - 0x0101010101010101ull) & ~top & 0x8080808080808080ull;
      if ((word & 0x8080808080808080ull) == 0 && zeroByte == 0) {
        i += 8;
        continue;
      }
    }
    const auto b = static_cast<unsigned char>(p[i]);
    if (b < 0x80) {
      if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return -1;
      ++i;
      continue;
    }
    const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    if (length == 0 || b > 0xF4) return -1;
    if (end - i < length) return i;  // the rest comes with the next piece
    char32_t c = b & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(p[i + k]);
      if ((next & 0xC0) != 0x80) return -1;
      c = (c << 6) | (next & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[length] || !isXmlChar(c)) return -1;  // overlong, surrogate, U+FFFE...
    i += length;
  }
  return i;
}

enum class Step { Done, More, Give };  // a token read; the piece ran out; not for us

class Reader {
 public:
  Reader(QIODevice &device, const PlainOutlineVisitor &onOutline, bool withSites)
      : device_(device), onOutline_(onOutline), withSites_(withSites) {}

  std::optional<std::size_t> read() {
    bool first = true;
    for (;;) {
      if (!fill()) return std::nullopt;
      if (first) {
        if (!declaration()) return std::nullopt;
        first = false;
      }
      for (;;) {
        const Step step = token();
        if (step == Step::Give) return std::nullopt;
        if (step == Step::More) break;
      }
      if (eof_) {
        if (pos_ != size_ || !rootClosed_) return std::nullopt;
        return outlines_;
      }
    }
  }

 private:
  // Moves what is left to the front and reads the next piece after it. A
  // token that did not end in what was read is read again from its start
  // once more has come, so the piece is at least as long as what is left:
  // a token of any length is then read again only as often as its length
  // doubles, and each byte of it a few times in all.
  bool fill() {
    // Kept in a buffer of our own: a string would clear each new piece
    // before it is read into.
    if (size_ > pos_) std::memmove(buffer_.get(), buffer_.get() + pos_, size_ - pos_);
    size_ -= pos_;
    checked_ -= pos_;
    pos_ = 0;
    if (eof_) return true;
    const std::size_t had = size_;
    const std::size_t piece = std::max(std::size_t(kPieceBytes), had);
    if (had + piece > capacity_) {
      auto larger = std::make_unique_for_overwrite<char[]>(had + piece);
      if (had > 0) std::memcpy(larger.get(), buffer_.get(), had);
      buffer_ = std::move(larger);
      capacity_ = had + piece;
    }
    std::size_t got = 0;
    while (got < piece) {
      const qint64 n = device_.read(buffer_.get() + had + got, qint64(piece - got));
      if (n < 0) return false;
      if (n == 0) {
        eof_ = true;
        break;
      }
      got += std::size_t(n);
    }
    size_ = had + got;
    const qsizetype upTo = checkCharacters(buffer_.get(), qsizetype(checked_), qsizetype(size_));
    if (upTo < 0 || (eof_ && std::size_t(upTo) != size_)) return false;
    checked_ = std::size_t(upTo);
    return true;
  }

  // The bytes from pos_ that are checked and may be read.
  std::string_view rest() const {
    return std::string_view(buffer_.get(), size_).substr(pos_, checked_ - pos_);
  }

  bool declaration() {
    static constexpr std::string_view kForms[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<?xml version=\"1.0\"?>",
    };
    const std::string_view r = rest();
    if (!r.starts_with("<?")) return true;
    for (std::string_view form : kForms) {
      if (r.starts_with(form)) {
        pos_ += form.size();
        return true;
      }
    }
    return false;
  }

  Step token() {
    const std::string_view r = rest();
    if (r.empty()) return Step::More;
    if (r[0] != '<') return text(r);
    if (r.size() < 4) return eof_ ? Step::Give : Step::More;
    if (r.starts_with("<!--")) return comment(r);
    if (r[1] == '!' || r[1] == '?') return Step::Give;
    if (r[1] == '/') return endTag(r);
    return startTag(r);
  }

  Step text(std::string_view r) {
    std::size_t end = r.find('<');
    if (end == std::string_view::npos) {
      if (!eof_) return Step::More;
      end = r.size();
    }
    const std::string_view run = r.substr(0, end);
    if (open_.empty()) {
      for (char c : run) {
        if (!isSpace(c)) return Step::Give;
      }
    } else if (run.find("]]>") != std::string_view::npos || !references(run, nullptr)) {
      return Step::Give;
    }
    pos_ += end;
    return Step::Done;
  }

  Step comment(std::string_view r) {
    const std::size_t dashes = r.find("--", 4);
    if (dashes == std::string_view::npos) return eof_ ? Step::Give : Step::More;
    if (dashes + 2 >= r.size()) return eof_ ? Step::Give : Step::More;
    if (r[dashes + 2] != '>') return Step::Give;  // "--" inside, or "--->"
    pos_ += dashes + 3;
    return Step::Done;
  }

  // A name at r[i]; its end, or 0 when there is none (or it is not ASCII).
  static std::size_t name(std::string_view r, std::size_t i) {
    if (i >= r.size() || !isNameStart(r[i])) return 0;
    while (++i < r.size() && isNameChar(r[i])) {
    }
    return i;
  }

  Step endTag(std::string_view r) {
    const std::size_t close = r.find('>');
    if (close == std::string_view::npos) return eof_ ? Step::Give : Step::More;
    const std::size_t end = name(r, 2);
    if (end == 0 || open_.empty() || r.substr(2, end - 2) != open_.back()) return Step::Give;
    for (std::size_t i = end; i < close; ++i) {
      if (!isSpace(r[i])) return Step::Give;
    }
    if (open_.size() == 2 && open_.back() == "body") inBody_ = false;
    open_.pop_back();
    if (open_.empty()) rootClosed_ = true;
    pos_ += close + 1;
    return Step::Done;
  }

  Step startTag(std::string_view r) {
    // Attribute values hold no '<' or '>' that matters here: a '<' in one
    // is a fault, so the tag must end at the first '>' outside quotes.
    const std::size_t nameEnd = name(r, 1);
    if (nameEnd == 0 || rootClosed_) return Step::Give;
    const std::string_view element = r.substr(1, nameEnd - 1);
    const bool outline = inBody_ && element == "outline";
    attributeNames_.clear();
    bool hasAddress = false, hasSite = false;
    address_.clear();
    site_.clear();
    std::size_t i = nameEnd;
    for (;;) {
      const std::size_t spaceStart = i;
      while (i < r.size() && isSpace(r[i])) ++i;
      if (i >= r.size()) return eof_ ? Step::Give : Step::More;
      if (r[i] == '>' || r[i] == '/') break;
      if (i == spaceStart) return Step::Give;  // attributes are set apart by space
      const std::size_t attributeEnd = name(r, i);
      if (attributeEnd == 0) return i >= r.size() ? Step::More : Step::Give;
      const std::string_view attribute = r.substr(i, attributeEnd - i);
      i = attributeEnd;
      while (i < r.size() && isSpace(r[i])) ++i;
      if (i >= r.size()) return eof_ ? Step::Give : Step::More;
      if (r[i] != '=') return Step::Give;
      ++i;
      while (i < r.size() && isSpace(r[i])) ++i;
      if (i >= r.size()) return eof_ ? Step::Give : Step::More;
      const char quote = r[i];
      if (quote != '"' && quote != '\'') return Step::Give;
      const std::size_t valueEnd = r.find(quote, i + 1);
      if (valueEnd == std::string_view::npos) return eof_ ? Step::Give : Step::More;
      const std::string_view value = r.substr(i + 1, valueEnd - i - 1);
      for (std::string_view seen : attributeNames_) {
        if (seen == attribute) return Step::Give;
      }
      attributeNames_.push_back(attribute);
      const bool isAddress = outline && attribute == "xmlUrl";
      const bool isSite = withSites_ && outline && attribute == "htmlUrl";
      if (value.find('<') != std::string_view::npos || !references(value, isAddress ? &address_
                                                                          : isSite  ? &site_
                                                                                    : nullptr)) {
        return Step::Give;
      }
      hasAddress = hasAddress || isAddress;
      hasSite = hasSite || isSite;
      i = valueEnd + 1;
    }
    const bool selfClosing = r[i] == '/';
    if (selfClosing) {
      if (i + 1 >= r.size()) return eof_ ? Step::Give : Step::More;
      if (r[i + 1] != '>') return Step::Give;
    }
    if (outline) {
      if (!selfClosing) return Step::Give;  // a folder: the full reader counts those
      ++outlines_;
      PlainOutline read;
      if (hasAddress) read.xmlUrl = address_;
      if (hasSite) read.htmlUrl = site_;
      onOutline_(read);
    } else if (!selfClosing) {
      open_.emplace_back(element);
      if (open_.size() == 2 && element == "body") inBody_ = true;
    } else if (open_.empty()) {
      rootClosed_ = true;  // a root without content
    }
    pos_ += i + (selfClosing ? 2 : 1);
    return Step::Done;
  }

  // Checks the references in text or a value; with `out`, also writes the
  // text as a reader gives it back: references replaced, and in a value a
  // literal tab, line feed or carriage return made a space (a carriage
  // return and line feed together are one line end, so one space).
  static bool references(std::string_view text, std::string *out) {
    if (out && std::none_of(text.begin(), text.end(), [](char c) {
          return c == '&' || c == '\t' || c == '\n' || c == '\r';
        })) {
      out->assign(text);
      return true;
    }
    std::size_t i = 0;
    while (i < text.size()) {
      const std::size_t amp = text.find('&', i);
      const std::size_t plainEnd = amp == std::string_view::npos ? text.size() : amp;
      if (out) {
        const std::string_view run = text.substr(i, plainEnd - i);
        if (std::none_of(run.begin(), run.end(),
                         [](char c) { return c == '\t' || c == '\n' || c == '\r'; })) {
          out->append(run);
        } else {
          for (std::size_t k = i; k < plainEnd; ++k) {
            const char c = text[k];
            if (c == '\r' && k + 1 < plainEnd && text[k + 1] == '\n') continue;
            *out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
          }
        }
      }
      if (amp == std::string_view::npos) return true;
      const std::size_t semicolon = text.find(';', amp);
      if (semicolon == std::string_view::npos) return false;
      const std::string_view ref = text.substr(amp + 1, semicolon - amp - 1);
      char32_t c = 0;
      if (ref == "amp")
        c = '&';
      else if (ref == "lt")
        c = '<';
      else if (ref == "gt")
        c = '>';
      else if (ref == "quot")
        c = '"';
      else if (ref == "apos")
        c = '\'';
      else if (ref.size() >= 2 && ref[0] == '#') {
        const bool hex = ref[1] == 'x';
        const std::string_view digits = ref.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8) return false;
        for (char d : digits) {
          int v;
          if (d >= '0' && d <= '9')
            v = d - '0';
          else if (hex && d >= 'a' && d <= 'f')
            v = d - 'a' + 10;
          else if (hex && d >= 'A' && d <= 'F')
            v = d - 'A' + 10;
          else
            return false;
          c = c * (hex ? 16 : 10) + char32_t(v);
        }
        if (!isXmlChar(c)) return false;
      } else {
        return false;  // an entity this document did not declare
      }
      if (out) appendUtf8(*out, c);
      i = semicolon + 1;
    }
    return true;
  }

  QIODevice &device_;
  const PlainOutlineVisitor &onOutline_;
  const bool withSites_;
  std::unique_ptr<char[]> buffer_;
  std::size_t size_ = 0, capacity_ = 0;
  std::size_t pos_ = 0;
  std::size_t checked_ = 0;
  bool eof_ = false;
  std::vector<std::string> open_;
  bool inBody_ = false;
  bool rootClosed_ = false;
  std::size_t outlines_ = 0;
  std::vector<std::string_view> attributeNames_;
  std::string address_, site_;
};

}  // namespace

std::optional<std::size_t> readPlainOpmlAddresses(
    QIODevice &device, const std::function<void(std::string_view xmlUrl)> &onOutline) {
  return readPlainOpml(
      device, [&onOutline](const PlainOutline &outline) { onOutline(outline.xmlUrl.value_or("")); },
      false);
}

std::optional<std::size_t> readPlainOpml(QIODevice &device, const PlainOutlineVisitor &onOutline,
                                         bool withSites) {
  return Reader(device, onOutline, withSites).read();
}
